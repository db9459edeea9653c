#pragma once
#include "report/ListExport.h"

#include <functional>

class QBoxLayout;
class QPushButton;
class QTabWidget;
class QTableView;
class QWidget;

// "엑셀 저장" and "CSV 저장" beside a list's print button. The screen hands over what the list shows
// when a button is pressed; the buttons ask for the file, write it and report on the status line.
namespace ExportButtons {

using Source = std::function<listexport::Table()>;

// Adds both buttons to the bar, before `before` when given (else at its end); returns the Excel one.
QPushButton* add(QBoxLayout* bar, QWidget* owner, Source source, QWidget* before = nullptr);
// The same for a window with one list, titled with the window's title.
QPushButton* addForWindow(QBoxLayout* bar, QWidget* window, QWidget* before = nullptr);
// The same for a window whose lists are the pages of a tab widget: the current page's list, titled
// with its tab.
QPushButton* addForPages(QBoxLayout* bar, QWidget* owner, const QTabWidget* pages, QWidget* before = nullptr);

// What a grid shows: its visible columns with a title, in the order on screen.
listexport::Table fromView(const QTableView* view, const QString& title, const QStringList& filters = {});
// The filters a screen area shows above its list, as "caption: value" texts: a label with the
// drop-down, date, number or text field after it ("from ~ to" joined), and every checked choice.
QStringList filtersOf(const QWidget* area, const QWidget* list = nullptr);
// The list of an area (a window or one of its pages): its largest visible grid, with the area's filters.
listexport::Table fromArea(const QWidget* area, const QString& title);

enum class Format { Xlsx, Csv };
// The whole action of a button: an empty list is refused, the file dialog suggests "<title>_<today>",
// the file is written whole; false when nothing was saved.
bool save(QWidget* owner, const listexport::Table& table, Format format);

} // namespace ExportButtons
