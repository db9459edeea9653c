#include "cashbook/CashInquiry.h"

#include "cashbook/CashMonth.h"
#include "db/Query.h"

namespace {
QString blankIfEmpty(const QString& s) { return s.isEmpty() ? QStringLiteral(" ") : s; }
QString trimBlank(const QString& s) { return s == QStringLiteral(" ") ? QString() : s; }
}

qint64 CashInquiry::closedBalanceBefore(const QDate& d)
{
    const QString prev = cash::prevMonth(cash::monthKey(d));
    return db::scalar(QStringLiteral(" SELECT 차변누계금액 - 대변누계금액 "
                                     " FROM T_금전출납마감 "
                                     " WHERE 마감여부 ='1'"
                                     " AND   마감연월 =:마감연월"), {{"마감연월", prev}})
        .toLongLong();
}

qint64 CashInquiry::netOfMonthUpTo(const QDate& to, bool inclusive)
{
    const QString sql = inclusive
        ? QStringLiteral(" SELECT Sum(입금액) - Sum(출금액) FROM T_금전출납 WHERE 일자 >=:FromDate AND 일자 <= :ToDate ")
        : QStringLiteral(" SELECT Sum(입금액) - Sum(출금액) FROM T_금전출납 WHERE 일자 >=:FromDate AND 일자 < :ToDate ");
    return db::scalar(sql, {{"FromDate", db::dateText(QDate(to.year(), to.month(), 1))}, {"ToDate", db::dateText(to)}})
        .toLongLong();
}

CashInquiry::Result CashInquiry::byDate(const QDate& from, const QDate& to)
{
    Result r;
    const QString s = db::dateText(from), e = db::dateText(to);
    {
        db::Transaction tx;
        db::run(QStringLiteral(" DELETE FROM  T_금전출납Temp "));
        // The period's lines are copied by one statement; blanks stand for empty texts as before.
        db::run(QStringLiteral("INSERT INTO T_금전출납Temp "
                               " (일자, 구분,순번, 대항목, 소항목, 입금액, 출금액,적요,수련비순번) "
                               " SELECT 일자, '2', 순번, IIf(Nz(대항목,'') = '', ' ', 대항목), IIf(Nz(소항목,'') = '', ' ', 소항목), "
                               " 입금액, 출금액, IIf(Nz(적요,'') = '', ' ', 적요), IIf(Nz(수련비순번,'') = '', ' ', 수련비순번) "
                               " FROM T_금전출납 WHERE (일자 BETWEEN :SDate AND :EDate )"),
                {{"SDate", s}, {"EDate", e}});
        {
            db::Query sums(QStringLiteral("SELECT count(*) AS n, Sum(입금액) AS i, Sum(출금액) AS o FROM T_금전출납 "
                                          "WHERE (일자 BETWEEN :SDate AND :EDate )"));
            sums.bind({{"SDate", s}, {"EDate", e}}).open();
            if (sums.next()) {
                r.found = int(sums.integer("n"));
                r.income = sums.integer("i");
                r.expense = sums.integer("o");
            }
        }
        const QString ins = QStringLiteral("INSERT INTO T_금전출납Temp "
                                           " (일자, 구분,순번, 대항목, 소항목, 입금액, 출금액,적요,수련비순번) "
                                           " values "
                                           " (:일자, :구분,:순번, :대항목, :소항목, :입금액, :출금액, :적요,:수련비순번) ");
        db::Query put(ins);
        int c = 0;

        db::Query closed(QStringLiteral(" SELECT 마감연월, 당월차변금액,  당월대변금액, 차변누계금액, 대변누계금액 "
                                        " FROM T_금전출납마감 "
                                        " WHERE 마감여부 ='1' ORDER BY 마감연월"));
        closed.open();
        while (closed.next()) {
            const QString next = cash::nextMonth(closed.str("마감연월"));
            put.bind({{"일자", db::dateText(cash::firstDay(next))}, {"구분", "1"}, {"순번", ++c},
                      {"대항목", kCarry}, {"소항목", " "},
                      {"입금액", closed.integer("차변누계금액") - closed.integer("대변누계금액")}, {"출금액", 0},
                      {"적요", " "}, {"수련비순번", " "}});
            put.exec();
        }
        tx.commit();
    }

    qint64 balance = closedBalanceBefore(from);
    if (from.day() != 1)
        balance += netOfMonthUpTo(from, false);

    // Within a date the lines keep their own numbers in ascending order; 순번 of the copies would
    // follow the reading order, which is the same, but the line's own number is what is shown.
    db::Query show(QStringLiteral(" SELECT *  FROM  T_금전출납Temp "
                                  "WHERE (일자 BETWEEN :SDate AND :EDate )"
                                  " ORDER BY  일자,구분,순번  "));
    show.bind({{"SDate", s}, {"EDate", e}}).open();
    while (show.next()) {
        Row row;
        row.date = show.date("일자");
        row.seq = int(show.integer("순번"));
        row.mainItem = trimBlank(show.str("대항목"));
        row.subItem = trimBlank(show.str("소항목"));
        row.memo = trimBlank(show.str("적요"));
        row.carry = show.str("구분") == QStringLiteral("1") && row.mainItem == kCarry;
        if (row.carry) {
            balance = show.integer("입금액");
        } else {
            row.income = show.integer("입금액");
            row.expense = show.integer("출금액");
            balance += row.income - row.expense;
        }
        row.balance = balance;
        r.rows.append(row);
    }
    r.current = balance;
    return r;
}

CashInquiry::Result CashInquiry::byItem(const QString& mainItem, const QString& subItem, const QDate& from,
                                        const QDate& to)
{
    auto pattern = [](const QString& item) {
        return item.isEmpty() || item == kAll ? QStringLiteral("%") : QStringLiteral("%") + item + QStringLiteral("%");
    };
    Result r;
    db::Query q(QStringLiteral("SELECT * FROM T_금전출납 "
                               "WHERE 대항목 like :대항목   "
                               "AND   Nz(소항목, '') like :소항목   "
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
    r.current = closedBalanceBefore(to) + netOfMonthUpTo(to, true);
    return r;
}
