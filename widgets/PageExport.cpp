#include "widgets/PageExport.h"

#include <QDir>
#include <QFileDialog>

#include "files/WriteFileAtomically.h"
#include "widgets/MessageBoxes.h"
#include "widgets/PageView.h"
#include "widgets/UserFolders.h"
#include "widgets/WrittenFileNotice.h"

namespace widgets::PageExport {
namespace {

QString AskWithSaveDialog(const QString& suggestedFile, QWidget* parent) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("导出页面"), suggestedFile,
                                        QStringLiteral("网页 (*.html *.htm)"));
}

SaveQuestion& SaveQuestionInUse() {
    static SaveQuestion question = AskWithSaveDialog;
    return question;
}

// "萧紫娜 名字评分.html" in the documents folder, or in the home folder where there is none.
QString SuggestedFile(QString name) {
    static const QString notInFileNames = QStringLiteral("\\/:*?\"<>|");
    name = name.simplified();
    for (QChar& c : name)
        if (notInFileNames.contains(c) || c.isNonCharacter() || c.unicode() < 0x20) c = u'_';
    if (name.isEmpty()) name = QStringLiteral("页面");
    return QDir(DocumentsFolder()).filePath(name + QStringLiteral(".html"));
}

}  // namespace

void SetSaveQuestion(SaveQuestion question) {
    SaveQuestionInUse() = question ? std::move(question) : AskWithSaveDialog;
}

bool Export(const PageView& view, QWidget* parent, const QString& baseName) {
    if (view.pageBytes().empty()) return false;
    const QString suggested = SuggestedFile(baseName.isEmpty() ? view.documentTitle() : baseName);
    const QString file = SaveQuestionInUse()(suggested, parent);
    if (file.isEmpty()) return false;
    const files::WriteFileResult written =
        files::WriteFileAtomically(file.toStdU16String(), view.pageBytes());
    if (!written) {
        MessageBoxes::Show(parent, QString::fromStdString(written.Message()),
                           QStringLiteral("导出页面"), MessageBoxes::Icon::Warning);
        return false;
    }
    WrittenFileNotice::Tell(parent, file, false);
    return true;
}

}  // namespace widgets::PageExport
