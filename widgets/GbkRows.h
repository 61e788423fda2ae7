#pragma once

#include <QStringList>
#include <string>
#include <vector>

#include "widgets/QtText.h"

// Rows of text cells across the text boundary: the core's GBK rows (result rows, records) and
// the lists' rows of QStrings.
namespace widgets {

// Rows of GBK cells (vectors, arrays or result rows, in a vector or a span) as rows of the
// window's lists.
template <typename GbkRows>
std::vector<QStringList> FromGbkRows(const GbkRows& rows) {
    std::vector<QStringList> converted;
    converted.reserve(rows.size());
    for (const auto& row : rows) {
        QStringList cells;
        cells.reserve(qsizetype(row.size()));
        for (size_t column = 0; column < row.size(); ++column) cells << FromGbk(row[column]);
        converted.push_back(std::move(cells));
    }
    return converted;
}

// The window's rows as GBK rows of the core; GbkRow is std::vector<std::string>, a result row
// or a fixed std::array, whose cells beyond the row's end stay empty and whose extra cells are
// dropped.
template <typename GbkRow>
std::vector<GbkRow> ToGbkRows(const std::vector<QStringList>& rows) {
    std::vector<GbkRow> converted;
    converted.reserve(rows.size());
    for (const QStringList& cells : rows) {
        GbkRow row{};
        if constexpr (requires { row.push_back(std::string()); }) {
            for (const QString& cell : cells) row.push_back(ToGbk(cell));
        } else {
            for (size_t column = 0; column < row.size(); ++column)
                row[column] = ToGbk(cells.value(qsizetype(column)));
        }
        converted.push_back(std::move(row));
    }
    return converted;
}

}  // namespace widgets
