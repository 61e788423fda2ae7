#include "numerology/DetailedEvaluation.h"

#include "numerology/CharacterLookup.h"
#include "numerology/GbkTextSearch.h"
#include "numerology/NameGrids.h"
#include "numerology/NameScoring.h"
#include "numerology/ReportPages.h"

using namespace numerology_detail;

namespace {

void CopyFromDatabase(SqliteDatabase& db, const std::string& character, NameCharacter& target) {
    CharacterRecord record = FetchCharacter(db, character);
    target.simplifiedStrokes = record.simplifiedStrokes;
    target.traditionalStrokes = record.traditionalStrokes;
    target.element = std::move(record.element);
    target.pinyin = std::move(record.pinyin);
    target.traditionalForm = std::move(record.traditionalForm);
}

void CopyPartFromDatabase(SqliteDatabase& db, const std::vector<std::string>& part,
                          NameCharacter& first, NameCharacter& second) {
    if (!part.empty()) CopyFromDatabase(db, part[0], first);
    if (part.size() >= 2) CopyFromDatabase(db, part[1], second);
}

// A surname is read as a surname (华 huà, 单 shàn, 尉迟 yù chí), while NB_CNWord holds the
// reading of given names. A database without the surname readings keeps the given-name reading.
void ApplySurnameReading(SqliteDatabase& db, const std::vector<std::string>& surnameChars,
                         NameCharacter& first, NameCharacter& second) {
    std::string surname;
    for (const std::string& character : surnameChars) surname += character;
    Statement row =
        db.Prepare("select 拼音2 from NB_姓氏读音 where 姓=?", {SqlValue::Text(surname)});
    if (surname.empty() || !row.Next()) return;
    const std::string reading = row.Text(0);
    const std::size_t space = reading.find(' ');
    if (space == std::string::npos) {
        first.pinyin = reading;
    } else if (surnameChars.size() >= 2) {
        first.pinyin = reading.substr(0, space);
        second.pinyin = reading.substr(space + 1);
    }
}

void ExplainGrid(SqliteDatabase& db, int value, GridExplanation& grid) {
    NumberRecord number = LookupNumber(db, value);
    grid.element = ElementOfNumber(value);
    grid.rating = number.rating;
    grid.summary = number.explanation1 + "(" + number.explanation3 + ")";
    grid.detail = number.explanation2 + "<BR>基业:" + number.foundation +
                  "<BR>家庭:" + number.family + "<BR>健康:" + number.health +
                  "<BR>含义:" + number.meaning;
    grid.hints = GbkReplaceAll(number.hints, "|", "<BR>");
}

void ExplainThreeTalents(SqliteDatabase& db, const std::string& key,
                         ThreeTalentExplanation& talents) {
    ThreeTalentRecord record = LookupThreeTalents(db, key);
    talents.rating = record.rating;
    talents.summary = record.explanation1;
    talents.aspects = "1、总论:" + record.overview + "<BR>2、性格:" + record.character +
                      "<BR>3、意志:" + record.will + "<BR>4、事业:" + record.career +
                      "<BR>5、家庭:" + record.family + "<BR>6、婚姻:" + record.marriage +
                      "<BR>7、子女:" + record.children + "<BR>8、社交:" + record.social +
                      "<BR>9、精神:" + record.spirit + "<BR>10、财运:" + record.wealth +
                      "<BR>11、健康:" + record.health + "<BR>12、老运:" + record.oldAge;
    talents.baseLuck = record.baseLuck;
    talents.successLuck = record.successLuck;
    talents.relations = record.relations;
    talents.personality = record.personality;
}

}  // namespace

std::string ScoreComment(float score) {
    constexpr double kSlack = 0.0000001;
    double s = score;
    if (s >= 90 - kSlack)
        return "你的名字取得非常棒，如果与命理搭配得当，成功与惊喜将会伴随你的一生。但千万注意不要"
               "失去上进心。";
    if (s >= 80 - kSlack)
        return "你的名字取得不错，如果与命理搭配得当，相信它会助你一生顺利的，祝你好运！";
    if (s >= 70 - kSlack)
        return "你的名字可能不太理想，要想赢得成功，必须比别人付出更多的艰辛和汗水。如果有条件，"
               "改个名字也未尝不可。";
    if (s >= 60 - kSlack)
        return "你的名字不太好，如果可能的话，不妨尝试改变一下，也许会有事半功倍之效。";
    return "你的名字很不好！强烈建议你换个名字试试，也许人生会因此而改变的。";
}

int EvaluateInDetail(SqliteDatabase& db, const std::string& surname, const std::string& givenName,
                     NameEvaluation& evaluation) {
    evaluation.Clear();
    SplitCharactersInto(surname, evaluation.surnameChars);
    SplitCharactersInto(givenName, evaluation.givenChars);
    CopyPartFromDatabase(db, evaluation.surnameChars, evaluation.characters[kSurname1],
                         evaluation.characters[kSurname2]);
    CopyPartFromDatabase(db, evaluation.givenChars, evaluation.characters[kGiven1],
                         evaluation.characters[kGiven2]);
    ApplySurnameReading(db, evaluation.surnameChars, evaluation.characters[kSurname1],
                        evaluation.characters[kSurname2]);

    // 于 is counted by its simplified strokes: its traditional form 於 belongs to another word.
    NameCharacter& surname1 = evaluation.characters[kSurname1];
    if (evaluation.surnameChars.size() == 1 && evaluation.surnameChars[0] == "于" &&
        surname1.simplifiedStrokes != 0)
        surname1.traditionalStrokes = surname1.simplifiedStrokes;

    ComputeGrids(evaluation);
    for (int grid = kHeavenGrid; grid <= kOuterGrid; ++grid) {
        ExplainGrid(db, evaluation.GridValue(grid), evaluation.grids[grid]);
        evaluation.ratings[grid] = evaluation.grids[grid].rating;
    }
    ExplainThreeTalents(db, evaluation.threeTalents, evaluation.talents);
    evaluation.ratings[kThreeTalentsRating] = evaluation.talents.rating;

    int score = ScoreRatings(evaluation);
    evaluation.comment = ScoreComment(evaluation.score);
    evaluation.hasExplanations = true;
    return score;
}

int DetailedEvaluation(SqliteDatabase& db, const std::string& surname, const std::string& givenName,
                       NameEvaluation& evaluation, const std::filesystem::path& reportFile) {
    int score = EvaluateInDetail(db, surname, givenName, evaluation);
    if (!reportFile.empty()) files::WriteFileAtomically(reportFile, FillScoreReport(evaluation));
    return score;
}
