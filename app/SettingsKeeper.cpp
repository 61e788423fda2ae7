#include "app/SettingsKeeper.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStandardPaths>

#include "app/MainWindow.h"
#include "app/RecordsPage.h"
#include "app/SavedSettings.h"
#include "app/SettingsFile.h"
#include "files/RemoveLeftovers.h"
#include "generation/ui/CombinationPage.h"
#include "generation/ui/EnglishNamePage.h"
#include "generation/ui/ModeSelectionPage.h"
#include "numerology/ui/ScorePage.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

namespace {

std::vector<NamingRecord> ToGbk(const std::vector<QStringList>& rows) {
    std::vector<NamingRecord> records;
    records.reserve(rows.size());
    for (const QStringList& row : rows) {
        NamingRecord record;
        for (size_t column = 0; column < record.size(); ++column)
            record[column] = widgets::ToGbk(row.value(qsizetype(column)));
        records.push_back(std::move(record));
    }
    return records;
}

std::vector<QStringList> FromGbk(const std::vector<NamingRecord>& records) {
    std::vector<QStringList> rows;
    rows.reserve(records.size());
    for (const NamingRecord& record : records) {
        QStringList row;
        for (const std::string& field : record) row << widgets::FromGbk(field);
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

SettingsKeeper::SettingsKeeper(SettingsFile& file, MainWindow& window)
    : QObject(&window), m_file(file), m_window(window) {
    // The records reach the disk the moment they change, so a crash or a power cut loses none;
    // the inputs go along with them, which keeps the file whole and in its usual order.
    connect(m_window.recordsPage(), &RecordsPage::recordsChanged, this,
            &SettingsKeeper::SaveSettings);
}

std::filesystem::path SettingsKeeper::DefaultFile() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (folder.isEmpty()) return {};
    return std::filesystem::path(folder.toStdU16String()) / "settings.ini";
}

void SettingsKeeper::LoadSettings() {
    // Temporary files of saves that a kill or a power cut interrupted.
    if (!m_file.file().empty()) files::RemoveLeftoverTemporaries(m_file.file());
    m_file.Load();
    const SavedSettings settings = ReadSavedSettings(m_file);
    generation_ui::ModeSelectionPage* modeSelection = m_window.modeSelectionPage();
    modeSelection->surname()->setText(widgets::FromGbk(settings.surname));
    modeSelection->sex()->setCurrentIndex(settings.sexIndex);
    modeSelection->nameLength()->setCurrentIndex(settings.nameLengthIndex);
    m_window.combinationPage()->characters()->setText(
        widgets::FromGbk(settings.combinationCharacters));
    m_window.englishNamePage()->givenName()->setText(widgets::FromGbk(settings.englishGivenName));
    m_window.scorePage()->givenName()->setText(widgets::FromGbk(settings.scoreGivenName));
    m_window.recordsPage()->SetRecords(FromGbk(settings.records));
    m_loaded = true;
    m_savedText = m_file.Text();
    if (!settings.notes.empty()) {
        QStringList notes;
        for (const std::string& note : settings.notes) notes << widgets::FromGbk(note);
        widgets::MessageBoxes::Show(&m_window, notes.join(QLatin1Char('\n')),
                                    QStringLiteral("提示"), widgets::MessageBoxes::Icon::Warning);
    }
}

void SettingsKeeper::SaveSettings() {
    if (!m_loaded) return;
    WriteSavedSettings(m_file, CurrentSettings());
    // The window's close and its end both save; an unchanged file is not written twice.
    const std::string text = m_file.Text();
    if (text == m_savedText && m_lastFailure.isEmpty()) return;
    const files::WriteFileResult result = m_file.Save();
    if (result.ok()) m_savedText = text;
    Report(result);
}

SavedSettings SettingsKeeper::CurrentSettings() const {
    const generation_ui::ModeSelectionPage* modeSelection = m_window.modeSelectionPage();
    SavedSettings settings;
    settings.surname = widgets::ToGbk(modeSelection->surname()->text());
    settings.sexIndex = modeSelection->sex()->currentIndex();
    settings.nameLengthIndex = modeSelection->nameLength()->currentIndex();
    settings.combinationCharacters =
        widgets::ToGbk(m_window.combinationPage()->characters()->text());
    settings.englishGivenName = widgets::ToGbk(m_window.englishNamePage()->givenName()->text());
    settings.scoreGivenName = widgets::ToGbk(m_window.scorePage()->givenName()->text());
    settings.records = ToGbk(m_window.recordsPage()->Records());
    return settings;
}

void SettingsKeeper::Report(const files::WriteFileResult& result) {
    if (result.ok()) {
        m_lastFailure.clear();
        return;
    }
    // One message per cause: a folder that cannot be written fails every save the same way, and
    // each record opened would otherwise bring the box back.
    const QString message =
        QStringLiteral("起名记录和设置没有保存。") + QString::fromStdString(result.Message());
    if (message == m_lastFailure) return;
    m_lastFailure = message;
    widgets::MessageBoxes::Show(&m_window, message, QStringLiteral("提示"),
                                widgets::MessageBoxes::Icon::Warning);
}
