#include "fees/MonthPayers.h"

#include "db/MonthKey.h"
#include "db/Query.h"

#include <QHash>

QList<MonthPayers::Line> MonthPayers::list(const QDate& month, const QString& name, const DivisionFilter::Condition& division,
                                           const QString& bank, Order order)
{
    db::Query q;
    q << "SELECT T_회원.회원번호, T_회원.회원명, T_부별코드.부명, "
         "T_회원.입관일, T_회원.전화번호, T_회원.납부일자 As 일자,"
         "T_회원.납부은행, T_수련비납부.납부일자 "
         "FROM (T_회원 INNER JOIN T_부별코드 ON T_회원.부별코드 = T_부별코드.부별코드) "
         "LEFT JOIN T_수련비납부 ON T_회원.회원번호 = T_수련비납부.회원번호 "
         "Where T_회원.회원명 like :name ";
    DivisionFilter::apply(q, division);
    q << "AND T_수련비납부.년월분 = :월 "
         "AND T_회원.퇴관일 is null "
         "AND T_회원.휴관일 is null ";
    if (!bank.trimmed().isEmpty()) {
        q << "AND T_회원.납부은행 like :납부은행 ";
        q.bind("납부은행", bank.trimmed() + u'%');
    }
    switch (order) {
    case Order::PayDate: q << "ORDER BY T_수련비납부.납부일자,T_부별코드.부별코드,T_회원.회원명 "; break;
    case Order::Division: q << "ORDER BY T_부별코드.부별코드, T_수련비납부.납부일자, T_회원.회원명 "; break;
    case Order::Bank: q << "ORDER BY T_회원.납부은행, T_수련비납부.납부일자,T_부별코드.부별코드, T_회원.회원명 "; break;
    }
    q.bind({{"name", u'%' + name.trimmed() + u'%'}, {"월", monthkey::monthKey(month)}});
    q.open();

    // The months of the year paid so far, of the month's payers only: one bit per month.
    const QString year = QString::number(month.year());
    QHash<QString, quint16> paid;
    {
        db::Query p("Select g.회원번호, g.년월분 From T_수련비납부 g Where g.년월분 >= :년초 and g.년월분 < :월 "
                    "and g.회원번호 In (Select f.회원번호 From T_수련비납부 f Where f.년월분 = :월)");
        p.bind({{"년초", year + QStringLiteral("01")}, {"월", monthkey::monthKey(month)}}).open();
        while (p.next())
            paid[p.value(0).toString()] |= quint16(1u << p.value(1).toString().mid(4, 2).toInt());
    }

    QList<Line> lines;
    while (q.next()) {
        Line l;
        l.memberNo = q.str("회원번호");
        l.name = q.str("회원명");
        l.division = q.str("부명");
        l.enrolled = db::dateText(q.date("입관일"));
        l.phone = q.str("전화번호");
        l.payDay = q.str("일자").trimmed();
        l.paidOn = db::dateText(q.date("납부일자"));
        l.bank = q.str("납부은행");
        const QString enrolledKey = l.enrolled.left(4) + l.enrolled.mid(5, 2);
        const quint16 months = paid.value(l.memberNo);
        for (int m = 1; m < month.month(); ++m) {
            const QString key = year + QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0'));
            if (!(months & (1u << m)) && !(key < enrolledKey))
                l.unpaidMonths += u' ' + QStringLiteral("%1").arg(m, 2, 10, QLatin1Char('0'));
        }
        lines.append(l);
    }
    return lines;
}
