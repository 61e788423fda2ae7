#include "app/Skins.h"

#include <QApplication>
#include <QColor>
#include <QPalette>

namespace {

constexpr int kCount = SkinCycle::kCount;

// Each skin is a hue around the colour wheel; every other one is a deeper tint, so neighbouring
// skins differ clearly. Text stays dark on light backgrounds for readability of Chinese captions.
QPalette PaletteFor(int number) {
    int hue = ((number - 1) * 360 / kCount + 200) % 360;
    bool deep = number % 2 == 0;
    QColor window = QColor::fromHsv(hue, deep ? 60 : 30, deep ? 228 : 244);
    QColor base = QColor::fromHsv(hue, 8, 255);
    QColor button = QColor::fromHsv(hue, deep ? 70 : 40, deep ? 235 : 248);
    QColor highlight = QColor::fromHsv(hue, 160, 170);
    QColor text = QColor::fromHsv(hue, 80, 30);

    QPalette palette;
    palette.setColor(QPalette::Window, window);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Base, base);
    palette.setColor(QPalette::AlternateBase, window.lighter(104));
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::Button, button);
    palette.setColor(QPalette::ButtonText, text);
    palette.setColor(QPalette::Highlight, highlight);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, base);
    palette.setColor(QPalette::ToolTipText, text);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, text.lighter(300));
    palette.setColor(QPalette::Disabled, QPalette::Text, text.lighter(300));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, text.lighter(300));
    return palette;
}

}  // namespace

bool SkinCycle::Apply(int number) {
    if (number < 1 || number > kCount) return false;
    QApplication::setPalette(PaletteFor(number));
    m_current = number;
    return true;
}

void SkinCycle::Start() {
    Apply(kStartupSkin);
    m_next = 1;
}

bool SkinCycle::Step() {
    if (!Apply(m_next)) return false;
    ++m_next;
    return true;
}
