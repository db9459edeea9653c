#include "attendance/AbsenceReports.h"

#include "db/Query.h"
#include "report/Report.h"
#include "report/NoticeFile.h"

#include <algorithm>

namespace AbsenceReports {

namespace {

void bindFilter(db::Query& q, const Filter& f)
{
    q.bind({{"name", db::likeLiteral(f.name.trimmed()) + u'%'}, {"buCode", f.division.buCode}});
    if (!f.division.buCode1.isEmpty())
        q.bind(QStringLiteral("buCode1"), f.division.buCode1);
}

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')); }

const QString kRule = QStringLiteral("----------------------------------------------- ");

} // namespace

UnpaidMonths::UnpaidMonths(const QDate& reference, const QDate& absentFrom, const QDate& absentTo) : m_ref(reference)
{
    if (reference.month() == 1)
        return; // no month of the year before January
    // A range on 년월분 (the keys of the year sort from "yyyy01" up to the reference month) lets the key serve.
    db::Query q;
    q << "Select 회원번호, 년월분 From T_수련비납부 Where 년월분 >= :년초 And 년월분 < :월 "
         " And 회원번호 In (Select 회원번호 From T_회원 Where 퇴관일 is null and 휴관일 is null) ";
    if (absentFrom.isValid()) {
        q << " And 회원번호 In (Select 회원번호 From T_결석 Where 결석일자 Between :FromDate And :ToDate) ";
        q.bind({{"FromDate", absentFrom}, {"ToDate", absentTo}});
    }
    q.bind({{"년초", QString::number(reference.year()) + QStringLiteral("01")},
            {"월", reference.toString(QStringLiteral("yyyyMM"))}});
    q.open();
    while (q.next())
        m_paid[q.value(0).toString()] |= quint16(1u << q.value(1).toString().mid(4, 2).toInt());
}

QString UnpaidMonths::of(const QString& memberNo, const QDate& enrolled) const
{
    const QString from = enrolled.isValid() ? enrolled.toString(QStringLiteral("yyyyMM")) : QString();
    const quint16 paid = m_paid.value(memberNo);
    QString out;
    for (int m = 1; m < m_ref.month(); ++m) {
        const QString key = QString::number(m_ref.year()) + twoDigits(m);
        if (key >= from && !(paid & (1u << m)))
            out += twoDigits(m) + u' ';
    }
    return out;
}

QList<DailyLine> daily(const Filter& f, const QDate& from, const QDate& to)
{
    db::Query q(QStringLiteral(
        " SELECT T_회원.회원번호, 회원명, 입관일, 부명, 전화번호,이메일,T_회원.핸드폰번호,T_결석.결석일자,T_결석사유.결석사유,T_결석.비고 "
        " FROM ((T_결석 LEFT JOIN T_회원 ON T_결석.회원번호= T_회원.회원번호) "
        " LEFT JOIN T_부별코드 ON T_회원.부별코드= T_부별코드.부별코드) "
        " LEFT JOIN T_결석사유 ON T_결석.결석사유코드= T_결석사유.결석사유코드 "
        " WHERE T_결석.결석일자 BETWEEN :FromDate AND :ToDate"
        " AND 회원명 like :name ESCAPE '\\' "
        " AND (퇴관일 is null and 휴관일 is null) "));
    q.add(f.division.sql);
    q.add(QStringLiteral(" ORDER BY T_결석.결석일자 , T_회원.부별코드, T_회원.회원명 "));
    q.bind({{"FromDate", from}, {"ToDate", to}});
    bindFilter(q, f);
    q.open();
    const UnpaidMonths unpaid(from, from, to);
    QList<DailyLine> out;
    while (q.next()) {
        DailyLine l;
        l.memberNo = q.str(QStringLiteral("회원번호"));
        l.name = q.str(QStringLiteral("회원명"));
        l.enrolled = q.date(QStringLiteral("입관일"));
        l.division = q.str(QStringLiteral("부명"));
        l.phone = q.str(QStringLiteral("전화번호"));
        l.unpaid = unpaid.of(l.memberNo, l.enrolled);
        l.date = q.date(QStringLiteral("결석일자"));
        l.reason = q.str(QStringLiteral("결석사유"));
        l.note = q.str(QStringLiteral("비고")).trimmed();
        l.email = q.str(QStringLiteral("이메일"));
        l.mobile = q.str(QStringLiteral("핸드폰번호"));
        out.append(l);
    }
    return out;
}

QList<CountLine> counts(const Filter& f, const QDate& from, const QDate& to, const QDate& today, bool allStatus, int days)
{
    db::Query q;
    const bool exactly = !allStatus && days != 0;
    if (exactly) {
        q.add(QStringLiteral("SELECT Distinct(T_회원.회원번호), 회원명, 입관일, 부명, 전화번호 "
                             "FROM T_회원, T_부별코드, T_결석 "
                             "WHERE T_부별코드.부별코드 = T_회원.부별코드 "));
        q.add(f.division.sql);
        q.add(QStringLiteral("And 회원명 like :name ESCAPE '\\' "
                             "And T_결석.회원번호 = T_회원.회원번호 "
                             "and (T_결석.결석일자 between :FromDate and :ToDate )"
                             "And (퇴관일 is null and 휴관일 is null) "
                             "Order By T_부별코드.부명,T_회원.회원명 "));
    } else {
        q.add(QStringLiteral("SELECT distinct (a.회원번호) "
                             ", a.회원명 "
                             ", a.전화번호 "
                             ", a.입관일 "
                             ", d.부명 "
                             "FROM T_회원 a "
                             "INNER JOIN T_부별코드 d ON d.부별코드 =a.부별코드 "));
        q.add(allStatus ? QStringLiteral("WHERE a.회원번호 in (SELECT e.회원번호 From T_결석 e ")
                        : QStringLiteral("WHERE NOT(a.회원번호 in (SELECT e.회원번호 From T_결석 e "));
        q.add(QStringLiteral("WHERE e.회원번호 = a.회원번호 "
                             "AND e.결석일자 Between :FromDate and :ToDate)"));
        q.add(allStatus ? QStringLiteral(" ") : QStringLiteral(") "));
        q.add(f.division.sql);
        q.add(QStringLiteral("AND a.회원명 like :name ESCAPE '\\' "
                             "AND a.퇴관일 is null "
                             "AND a.휴관일 is null "
                             "ORDER BY d.부명, a.회원명 "));
    }
    q.bind({{"FromDate", from}, {"ToDate", to}});
    bindFilter(q, f);
    q.open();

    // The absence days of the period, read once for all members.
    QHash<QString, QStringList> absent;
    db::Query a(QStringLiteral("Select 회원번호, 결석일자, Right(결석일자, 2) As AbDate From T_결석 "
                               "Where (결석일자 between :FromDate and :ToDate) "
                               "Order by 결석일자"));
    a.bind({{"FromDate", from}, {"ToDate", to}}).open();
    while (a.next())
        absent[a.str(QStringLiteral("회원번호"))].append(a.str(QStringLiteral("AbDate")));

    // The payments of the absentees only, unless the list is of those without absences.
    const UnpaidMonths unpaid = allStatus || days != 0 ? UnpaidMonths(today, from, to) : UnpaidMonths(today);
    QList<CountLine> out;
    while (q.next()) {
        CountLine l;
        l.memberNo = q.str(QStringLiteral("회원번호"));
        const QStringList d = absent.value(l.memberNo);
        if (exactly && d.size() != days)
            continue;
        l.name = q.str(QStringLiteral("회원명"));
        l.enrolled = q.date(QStringLiteral("입관일"));
        l.division = q.str(QStringLiteral("부명"));
        l.phone = q.str(QStringLiteral("전화번호"));
        l.unpaid = unpaid.of(l.memberNo, l.enrolled);
        for (const QString& day : d)
            l.days += day + u' ';
        out.append(l);
    }
    return out;
}

QList<PerfectLine> perfect(const Filter& f, const QDate& from, const QDate& to)
{
    db::Query q(QStringLiteral(" SELECT distinct (a.회원번호) , a.회원명, a.성별, a.생년월일,"
                               " a.양력음력, a.입관일, a.급품코드, c.급품명 , d.부명 "
                               " FROM (T_회원 a "
                               " INNER JOIN T_급품코드 c ON c.급품코드 = a.급품코드) "
                               " INNER JOIN T_부별코드 d ON d.부별코드 =a.부별코드 "
                               " WHERE NOT(a.회원번호 in (SELECT e.회원번호 From T_결석 e "
                               " WHERE e.회원번호 = a.회원번호 "
                               " AND e.결석일자 Between :fdate and :tdate)) "));
    q.add(f.division.sql);
    q.add(QStringLiteral(" AND a.입관일 <= :fdate "
                         " AND a.회원명 like :name ESCAPE '\\' "
                         " AND a.퇴관일 is null "
                         " AND a.휴관일 is null "
                         " ORDER BY d.부명, a.급품코드 desc "));
    q.bind({{"fdate", from}, {"tdate", to}});
    bindFilter(q, f);
    q.open();
    QList<PerfectLine> out;
    while (q.next()) {
        PerfectLine l;
        l.memberNo = q.str(QStringLiteral("회원번호"));
        l.name = q.str(QStringLiteral("회원명"));
        l.sex = q.str(QStringLiteral("성별"));
        l.born = q.str(QStringLiteral("생년월일"));
        l.solarLunar = q.str(QStringLiteral("양력음력"));
        l.enrolled = q.date(QStringLiteral("입관일"));
        l.rankCode = q.str(QStringLiteral("급품코드"));
        l.rank = q.str(QStringLiteral("급품명"));
        l.division = q.str(QStringLiteral("부명"));
        out.append(l);
    }
    return out;
}

bool printDaily(const QList<DailyLine>& lines, const QString& school, int destination, QWidget* parent)
{
    report::PrintJob job;
    for (const DailyLine& l : lines)
        job.add({{"f01", l.name},
                 {"f02", l.division},
                 {"f03", db::dateText(l.enrolled)},
                 {"f04", l.phone},
                 {"f05", l.unpaid},
                 {"f06", db::dateText(l.date).trimmed()},
                 {"association", school}});
    return job.run(QStringLiteral("일일결석.rpt"), QStringLiteral("일일결석자"), destination, parent);
}

bool printCounts(const QList<CountLine>& lines, const QString& school, const QDate& from, const QDate& to,
                 int destination, QWidget* parent)
{
    const QString period = from.toString(QStringLiteral(" yyyy-MM-dd ~ ")) + to.toString(QStringLiteral("yyyy-MM-dd "));
    report::PrintJob job;
    for (const CountLine& l : lines)
        job.add({{"f01", l.name},
                 {"f02", l.division},
                 {"f03", db::dateText(l.enrolled)},
                 {"f04", l.phone},
                 {"f05", l.unpaid},
                 {"f06", l.days},
                 {"f07", period},
                 {"association", school}});
    return job.run(QStringLiteral("결석현황.rpt"), QStringLiteral("결석현황 월간확인/결석일수별 현황"), destination, parent);
}

NoticeFile absenceNotice(const QList<DailyLine>& lines, const QDate& from, const QDate& to)
{
    NoticeFile file(QStringLiteral("결석통보"));
    QSet<QString> withEmail;
    for (const DailyLine& l : lines)
        if (!l.email.trimmed().isEmpty())
            withEmail.insert(l.memberNo);
    QStringList numbers(withEmail.begin(), withEmail.end());
    std::sort(numbers.begin(), numbers.end());
    db::Query m(QStringLiteral(" SELECT T_회원.회원번호, T_회원.이메일,T_회원.회원명,T_회원.핸드폰번호 "
                               " FROM T_회원 "
                               " WHERE T_회원.회원번호 = :no "));
    db::Query a(QStringLiteral(" SELECT T_결석.회원번호, T_결석.결석일자, T_결석사유.결석사유, T_결석.비고 "
                               " FROM T_결석 LEFT JOIN T_결석사유 ON T_결석.결석사유코드= T_결석사유.결석사유코드 "
                               " WHERE T_결석.회원번호 = :no "
                               " AND T_결석.결석일자 BETWEEN :FromDate AND :ToDate "
                               " ORDER BY T_결석.결석일자 "));
    for (const QString& no : std::as_const(numbers)) {
        m.bind(QStringLiteral("no"), no).open();
        if (!m.next())
            continue;
        NoticeLine line;
        line.item(kRule).item(QStringLiteral("*.수련생 : ") + m.str(QStringLiteral("회원명")));
        a.bind({{"no", m.str(QStringLiteral("회원번호"))}, {"FromDate", from}, {"ToDate", to}}).open();
        bool first = true;
        while (a.next()) {
            const QString date = a.str(QStringLiteral("결석일자")), reason = a.str(QStringLiteral("결석사유"));
            if (first)
                line.piece(QStringLiteral("*.결석일 : ") + date + QStringLiteral(" / ") + reason);
            else
                line.piece(QStringLiteral("&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;:&nbsp;") + date
                           + u'/' + reason);
            const QString note = a.str(QStringLiteral("비고")).trimmed();
            line.item(note.isEmpty() ? QString() : QStringLiteral(" / ") + note);
            first = false;
        }
        a.close();
        line.item(kRule)
            .item(QStringLiteral("*.위와 같이 결석이 있었습니다. 참고하시기 바랍니다."))
            .item(kRule)
            .piece(m.str(QStringLiteral("핸드폰번호")));
        file.addRecipient(m.str(QStringLiteral("이메일")), line);
        m.close();
    }
    return file;
}

} // namespace AbsenceReports
