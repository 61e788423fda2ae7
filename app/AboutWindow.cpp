#include "app/AboutWindow.h"

#include <QDialogButtonBox>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

AboutWindow::AboutWindow() {
    setWindowTitle(QStringLiteral("关于软件"));
    setAttribute(Qt::WA_DeleteOnClose);
    move(50, 50);
    resize(678, 338);
    auto* text = new QLabel(QStringLiteral(
        "<h2>禾朗宝宝起名软件</h2>"
        "<p>帮助父母为宝宝起一个好听、有寓意的名字。</p>"
        "<ul>"
        "<li>七种起名方式：经典、高分、超吉、诗词、组合、起小名、起英文名；</li>"
        "<li>按传统笔画数理（五格、三才、八十一数）为每个名字评分，并给出详细解释；</li>"
        "<li>内置农历，排出宝宝的生辰八字、五行与纳音；</li>"
        "<li>汉字查询、起名记录、名单导出，以及育儿与传统文化文章。</li>"
        "</ul>"
        "<p>姓名评分依据传统数理，仅供参考；名字的好坏，最终在于父母的心意。</p>"));
    text->setWordWrap(true);
    text->setObjectName(QStringLiteral("关于文本"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(text);
    // The window closes from inside: its 关闭 button, or Escape.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    QPushButton* close = buttons->button(QDialogButtonBox::Close);
    close->setText(QStringLiteral("关闭"));
    close->setObjectName(QStringLiteral("按钮_关闭"));
    close->setAccessibleName(QStringLiteral("关闭"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    layout->addWidget(buttons);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);
}
