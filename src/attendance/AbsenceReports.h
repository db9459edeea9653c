#pragma once
#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include "ui/DivisionFilter.h"

class QWidget;
class NoticeFile;

// The lists of the attendance window's pages 1 to 3 (absences of a period, absence counts, perfect
// attendance), their printouts and the absence e-mail file. Plain rules that tests call.
namespace AbsenceReports {

struct Filter {
    DivisionFilter::Condition division; // on the member's 부별코드 (column as each list names it)
    QString name;                       // prefix of 회원명
};

// The months of the reference year before the reference month, from the member's enrolment month on,
// that have no payment: "01 02 " (none in January). Only attending members (neither on leave nor
// withdrawn) are asked for.
class UnpaidMonths {
public:
    // Reads those months' payments once: of every attending member, or, given a period, only of those
    // absent in it.
    explicit UnpaidMonths(const QDate& reference, const QDate& absentFrom = {}, const QDate& absentTo = {});
    QString of(const QString& memberNo, const QDate& enrolled) const;

private:
    QDate m_ref;
    QHash<QString, quint16> m_paid; // bit m: month m paid
};

struct DailyLine {
    QString memberNo, name, division, phone, unpaid, reason, note, email, mobile;
    QDate enrolled, date;
};
// Page 1: one line per absence of the period, by date, division and name.
QList<DailyLine> daily(const Filter& f, const QDate& from, const QDate& to);

struct CountLine {
    QString memberNo, name, division, phone, unpaid, days;
    QDate enrolled;
};
// Page 2: with allStatus every member with an absence in the period; otherwise the members with
// exactly `days` absences (0: none). `days` of a line: the two-digit days, each followed by a blank.
QList<CountLine> counts(const Filter& f, const QDate& from, const QDate& to, const QDate& today, bool allStatus,
                        int days);

struct PerfectLine {
    QString memberNo, name, sex, born, solarLunar, rankCode, rank, division;
    QDate enrolled;
    bool ticked = true;
};
// Page 3: members enrolled by the first day without any absence in the period, by division and then
// from the highest rank down.
QList<PerfectLine> perfect(const Filter& f, const QDate& from, const QDate& to);

// The printouts of pages 1 and 2 ("일일결석.rpt", "결석현황.rpt").
bool printDaily(const QList<DailyLine>& lines, const QString& school, int destination, QWidget* parent = nullptr);
bool printCounts(const QList<CountLine>& lines, const QString& school, const QDate& from, const QDate& to,
                 int destination, QWidget* parent = nullptr);

// The absence e-mail file "결석통보" for the members of the lines that have an e-mail address, with
// their absences of the period in date order.
NoticeFile absenceNotice(const QList<DailyLine>& lines, const QDate& from, const QDate& to);

} // namespace AbsenceReports
