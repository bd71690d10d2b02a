#include "TraceTable.h"

#include <algorithm>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QTableView>

int SetUpTraceTable(QTableView* table, QAbstractItemModel* model, int timeColumn) {
    table->setModel(model);
    const QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    table->setFont(mono);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setShowGrid(false);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setMinimumSectionSize(1);
    table->verticalHeader()->setDefaultSectionSize(QFontMetrics(mono).height() + 4);
    QHeaderView* h = table->horizontalHeader();
    h->setSectionResizeMode(QHeaderView::Interactive);
    h->setStretchLastSection(true);
    const int digit = QFontMetrics(mono).horizontalAdvance(QLatin1Char('0'));
    // Time, direction, identifier, length, data: in digits of the fixed font.
    const int widths[] = {17, 4, 10, 5, 25};
    for (int i = 0; i < 5; ++i) SizeTraceColumn(table, timeColumn + i, digit * widths[i]);
    return digit;
}

void SizeTraceColumn(QTableView* table, int column, int width) {
    const QHeaderView* h = table->horizontalHeader();
    const QString heading = table->model()->headerData(column, Qt::Horizontal).toString();
    const int margin = h->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, h);
    table->setColumnWidth(column, std::max(width, h->fontMetrics().horizontalAdvance(heading) + 4 * margin));
}
