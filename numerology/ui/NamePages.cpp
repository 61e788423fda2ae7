#include "numerology/ui/NamePages.h"

#include "files/WriteFileAtomically.h"
#include "numerology/CharacterLookup.h"
#include "numerology/DetailedEvaluation.h"
#include "numerology/ReportPages.h"
#include "quality/NameQuality.h"
#include "quality/NameQualityReport.h"
#include "widgets/QtText.h"

namespace numerology_ui {

NameDetailPages MakeNameDetailPages(SqliteDatabase& db, const std::filesystem::path& dataFolder,
                                    const QString& surname, const QString& givenName,
                                    const QString& favourableElements) {
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
    quality::NameQuality nameQuality = quality::EvaluateNameQuality(db, gbkSurname, gbkGivenName);
    for (size_t i = 0; i < evaluation.givenChars.size() && i < 2; ++i)
        nameQuality.givenElements += evaluation.characters[kGiven1 + i].element;
    nameQuality.favourableElements = widgets::ToGbk(favourableElements);
    pages.qualityPage = quality::NameQualityPage(nameQuality);

    // Every page is read before any is written: a read error leaves the old files whole.
    files::WriteFileAtomically(PageFile(dataFolder, 0), pages.report);
    for (size_t i = 0; i < pages.characterPages.size(); ++i)
        files::WriteFileAtomically(PageFile(dataFolder, int(i) + 1), pages.characterPages[i]);
    files::WriteFileAtomically(PageFile(dataFolder, 5), pages.surnamePage);
    return pages;
}

}  // namespace numerology_ui
