#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "ui/DivisionFilter.h"

// Journal entries for many members at once: conduct records, suggestions, personal notices and
// merit or penalty points. One line per current member of a division enrolled by the entry date; the
// lines that got an entry are recorded together.
class JournalBatch {
public:
    enum Kind { Conduct, Suggestions, Notices, Points };

    struct Line {
        QString no, name, division, grade, rank, klass;
        QString entry;     // the text, or the point item "code)name"
        QString date;      // "yyyy-mm-dd"; empty until an entry is made (suggestions carry it at once)
        QString code;      // points: 벌점코드
        QString points;    // points: 벌점수 of the item
    };

    static QString table(Kind k);
    static QString dateColumn(Kind k);
    static QString textColumn(Kind k); // 비고2 for points

    // The choices of the entry column: phrases (free text allowed) or point items (only these).
    static QStringList choices(Kind k);

    // Members without withdrawal or leave, enrolled on or before `day`, in the division, whose name
    // starts with `name`.
    static QList<Line> forInput(Kind k, const QDate& day, const DivisionFilter::Condition& division, const QString& name);
    // The stored entries of the period, read only.
    static QList<Line> listing(Kind k, const QDate& from, const QDate& to, const DivisionFilter::Condition& division,
                               const QString& name);

    // An entry typed or chosen on a line: the line gets the entry date (cleared with the entry); a point
    // item also its code and points.
    static void setEntry(Kind k, Line& line, const QString& text, const QDate& day);
    // A date typed on a point line: "20240315" and "2024-03-15" give "2024-03-15"; empty when no real day.
    static QString typedDate(const QString& text);

    // The first line that cannot be recorded (a point line with no real date), or -1.
    static int badLine(Kind k, const QList<Line>& lines);
    // The first line whose entry cannot be stored (a point item not in the list, a text longer than its
    // column), or -1; *why names the member and the fault.
    static int problemLine(Kind k, const QList<Line>& lines, QString* why);
    // Records every line with an entry in one transaction; 순번 one above the member's largest in the
    // table. Refuses what badLine or problemLine finds. Returns the lines written; throws db::Error
    // (nothing written).
    static int save(Kind k, const QList<Line>& lines);
};
