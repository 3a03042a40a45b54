#include "platform/qt/string_grid.h"

#include "platform/qt/convert.h"

#include <QApplication>
#include <QTableWidget>
#include <algorithm>
#include <memory>

namespace platform::qt {
namespace {

// The sizes a grid column and row have until told otherwise.
constexpr int kDefaultColumnWidth = 64;
constexpr int kDefaultRowHeight = 24;

int columnCount(const form::Control& grid) {
    std::size_t count = grid.colWidths().size();
    for (const auto& row : grid.cells()) {
        count = std::max(count, row.size());
    }
    return static_cast<int>(count);
}

int rowCount(const form::Control& grid) {
    return static_cast<int>(std::max(grid.cells().size(), grid.rowHeights().size()));
}

const std::string& cellText(const form::Control& grid, int col, int row) {
    static const std::string empty;
    const auto& cells = grid.cells();
    if (static_cast<std::size_t>(row) >= cells.size()) {
        return empty;
    }
    const auto& line = cells[static_cast<std::size_t>(row)];
    return static_cast<std::size_t>(col) < line.size() ? line[static_cast<std::size_t>(col)]
                                                       : empty;
}

QTableWidgetItem& itemAt(QTableWidget& table, const form::Control& grid, int row, int col) {
    if (QTableWidgetItem* existing = table.item(row, col)) {
        return *existing;
    }
    auto item = std::make_unique<QTableWidgetItem>();
    item->setFlags(Qt::ItemIsEnabled);
    if (row == 0 || col < grid.fixedCols()) {
        item->setBackground(QApplication::palette().color(QPalette::Button));
    }
    table.setItem(row, col, item.release()); // the table owns its items
    return *table.item(row, col);
}

int sizeOr(const std::vector<int>& sizes, int index, int fallback) {
    return static_cast<std::size_t>(index) < sizes.size() ? sizes[static_cast<std::size_t>(index)]
                                                          : fallback;
}

} // namespace

void writeGrid(QTableWidget& table, const form::Control& grid) {
    const int rows = rowCount(grid);
    const int cols = columnCount(grid);
    if (table.rowCount() != rows) {
        table.setRowCount(rows);
    }
    if (table.columnCount() != cols) {
        table.setColumnCount(cols);
    }
    for (int row = 0; row < rows; ++row) {
        for (int col = 0; col < cols; ++col) {
            const QString text = toQString(cellText(grid, col, row));
            QTableWidgetItem& item = itemAt(table, grid, row, col);
            if (item.text() != text) {
                item.setText(text);
            }
        }
    }
    for (int col = 0; col < cols; ++col) {
        const int width = sizeOr(grid.colWidths(), col, kDefaultColumnWidth);
        if (table.columnWidth(col) != width) {
            table.setColumnWidth(col, width);
        }
    }
    for (int row = 0; row < rows; ++row) {
        const int height = sizeOr(grid.rowHeights(), row, kDefaultRowHeight);
        if (table.rowHeight(row) != height) {
            table.setRowHeight(row, height);
        }
    }
}

} // namespace platform::qt
