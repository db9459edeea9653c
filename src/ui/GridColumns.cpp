#include "ui/GridColumns.h"

#include <QHeaderView>
#include <QTableView>

void fitColumns(QTableView* view)
{
    // A sample of rows (those in sight first) is enough for a width; measuring thousands is not.
    view->horizontalHeader()->setResizeContentsPrecision(kFitSampleRows);
    view->resizeColumnsToContents();
    const QFontMetrics fm = view->horizontalHeader()->fontMetrics();
    for (int c = 0; c < view->model()->columnCount(); ++c) {
        const int title = fm.horizontalAdvance(view->model()->headerData(c, Qt::Horizontal).toString().trimmed()) + 16;
        if (view->columnWidth(c) < title)
            view->setColumnWidth(c, title);
    }
}
