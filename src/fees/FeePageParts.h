#pragma once
#include <QString>
#include <QStringList>

class DivisionFilter;
class QBoxLayout;
class QComboBox;
class QAbstractItemModel;
class QDateEdit;
class QTableView;
class QWidget;

// The filter pieces the list pages of the fee window share.
namespace feepage {

// A list view on a model, set up as every grid of the program.
QTableView* listView(QAbstractItemModel* model, QWidget* parent);
// A date box starting at today: the program's date field, or a month box for another format.
QDateEdit* dateBox(QWidget* parent, const QString& format = QStringLiteral("yyyy-MM-dd"));
// "부 명" and the division drop-down on "전체", added to the row.
DivisionFilter* divisionBox(QBoxLayout* row, QWidget* parent);
// "이 름" and a name box that takes any text, added to the row.
QComboBox* nameBox(QBoxLayout* row, QWidget* parent);
// The member names to choose from (column 0 of a list shared with other fields), with nothing chosen.
void setNames(QComboBox* box, QAbstractItemModel* names);

} // namespace feepage
