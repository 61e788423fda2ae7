#include "generation/ui/ModeSelectionPage.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "generation/ui/GenerationCharacterDialog.h"
#include "generation/ui/NamingModes.h"
#include "widgets/FormRows.h"
#include "widgets/QtText.h"

namespace generation_ui {

using widgets::AddCaptioned;
using widgets::Named;

ModeSelectionPage::ModeSelectionPage(QWidget* parent)
    : QWidget(parent),
      m_surname(Named(new QLineEdit, "编辑框_姓氏")),
      m_sex(Named(new QComboBox, "组合框_性别")),
      m_nameLength(Named(new QComboBox, "组合框_名字个数")),
      m_generationCharacterMark(Named(new QLabel(QStringLiteral("▽")), "标签_设置辈份")),
      m_birthDate(new widgets::DateSelector(
          {"组合框_年份", "组合框_月份", "组合框_日子", "组合框_时间", "组合框_分钟"},
          QStringLiteral("出生日期"))),
      m_start(Named(new QPushButton(QStringLiteral("开始起名")), "按钮_起名")) {
    auto* group = Named(new QGroupBox(QStringLiteral("宝宝信息：")), "分组框1");
    auto* row = new QHBoxLayout(group);
    m_surname->setFixedWidth(48);
    m_surname->setMaxLength(2);
    AddCaptioned(row, QStringLiteral("姓氏:"), m_surname);
    m_sex->addItems({QStringLiteral("男"), QStringLiteral("女")});
    AddCaptioned(row, QStringLiteral("性别:"), m_sex);
    m_nameLength->addItems({QStringLiteral("一字"), QStringLiteral("二字")});
    AddCaptioned(row, QStringLiteral("名字个数:"), m_nameLength);
    m_generationCharacterMark->setToolTip(QStringLiteral("设置辈份"));
    m_generationCharacterMark->setAccessibleName(QStringLiteral("设置辈份"));
    m_generationCharacterMark->setCursor(Qt::PointingHandCursor);
    m_generationCharacterMark->installEventFilter(this);
    row->addWidget(m_generationCharacterMark);
    row->addSpacing(6);
    auto* dateCaption = new QLabel(QStringLiteral("出生日期(公历):"));
    dateCaption->setBuddy(m_birthDate->year());
    row->addWidget(dateCaption);
    row->addWidget(m_birthDate);
    row->addStretch();

    auto* area = Named(new QLabel, "透明标签11");
    area->setMinimumHeight(120);
    area->setAlignment(Qt::AlignCenter);
    area->setText(
        QStringLiteral("<p style='font-size:16pt'>为宝宝起一个好名字</p>"
                       "<p>填写姓氏、性别和名字个数，选择一种起名模式，然后点击“开始起名”。</p>"));

    auto* modes = new QHBoxLayout;
    modes->addWidget(new QLabel(QStringLiteral("请选择起名模式:")));
    for (const NamingMode& mode : NamingModes()) {
        auto* radio = Named(new QRadioButton(QString::fromUtf8(mode.caption)),
                            QString::fromUtf8(mode.radioName));
        const int index = int(m_modes.size());
        radio->setChecked(index == 0);
        connect(radio, &QRadioButton::clicked, this, [this, index] { emit modeClicked(index); });
        m_modes << radio;
        modes->addWidget(radio);
    }
    modes->addStretch();
    modes->addWidget(m_start);
    connect(m_start, &QPushButton::clicked, this, &ModeSelectionPage::startRequested);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(area, 1);
    layout->addLayout(modes);
    ResetGenerationCharacter();
}

int ModeSelectionPage::ChosenMode() const {
    for (int i = 0; i < m_modes.size(); ++i)
        if (m_modes[i]->isChecked()) return i;
    return 0;
}

bool ModeSelectionPage::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_generationCharacterMark && event->type() == QEvent::MouseButtonRelease)
        OpenGenerationCharacterDialog();
    return QWidget::eventFilter(watched, event);
}

GenerationCharacterDialog* ModeSelectionPage::generationCharacterDialog() const { return m_dialog; }

void ModeSelectionPage::OpenGenerationCharacterDialog() {
    if (m_dialog) return;
    m_dialog = new GenerationCharacterDialog(m_generationCharacter, window());
    m_dialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(m_dialog, &QDialog::finished, this, [this](int result) {
        if (!m_dialog) return;
        m_generationCharacter = m_dialog->Setting();
        // 取消 switches the character off but leaves the mark's colour as it was.
        if (result == QDialog::Accepted)
            m_generationCharacterMark->setStyleSheet(
                QStringLiteral("color: %1")
                    .arg((m_generationCharacter.active ? QColor(255, 0, 0) : QColor(96, 96, 96))
                             .name()));
    });
    m_dialog->open();
}

void ModeSelectionPage::ResetGenerationCharacter() {
    m_generationCharacter = GenerationCharacterSetting{};
    m_generationCharacterMark->setStyleSheet(
        QStringLiteral("color: %1").arg(QColor(96, 96, 96).name()));
}

void ModeSelectionPage::RestoreSettings(const SavedSettings& settings) {
    m_surname->setText(widgets::FromGbk(settings.surname));
    m_sex->setCurrentIndex(settings.sexIndex);
    m_nameLength->setCurrentIndex(settings.nameLengthIndex);
}

void ModeSelectionPage::StoreSettings(SavedSettings& settings) const {
    settings.surname = widgets::ToGbk(m_surname->text());
    settings.sexIndex = m_sex->currentIndex();
    settings.nameLengthIndex = m_nameLength->currentIndex();
}

}  // namespace generation_ui
