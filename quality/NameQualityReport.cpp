#include "quality/NameQualityReport.h"

#include "numerology/CharacterLookup.h"
#include "numerology/GbkTextSearch.h"
#include "numerology/ReportPages.h"

namespace quality {

namespace {

const char* LevelName(int level) {
    switch (level) {
        case 1:
            return "一级";
        case 2:
            return "二级";
        case 3:
            return "三级";
        case kLevelOutside:
            return "表外";
        default:
            return "未知";
    }
}

std::string JoinReadings(const NameQuality& quality) {
    std::string text;
    for (const std::string& reading : quality.readings) {
        if (!text.empty()) text += ' ';
        text += reading.empty() ? "?" : reading;
    }
    return text;
}

struct Finding {
    std::string heading;
    std::string text;
    bool good;
};

// Where a source stands: "诗经·郑风·子衿", "楚辞·离骚（屈原）" (the author when asked for),
// "中庸", or a Tang poem's "杜甫《春夜喜雨》".
std::string SourcePlace(const PoemSource& poem, bool withAuthor) {
    if (poem.collection.empty() || poem.collection == "唐诗")
        return poem.poet + "《" + poem.title + "》";
    std::string place = poem.collection;
    if (!poem.title.empty()) place += "·" + poem.title;
    if (withAuthor && !poem.poet.empty()) place += "（" + poem.poet + "）";
    return place;
}

// Where the name comes from, after its sense: "（出自诗经·郑风·子衿）"; only a line that holds the
// two characters side by side, or a classic's sentence that holds them in order, is one the name
// comes from.
std::string SourceNote(const PoemSource& poem) {
    if (poem.match != PoemMatch::InOrder && poem.match != PoemMatch::InSentence &&
        poem.match != PoemMatch::Reversed)
        return {};
    return "（出自" + SourcePlace(poem, false) + "）";
}

std::vector<Finding> Findings(const NameQuality& quality) {
    std::vector<Finding> findings;

    // What a parent asks first: what the name means.
    if (!quality.sense.empty())
        findings.push_back({"寓意", quality.sense + SourceNote(quality.poem), true});

    std::string levels;
    std::string rare;
    bool unknown = false;
    bool allCommon = true;
    for (const CharacterFacts& facts : quality.givenCharacters) {
        levels += facts.character + "（" + LevelName(facts.level) + "）";
        if (!PrintsEverywhere(facts)) rare += (rare.empty() ? "" : "、") + facts.character;
        unknown = unknown || facts.level == kLevelUnknown;
        allCommon = allCommon && facts.level == 1;
    }
    const bool single = quality.givenCharacters.size() == 1;
    if (!rare.empty())
        levels += "，" + rare + " 不在GB2312字符集内，较旧的户籍、银行、机票系统可能打不出";
    else if (unknown)
        levels += "，名字数据库没有字级表，无从判断";
    else if (allCommon)
        levels += single ? "，是一级常用字" : "，都是一级常用字";
    else
        levels +=
            single ? "，在GB2312字符集内，各系统都能打出" : "，都在GB2312字符集内，各系统都能打出";
    findings.push_back({"字级", levels, rare.empty()});

    // Only a name with such a character gets the line: "用字：蚊：不宜用于人名（蚊子）".
    std::string unfit;
    for (const CharacterFacts& facts : quality.givenCharacters)
        if (facts.IsUnfit())
            unfit += (unfit.empty() ? "" : "；") + facts.character + "：不宜用于人名（" +
                     facts.unfitReason + "）";
    if (!unfit.empty()) findings.push_back({"用字", unfit, false});

    // A given name that is itself a word of bad sense: "词义：领养：不宜作名字（被收养）".
    if (!quality.badSenseReason.empty()) {
        const std::string& reason = quality.badSenseReason;
        const int colon = GbkFind(reason, "：");
        const std::string told = colon < 0 ? reason : reason.substr(static_cast<size_t>(colon) + 1);
        findings.push_back(
            {"词义", quality.givenName + "：是一个词，不宜作名字（" + told + "）", false});
    }

    findings.push_back(
        {"平仄",
         JoinReadings(quality) + "（" + quality.tones.pattern + "），" + quality.tones.reason,
         quality.tones.harmonious});

    std::string sound;
    if (quality.sound.found)
        sound = "读如“" + quality.sound.word + "”" +
                (quality.sound.sameTones ? "，声调也相同" : "，只是声调不同");
    else
        sound = "没有不雅的谐音";
    findings.push_back({"谐音", sound, !quality.sound.found});

    std::string source;
    if (!quality.poemLooked)
        source = "单字名不查诗句出处";
    else if (quality.poem.match == PoemMatch::None)
        source =
            std::string(quality.poem.classicsLooked ? "典籍和唐诗宋词中没有“" : "唐诗中没有“") +
            quality.givenName + "”二字同在一句";
    else if (!quality.poem.collection.empty() && quality.poem.collection != "唐诗")
        source = SourcePlace(quality.poem, true) + "「" + quality.poem.line + "」" +
                 (quality.poem.match == PoemMatch::InSentence ? "（二字先后同在一句）" : "");
    else
        source = "“" + quality.poem.line + "”——" + quality.poem.poet + "《" + quality.poem.title +
                 "》" +
                 (quality.poem.match == PoemMatch::InOrder    ? ""
                  : quality.poem.match == PoemMatch::Reversed ? "（二字倒序相连）"
                                                              : "（二字同在一句）");
    findings.push_back({"出处", source, true});

    if (!quality.favourableElements.empty()) {
        size_t carried = 0;
        const std::vector<std::string> elements = SplitCharacters(quality.givenElements);
        for (const std::string& element : elements)
            if (GbkContains(quality.favourableElements, element)) ++carried;
        const bool all = !elements.empty() && carried == elements.size();
        std::string match = "名字五行 " + quality.givenElements;
        if (all)
            match += "，合八字喜用";
        else
            match += std::string(carried ? "，部分合八字喜用" : "，未合八字喜用") + "（喜" +
                     quality.favourableElements + "）";
        findings.push_back({"八字喜用", match, all});
    }
    return findings;
}

}  // namespace

std::vector<std::string> NameQualityLines(const NameQuality& quality) {
    std::vector<std::string> lines;
    for (const Finding& finding : Findings(quality))
        lines.push_back(finding.heading + "：" + finding.text);
    return lines;
}

std::string NameQualityPage(const NameQuality& quality) {
    const std::string name = HtmlEscape(quality.surname + quality.givenName);
    std::string page =
        "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\">"
        "<title>" +
        name +
        " 名字品质</title></head><body>\n"
        "<h2>" +
        name +
        " 名字品质</h2>\n<table border=\"1\" cellpadding=\"6\" "
        "cellspacing=\"0\">\n";
    for (const Finding& finding : Findings(quality)) {
        page += "<tr><th>" + finding.heading + "</th><td>" +
                (finding.good ? "" : "<font color=\"#c00000\">") + HtmlEscape(finding.text) +
                (finding.good ? "" : "</font>") + "</td></tr>\n";
    }
    page += "</table>\n<p>";
    page += quality.HasFindings() ? "此名有上面标红的不足，可再斟酌。"
                                  : "用字常见，声调和谐，没有不雅的谐音。";
    page += "</p>\n</body></html>\n";
    return page;
}

NameQuality NameQualityOf(SqliteDatabase& db, const NameEvaluation& evaluation,
                          const std::string& surname, const std::string& givenName,
                          const std::string& favourable) {
    NameQuality quality = EvaluateNameQuality(db, surname, givenName);
    for (size_t i = 0; i < evaluation.givenChars.size() && i < 2; ++i)
        quality.givenElements += evaluation.characters[kGiven1 + i].element;
    quality.favourableElements = favourable;
    return quality;
}

files::WriteFileResult WriteNameQualityPage(SqliteDatabase& db, const std::string& surname,
                                            const std::string& givenName,
                                            const std::filesystem::path& target) {
    return files::WriteFileAtomically(target,
                                      NameQualityPage(EvaluateNameQuality(db, surname, givenName)));
}

}  // namespace quality
