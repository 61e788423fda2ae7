#include "numerology/ui/NamePages.h"

#include "files/WriteFileAtomically.h"
#include "numerology/CharacterLookup.h"
#include "numerology/DetailedEvaluation.h"
#include "numerology/ReportPages.h"
#include "widgets/QtText.h"

namespace numerology_ui {

namespace {

// The report headed by the name's meaning, the first thing a parent looks for.
std::string WithNameSense(std::string report, const std::string& sense) {
    if (sense.empty()) return report;
    const size_t body = report.find("<body>");
    if (body == std::string::npos) return report;
    report.insert(body + 6,
                  "\n<table width=\"760\" border=\"0\" align=\"center\" cellpadding=\"4\" "
                  "cellspacing=\"0\"><tr><td><span class=\"fontcolor1\">" +
                      widgets::ToGbk(QStringLiteral("寓意：")) + "</span>" + HtmlEscape(sense) +
                      "</td></tr></table>");
    return report;
}

}  // namespace

NameDetailPages MakeNameDetailPages(SqliteDatabase& db, const std::filesystem::path& pagesFolder,
                                    const QString& surname, const QString& givenName,
                                    const QualityPageMaker& qualityPage) {
    const std::string gbkSurname = widgets::ToGbk(surname);
    const std::string gbkGivenName = widgets::ToGbk(givenName);
    NameDetailPages pages;
    NameEvaluation evaluation;
    EvaluateInDetail(db, gbkSurname, gbkGivenName, evaluation);
    pages.report = FillScoreReport(evaluation);
    for (const std::string& character : SplitCharacters(gbkSurname + gbkGivenName)) {
        if (pages.characterPages.size() == 4) break;
        pages.characters << widgets::FromGbk(character);
        pages.characterPages.push_back(CharacterPage(db, character));
    }
    pages.surnamePage = SurnamePage(db, gbkSurname);
    if (qualityPage) {
        NameQualityParts parts = qualityPage(db, evaluation, gbkSurname, gbkGivenName);
        pages.qualityPage = std::move(parts.page);
        pages.report = WithNameSense(std::move(pages.report), parts.sense);
    }

    // Every page is read before any is written: a read error leaves the old files whole.
    files::WriteFileAtomically(PageFile(pagesFolder, 0), pages.report);
    for (size_t i = 0; i < pages.characterPages.size(); ++i)
        files::WriteFileAtomically(PageFile(pagesFolder, int(i) + 1), pages.characterPages[i]);
    files::WriteFileAtomically(PageFile(pagesFolder, 5), pages.surnamePage);
    return pages;
}

}  // namespace numerology_ui
