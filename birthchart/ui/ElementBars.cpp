#include "birthchart/ui/ElementBars.h"

#include <QPainter>
#include <algorithm>

namespace birthchart_ui {

namespace {

struct ElementLook {
    const char* name;
    QColor colour;
};
// The colours the five elements are drawn in everywhere: 金 gold, 木 green, 水 blue, 火 red,
// 土 ochre.
const ElementLook kElements[5] = {{"金", QColor(0xc9, 0x9a, 0x06)},
                                  {"木", QColor(0x2e, 0x8b, 0x3a)},
                                  {"水", QColor(0x25, 0x63, 0xc4)},
                                  {"火", QColor(0xd2, 0x3a, 0x2a)},
                                  {"土", QColor(0x9a, 0x6a, 0x32)}};

QString Score(int tenths) { return QStringLiteral("%1.%2").arg(tenths / 10).arg(tenths % 10); }

}  // namespace

ElementBars::ElementBars(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("八字五行强弱图"));
    setAccessibleName(QStringLiteral("五行强弱"));
    setMinimumHeight(90);
}

void ElementBars::SetTenths(const std::array<int, 5>& tenths) {
    m_tenths = tenths;
    QStringList figures;
    for (int e = 0; e < 5; ++e)
        figures << QString::fromUtf8(kElements[e].name) + QLatin1Char(' ') + Score(tenths[e]);
    setAccessibleDescription(figures.join(QStringLiteral("，")));
    update();
}

QSize ElementBars::sizeHint() const { return {360, 110}; }

void ElementBars::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = fontMetrics();
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("金 ")) + 4;
    const int rowHeight = height() / 5;
    // A full bar is 9.0, everything the chart holds, so bars of different charts compare.
    const int largest = 90;
    const int barSpace = std::max(1, width() - labelWidth - 4);
    for (int e = 0; e < 5; ++e) {
        const QRect row(0, e * rowHeight, width(), rowHeight);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(0, row.top(), labelWidth, row.height()), Qt::AlignCenter,
                         QString::fromUtf8(kElements[e].name));
        const int length = barSpace * std::clamp(m_tenths[e], 0, largest) / largest;
        const QRect bar(labelWidth, row.top() + 2, std::max(length, 2), row.height() - 4);
        painter.fillRect(bar, kElements[e].colour);
        const QString score = Score(m_tenths[e]);
        // The score sits on the bar in white where it fits, beside it otherwise.
        if (metrics.horizontalAdvance(score) + 8 < bar.width()) {
            painter.setPen(Qt::white);
            painter.drawText(bar.adjusted(0, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter, score);
        } else {
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(QRect(bar.right() + 4, row.top(), 60, row.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, score);
        }
    }
}

}  // namespace birthchart_ui
