#include "numerology/ReportPages.h"

#include "namedb/CharacterRow.h"
#include "numerology/ReportTemplates.h"

std::string FillTemplate(std::string_view pageTemplate, const TemplateValues& values) {
    std::string page;
    page.reserve(pageTemplate.size() * 2);
    std::size_t at = 0;
    while (at < pageTemplate.size()) {
        const std::pair<std::string, std::string>* match = nullptr;
        for (const auto& pair : values) {
            if (!pair.first.empty() && pageTemplate.substr(at, pair.first.size()) == pair.first) {
                match = &pair;
                break;
            }
        }
        if (match) {
            page += match->second;
            at += match->first.size();
            continue;
        }
        // Copy a whole character, so a placeholder is only ever matched where a character starts.
        std::size_t length = static_cast<unsigned char>(pageTemplate[at]) >= 0x81 ? 2 : 1;
        page.append(pageTemplate.substr(at, length));
        at += length;
    }
    return page;
}

std::string HtmlEscape(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char byte : text) {
        switch (byte) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&#39;";
                break;
            default:
                escaped += byte;
        }
    }
    return escaped;
}

std::filesystem::path PageFile(const std::filesystem::path& pagesFolder, int number) {
    return pagesFolder /
           (number == 0 ? std::string("temp.html") : "temp" + std::to_string(number) + ".html");
}

namespace {

void AddCharacterValues(TemplateValues& values, const char* label, const NameEvaluation& evaluation,
                        const std::vector<std::string>& part, std::size_t index,
                        NamePosition position) {
    const std::string name = label;
    // A name part of one character leaves the row of its second character empty.
    bool present = index < part.size();
    const NameCharacter& character = evaluation.characters[position];
    auto value = [&](std::string text) { return present ? std::move(text) : std::string(); };
    values.emplace_back("{简体" + name + "}", present ? HtmlEscape(part[index]) : std::string());
    values.emplace_back("{繁体" + name + "}", value(character.traditionalForm));
    values.emplace_back("{简体" + name + "笔划}",
                        value(std::to_string(character.simplifiedStrokes)));
    values.emplace_back("{繁体" + name + "笔划}",
                        value(std::to_string(character.traditionalStrokes)));
    values.emplace_back("{" + name + "五行}", value(character.element));
    values.emplace_back("{" + name + "拼音}", value(character.pinyin));
}

}  // namespace

std::string FillScoreReport(const NameEvaluation& evaluation) {
    TemplateValues values;
    AddCharacterValues(values, "姓氏1", evaluation, evaluation.surnameChars, 0, kSurname1);
    AddCharacterValues(values, "姓氏2", evaluation, evaluation.surnameChars, 1, kSurname2);
    AddCharacterValues(values, "名字1", evaluation, evaluation.givenChars, 0, kGiven1);
    AddCharacterValues(values, "名字2", evaluation, evaluation.givenChars, 1, kGiven2);

    static const char* const kGridNames[5] = {"天格", "人格", "地格", "总格", "外格"};
    static constexpr int kFillOrder[5] = {kPersonGrid, kHeavenGrid, kEarthGrid, kTotalGrid,
                                          kOuterGrid};
    auto eachGrid = [&](const char* suffix, auto valueOf) {
        for (int grid : kFillOrder)
            values.emplace_back(std::string("{") + kGridNames[grid] + suffix + "}", valueOf(grid));
    };
    eachGrid("", [&](int grid) { return std::to_string(evaluation.GridValue(grid)); });
    eachGrid("五行", [&](int grid) { return evaluation.grids[grid].element; });
    eachGrid("吉凶", [&](int grid) { return evaluation.grids[grid].rating; });
    eachGrid("释义", [&](int grid) { return evaluation.grids[grid].detail; });
    eachGrid("总论", [&](int grid) { return evaluation.grids[grid].summary; });
    eachGrid("数理暗示", [&](int grid) { return evaluation.grids[grid].hints; });

    values.emplace_back("{三才}", evaluation.threeTalents);
    values.emplace_back("{三才吉凶}", evaluation.talents.rating);
    values.emplace_back("{三才总论}", evaluation.talents.summary);
    values.emplace_back("{三才释义}", evaluation.talents.aspects);
    values.emplace_back("{基础运}", evaluation.talents.baseLuck);
    values.emplace_back("{成功运}", evaluation.talents.successLuck);
    values.emplace_back("{人际关系}", evaluation.talents.relations);
    values.emplace_back("{性格}", evaluation.talents.personality);
    values.emplace_back("{总分建议}", evaluation.comment);
    values.emplace_back("{评分总分}", std::to_string(static_cast<int>(evaluation.score)));
    return FillTemplate(ScoreReportTemplate(), values);
}

std::string CharacterPage(SqliteDatabase& db, const std::string& character) {
    // A character the dictionary lacks leaves every field of its page empty.
    std::optional<CharacterRow> found = FetchCharacterRow(db, character);
    const CharacterRow row = found.value_or(CharacterRow());
    auto strokes = [&](int count) { return found ? std::to_string(count) : std::string(); };
    return FillTemplate(CharacterPageTemplate(), {{"{汉字}", HtmlEscape(character)},
                                                  {"{拼音}", row.pinyin2},
                                                  {"{简体笔划}", strokes(row.simplifiedStrokes)},
                                                  {"{部首}", row.radical},
                                                  {"{繁体笔划}", strokes(row.traditionalStrokes)},
                                                  {"{基本解释}", row.basicExplanation},
                                                  {"{详细解释}", row.detailedExplanation}});
}

files::WriteFileResult WriteCharacterPage(SqliteDatabase& db, const std::string& character,
                                          const std::filesystem::path& target) {
    return files::WriteFileAtomically(target, CharacterPage(db, character));
}

std::string SurnamePage(SqliteDatabase& db, const std::string& surname) {
    Statement row = db.Prepare("select * from NB_百家姓 where 姓=?", {SqlValue::Text(surname)});
    row.NextOrThrow();
    auto text = [&](int column) { return row.Text(column); };
    return FillTemplate(SurnamePageTemplate(), {{"{姓氏}", HtmlEscape(surname)},
                                                {"{姓氏起源}", text(2)},
                                                {"{聚集地}", text(3)},
                                                {"{历史名人}", text(4)}});
}

files::WriteFileResult WriteSurnamePage(SqliteDatabase& db, const std::string& surname,
                                        const std::filesystem::path& target) {
    return files::WriteFileAtomically(target, SurnamePage(db, surname));
}
