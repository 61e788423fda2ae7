#pragma once

#include <QWidget>
#include <array>

namespace birthchart_ui {

// The strength of the five elements as a bar chart a parent reads at a glance: one bar per
// element in its own colour, its score written on it. Screen readers get the same figures as
// the chart's accessible description.
class ElementBars : public QWidget {
    Q_OBJECT
  public:
    explicit ElementBars(QWidget* parent = nullptr);

    // Scores in tenths, in the order 金 木 水 火 土; all zero shows an empty chart.
    void SetTenths(const std::array<int, 5>& tenths);
    const std::array<int, 5>& tenths() const { return m_tenths; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::array<int, 5> m_tenths{};
};

}  // namespace birthchart_ui
