// The absence record and the penalty an unexcused absence books.
#include "AttendanceFixture.h"

#include "attendance/Absences.h"

#include <QTest>

using namespace attfix;

class TstAbsences : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    const QString no = QStringLiteral("202401001");
    const QDate day{2024, 5, 14};

    int penalties() { return count("SELECT Count(*) FROM T_벌점 WHERE 벌점코드 = '05'"); }

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        addMember({no, QStringLiteral("김태권")});
    }
    void cleanup() { m_db.reset(); }

    void reasonTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("holds");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("chosen") << "06)  무단결석" << true << "06" << "무단결석";
        QTest::newRow("line without absence") << ")  " << false << "" << "";
        QTest::newRow("empty") << "" << false << "" << "";
        QTest::newRow("typed without code") << "감기" << true << "감기" << "";
    }
    void reasonTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, holds);
        QFETCH(QString, code);
        QFETCH(QString, name);
        QCOMPARE(Absences::holdsReason(text), holds);
        QCOMPARE(Absences::reasonCode(text), code);
        QCOMPARE(Absences::reasonName(text), name);
    }

    void unexcusedBooksOnePenalty()
    {
        sqlExec("INSERT INTO T_벌점 (회원번호, 순번, 벌점일자, 벌점코드) VALUES ('202401001', 4, '2024-01-02', '01')");
        Absences::add({no, day, QStringLiteral("06)  무단결석"), QStringLiteral("부모")});
        QCOMPARE(count("SELECT Count(*) FROM T_결석 WHERE 결석사유코드 = '06' AND 비고 = '부모' AND 비고2 = '06)  무단결석'"), 1);
        QCOMPARE(count("SELECT Count(*) FROM T_벌점 WHERE 순번 = 5 AND 벌점코드 = '05' AND 벌점일자 = '2024-05-14' "
                       "AND 비고2 = '05) 무단결석'"),
                 1);
        // Deleted and entered again: the penalty of that day stays single.
        Absences::remove(no, day);
        QCOMPARE(count("SELECT Count(*) FROM T_결석"), 0);
        Absences::add({no, day, QStringLiteral("06)  무단결석"), QString()});
        QCOMPARE(penalties(), 1);
        // Another day books another.
        Absences::add({no, day.addDays(1), QStringLiteral("06)  무단결석"), QString()});
        QCOMPARE(penalties(), 2);
        QCOMPARE(db::scalarText("SELECT Max(순번) FROM T_벌점"), QStringLiteral("6"));
    }

    // Only the penalty itself counts as already booked: a lateness point of the day does not.
    void latenessOfTheDayStillBooksThePenalty()
    {
        sqlExec("INSERT INTO T_벌점 (회원번호, 순번, 벌점일자, 벌점코드) VALUES ('202401001', 1, '2024-05-14', '04')");
        Absences::add({no, day, QStringLiteral("06)  무단결석"), QString()});
        QCOMPARE(penalties(), 1);
    }

    void otherReasonsAndMissingItemBookNothing()
    {
        Absences::add({no, day, QStringLiteral("01)  질병"), QString()});
        Absences::add({no, day.addDays(1), QStringLiteral("06)  무단결석"), QString()}, false);
        QCOMPARE(penalties(), 0);
        sqlExec("DELETE FROM T_벌점항목 WHERE 벌점명 = '무단결석'");
        Absences::add({no, day.addDays(2), QStringLiteral("06)  무단결석"), QString()});
        QCOMPARE(count("SELECT Count(*) FROM T_벌점"), 0);
        QCOMPARE(count("SELECT Count(*) FROM T_결석"), 3);
    }

    void secondAbsenceOnADayIsRefused()
    {
        Absences::add({no, day, QStringLiteral("01)  질병"), QString()});
        QVERIFY_THROWS_EXCEPTION(db::Error, Absences::add({no, day, QStringLiteral("02)  가족행사"), QString()}));
    }

    void correctionKeepsTheReasonText()
    {
        Absences::add({no, day, QStringLiteral("01)  질병"), QStringLiteral("본인")});
        Absences::correct(no, day, {no, day, QStringLiteral("04)  여행"), QStringLiteral("부모")});
        db::Query q("SELECT * FROM T_결석");
        q.open();
        QVERIFY(q.next());
        QCOMPARE(q.str("결석사유코드"), QStringLiteral("04"));
        QCOMPARE(q.str("비고"), QStringLiteral("부모"));
        QCOMPARE(q.str("비고2"), QStringLiteral("04)  여행"));
        QCOMPARE(q.str("결석일자"), QStringLiteral("2024-05-14"));
    }
};

QTEST_MAIN(TstAbsences)
#include "tst_absences.moc"
