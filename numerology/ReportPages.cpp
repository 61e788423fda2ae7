#include "numerology/ReportPages.h"

#include <fstream>
#include <system_error>

#include "namedb/ProgramPaths.h"
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

bool WritePageFile(const std::filesystem::path& file, const std::string& page) {
    // Written beside the target first, so a failed write leaves the previous page intact.
    std::filesystem::path partial = file;
    partial += ".partial";
    {
        std::ofstream out(partial, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(page.data(), static_cast<std::streamsize>(page.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(partial, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(partial, file, error);
    if (error) {
        std::filesystem::remove(partial, error);
        return false;
    }
    return true;
}

std::filesystem::path PageFile(int number) {
    return DataDirectory() /
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
    StatementGuard row(
        db.QueryBound("select * from NB_CNWord where 汉字=?", {SqlValue::Text(character)}));
    auto text = [&](int column) { return SqliteDatabase::ColumnText(row, column); };
    return FillTemplate(CharacterPageTemplate(), {{"{汉字}", HtmlEscape(character)},
                                                  {"{拼音}", text(8)},
                                                  {"{简体笔划}", text(5)},
                                                  {"{部首}", text(11)},
                                                  {"{繁体笔划}", text(6)},
                                                  {"{基本解释}", text(14)},
                                                  {"{详细解释}", text(15)}});
}

bool WriteCharacterPage(SqliteDatabase& db, const std::string& character,
                        const std::filesystem::path& target) {
    return WritePageFile(target, CharacterPage(db, character));
}

std::string SurnamePage(SqliteDatabase& db, const std::string& surname) {
    StatementGuard row(
        db.QueryBound("select * from NB_百家姓 where 姓=?", {SqlValue::Text(surname)}));
    auto text = [&](int column) { return SqliteDatabase::ColumnText(row, column); };
    return FillTemplate(SurnamePageTemplate(), {{"{姓氏}", HtmlEscape(surname)},
                                                {"{姓氏起源}", text(2)},
                                                {"{聚集地}", text(3)},
                                                {"{历史名人}", text(4)}});
}

bool WriteSurnamePage(SqliteDatabase& db, const std::string& surname) {
    return WriteSurnamePage(db, surname, PageFile(5));
}

bool WriteSurnamePage(SqliteDatabase& db, const std::string& surname,
                      const std::filesystem::path& target) {
    return WritePageFile(target, SurnamePage(db, surname));
}
