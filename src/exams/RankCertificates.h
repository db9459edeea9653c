#pragma once
#include <QDate>
#include <QList>
#include <QString>

class QWidget;

// 급증 발부: numbered rank certificates of the listed trainees. The issue takes the numbers from the
// school's counter (T_도장정보.급증발부) and fills the pages in one transaction, then shows them.
namespace RankCertificates {

struct Line {
    QString memberNo, name, birthDate, rankName, division, schoolYear, classGroup;
    bool ticked = true;
};

// Attending members (neither withdrawn nor on leave), one name or all, of the division entry.
QList<Line> search(const QString& name, int divisionIndex, const QString& divisionText);

struct Issue {
    QString examName;  // the 심사명 box
    QDate examDate;
    bool forms = false; // "Forms 출력"
};

int counter(); // the number of the last certificate issued

// Numbers the ticked lines after the counter and fills print with their certificates, all in one
// transaction. Returns the number of certificates; throws db::Error (nothing kept) when a statement
// fails, the scratch table included.
int fill(const QList<Line>& lines, const Issue& issue);
QString layoutFor(bool forms); // "급증발부1.rpt" / "급증발부2.rpt"

} // namespace RankCertificates
