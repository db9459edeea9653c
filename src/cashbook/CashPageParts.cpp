#include "cashbook/CashPageParts.h"

#include "text/Money.h"
#include "ui/ListModel.h"

#include <QPushButton>
#include <QTableView>

namespace cashpage {

QString won(qint64 v) { return moneyText(v) + QStringLiteral("원"); }

QPushButton* button(const QString& caption, QWidget* parent)
{
    auto* b = new QPushButton(caption, parent);
    b->setAutoDefault(false);
    return b;
}

QTableView* listView(ListModel* model)
{
    auto* view = new QTableView;
    ListModel::attach(view, model);
    return view;
}

int currentRow(const QTableView* view)
{
    const QModelIndex i = view->currentIndex();
    return i.isValid() ? i.row() : -1;
}

void setCurrentRow(QTableView* view, int row)
{
    view->setCurrentIndex(row >= 0 ? view->model()->index(row, 0) : QModelIndex());
}

} // namespace cashpage
