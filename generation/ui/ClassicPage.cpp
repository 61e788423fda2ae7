#include "generation/ui/ClassicPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "widgets/FormRows.h"

namespace generation_ui {

using widgets::Named;

ClassicPage::ClassicPage(QWidget* parent)
    : QWidget(parent),
      m_names(Named(new QPlainTextEdit, "编辑框_经典名字")),
      m_regenerate(Named(new QPushButton(QStringLiteral("不满意?再生成一次")), "按钮_经典生成")),
      m_export(Named(new QPushButton(QStringLiteral("导出")), "按钮_经典导出")) {
    m_names->setReadOnly(true);
    m_names->setAccessibleName(QStringLiteral("经典名字"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_regenerate);
    buttons->addWidget(m_export);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_names, 1);
    layout->addLayout(buttons);
    connect(m_regenerate, &QPushButton::clicked, this, &ClassicPage::startRequested);
    connect(m_export, &QPushButton::clicked, this, &ClassicPage::exportRequested);
}

void ClassicPage::SetNames(const std::string& gbkText, const QString& shown) {
    m_namesText = gbkText;
    m_names->setPlainText(shown);
}

}  // namespace generation_ui
