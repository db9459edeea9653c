#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

class QAbstractItemModel;

// Saving a list as it is shown: an Excel workbook for the office's own sheets, or CSV for other
// programs. Any model serves; the screen says what each column holds, or leaves it to the values.
namespace listexport {

enum class Kind {
    Auto,   // a date "YYYY-MM-DD" becomes a date, a figure with thousands separators or "원" money, else text
    Text,   // as shown; member numbers and codes keep their leading zeros
    Money,  // whole won, written as a number with "#,##0"
    Number, // a plain number
    Date,   // "YYYY-MM-DD" written as a real date
};

struct Table {
    QString title;               // the list's title: sheet name and suggested file name
    QStringList filters;         // the list's filters, one text each ("부별: 유치부")
    const QAbstractItemModel* model = nullptr;
    QList<int> columns;          // model columns in the order saved; empty = every column with a title
    QList<Kind> kinds;           // by position in `columns`; missing = Auto
};

// "제목_YYYYMMDD.xlsx": characters a file name cannot hold become "_".
QString suggestedName(const QString& title, const QDate& day, const QString& extension);

// The cell texts as saved (titles first), for CSV and for tests.
QStringList headers(const Table& t);
QList<QStringList> rows(const Table& t);

// Writes the file whole or not at all (a temporary file renamed at the end). False with the reason.
bool writeXlsx(const QString& file, const Table& t, QString* error = nullptr);
bool writeCsv(const QString& file, const Table& t, QString* error = nullptr);

} // namespace listexport
