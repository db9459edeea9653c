// Awards with the school's certificate serial, written in one place.
#include "support/ServerTest.h"
#include "support/TestDb.h"

#include "db/Query.h"
#include "db/AwardWriter.h"

#include <QTest>

namespace {
int count(const QString& sql) { return db::scalar(sql).toInt(); }

AwardWriter::Award award(const QString& no, const QString& code = QStringLiteral("05"),
                         const QString& name = QStringLiteral("개근상"))
{
    return {no, QDate(2024, 5, 15), code, name, QStringLiteral("5월 개근")};
}
} // namespace

class TstAwardWriter : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        sqlExec("INSERT INTO T_도장정보 (도장명, 상장발부) VALUES ('태권도장', 120)");
    }
    void cleanup() { m_db.reset(); }

    void serialsAndRows()
    {
        QCOMPARE(AwardWriter::nextSerial(), 120);
        AwardWriter::record({award("202401001"), award("202401002"), award("202401003")}, 120);
        QCOMPARE(AwardWriter::nextSerial(), 123);
        QCOMPARE(count("SELECT Count(*) FROM T_상장지급 WHERE 상장코드 = '05' AND 지급일자 = '2024-05-15' "
                       "AND 비고 = '5월 개근' AND 비고2 = '05)  개근상' AND 순번 = 1"),
                 3);
    }

    // 순번 runs above the member's largest, also after a row in the middle was deleted.
    void sequenceAboveTheLargest()
    {
        AwardWriter::record({award("202401001"), award("202401001"), award("202401001")}, 120);
        sqlExec("DELETE FROM T_상장지급 WHERE 순번 = 2");
        AwardWriter::record({award("202401001")}, AwardWriter::nextSerial());
        QCOMPARE(db::scalarText("SELECT Max(순번) FROM T_상장지급"), QStringLiteral("4"));
        QCOMPARE(count("SELECT Count(*) FROM T_상장지급 WHERE 순번 = 3"), 1);
    }

    void meritEntry_data()
    {
        QTest::addColumn<bool>("asked");
        QTest::addColumn<QString>("awardName");
        QTest::addColumn<int>("entries");
        QTest::newRow("named like an item") << true << QStringLiteral("봉사활동") << 1;
        QTest::newRow("no such item") << true << QStringLiteral("개근상") << 0;
        QTest::newRow("not asked") << false << QStringLiteral("봉사활동") << 0;
    }
    void meritEntry()
    {
        QFETCH(bool, asked);
        QFETCH(QString, awardName);
        QFETCH(int, entries);
        sqlExec("INSERT INTO T_벌점 (회원번호, 순번, 벌점일자, 벌점코드) VALUES ('202401001', 7, '2024-01-01', '01')");
        AwardWriter::record({award("202401001", "10", awardName)}, 120, asked);
        QCOMPARE(count("SELECT Count(*) FROM T_벌점 WHERE 순번 = 8 AND 벌점코드 = '02' AND 벌점일자 = '2024-05-15' "
                       "AND 비고2 = '02) 봉사활동'"),
                 entries);
    }

    void failureWritesNothing()
    {
        sqlExec("DROP TABLE T_벌점");
        QVERIFY_THROWS_EXCEPTION(db::Error, AwardWriter::record({award("202401001", "10", "봉사활동")}, 120, true));
        QCOMPARE(count("SELECT Count(*) FROM T_상장지급"), 0);
        QCOMPARE(AwardWriter::nextSerial(), 120);
    }

    // The serial moves with the awards or not at all: awards left behind by a failed serial update
    // would carry the numbers the next issue prints again.
    void failedSerialUpdateWritesNoAward()
    {
        if (servertest::onServer())
            QSKIP("the refusing trigger is written for the embedded file; the server case is the same transaction");
        sqlExec("CREATE TRIGGER refuse BEFORE UPDATE ON T_도장정보 BEGIN SELECT RAISE(ABORT, 'refused'); END");
        QVERIFY_THROWS_EXCEPTION(db::Error, AwardWriter::record({award("202401001"), award("202401002")}, 120));
        QCOMPARE(count("SELECT Count(*) FROM T_상장지급"), 0);
        QCOMPARE(AwardWriter::nextSerial(), 120);
    }

    // An award without a real date ("2024-02-30") or with a remark wider than its column: nothing
    // written, the serial where it was.
    void badAwardIsRefused_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("remark");
        QTest::addColumn<QString>("message");
        QTest::newRow("no such day") << "2024-02-30" << "" << "회원번호 202401002 : 지급일자가 바른 날짜가 아닙니다.";
        QTest::newRow("remark of 256") << "2024-02-29" << QString(256, u'상') << "회원번호 202401002 : 비고은(는) 255자까지 입력할 수 있습니다.";
    }
    void badAwardIsRefused()
    {
        QFETCH(QString, date);
        QFETCH(QString, remark);
        QFETCH(QString, message);
        AwardWriter::Award bad = award("202401002");
        bad.date = QDate::fromString(date, Qt::ISODate);
        bad.remark = remark;
        try {
            AwardWriter::record({award("202401001"), bad}, 120);
            QFAIL("the award was written");
        } catch (const db::Error& e) {
            QVERIFY2(e.message().startsWith(message), qPrintable(e.message()));
        }
        QCOMPARE(count("SELECT Count(*) FROM T_상장지급"), 0);
        QCOMPARE(AwardWriter::nextSerial(), 120);
    }

    // Numbers printed from a serial that has moved on since would be given twice.
    void staleSerialIsRefused()
    {
        QVERIFY_THROWS_EXCEPTION(db::Error, AwardWriter::record({award("202401001")}, 119));
        QCOMPARE(count("SELECT Count(*) FROM T_상장지급"), 0);
        QCOMPARE(AwardWriter::nextSerial(), 120);
    }

    void schoolWithoutRecordKeepsTheSerial()
    {
        sqlExec("DELETE FROM T_도장정보");
        QCOMPARE(AwardWriter::nextSerial(), 1);
        AwardWriter::record({award("202401001")}, 1);
        QCOMPARE(AwardWriter::nextSerial(), 2);
    }

    void seededAwardTypes()
    {
        db::Query q("SELECT 상장코드, 상장명 FROM T_상장목록 WHERE 상장코드 <= '09' ORDER BY 상장코드");
        q.open();
        QStringList names;
        while (q.next())
            names << q.str("상장코드") + q.str("상장명");
        QCOMPARE(names, (QStringList{"01품새상", "02겨루기상", "03우수상", "04최우수상", "05개근상", "06노력상",
                                     "07모범상", "08표창장", "09감사장"}));
    }
};

QTEST_MAIN(TstAwardWriter)
#include "tst_awardwriter.moc"
