#pragma once

#include <QObject>
#include <filesystem>
#include <string>

class QWidget;

namespace widgets {
class ResultListModel;
}

namespace generation_ui {

// The three export buttons' work: writes a list (or the classic text) into the user's export
// folder, then says where it went and opens it; a write that fails is told instead, and nothing
// older is opened in its place.
class NameListExporter : public QObject {
    Q_OBJECT
  public:
    NameListExporter(std::filesystem::path folder, QWidget* window);

    void ExportList(const widgets::ResultListModel& list, const char* fileName);
    void ExportClassicText(const std::string& gbkText);

  private:
    void Tell(const std::filesystem::path& file, bool written, const std::string& problem);

    std::filesystem::path m_folder;
    QWidget* m_window;
};

}  // namespace generation_ui
