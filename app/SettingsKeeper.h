#pragma once

#include <QObject>
#include <QString>
#include <filesystem>
#include <string>
#include <vector>

#include "files/WriteFileAtomically.h"

class QWidget;
class SettingsFile;
class KeepsSavedSettings;
struct SavedSettings;

// Keeps the pages' saved values (the main window's inputs and the naming records) in the
// settings file: reads them at start-up and writes them whenever the records change and at exit.
// Each page says which values are its own; the keeper only reads and writes the file.
class SettingsKeeper : public QObject {
    Q_OBJECT
  public:
    // The pages must outlive the keeper; window owns it and its message boxes.
    SettingsKeeper(SettingsFile& file, std::vector<KeepsSavedSettings*> pages, QWidget* window);

    // The user's settings file, shared by every run of the program for that user.
    static std::filesystem::path DefaultFile();

    // Start-up: applies the stored inputs and rebuilds the record list.
    void LoadSettings();
    // Exit and every change of the records: writes every input and the records. Nothing is written
    // before LoadSettings has run, so a window that never started cannot wipe the stored records.
    void SaveSettings();

  private:
    SavedSettings CurrentSettings() const;
    void Report(const files::WriteFileResult& result);

    SettingsFile& m_file;
    std::vector<KeepsSavedSettings*> m_pages;
    QWidget* m_window;
    bool m_loaded = false;
    std::string m_savedText;  // what the file on disk holds, as far as this program knows
    QString m_lastFailure;
};
