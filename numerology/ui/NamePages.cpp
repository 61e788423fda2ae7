#include "numerology/ui/NamePages.h"

#include "files/WriteFileAtomically.h"
#include "numerology/CharacterLookup.h"
#include "numerology/DetailedEvaluation.h"
#include "numerology/ReportPages.h"
#include "widgets/QtText.h"

namespace numerology_ui {

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
    if (qualityPage) pages.qualityPage = qualityPage(db, evaluation, gbkSurname, gbkGivenName);

    // Every page is read before any is written: a read error leaves the old files whole.
    files::WriteFileAtomically(PageFile(pagesFolder, 0), pages.report);
    for (size_t i = 0; i < pages.characterPages.size(); ++i)
        files::WriteFileAtomically(PageFile(pagesFolder, int(i) + 1), pages.characterPages[i]);
    files::WriteFileAtomically(PageFile(pagesFolder, 5), pages.surnamePage);
    return pages;
}

}  // namespace numerology_ui
