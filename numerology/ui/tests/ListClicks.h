#pragma once

#include <QTest>

#include "widgets/ResultListView.h"

// A double click as a mouse sends it: a press and release, then the double-click event.
inline void DoubleClickAt(widgets::ResultListView& list, QPoint at) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

inline void DoubleClickRow(widgets::ResultListView& list, int row) {
    DoubleClickAt(list, list.visualRect(list.model()->index(row, 1)).center());
}

// Below the last row, where no row is.
inline void DoubleClickEmptyArea(widgets::ResultListView& list) {
    DoubleClickAt(list, QPoint(10, list.viewport()->height() - 5));
}
