#pragma once

// The table both trace views show frames in: a fixed-width font, whole rows selected, no grid, rows
// of one line at the font's height, no row numbers, columns the user sizes with the last one
// stretched.

class QAbstractItemModel;
class QTableView;

// Sets the table up on the model, whose frame columns are time, direction, identifier, length and
// data from timeColumn on, and sizes those; returns the width of a digit in its font, to size other
// columns by.
[[nodiscard]] int SetUpTraceTable(QTableView* table, QAbstractItemModel* model, int timeColumn);

// Sizes a column to WIDTH, or to its heading where that is wider (headings are longer in some
// languages than the values under them).
void SizeTraceColumn(QTableView* table, int column, int width);
