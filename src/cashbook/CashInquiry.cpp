#include "cashbook/CashInquiry.h"

#include "db/MonthKey.h"
#include "db/Query.h"

qint64 CashInquiry::netOfMonthUpTo(const QDate& to, bool inclusive)
{
    return netBetween(QDate(to.year(), to.month(), 1), to, inclusive);
}

qint64 CashInquiry::netBetween(const QDate& from, const QDate& to, bool inclusive)
{
    const QString sql = inclusive
        ? QStringLiteral(" SELECT Sum(입금액) - Sum(출금액) FROM T_금전출납 WHERE 일자 >=:FromDate AND 일자 <= :ToDate ")
        : QStringLiteral(" SELECT Sum(입금액) - Sum(출금액) FROM T_금전출납 WHERE 일자 >=:FromDate AND 일자 < :ToDate ");
    return db::scalar(sql, {{"FromDate", db::dateText(from)}, {"ToDate", db::dateText(to)}}).toLongLong();
}

qint64 CashInquiry::balanceAt(const QDate& d, bool inclusive)
{
    // The last closed month before the date's month gives the balance at its end; every later line counts
    // on top of it. Normally that is the month just before; when it is still open (the window stayed open
    // over the month's end, a later period, a month just cancelled) the open months' lines count too, so
    // the running balance never falls back to zero. With no closed month, the month's own lines.
    db::Query q(QStringLiteral(" SELECT TOP 1 마감연월, 차변누계금액 - 대변누계금액 AS 잔액 FROM T_금전출납마감 "
                               " WHERE 마감여부 ='1' AND 마감연월 <=:마감연월 ORDER BY 마감연월 DESC"));
    q.bind("마감연월", monthkey::prevMonth(monthkey::monthKey(d))).open();
    if (!q.next())
        return netOfMonthUpTo(d, inclusive);
    return q.integer("잔액") + netBetween(monthkey::firstDay(monthkey::nextMonth(q.str("마감연월"))), d, inclusive);
}

CashInquiry::Result CashInquiry::byDate(const QDate& from, const QDate& to)
{
    Result r;
    const QString s = db::dateText(from), e = db::dateText(to);

    // A closed month carries its balance forward to the first day of the next month: a "전월이월" row
    // that comes before the lines of that day and restarts the running balance.
    struct Carry {
        QString date;
        int seq;
        qint64 balance;
    };
    QList<Carry> carries;
    {
        db::Query closed(QStringLiteral(" SELECT 마감연월, 차변누계금액, 대변누계금액 "
                                        " FROM T_금전출납마감 "
                                        " WHERE 마감여부 ='1' ORDER BY 마감연월"));
        closed.open();
        int c = 0;
        while (closed.next()) {
            const QString day = db::dateText(monthkey::firstDay(monthkey::nextMonth(closed.str("마감연월"))));
            ++c;
            if (day >= s && day <= e)
                carries.append({day, c, closed.integer("차변누계금액") - closed.integer("대변누계금액")});
        }
    }

    qint64 balance = balanceAt(from, false);

    int nextCarry = 0;
    auto carryUpTo = [&](const QString& day) {
        for (; nextCarry < carries.size() && carries[nextCarry].date <= day; ++nextCarry) {
            const Carry& c = carries[nextCarry];
            Row row;
            row.date = db::parseDate(c.date);
            row.seq = c.seq;
            row.mainItem = kCarry;
            row.carry = true;
            balance = c.balance;
            row.balance = balance;
            r.rows.append(row);
        }
    };
    db::Query lines(QStringLiteral("SELECT 일자, 순번, 대항목, 소항목, 입금액, 출금액, 적요 FROM T_금전출납 "
                                   "WHERE (일자 BETWEEN :SDate AND :EDate ) ORDER BY 일자, 순번"));
    lines.bind({{"SDate", s}, {"EDate", e}}).open();
    const int cDate = lines.columnIndex("일자"), cSeq = lines.columnIndex("순번"), cMain = lines.columnIndex("대항목"),
              cSub = lines.columnIndex("소항목"), cIn = lines.columnIndex("입금액"), cOut = lines.columnIndex("출금액"),
              cMemo = lines.columnIndex("적요");
    while (lines.next()) {
        const QString day = lines.value(cDate).toString();
        carryUpTo(day);
        Row row;
        row.date = db::parseDate(day);
        row.seq = lines.value(cSeq).toInt();
        row.mainItem = lines.value(cMain).toString();
        row.subItem = lines.value(cSub).toString();
        row.memo = lines.value(cMemo).toString();
        row.income = lines.value(cIn).toLongLong();
        row.expense = lines.value(cOut).toLongLong();
        r.income += row.income;
        r.expense += row.expense;
        ++r.found;
        balance += row.income - row.expense;
        row.balance = balance;
        r.rows.append(row);
    }
    carryUpTo(e);
    r.current = balance;
    return r;
}

CashInquiry::Result CashInquiry::byItem(const QString& mainItem, const QString& subItem, const QDate& from,
                                        const QDate& to)
{
    auto pattern = [](const QString& item) {
        // What is typed is matched as text: a "%" or "_" in an item name is no wildcard.
        return item.isEmpty() || item == kAll ? QStringLiteral("%") : QStringLiteral("%") + db::likeLiteral(item) + QStringLiteral("%");
    };
    Result r;
    db::Query q(QStringLiteral("SELECT * FROM T_금전출납 "
                               "WHERE 대항목 like :대항목 ESCAPE '\\'  "
                               "AND   Nz(소항목, '') like :소항목 ESCAPE '\\'  "
                               "AND (일자 BETWEEN :SDate AND :EDate )"
                               "ORDER BY 일자 DESC, 순번     "));
    q.bind({{"대항목", pattern(mainItem)}, {"소항목", pattern(subItem)}, {"SDate", db::dateText(from)},
            {"EDate", db::dateText(to)}}).open();
    while (q.next()) {
        Row row;
        row.date = q.date("일자");
        row.seq = int(q.integer("순번"));
        row.mainItem = q.str("대항목");
        row.subItem = q.str("소항목");
        row.income = q.integer("입금액");
        row.expense = q.integer("출금액");
        row.memo = q.str("적요");
        r.income += row.income;
        r.expense += row.expense;
        r.rows.append(row);
    }
    r.found = r.rows.size();
    // The cash on hand at the end date counts every line, whatever the item filters.
    r.current = balanceAt(to, true);
    return r;
}
