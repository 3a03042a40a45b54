#pragma once

#include "form/control.h"

class QTableWidget;

namespace platform::qt {

// Copies a string grid's cells, column widths and row heights onto the table,
// touching only what differs. Row 0 and the grid's fixed columns look like
// the titles of a grid.
void writeGrid(QTableWidget& table, const form::Control& grid);

} // namespace platform::qt
