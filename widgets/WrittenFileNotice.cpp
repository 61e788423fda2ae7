#include "widgets/WrittenFileNotice.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QUrl>

#include "widgets/MessageBoxes.h"

namespace widgets::WrittenFileNotice {

namespace {

bool OpenWithDesktop(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

Opener& OpenerInUse() {
    static Opener opener = OpenWithDesktop;
    return opener;
}

const QString kNoticeName = QStringLiteral("已写文件提示");

}  // namespace

void SetOpener(Opener opener) { OpenerInUse() = opener ? std::move(opener) : OpenWithDesktop; }

QString StatusText(const QString& path) {
    return QStringLiteral("文件已保存到：%1").arg(QDir::toNativeSeparators(path));
}

void Tell(QWidget* window, const QString& path, bool open) {
    const QString folder = QFileInfo(path).absolutePath();
    auto* main = window ? qobject_cast<QMainWindow*>(window->window()) : nullptr;
    if (main) {
        // One line in the status bar, replaced by the next file written: the path, and a link
        // that opens the folder holding it.
        QLabel* notice = main->statusBar()->findChild<QLabel*>(kNoticeName);
        if (!notice) {
            notice = new QLabel(main->statusBar());
            notice->setObjectName(kNoticeName);
            notice->setAccessibleName(QStringLiteral("已保存的文件"));
            notice->setTextInteractionFlags(Qt::TextBrowserInteraction);
            QObject::connect(notice, &QLabel::linkActivated, notice,
                             [](const QString& link) { OpenerInUse()(link); });
            main->statusBar()->addPermanentWidget(notice);
        }
        notice->setText(QStringLiteral("%1　<a href=\"%2\">打开所在文件夹</a>")
                            .arg(StatusText(path).toHtmlEscaped(), folder.toHtmlEscaped()));
        notice->setToolTip(StatusText(path));
    }
    if (open && !OpenerInUse()(path))
        MessageBoxes::Show(window,
                           QStringLiteral("文件已保存到：\n%1\n\n没有能打开它的程序，"
                                          "请到它所在的文件夹打开。")
                               .arg(QDir::toNativeSeparators(path)),
                           QString(), MessageBoxes::Icon::Warning);
}

}  // namespace widgets::WrittenFileNotice
