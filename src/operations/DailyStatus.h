#pragma once
#include <QDate>
#include <QString>
#include <QStringList>

namespace report { class PrintJob; }

// The daily status of one working date: who enrolled, withdrew, went on leave, returned or was absent,
// and the day's training content for colour-belt and poom/dan holders (T_일일현황, one row a date).
namespace DailyStatus {

enum Kind { Enrolled, Withdrawn, Leave, Returned, Absent, KindCount };

// The names of each kind on the date; an absence of a member no longer on the books counts with an
// empty name.
struct Movements {
    QStringList names[KindCount];
};
Movements read(const QDate& d);
QString nameBox(const QStringList& names); // each name followed by "/"

struct Content {
    QStringList colour; // 유급자수련내용1..8
    QStringList poom;   // 유품자수련내용1..8
};
bool load(const QDate& d, Content* out);   // false: nothing written for the date
void save(const QDate& d, const Content& c); // one row a date: written over when it exists
void remove(const QDate& d);

// The day sheet as the screen shows it (saved or not): counts, the name boxes, the sixteen lines.
void fillSheet(report::PrintJob& job, const QDate& d, const QString counts[KindCount], const QString boxes[KindCount],
               const Content& c, const QString& school);

} // namespace DailyStatus
