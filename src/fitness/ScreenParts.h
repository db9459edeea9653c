#pragma once
#include <QDate>
#include <QString>
#include <initializer_list>
#include <utility>

class QDateEdit;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableView;
class QWidget;
class ListModel;

// Pieces the fitness screens build alike: toolbar buttons, the spaced title, date boxes and the
// success notice on the main window's status line.
namespace fitness::ui {

QPushButton* button(const QString& caption, QWidget* parent = nullptr);
// A row of buttons, left to right, each stored where its pointer says; a stretch ends the row.
QHBoxLayout* toolbar(std::initializer_list<std::pair<QPushButton**, QString>> buttons);
QLabel* title(const QString& spaced, QWidget* parent = nullptr);
// The heading of a list screen: the spaced title, the school's name, "총 원 :" with `total` and
// "검색인원 :" with a count that starts at 0; the two count labels are stored where the pointers say.
QHBoxLayout* heading(const QString& spaced, int total, QLabel** totalLabel, QLabel** foundLabel);
QDateEdit* dateEdit(const QDate& date = QDate(), QWidget* parent = nullptr); // today when invalid
QTableView* gridView(ListModel* model, QWidget* parent = nullptr);
void notify(const QString& text);

} // namespace fitness::ui
