// A generated school must be one the program itself would have written: every book agrees.
#include "SchoolGenerator.h"

#include "cashbook/CashInquiry.h"
#include "db/Clock.h"
#include "db/Database.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "db/ClosedMonth.h"
#include "db/Session.h"
#include "exchange/TransferFile.h"
#include "stats/HeadcountFigures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestGenerator : public QObject {
    Q_OBJECT
    static qint64 n(const QString& sql) { return db::scalar(sql).toLongLong(); }

private slots:
    void cleanup()
    {
        db::closeDatabase();
        Clock::reset();
        Session::reset();
    }

    void smallSchoolIsConsistent()
    {
        QTemporaryDir dir;
        ProgramDir::set(dir.path());
        GeneratorOptions o;
        o.members = 40;
        o.current = 25;
        o.years = 1;
        o.today = QDate(2024, 6, 20);
        QString error;
        GeneratorReport r;
        QVERIFY2(SchoolGenerator(o).run(dir.filePath("s.db"), &error, &r), qPrintable(error));

        QCOMPARE(n("SELECT count(*) FROM T_회원"), 40);
        QCOMPARE(n("SELECT count(*) FROM T_회원 WHERE 퇴관일 Is Null"), 25);
        QCOMPARE(r.current, 25);
        // Every payment with money has exactly its own cash-book line; settled months have none.
        QCOMPARE(n("SELECT count(*) FROM T_수련비납부"), qint64(r.payments + r.settlements));
        QVERIFY(r.settlements > 0);
        QCOMPARE(n("SELECT count(*) FROM T_수련비납부 WHERE 비고 = '정산처리' AND 납부액 = 0"), qint64(r.settlements));
        QCOMPARE(n("SELECT count(*) FROM T_수련비납부 f WHERE (SELECT count(*) FROM T_금전출납 c WHERE c.수련비순번 = "
                   "f.회원번호 & '-' & Format(f.순번, '0000') AND c.일자 = f.납부일자) <> iif(f.비고 = '정산처리', 0, 1)"),
                 0);
        // Receipts were handed out in every month that took money.
        QCOMPARE(n("SELECT count(*) FROM T_영수증발급번호"),
                 n("SELECT count(*) FROM (SELECT DISTINCT substr(납부일자, 1, 7) FROM T_수련비납부 WHERE 납부액 > 0)"));
        // Closed up to last month, and the closing totals are the lines' totals.
        QCOMPARE(db::lastClosedMonth(), QString("202405"));
        QCOMPARE(n("SELECT 차변누계금액 - 대변누계금액 FROM T_금전출납마감 WHERE 마감연월 = '202405'"),
                 3000000 + n("SELECT Sum(입금액) - Sum(출금액) FROM T_금전출납 WHERE 일자 < '2024-06-01'"));
        // The cash on hand of the inquiry starts from that closing and reaches today's lines.
        const CashInquiry::Result month = CashInquiry::byDate(QDate(2024, 6, 1), QDate(2024, 6, 20));
        QCOMPARE(month.current, 3000000 + n("SELECT Sum(입금액) - Sum(출금액) FROM T_금전출납"));
        // Absences fall on weekdays the member attended, and each unexcused one booked its penalty.
        QVERIFY(r.absences > 0);
        QCOMPARE(n("SELECT count(*) FROM T_결석"), qint64(r.absences));
        QCOMPARE(n("SELECT count(*) FROM T_결석 a, T_회원 m WHERE a.회원번호 = m.회원번호 AND (a.결석일자 < m.입관일 "
                   "OR a.결석일자 > '2024-06-20' OR strftime('%w', a.결석일자) IN ('0', '6'))"),
                 0);
        QCOMPARE(n("SELECT count(*) FROM T_벌점"), n("SELECT count(*) FROM T_결석 WHERE 결석사유코드 = '06'"));
        // Check-ins of the last year on weekdays, never on a day the member was absent nor before he enrolled.
        QVERIFY(r.checkIns > 0);
        QCOMPARE(n("SELECT count(*) FROM T_출석체크"), qint64(r.checkIns));
        QCOMPARE(n("SELECT count(*) FROM T_출석체크 c, T_회원 m WHERE c.회원번호 = m.회원번호 AND (substr(c.체크일시, 1, 10) < m.입관일 "
                   "OR c.체크일시 < '2023-06-21' OR strftime('%w', c.체크일시) IN ('0', '6') OR EXISTS (SELECT 1 FROM T_결석 a "
                   "WHERE a.회원번호 = c.회원번호 AND a.결석일자 = substr(c.체크일시, 1, 10)))"),
                 0);
        // The month-end headcount of the movement counters is the number of members attending.
        QCOMPARE(HeadcountFigures::yearMovement(2024).headcount[5],
                 n("SELECT count(*) FROM T_회원 WHERE 퇴관일 Is Null AND 휴관일 Is Null"));
        // A school examination each quarter: every rank is the first one plus one step per school record.
        QCOMPARE(n("SELECT Max(심사명) FROM T_심사 WHERE 심사구분 = '체육관'"), 4);
        QCOMPARE(n("SELECT count(*) FROM T_회원 a WHERE Val(a.급품코드) <> 1 + (SELECT count(*) FROM T_심사 s "
                   "WHERE s.회원번호 = a.회원번호 AND s.심사구분 = '체육관')"),
                 0);
        QCOMPARE(n("SELECT count(*) FROM T_심사 WHERE 심사결과평가내용 Is Null"), 0);
        // Badges: at most one a member a month, each the next of the member's series.
        QVERIFY(r.badges > 0);
        QCOMPARE(n("SELECT count(*) FROM T_뱃지지급"), qint64(r.badges));
        QCOMPARE(n("SELECT count(*) FROM (SELECT 회원번호 FROM T_뱃지지급 GROUP BY 회원번호, Mid(지급일자, 1, 7) "
                   "HAVING count(*) > 1)"),
                 0);
        QCOMPARE(n("SELECT count(*) FROM (SELECT 회원번호 FROM T_뱃지지급 GROUP BY 회원번호 HAVING count(*) <> Max(Val(뱃지코드)))"), 0);
        // Completion certificates numbered once each up to the school's counter; awards with their numbers.
        QVERIFY(n("SELECT count(*) FROM T_수료증지급") > 0);
        QCOMPARE(n("SELECT count(DISTINCT 수료번호) FROM T_수료증지급"), n("SELECT count(*) FROM T_수료증지급"));
        QCOMPARE(n("SELECT Max(수료번호) FROM T_수료증지급"), n("SELECT 수료증발부 FROM T_도장정보"));
        QVERIFY(n("SELECT count(*) FROM T_상장지급 WHERE 상장코드 = '03'") >= 4);
        // Concentration tests with the averages of their day.
        QVERIFY(n("SELECT count(*) FROM T_집중도") > 0);
        QCOMPARE(n("SELECT count(DISTINCT 측정일자 || 시각전체평균) FROM T_집중도"), n("SELECT count(DISTINCT 측정일자) FROM T_집중도"));
        // The transfer file waiting in 입관자료 enrols the last leaver again with his history.
        const QStringList waiting = QDir(dir.filePath("입관자료")).entryList({"*.txt"}, QDir::Files);
        QCOMPARE(waiting.size(), 1);
        QFile transfer(dir.filePath("입관자료/" + waiting.first()));
        QVERIFY(transfer.open(QIODevice::ReadOnly));
        const QString leaver = db::scalarText("SELECT 회원번호 FROM T_회원 WHERE 퇴관일 IS NOT NULL ORDER BY 퇴관일 DESC, 회원번호 DESC");
        const TransferFile::Result imported = TransferFile::import(transfer.readAll());
        QCOMPARE(imported.message, QString("입관 처리가 되었습니다."));
        QCOMPARE(n("SELECT count(*) FROM T_결석 WHERE 회원번호 = '" + imported.memberNo + "'"),
                 n("SELECT count(*) FROM T_결석 WHERE 회원번호 = '" + leaver + "'"));
    }

    void sameSeedSameSchool()
    {
        QTemporaryDir dir;
        ProgramDir::set(dir.path());
        GeneratorOptions o;
        o.members = 15;
        o.current = 10;
        o.years = 1;
        o.today = QDate(2024, 3, 10);
        auto fingerprint = [&](const QString& file) {
            QString error;
            if (!SchoolGenerator(o).run(file, &error))
                qFatal("%s", qPrintable(error));
            const QString f = db::scalar("SELECT group_concat(회원번호 || 회원명 || 입관일, ',') FROM (SELECT * FROM T_회원 ORDER BY 회원번호)").toString()
                + db::scalar("SELECT Sum(입금액) FROM T_금전출납").toString();
            db::closeDatabase();
            return f;
        };
        QCOMPARE(fingerprint(dir.filePath("a.db")), fingerprint(dir.filePath("b.db")));
    }
};

QTEST_MAIN(TestGenerator)
#include "tst_generator.moc"
