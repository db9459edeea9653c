#include "members/Badges.h"

#include "db/Query.h"
#include "db/SchoolInfo.h"
#include "db/MemberStatus.h"
#include "report/Report.h"
#include "ui/DivisionFilter.h"

#include <QHash>

namespace Badges {

namespace {

// Each member's highest badge (its code and date) joined to the member as "m" and "c".
const char* const kCurrent = " LEFT JOIN (SELECT 회원번호, Max(뱃지코드) AS MaxNo FROM T_뱃지지급 GROUP BY 회원번호) m "
                             "ON m.회원번호 = a.회원번호 "
                             " LEFT JOIN T_뱃지지급 c ON c.회원번호 = a.회원번호 AND c.뱃지코드 = m.MaxNo ";

void addFilter(db::Query& q, const Filter& f)
{
    DivisionFilter::addConditionFor(q, f.divisionIndex, f.divisionText, QStringLiteral("a.부별코드"));
    if (!f.name.trimmed().isEmpty()) {
        q << QStringLiteral(" AND a.회원명 = :name ");
        q.bind(QStringLiteral("name"), f.name.trimmed());
    }
}

QPair<QString, QString> monthOf(const QDate& d)
{
    const QDate first(d.year(), d.month(), 1);
    return {db::dateText(first), db::dateText(first.addMonths(1).addDays(-1))};
}

QList<Line> lines(const Filter& f, const QDate& date, const QString& restriction, bool enrolledBy)
{
    db::Query q(QStringLiteral("SELECT a.회원번호, a.회원명, a.입관일, b.부명, a.학년, a.반, g.급품명, m.MaxNo, c.지급일자 "
                               "FROM T_회원 a LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 "
                               " LEFT JOIN T_급품코드 g ON a.급품코드 = g.급품코드 "));
    q << QString::fromUtf8(kCurrent) << QStringLiteral(" WHERE ") << MemberStatus::active(QStringLiteral("a")) << restriction;
    if (enrolledBy) {
        q << QStringLiteral(" AND a.입관일 <= :date ");
        q.bind(QStringLiteral("date"), date);
    }
    const auto [start, end] = monthOf(date);
    if (restriction.contains(QStringLiteral(":StartDay")))
        q.bind(QStringLiteral("StartDay"), start).bind(QStringLiteral("EndDay"), end);
    addFilter(q, f);
    q << QStringLiteral(" Order by b.부명, a.입관일, a.회원명 ");
    q.open();
    const QString last = lastCode();
    QList<Line> out;
    while (q.next()) {
        Line l;
        l.memberNo = q.str(QStringLiteral("회원번호"));
        l.name = q.str(QStringLiteral("회원명"));
        l.enrolled = q.str(QStringLiteral("입관일"));
        l.division = q.str(QStringLiteral("부명"));
        l.current = q.str(QStringLiteral("MaxNo"));
        l.next = nextCode(l.current, last);
        l.rankName = q.str(QStringLiteral("급품명"));
        l.schoolYear = q.str(QStringLiteral("학년"));
        l.classGroup = q.str(QStringLiteral("반"));
        l.givenOn = q.str(QStringLiteral("지급일자"));
        out.append(l);
    }
    return out;
}

const QString kGivenInMonth = QStringLiteral(" SELECT b.회원번호 FROM T_뱃지지급 b WHERE b.지급일자 BETWEEN :StartDay AND :EndDay ");

QString badgeName(const QHash<QString, QString>& names, const QString& code) { return names.value(code); }

QHash<QString, QString> badgeNames()
{
    QHash<QString, QString> names;
    db::Query q(QStringLiteral("SELECT 뱃지코드, 뱃지명 FROM T_뱃지항목"));
    q.open();
    while (q.next())
        names.insert(q.str(QStringLiteral("뱃지코드")), q.str(QStringLiteral("뱃지명")));
    return names;
}

} // namespace

QString nextCode(const QString& highest, const QString& last)
{
    if (highest.trimmed().isEmpty())
        return QStringLiteral("01");
    const int next = highest.trimmed().toInt() + 1;
    if (next > last.trimmed().toInt())
        return QString();
    return QStringLiteral("%1").arg(next, 2, 10, QChar(u'0'));
}

QString lastCode() { return db::scalar(QStringLiteral("SELECT Max(뱃지코드) FROM T_뱃지항목")).toString(); }

QStringList givenInMonth(const QDate& date)
{
    const auto [start, end] = monthOf(date);
    db::Query q(kGivenInMonth + QStringLiteral(" GROUP BY b.회원번호 "));
    q.bind(QStringLiteral("StartDay"), start).bind(QStringLiteral("EndDay"), end).open();
    QStringList out;
    while (q.next())
        out << q.str(QStringLiteral("회원번호"));
    return out;
}

QList<Line> proposals(const Filter& f, const QDate& date)
{
    return lines(f, date, QStringLiteral(" AND a.회원번호 NOT IN (") + kGivenInMonth + QStringLiteral(") "), true);
}

QList<Line> givenListing(const Filter& f, const QDate& date)
{
    if (givenInMonth(date).isEmpty())
        return lines(f, date, QString(), false);
    return lines(f, date, QStringLiteral(" AND a.회원번호 IN (") + kGivenInMonth + QStringLiteral(") "), false);
}

int issue(const QList<Line>& rows, const QDate& date)
{
    db::Transaction tx;
    int added = 0;
    for (const Line& l : rows) {
        if (!l.chosen || l.next.trimmed().isEmpty())
            continue;
        // Read inside the transaction, so lines built for another date or listed twice are caught too.
        const auto [start, end] = monthOf(date);
        const QString given = db::scalar(QStringLiteral("SELECT Max(지급일자) FROM T_뱃지지급 WHERE 회원번호 = :no "
                                                        " AND 지급일자 BETWEEN :StartDay AND :EndDay "),
                                         {{QStringLiteral("no"), l.memberNo}, {QStringLiteral("StartDay"), start}, {QStringLiteral("EndDay"), end}})
                                  .toString();
        if (!given.isEmpty())
            throw Refused(QStringLiteral("%1(%2) 회원은 %3 에 이미 뱃지를 받았습니다.\n뱃지는 한 달에 하나만 지급합니다.")
                              .arg(l.name, l.memberNo, given.left(10)));
        db::run(QStringLiteral("Insert Into T_뱃지지급 (회원번호, 지급일자, 뱃지코드) Values (:no, :date, :Code) "),
                {{QStringLiteral("no"), l.memberNo}, {QStringLiteral("date"), date}, {QStringLiteral("Code"), l.next}});
        ++added;
    }
    tx.commit();
    return added;
}

QList<Holding> holdings(const Filter& f, bool onDate, const QDate& date)
{
    const QHash<QString, QString> names = badgeNames();
    const QString last = lastCode();
    QList<Holding> out;
    db::Query q(QStringLiteral("SELECT a.회원번호, a.회원명, b.부명, a.학년, a.반, g.급품명, m.MaxNo, c.지급일자 "
                               "FROM T_회원 a LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 "
                               " LEFT JOIN T_급품코드 g ON a.급품코드 = g.급품코드 "));
    q << QString::fromUtf8(kCurrent) << QStringLiteral(" WHERE ") << MemberStatus::active(QStringLiteral("a"));
    if (onDate) {
        q << QStringLiteral(" AND c.지급일자 = :date ");
        q.bind(QStringLiteral("date"), date);
    }
    addFilter(q, f);
    q << QStringLiteral(" Order by b.부명, a.회원명 ");
    q.open();
    while (q.next()) {
        Holding h;
        h.memberNo = q.str(QStringLiteral("회원번호"));
        h.name = q.str(QStringLiteral("회원명"));
        h.division = q.str(QStringLiteral("부명"));
        h.givenOn = q.str(QStringLiteral("지급일자"));
        h.rankName = q.str(QStringLiteral("급품명"));
        h.schoolYear = q.str(QStringLiteral("학년"));
        h.classGroup = q.str(QStringLiteral("반"));
        const QString current = q.str(QStringLiteral("MaxNo"));
        h.currentName = badgeName(names, current);
        h.nextName = badgeName(names, nextCode(current, last));
        out.append(h);
    }
    return out;
}

QList<Order> orders()
{
    QList<Order> out;
    QHash<QString, int> index;
    {
        db::Query q(QStringLiteral("SELECT 뱃지코드, 뱃지명 FROM T_뱃지항목 ORDER BY 뱃지코드"));
        q.open();
        while (q.next()) {
            index.insert(q.str(QStringLiteral("뱃지코드")), int(out.size()));
            out.append({q.str(QStringLiteral("뱃지코드")), q.str(QStringLiteral("뱃지명")), 0});
        }
    }
    const QString last = lastCode();
    db::Query q(QStringLiteral("SELECT m.MaxNo, Count(*) AS bCount FROM T_회원 a "
                               " LEFT JOIN (SELECT 회원번호, Max(뱃지코드) AS MaxNo FROM T_뱃지지급 GROUP BY 회원번호) m "
                               "ON m.회원번호 = a.회원번호 WHERE "));
    q << MemberStatus::notWithdrawn(QStringLiteral("a")) << QStringLiteral(" GROUP BY m.MaxNo");
    q.open();
    while (q.next()) {
        const QString next = nextCode(q.str(QStringLiteral("MaxNo")), last);
        if (index.contains(next))
            out[index.value(next)].count += int(q.integer(QStringLiteral("bCount")));
    }
    return out;
}

bool printHoldings(const QList<Holding>& rows, int destination, QWidget* parent)
{
    report::PrintJob job;
    const QString school = SchoolInfo::name();
    int n = 0;
    for (const Holding& h : rows)
        job.add({{QStringLiteral("seqno"), ++n},
                 {QStringLiteral("f01"), h.name},
                 {QStringLiteral("f02"), h.division},
                 {QStringLiteral("f03"), h.givenOn},
                 {QStringLiteral("f04"), h.rankName},
                 {QStringLiteral("f05"), h.schoolYear},
                 {QStringLiteral("f06"), h.currentName},
                 {QStringLiteral("f07"), h.nextName},
                 {QStringLiteral("association"), school}});
    return job.run(QStringLiteral("뺏지지급.rpt"), QStringLiteral("뺏지 지급"), destination, parent);
}

bool printOrders(const QList<Order>& rows, int destination, QWidget* parent)
{
    report::PrintJob job;
    const QString school = SchoolInfo::name();
    int n = 0;
    for (const Order& o : rows)
        job.add({{QStringLiteral("seqno"), ++n},
                 {QStringLiteral("f01"), o.code},
                 {QStringLiteral("f02"), o.name},
                 {QStringLiteral("f03"), QString::number(o.count)},
                 {QStringLiteral("association"), school}});
    return job.run(QStringLiteral("주문현황.rpt"), QStringLiteral("주문 현황"), destination, parent);
}

} // namespace Badges
