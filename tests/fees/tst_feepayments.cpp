// The fee-payment service: a fee row and its cash-book line always written and deleted together.
#include "fees/FeePayments.h"
#include "fees/FeeFixture.h"
#include "support/ServerTest.h"

#include <QTest>

using namespace feefix;

class TestFeePayments : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

    static QString cashText(const QString& day, int seq, const QString& column)
    {
        return db::scalar("SELECT " + column + " FROM T_금전출납 WHERE 일자 = :d AND 순번 = :s", {{"d", day}, {"s", seq}}).toString();
    }

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        addMember({"202401001", "김하늘"});
        addMember({"202401002", "이바다"});
    }
    void cleanup() { m_db.reset(); }

    void feeLinkText()
    {
        QCOMPARE(FeePayments::feeLink("202403001", 7), QString("202403001-0007"));
        QString no;
        int seq = 0;
        QVERIFY(FeePayments::parseFeeLink("202403001-0123", &no, &seq));
        QCOMPARE(no, QString("202403001"));
        QCOMPARE(seq, 123);
        QVERIFY(!FeePayments::parseFeeLink("", &no, &seq));
        QVERIFY(!FeePayments::parseFeeLink("거래처", &no, &seq));
    }

    void writesFeeRowAndCashLine()
    {
        const FeePayment p = FeePayments::add("202401001", "202405", QDate(2024, 5, 10), 100000, "5월분");
        QCOMPARE(p.seq, 1);
        QCOMPARE(p.cashSeq, 1);
        db::Query f("SELECT * FROM T_수련비납부");
        f.open();
        QVERIFY(f.next());
        QCOMPARE(f.str("회원번호"), QString("202401001"));
        QCOMPARE(f.str("년월분"), QString("202405"));
        QCOMPARE(f.integer("순번"), 1);
        QCOMPARE(f.str("납부일자"), QString("2024-05-10"));
        QCOMPARE(f.integer("납부액"), 100000);
        QCOMPARE(f.str("비고"), QString("5월분"));
        f.close();
        db::Query c("SELECT * FROM T_금전출납");
        c.open();
        QVERIFY(c.next());
        QCOMPARE(c.str("일자"), QString("2024-05-10"));
        QCOMPARE(c.integer("순번"), 1);
        QCOMPARE(c.str("대항목"), QString("수련비"));
        QCOMPARE(c.str("소항목"), QString("김하늘"));
        QCOMPARE(c.integer("입금액"), 100000);
        QCOMPARE(c.integer("출금액"), 0);
        QCOMPARE(c.str("적요"), QString("5월분"));
        QCOMPARE(c.str("수련비순번"), QString("202401001-0001"));
        QVERIFY(!c.next());
    }

    void numbering()
    {
        sqlExec("INSERT INTO T_금전출납 (일자, 순번, 대항목, 입금액, 출금액) VALUES ('2024-05-10', 4, '잡수입', 5000, 0)");
        // 순번 runs per month over all members; the cash-book 순번 per date.
        const FeePayment a = FeePayments::add("202401001", "202405", QDate(2024, 5, 10), 100000, "");
        const FeePayment b = FeePayments::add("202401002", "202405", QDate(2024, 5, 10), 100000, "");
        const FeePayment c = FeePayments::add("202401002", "202406", QDate(2024, 5, 11), 100000, "");
        QCOMPARE(a.seq, 1);
        QCOMPARE(b.seq, 2);
        QCOMPARE(c.seq, 1);
        QCOMPARE(a.cashSeq, 5);
        QCOMPARE(b.cashSeq, 6);
        QCOMPARE(c.cashSeq, 1);
        QCOMPARE(cashText("2024-05-10", 6, "수련비순번"), QString("202401002-0002"));
        QCOMPARE(cashText("2024-05-11", 1, "수련비순번"), QString("202401002-0001"));
    }

    void amountZero()
    {
        // A month let off on the fee screen still gets its (zero) cash-book line; a settlement row none.
        FeePayments::add("202401001", "202405", QDate(2024, 5, 10), 0, "면제");
        QCOMPARE(count("SELECT 납부액 FROM T_수련비납부 WHERE 년월분 = '202405'"), 0);
        QCOMPARE(count("SELECT count(*) FROM T_금전출납 WHERE 입금액 = 0 AND 수련비순번 = '202401001-0001'"), 1);
        const FeePayment s = FeePayments::add("202401001", "202406", QDate(2024, 5, 10), 0, "정산처리",
                                              FeePayments::CashLine::None);
        QCOMPARE(s.cashSeq, 0);
        QCOMPARE(feeRows(), 2);
        QCOMPARE(cashLines(), 1);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("memberNo");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QDate>("payDate");
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("message");
        const QDate d(2024, 5, 10);
        QTest::newRow("month 13") << "202401001" << "202413" << d << qint64(1) << int(FeeError::Kind::BadMonth) << "김하늘(202401001) : 년월분 '202413'";
        QTest::newRow("month 00") << "202401001" << "202400" << d << qint64(1) << int(FeeError::Kind::BadMonth) << "'202400'";
        QTest::newRow("dash form") << "202401001" << "2024-5" << d << qint64(1) << int(FeeError::Kind::BadMonth) << "yyyymm";
        QTest::newRow("empty month") << "202401001" << "" << d << qint64(1) << int(FeeError::Kind::BadMonth) << "yyyymm";
        QTest::newRow("already paid") << "202401001" << "202404" << d << qint64(1) << int(FeeError::Kind::AlreadyPaid)
                                      << "김하늘(202401001) 회원의 2024년 04월분 수련비는 이미 납부되어 있습니다.";
        QTest::newRow("no member") << "209901001" << "202405" << d << qint64(1) << int(FeeError::Kind::NoMember) << "209901001";
        QTest::newRow("negative") << "202401001" << "202405" << d << qint64(-1) << int(FeeError::Kind::BadAmount) << "0 이상";
        QTest::newRow("no date") << "202401001" << "202405" << QDate() << qint64(1) << int(FeeError::Kind::BadDate) << "납부일자";
        QTest::newRow("30 February") << "202401001" << "202405" << QDate(2024, 2, 30) << qint64(1) << int(FeeError::Kind::BadDate)
                                     << "바른 날짜가 아닙니다";
        QTest::newRow("last day of closed month") << "202401001" << "202405" << QDate(2024, 3, 31) << qint64(1)
                                                  << int(FeeError::Kind::ClosedMonth)
                                                  << "납부일자는 마감월 이후 이어야 합니다.\n2024-03 월 이후로 입력하세요.";
    }
    void refusals()
    {
        QFETCH(QString, memberNo);
        QFETCH(QString, month);
        QFETCH(QDate, payDate);
        QFETCH(qint64, amount);
        QFETCH(int, kind);
        QFETCH(QString, message);
        FeePayments::add("202401001", "202404", QDate(2024, 4, 10), 100000, "");
        closeBooksThrough("202403");
        try {
            FeePayments::add(memberNo, month, payDate, amount, "");
            QFAIL("not refused");
        } catch (const FeeError& e) {
            QCOMPARE(int(e.kind()), kind);
            QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        }
        QCOMPARE(feeRows(), 1);
        QCOMPARE(cashLines(), 1);
    }

    void firstDayAfterClosedMonth()
    {
        closeBooksThrough("202403");
        FeePayments::add("202401001", "202403", QDate(2024, 4, 1), 100000, "");
        QCOMPARE(feeRows(), 1);
        QCOMPARE(cashLines(), 1);
    }

    void failedCashLineLeavesNoFeeRow()
    {
        if (servertest::onServer())
            QSKIP("the refusing trigger is written for the embedded file; the server rolls back the same transaction");
        sqlExec("CREATE TRIGGER t_fail BEFORE INSERT ON T_금전출납 BEGIN SELECT RAISE(ABORT, 'disk full'); END");
        QVERIFY_THROWS_EXCEPTION(db::Error, FeePayments::add("202401001", "202405", QDate(2024, 5, 10), 100000, ""));
        QCOMPARE(feeRows(), 0);
        QCOMPARE(cashLines(), 0);
        sqlExec("DROP TRIGGER t_fail");
        // The next payment of the month is numbered as if nothing had happened.
        QCOMPARE(FeePayments::add("202401001", "202405", QDate(2024, 5, 10), 100000, "").seq, 1);
    }

    void insideCallersTransaction()
    {
        if (servertest::onServer())
            QSKIP("the refusing trigger is written for the embedded file; the server rolls back the same transaction");
        // Enrolment: its own rows and the first payment in one save; a refused payment leaves the rest.
        {
            db::Transaction tx;
            addMember({"202405001", "박산"});
            FeePayments::add("202405001", "202405", QDate(2024, 5, 15), 100000, "신규입관");
            sqlExec("CREATE TRIGGER t_fail BEFORE INSERT ON T_금전출납 BEGIN SELECT RAISE(ABORT, 'fail'); END");
            QVERIFY_THROWS_EXCEPTION(db::Error, FeePayments::add("202405001", "202406", QDate(2024, 5, 15), 1, ""));
            sqlExec("DROP TRIGGER t_fail");
            tx.commit();
        }
        QCOMPARE(count("SELECT count(*) FROM T_회원 WHERE 회원번호 = '202405001'"), 1);
        QCOMPARE(feeRows(), 1);
        QCOMPARE(cashLines(), 1);
        {
            db::Transaction tx;
            FeePayments::add("202405001", "202407", QDate(2024, 5, 15), 100000, "");
        } // not committed
        QCOMPARE(feeRows(), 1);
        QCOMPARE(cashLines(), 1);
    }

    void databaseHoldsOneRowPerMemberAndMonth()
    {
        FeePayments::add("202401001", "202405", QDate(2024, 5, 10), 100000, "");
        QVERIFY_THROWS_EXCEPTION(db::Error, db::run("INSERT INTO T_수련비납부 (회원번호, 년월분, 순번, 납부액) VALUES ('202401001', '202405', 9, 0)"));
        QVERIFY_THROWS_EXCEPTION(db::Error, db::run("INSERT INTO T_수련비납부 (회원번호, 년월분, 순번, 납부액) VALUES ('202401002', '202405', 1, 0)"));
        QCOMPARE(feeRows(), 1);
    }

    // May and June paid on one date are both the first row of their month: one link for two lines.
    void removeOneOfTwoPaidOnOneDate()
    {
        FeePayments::add("202401001", "202405", QDate(2024, 5, 10), 100000, "");
        FeePayments::add("202401001", "202406", QDate(2024, 5, 10), 120000, "");
        QCOMPARE(count("SELECT count(*) FROM T_금전출납 WHERE 수련비순번 = '202401001-0001'"), 2);
        QCOMPARE(FeePayments::cashLineOf("202401001", "202405"), 1);
        QCOMPARE(FeePayments::cashLineOf("202401001", "202406"), 2);

        FeePayments::remove("202401001", "202405");
        QVERIFY(!FeePayments::isPaid("202401001", "202405"));
        QVERIFY(FeePayments::isPaid("202401001", "202406"));
        QCOMPARE(cashLines(), 1);
        QCOMPARE(cashText("2024-05-10", 2, "입금액"), QString("120000"));
        QCOMPARE(FeePayments::cashLineOf("202401001", "202406"), 2);

        FeePayments::remove("202401001", "202406");
        QCOMPARE(feeRows(), 0);
        QCOMPARE(cashLines(), 0);
    }

    void removeTellsEqualLinesApartInOrder()
    {
        // Same amount and note: each payment still takes one line, and the last one takes the last line.
        FeePayments::add("202401001", "202405", QDate(2024, 5, 10), 100000, "");
        FeePayments::add("202401001", "202406", QDate(2024, 5, 10), 100000, "");
        FeePayments::remove("202401001", "202406");
        QCOMPARE(feeRows(), 1);
        QCOMPARE(cashLines(), 1);
        FeePayments::remove("202401001", "202405");
        QCOMPARE(cashLines(), 0);
    }

    void removeByCashLine()
    {
        FeePayments::add("202401001", "202405", QDate(2024, 5, 10), 100000, "");
        FeePayments::add("202401001", "202406", QDate(2024, 5, 10), 120000, "");
        FeePayments::add("202401002", "202405", QDate(2024, 5, 10), 100000, "");
        FeePayments::removeByCashLine(QDate(2024, 5, 10), 2); // June of 김하늘
        QVERIFY(FeePayments::isPaid("202401001", "202405"));
        QVERIFY(!FeePayments::isPaid("202401001", "202406"));
        QVERIFY(FeePayments::isPaid("202401002", "202405"));
        QCOMPARE(cashLines(), 2);
        QCOMPARE(FeePayments::cashLineOf("202401001", "202405"), 1);

        // A fee line whose fee row is already gone goes alone; an ordinary line is not the service's.
        sqlExec("DELETE FROM T_수련비납부 WHERE 회원번호 = '202401002'");
        FeePayments::removeByCashLine(QDate(2024, 5, 10), 3);
        QCOMPARE(cashLines(), 1);
        sqlExec("INSERT INTO T_금전출납 (일자, 순번, 대항목, 입금액, 출금액) VALUES ('2024-05-10', 9, '잡수입', 5000, 0)");
        try {
            FeePayments::removeByCashLine(QDate(2024, 5, 10), 9);
            QFAIL("not refused");
        } catch (const FeeError& e) {
            QCOMPARE(e.kind(), FeeError::Kind::NotFeeLine);
        }
        QCOMPARE(cashLines(), 2);
    }

    void nothingChangesInAClosedMonth()
    {
        FeePayments::add("202401001", "202403", QDate(2024, 3, 10), 100000, "");
        closeBooksThrough("202403");
        try {
            FeePayments::remove("202401001", "202403");
            QFAIL("delete not refused");
        } catch (const FeeError& e) {
            QCOMPARE(e.kind(), FeeError::Kind::ClosedMonth);
            QCOMPARE(e.message(), QString("마감된 자료는 삭제 할 수 없습니다.\n\n마감취소후 작업하세요."));
        }
        QVERIFY_THROWS_EXCEPTION(FeeError, FeePayments::removeByCashLine(QDate(2024, 3, 10), 1));
        QVERIFY_THROWS_EXCEPTION(FeeError, FeePayments::update("202401001", "202403", 90000, ""));
        QVERIFY_THROWS_EXCEPTION(FeeError, FeePayments::update("202401001", "202403", 100000, "현금")); // the note too
        QCOMPARE(feeRows(), 1);
        QCOMPARE(cashLines(), 1);
        QCOMPARE(cashText("2024-03-10", 1, "입금액"), QString("100000"));
        QCOMPARE(cashText("2024-03-10", 1, "적요"), QString());
    }

    void updateChangesBothRows()
    {
        FeePayments::add("202401001", "202405", QDate(2024, 5, 10), 100000, "");
        FeePayments::add("202401001", "202406", QDate(2024, 5, 10), 100000, "");
        FeePayments::update("202401001", "202406", 90000, "할인");
        QCOMPARE(db::scalar("SELECT 납부액 FROM T_수련비납부 WHERE 년월분 = '202406'").toInt(), 90000);
        QCOMPARE(cashText("2024-05-10", 2, "입금액"), QString("90000"));
        QCOMPARE(cashText("2024-05-10", 2, "적요"), QString("할인"));
        QCOMPARE(cashText("2024-05-10", 1, "입금액"), QString("100000"));
        // After the change each payment still finds its own line.
        QCOMPARE(FeePayments::cashLineOf("202401001", "202405"), 1);
        QCOMPARE(FeePayments::cashLineOf("202401001", "202406"), 2);
    }
};

QTEST_GUILESS_MAIN(TestFeePayments)
#include "tst_feepayments.moc"
