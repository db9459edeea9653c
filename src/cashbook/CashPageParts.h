#pragma once
#include <QString>

class ListModel;
class QPushButton;
class QTableView;
class QWidget;

// Small pieces the pages of the cash-book window share.
namespace cashpage {

inline const QString kIncome = QStringLiteral("입금");
inline const QString kExpense = QStringLiteral("출금");

// An amount with its unit, as the totals show it: "45,000원".
QString won(qint64 v);
// A toolbar or panel button that Enter in a field does not press.
QPushButton* button(const QString& caption, QWidget* parent = nullptr);
// A list view on the model, set up as every grid of the program (read only until the model says).
QTableView* listView(ListModel* model);
// The row of the view's current cell, -1 without one.
int currentRow(const QTableView* view);
// Makes `row` current (none when it is -1), as a click on the row does.
void setCurrentRow(QTableView* view, int row);

} // namespace cashpage
