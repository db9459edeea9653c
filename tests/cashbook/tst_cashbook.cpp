// Lines of the cash book, fee-line deletion, the period lists with their running balance, categories.
#include "cashbook/CashBook.h"
#include "cashbook/CashCategories.h"
#include "cashbook/CashInquiry.h"
#include "cashbook/MonthClosing.h"
#include "db/Query.h"
#include "support/TestDb.h"

#include <QTest>

namespace {

void line(const QString& date, int seq, const QString& main, const QString& sub, qint64 in, qint64 out,
          const QString& link = QString())
{
    db::run("INSERT INTO T_금전출납 (일자, 순번, 대항목, 소항목, 입금액, 출금액, 적요, 수련비순번) "
            "VALUES (:d, :s, :m, :u, :i, :o, '', :l)",
            {{"d", date}, {"s", seq}, {"m", main}, {"u", sub}, {"i", in}, {"o", out}, {"l", link}});
}

void closed(const QString& month, qint64 accIn, qint64 accOut)
{
    db::run("INSERT INTO T_금전출납마감 VALUES (:m, 0, 0, :i, :o, '1')", {{"m", month}, {"i", accIn}, {"o", accOut}});
}

int count(const QString& table, const QString& where = QString())
{
    return db::scalar("SELECT count(*) FROM " + table + " " + where).toInt();
}

// Rows of a result as "date kind in/out=balance" joined by " | " (kind: C carry, L line).
QString shown(const CashInquiry::Result& r)
{
    QStringList out;
    for (const auto& row : r.rows)
        out << QString("%1 %2 %3/%4=%5").arg(row.date.toString("MM-dd"), row.carry ? "C" : "L")
                   .arg(row.income).arg(row.expense).arg(row.balance);
    return out.join(" | ");
}

} // namespace

