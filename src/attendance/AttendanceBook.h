#pragma once
#include <QDate>
#include <QString>

#include "ui/DivisionFilter.h"
#include "ui/SchoolYearFilter.h"

class QWidget;

// The attendance book: one line per current member, filled up with empty lines to whole pages of 22
// (landscape) or 40 (portrait) lines. The enrolment-date book shows 입관일; the payment-day book shows
// the day of a birthday that falls in the current month.
class AttendanceBook {
public:
    enum class Variant { EnrolmentDate, PaymentDay };

    struct Options {
        Variant variant = Variant::EnrolmentDate;
        bool byYear = false;   // 학년별 instead of 부별
        DivisionFilter::Condition division; // on a.부별코드
        SchoolYearFilter::Condition year;   // on a.학년
        QString heading;       // 구분1: the selection as the sheet shows it
        bool byName = false;   // 이름 instead of 급품코드
        bool landscape = false;
    };

    // The selection as the sheet heads it: a division entry from its fourth character on, a grade as
    // it is, "전  체" when nothing is chosen.
    static QString heading(bool byYear, int index, const QString& entryText);
    static int linesPerPage(bool landscape) { return landscape ? 22 : 40; }
    static QString layoutFile(Variant v, bool landscape);
    static QString title(bool landscape) { return landscape ? QStringLiteral("출석부(가로)") : QStringLiteral("출석부(세로)"); }

    // Fills print (members, then filler lines) and runs the layout: preview (0) or printer (1).
    static bool run(const Options& o, const QDate& today, int destination, QWidget* parent = nullptr);
};
