#include "attendance/AttendanceBook.h"

#include "db/Query.h"
#include "report/Report.h"

QString AttendanceBook::heading(bool byYear, int index, const QString& entryText)
{
    if (index <= 1) // empty or 전체
        return QStringLiteral("전  체");
    return byYear ? entryText.trimmed() : entryText.mid(3).trimmed();
}

QString AttendanceBook::layoutFile(Variant v, bool landscape)
{
    if (v == Variant::EnrolmentDate)
        return landscape ? QStringLiteral("chulsuk1.rpt") : QStringLiteral("chulsuk2.rpt");
    return landscape ? QStringLiteral("chulsuk3.rpt") : QStringLiteral("chulsuk4.rpt");
}

namespace {
void fillJob(report::PrintJob& job, const AttendanceBook::Options& o, const QDate& today)
{
    const bool payDay = o.variant == AttendanceBook::Variant::PaymentDay;
    db::Query q(QStringLiteral("          SELECT     a.회원명,    a.전화번호,    a.입관일,"
                               "           a.납부일자,  b.급품명,      a.휴관일 "));
    if (payDay)
        q.add(QStringLiteral(", a.생년월일 "));
    q.add(QStringLiteral("FROM    T_회원 a, T_급품코드 b  "
                         "WHERE   a.급품코드 = b.급품코드 "
                         "AND     a.퇴관일 IS NULL "));
    if (!o.landscape)
        q.add(QStringLiteral("AND a.휴관일 IS NULL "));
    if (o.byYear) {
        q.add(o.year.sql);
        if (!o.year.year.isEmpty())
            q.bind(QStringLiteral("Year"), o.year.year);
        q.add(o.byName ? QStringLiteral("ORDER BY a.회원명, a.학년") : QStringLiteral("ORDER BY a.학년, b.급품코드, a.회원명"));
    } else {
        q.add(o.division.sql);
        q.bind(QStringLiteral("buCode"), o.division.buCode);
        if (!o.division.buCode1.isEmpty())
            q.bind(QStringLiteral("buCode1"), o.division.buCode1);
        q.add(o.byName ? QStringLiteral("ORDER BY a.회원명,a.부별코드") : QStringLiteral("ORDER BY a.부별코드, b.급품코드, a.회원명"));
    }
    q.open();
    const QString month = today.toString(QStringLiteral("MM"));
    int seq = 0;
    while (q.next()) {
        QString second;
        if (payDay) {
            const QString born = q.str(QStringLiteral("생년월일"));
            if (born.mid(5, 2) == month)
                second = born.mid(8, 2);
        } else {
            second = q.str(QStringLiteral("입관일"));
        }
        job.add({{"seqno", ++seq},
                 {"회원명", q.str(QStringLiteral("회원명"))},
                 {"입관일자", second},
                 {"구분1", o.heading},
                 {"구분2", q.str(QStringLiteral("급품명"))},
                 {"구분3", q.str(QStringLiteral("전화번호"))},
                 {"구분4", q.isNull(QStringLiteral("휴관일")) ? q.str(QStringLiteral("납부일자")) : QStringLiteral("휴관")}});
    }
    // Filler lines up to a whole page; an empty book is one page of empty lines.
    const int perPage = AttendanceBook::linesPerPage(o.landscape);
    const int last = seq == 0 ? perPage : (seq + perPage - 1) / perPage * perPage;
    while (seq < last)
        job.add({{"seqno", ++seq}, {"구분1", o.heading}});
}
} // namespace

bool AttendanceBook::run(const Options& o, const QDate& today, int destination, QWidget* parent)
{
    report::PrintJob job;
    fillJob(job, o, today);
    return job.run(layoutFile(o.variant, o.landscape), title(o.landscape), destination, parent);
}
