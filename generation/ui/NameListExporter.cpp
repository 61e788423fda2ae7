#include "generation/ui/NameListExporter.h"

#include <QWidget>

#include "generation/NameListExport.h"
#include "widgets/GbkRows.h"
#include "widgets/MessageBoxes.h"
#include "widgets/ResultListModel.h"
#include "widgets/WrittenFileNotice.h"

namespace generation_ui {

NameListExporter::NameListExporter(std::filesystem::path folder, QWidget* window)
    : QObject(window), m_folder(std::move(folder)), m_window(window) {}

void NameListExporter::ExportList(const widgets::ResultListModel& list, const char* fileName) {
    const std::filesystem::path file = m_folder / fileName;
    const files::WriteFileResult result =
        ExportNameList(widgets::ToGbkRows<ResultRow>(list.Rows()), file);
    Tell(file, result.ok(), result.ok() ? std::string() : result.Message());
}

void NameListExporter::ExportClassicText(const std::string& gbkText) {
    // The run's own text: the text box would give its lines back with LF instead of CR LF.
    const std::filesystem::path file = m_folder / kClassicExportFile;
    const files::WriteFileResult result = ::ExportClassicText(gbkText, file);
    Tell(file, result.ok(), result.ok() ? std::string() : result.Message());
}

void NameListExporter::Tell(const std::filesystem::path& file, bool written,
                            const std::string& problem) {
    if (!written) {
        widgets::MessageBoxes::Show(m_window, QString::fromStdString(problem),
                                    QStringLiteral("提示"), widgets::MessageBoxes::Icon::Warning);
        return;
    }
    widgets::WrittenFileNotice::Tell(m_window, QString::fromStdU16String(file.u16string()), true);
}

}  // namespace generation_ui
