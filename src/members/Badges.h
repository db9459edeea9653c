#pragma once
#include <QDate>
#include <QList>
#include <QString>

#include "db/DbError.h"

class QWidget;

// The school's progress badges: a numbered series handed out one after the other, at most one a
// calendar month. Proposals, the issue, holdings and the order counts.
namespace Badges {

// An issue the holdings do not allow (a second badge in a month). Derived from db::Error so the save
// rolls back as usual; message() is Korean, fit for the user.
class Refused : public db::Error {
public:
    explicit Refused(const QString& message) : db::Error(message, QString()) {}
};

// The badge after `highest` ("" = none yet): "01", then the code plus one with two digits; "" when the
// series `lastCode` is complete.
QString nextCode(const QString& highest, const QString& lastCode);
QString lastCode(); // the highest code of T_뱃지항목

struct Filter {
    int divisionIndex = 0;
    QString divisionText;
    QString name; // "" = everybody
};

struct Line {
    QString memberNo, name, enrolled, division, current, next, rankName, schoolYear, classGroup;
    QString givenOn;      // date of the current badge
    bool chosen = true;   // "선택" / "취소"
};

// Members who received a badge in the calendar month of `date`.
QStringList givenInMonth(const QDate& date);
// The proposals of an issue on `date`: attending members enrolled by then who got nothing this month.
QList<Line> proposals(const Filter& f, const QDate& date);
// Who received one this month with what comes next; everybody attending when nobody did.
QList<Line> givenListing(const Filter& f, const QDate& date);
// Records the next badge of every chosen line that has one, in one transaction; returns the rows added.
// Throws Refused and writes nothing when a chosen member already holds a badge of that month.
int issue(const QList<Line>& lines, const QDate& date);

struct Holding {
    QString memberNo, name, division, givenOn, rankName, schoolYear, classGroup, currentName, nextName;
};
// Attending members and their current badge; `onDate` keeps those whose current badge is from `date`.
QList<Holding> holdings(const Filter& f, bool onDate, const QDate& date);

struct Order {
    QString code, name;
    int count = 0;
};
// For every badge of the series: the members without a withdrawal date for whom it is the next one.
QList<Order> orders();

bool printHoldings(const QList<Holding>& rows, int destination, QWidget* parent = nullptr);
bool printOrders(const QList<Order>& rows, int destination, QWidget* parent = nullptr);

} // namespace Badges
