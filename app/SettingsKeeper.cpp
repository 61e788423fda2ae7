#include "app/SettingsKeeper.h"

#include <QStandardPaths>
#include <QStringList>
#include <QWidget>

#include "files/RemoveLeftovers.h"
#include "settings/SavedSettings.h"
#include "settings/SettingsFile.h"
#include "widgets/MessageBoxes.h"
#include "widgets/QtText.h"

SettingsKeeper::SettingsKeeper(SettingsFile& file, std::vector<KeepsSavedSettings*> pages,
                               QWidget* window)
    : QObject(window), m_file(file), m_pages(std::move(pages)), m_window(window) {}

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
    for (KeepsSavedSettings* page : m_pages) page->RestoreSettings(settings);
    m_loaded = true;
    m_savedText = m_file.Text();
    if (!settings.notes.empty()) {
        QStringList notes;
        for (const std::string& note : settings.notes) notes << widgets::FromGbk(note);
        widgets::MessageBoxes::Show(m_window, notes.join(QLatin1Char('\n')), QStringLiteral("提示"),
                                    widgets::MessageBoxes::Icon::Warning);
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
    SavedSettings settings;
    for (const KeepsSavedSettings* page : m_pages) page->StoreSettings(settings);
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
    widgets::MessageBoxes::Show(m_window, message, QStringLiteral("提示"),
                                widgets::MessageBoxes::Icon::Warning);
}