class TestCashBook : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init() { m_db = std::make_unique<TestDb>(); }
    void cleanup() { m_db.reset(); }

    void numberingAndAmounts()
    {
        const QDate d(2024, 5, 2);
        int seq = 0;
        for (int i = 0; i < 3; ++i)
            QCOMPARE(CashBook::addLine(d, "운영비", "전기료", false, 10000 * (i + 1), "", &seq), QString());
        QCOMPARE(seq, 3);
        QCOMPARE(CashBook::deleteLine(d, 2), QString());
        CashBook::addLine(d, "운영비", "전기료", true, 50000, "메모", &seq);
        QCOMPARE(seq, 4);
        QCOMPARE(db::scalar("SELECT 입금액 FROM T_금전출납 WHERE 순번 = 4").toLongLong(), 50000);
        QCOMPARE(db::scalar("SELECT 출금액 FROM T_금전출납 WHERE 순번 = 4").toLongLong(), 0);
        // Switching an income line to an expense moves the amount.
        CashBook::updateLine(d, 4, "운영비", "전기료", false, 50000, "메모");
        QCOMPARE(db::scalar("SELECT 입금액 FROM T_금전출납 WHERE 순번 = 4").toLongLong(), 0);
        QCOMPARE(db::scalar("SELECT 출금액 FROM T_금전출납 WHERE 순번 = 4").toLongLong(), 50000);
        const CashBook::Totals t = CashBook::dayTotals(d);
        QCOMPARE(t.income, 0);
        QCOMPARE(t.expense, 10000 + 30000 + 50000);
        QCOMPARE(CashBook::linesOf(d).size(), 3);
        QCOMPARE(CashBook::nextSeq(QDate(2024, 5, 3)), 1);
    }

    void feeLineDeletesExactlyItsPayment()
    {
        // Two months paid on one day: the fee 순번 counts per month, so both rows carry 5 and both
        // cash lines the same link.
        const QString no = "202401001";
        db::run("INSERT INTO T_수련비납부 VALUES (:n, '202404', 5, '2024-05-02', 80000, '')", {{"n", no}});
        db::run("INSERT INTO T_수련비납부 VALUES (:n, '202405', 5, '2024-05-02', 90000, '')", {{"n", no}});
        line("2024-05-02", 1, "수련비", "홍길동", 80000, 0, no + "-0005");
        line("2024-05-02", 2, "수련비", "홍길동", 90000, 0, no + "-0005");
        line("2024-05-02", 3, "운영비", "기타", 0, 1000);

        QCOMPARE(CashBook::deleteLine(QDate(2024, 5, 2), 2), QString());
        QCOMPARE(count("T_수련비납부"), 1);
        QCOMPARE(db::scalar("SELECT 년월분 FROM T_수련비납부").toString(), QString("202404"));
        QCOMPARE(count("T_금전출납"), 2);
        QCOMPARE(count("T_금전출납", "WHERE 순번 = 2"), 0);

        QCOMPARE(CashBook::deleteLine(QDate(2024, 5, 2), 1), QString());
        QCOMPARE(count("T_수련비납부"), 0);
        QCOMPARE(count("T_금전출납"), 1);
    }

    // Texts wider than their column and days that do not exist are refused, never stored: a wrong date
    // is called wrong, not closed.
    void lineRefusesBadValues_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("main");
        QTest::addColumn<QString>("memo");
        QTest::addColumn<QString>("message");
        QTest::newRow("memo of 201") << QDate(2024, 5, 2) << "운영비" << QString(201, u'가') << "적요은(는) 200자까지 입력할 수 있습니다. (201자 입력)";
        QTest::newRow("item of 31") << QDate(2024, 5, 2) << QString(31, u'a') << "" << "주항목은(는) 30자까지 입력할 수 있습니다. (31자 입력)";
        QTest::newRow("no such day") << QDate::fromString("2024-02-30", Qt::ISODate) << "운영비" << "" << "일자가 바른 날짜가 아닙니다.";
    }
    void lineRefusesBadValues()
    {
        QFETCH(QDate, date);
        QFETCH(QString, main);
        QFETCH(QString, memo);
        QFETCH(QString, message);
        line("2024-05-02", 1, "운영비", "기타", 0, 1000);
        QVERIFY(CashBook::addLine(date, main, "기타", true, 5, memo).startsWith(message));
        if (date.isValid())
            QVERIFY(CashBook::updateLine(date, 1, main, "기타", true, 5, memo).startsWith(message));
        else
            QVERIFY(CashBook::deleteLine(date, 1).startsWith("삭제할 금전출납 자료가 없습니다."));
        QCOMPARE(count("T_금전출납"), 1);
        QCOMPARE(db::scalar("SELECT 출금액 FROM T_금전출납").toLongLong(), 1000);
    }

    void closedMonthRefusesChanges()
    {
        closed("202403", 1000, 0);
        db::run("INSERT INTO T_수련비납부 VALUES ('202401001', '202403', 1, '2024-03-02', 80000, '')");
        line("2024-03-02", 1, "수련비", "홍길동", 80000, 0, "202401001-0001");
        line("2024-03-02", 2, "운영비", "기타", 0, 1000);
        const QDate d(2024, 3, 2);
        const QString feeMessage = "마감된 자료는 삭제 할 수 없습니다.\n\n마감취소후 작업하세요.";
        QCOMPARE(CashBook::deleteLine(d, 1), feeMessage);
        QCOMPARE(CashBook::deleteLine(d, 2), feeMessage);
        QVERIFY(!CashBook::addLine(d, "운영비", "기타", true, 5, "").isEmpty());
        QVERIFY(!CashBook::updateLine(d, 2, "운영비", "기타", true, 5, "").isEmpty());
        QCOMPARE(count("T_금전출납"), 2);
        QCOMPARE(count("T_수련비납부"), 1);
        QCOMPARE(db::scalar("SELECT 출금액 FROM T_금전출납 WHERE 순번 = 2").toLongLong(), 1000);
        // The month after the last closed one is open.
        QCOMPARE(CashBook::addLine(QDate(2024, 4, 1), "운영비", "기타", true, 5, ""), QString());
    }

    void runningBalance_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<qint64>("income");
        QTest::addColumn<qint64>("expense");
        QTest::addColumn<qint64>("current");
        // February closed at 1,000,000 / 400,000; January closed at 700,000 / 300,000; lines of
        // 30,000 in on 02-10, 50,000 in on 03-05, 20,000 out on 03-20.
        QTest::newRow("start inside the month")
            << QDate(2024, 3, 15) << QDate(2024, 3, 31) << "03-20 L 0/20000=630000" << qint64(0) << qint64(20000)
            << qint64(630000);
        QTest::newRow("start on the first: carry-forward row first")
            << QDate(2024, 3, 1) << QDate(2024, 3, 31)
            << "03-01 C 0/0=600000 | 03-05 L 50000/0=650000 | 03-20 L 0/20000=630000" << qint64(50000) << qint64(20000)
            << qint64(630000);
        QTest::newRow("two carry-forward rows reset the balance")
            << QDate(2024, 2, 1) << QDate(2024, 3, 10)
            << "02-01 C 0/0=400000 | 02-10 L 30000/0=430000 | 03-01 C 0/0=600000 | 03-05 L 50000/0=650000"
            << qint64(80000) << qint64(0) << qint64(650000);
        QTest::newRow("no rows: the opening balance")
            << QDate(2024, 3, 6) << QDate(2024, 3, 19) << "" << qint64(0) << qint64(0) << qint64(650000);
        QTest::newRow("carry-forward row on the last day, without lines")
            << QDate(2024, 2, 1) << QDate(2024, 3, 1) << "02-01 C 0/0=400000 | 02-10 L 30000/0=430000 | 03-01 C 0/0=600000"
            << qint64(30000) << qint64(0) << qint64(600000);
        // March is still open: its lines follow the February figures instead of a balance of zero.
        QTest::newRow("after the last closed month")
            << QDate(2024, 4, 1) << QDate(2024, 4, 30) << "04-10 L 0/5000=625000" << qint64(0) << qint64(5000)
            << qint64(625000);
        QTest::newRow("after the last closed month, start inside the month")
            << QDate(2024, 4, 11) << QDate(2024, 5, 31) << "" << qint64(0) << qint64(0) << qint64(625000);
    }
    void runningBalance()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, rows);
        QFETCH(qint64, income);
        QFETCH(qint64, expense);
        QFETCH(qint64, current);
        closed("202401", 700000, 300000);
        closed("202402", 1000000, 400000);
        line("2024-02-10", 1, "운영비", "기타", 30000, 0);
        line("2024-03-05", 1, "운영비", "기타", 50000, 0);
        line("2024-03-20", 1, "운영비", "기타", 0, 20000);
        line("2024-04-10", 1, "운영비", "기타", 0, 5000);
        const CashInquiry::Result r = CashInquiry::byDate(from, to);
        QCOMPARE(shown(r), rows);
        QCOMPARE(r.income, income);
        QCOMPARE(r.expense, expense);
        QCOMPARE(r.difference(), income - expense);
        QCOMPARE(r.current, current);
        QCOMPARE(r.found, int(std::count_if(r.rows.begin(), r.rows.end(), [](const auto& x) { return !x.carry; })));
    }

    void itemMode()
    {
        closed("202402", 1000000, 400000);
        line("2024-03-05", 1, "수련비", "홍길동", 50000, 0, "202401001-0001");
        line("2024-03-20", 1, "운영비", "전기료", 0, 20000);
        line("2024-03-20", 2, "운영비", "수도료", 0, 5000);
        line("2024-03-25", 1, "운영비", "전기료", 0, 7000);

        CashInquiry::Result all = CashInquiry::byItem("전체", "전체", QDate(2024, 3, 1), QDate(2024, 3, 20));
        QCOMPARE(all.found, 3);
        QCOMPARE(all.rows.first().date, QDate(2024, 3, 20)); // newest first
        QCOMPARE(all.income, 50000);
        QCOMPARE(all.expense, 25000);

        // 현잔 counts every line up to the end date, whatever the filters.
        CashInquiry::Result power = CashInquiry::byItem("운영비", "전기", QDate(2024, 3, 1), QDate(2024, 3, 20));
        QCOMPARE(power.found, 1);
        QCOMPARE(power.expense, 20000);
        QCOMPARE(power.current, 600000 + 50000 - 25000);
        QCOMPARE(all.current, power.current);
        // March still open: 현잔 at the end of April still counts the March lines.
        QCOMPARE(CashInquiry::byItem("전체", "전체", QDate(2024, 4, 1), QDate(2024, 4, 30)).current,
                 600000 + 50000 - 32000);
    }

    void noClosingRowsStartsFromTheMonth()
    {
        // Books not started: nothing carries a balance, the month's own lines before the start do.
        line("2024-02-10", 1, "운영비", "기타", 30000, 0);
        line("2024-03-05", 1, "운영비", "기타", 50000, 0);
        line("2024-03-20", 1, "운영비", "기타", 0, 20000);
        const CashInquiry::Result r = CashInquiry::byDate(QDate(2024, 3, 15), QDate(2024, 3, 31));
        QCOMPARE(shown(r), QString("03-20 L 0/20000=30000"));
        QCOMPARE(r.current, 30000);
        QCOMPARE(shown(CashInquiry::byDate(QDate(2024, 2, 1), QDate(2024, 3, 31))),
                 QString("02-10 L 30000/0=30000 | 03-05 L 50000/0=80000 | 03-20 L 0/20000=60000"));
    }

    void categoriesBindTypedNames()
    {
        CashCategories::addCategory(" 1a0 ", "Mom's 운영비");
        QVERIFY(CashCategories::categoryExists("1A0"));
        CashCategories::addDetail("1A0", "0001", "O'Brien 수리");
        CashCategories::addDetail("1A0", "0002", "전기료");
        CashCategories::addCategory("A01", "상품");  // a goods group: not an income/expense item
        QCOMPARE(CashBook::mainItems(), QStringList{"Mom's 운영비"});
        QCOMPARE(CashBook::subItems("Mom's 운영비"), (QStringList{"O'Brien 수리", "전기료"}));
        QCOMPARE(CashBook::addLine(QDate(2024, 5, 1), "Mom's 운영비", "O'Brien 수리", false, 100, "it's"), QString());
        QCOMPARE(CashInquiry::byItem("Mom's", "O'Brien", QDate(2024, 5, 1), QDate(2024, 5, 1)).found, 1);
        // A "_" or "%" typed as an item is text, not a wildcard.
        db::run("INSERT INTO T_금전출납 (일자, 순번, 대항목, 소항목, 입금액, 출금액) VALUES ('2024-05-02', 1, 'A_B', '10%', 5, 0)");
        db::run("INSERT INTO T_금전출납 (일자, 순번, 대항목, 소항목, 입금액, 출금액) VALUES ('2024-05-02', 2, 'AxB', '100', 7, 0)");
        QCOMPARE(CashInquiry::byItem("A_B", "전체", QDate(2024, 5, 2), QDate(2024, 5, 2)).income, 5);
        QCOMPARE(CashInquiry::byItem("전체", "10%", QDate(2024, 5, 2), QDate(2024, 5, 2)).found, 1);

        QVERIFY(CashCategories::detailExists("1A0", "0001"));
        QVERIFY(!CashCategories::validCategory("10", "x"));
        QVERIFY(!CashCategories::validDetail("0001", "  "));
        CashCategories::deleteCategory("1A0");
        QCOMPARE(count("T_코드상세"), 0);
        QCOMPARE(count("T_코드구분"), 1);
    }
};

QTEST_GUILESS_MAIN(TestCashBook)
#include "tst_cashbook.moc"
