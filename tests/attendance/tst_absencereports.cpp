// Absences of a period, absence counts, perfect attendance, their printouts and the e-mail file.
#include "AttendanceFixture.h"

#include "attendance/AbsenceReports.h"
#include "db/ProgramDir.h"
#include "report/Report.h"
#include "report/ReportOutput.h"
#include "report/NoticeFile.h"

#include <QFile>
#include <QTest>

using namespace attfix;

namespace {
AbsenceReports::Filter all(const QString& column = QStringLiteral("a.부별코드"))
{
    return {DivisionFilter::conditionFor(1, QStringLiteral("전체"), column), QString()};
}

void pay(const QString& no, const QString& month)
{
    db::run("INSERT INTO T_수련비납부 (회원번호, 년월분, 순번, 납부일자, 납부액) VALUES (:no, :m, 1, '2024-01-05', 1000)",
            {{"no", no}, {"m", month}});
}

void copyLayout(const QString& name)
{
    QFile::remove(ProgramDir::file("report/" + name));
    QVERIFY(QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/report/") + name, ProgramDir::file("report/" + name)));
}
} // namespace

class TstAbsenceReports : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        Member kim{"202401001", "김태권"};
        kim.email = "kim@mail.kr";
        kim.mobile = "010-1111-2222";
        addMember(kim);
        addMember({"202401002", "이품새", "05", "12"});
        Member park{"202401003", "박품새", "12", "11"};
        park.email = " park@mail.kr ";
        addMember(park);
        addMember({"202401004", "쉬는중", "03", "10", "2023-01-10", "2024-04-01"});
        addMember({"202401005", "그만둔", "03", "10", "2023-01-10", "", "2024-04-01"});
        addMember({"202405001", "새내기", "03", "10", "2024-05-02"});
        for (const char* no : {"202401004", "202401005"})
            addAbsence(QString::fromLatin1(no), "2024-05-13");
    }
    void cleanup() { m_db.reset(); }

    void unpaidMonths_data()
    {
        QTest::addColumn<QDate>("reference");
        QTest::addColumn<QDate>("enrolled");
        QTest::addColumn<QString>("text");
        QTest::newRow("january: none") << QDate(2024, 1, 20) << QDate(2022, 3, 1) << "";
        QTest::newRow("paid months skipped") << QDate(2024, 5, 15) << QDate(2022, 3, 1) << "01 03 ";
        QTest::newRow("not before enrolment") << QDate(2024, 5, 15) << QDate(2024, 3, 9) << "03 ";
        QTest::newRow("enrolled this month") << QDate(2024, 5, 15) << QDate(2024, 5, 2) << "";
        QTest::newRow("other year's payments") << QDate(2023, 4, 1) << QDate(2022, 3, 1) << "01 02 03 ";
    }
    void unpaidMonths()
    {
        QFETCH(QDate, reference);
        QFETCH(QDate, enrolled);
        QFETCH(QString, text);
        pay("202401001", "202402");
        pay("202401001", "202404");
        pay("202401002", "202401"); // someone else's
        QCOMPARE(AbsenceReports::UnpaidMonths(reference).of("202401001", enrolled), text);
    }

    void dailyListsEachAbsence()
    {
        addAbsence("202401003", "2024-05-14", "02", " 본인 ");
        addAbsence("202401001", "2024-05-14", "06");
        addAbsence("202401001", "2024-05-13", "01");
        addAbsence("202401001", "2024-05-20", "01"); // after the period
        const auto lines = AbsenceReports::daily(all("T_회원.부별코드"), QDate(2024, 5, 13), QDate(2024, 5, 14));
        QStringList got;
        for (const auto& l : lines)
            got << l.name + u' ' + db::dateText(l.date) + u' ' + l.reason + u'|' + l.note;
        // By date, then division code (03 before 12), leave and withdrawn left out.
        QCOMPARE(got, (QStringList{"김태권 2024-05-13 질병|", "김태권 2024-05-14 무단결석|", "박품새 2024-05-14 가족행사|본인"}));
        QCOMPARE(lines[0].unpaid, QStringLiteral("01 02 03 04 "));
        QCOMPARE(lines[0].email, QStringLiteral("kim@mail.kr"));
    }

    void counts_data()
    {
        QTest::addColumn<bool>("allStatus");
        QTest::addColumn<int>("days");
        QTest::addColumn<QStringList>("expected");
        // 중등부 sorts before 초등3학년부 and 초등1학년부 by name.
        QTest::newRow("exactly two") << false << 2 << QStringList{"김태권:13 20 "};
        QTest::newRow("exactly one") << false << 1 << QStringList{"이품새:15 "};
        QTest::newRow("none") << false << 0 << QStringList{"박품새:", "새내기:"};
        QTest::newRow("every absentee") << true << 0 << QStringList{"김태권:13 20 ", "이품새:15 "};
    }
    void counts()
    {
        QFETCH(bool, allStatus);
        QFETCH(int, days);
        QFETCH(QStringList, expected);
        addAbsence("202401001", "2024-05-20");
        addAbsence("202401001", "2024-05-13");
        addAbsence("202401001", "2024-04-30"); // before the period
        addAbsence("202401002", "2024-05-15");
        addAbsence("202401003", "2024-06-01"); // after it
        const auto lines =
            AbsenceReports::counts(all(allStatus || days == 0 ? "a.부별코드" : "T_회원.부별코드"), QDate(2024, 5, 1),
                                   QDate(2024, 5, 31), QDate(2024, 5, 31), allStatus, days);
        QStringList got;
        for (const auto& l : lines)
            got << l.name + u':' + l.days;
        got.sort();
        expected.sort();
        QCOMPARE(got, expected);
    }

    void perfectAttendance()
    {
        addMember({"202401006", "최고수", "03", "20"});
        addMember({"202404001", "사월생", "03", "10", "2024-04-02"}); // enrolled after the first day
        addAbsence("202401002", "2024-03-05");
        addAbsence("202401003", "2024-02-29");
        const auto lines = AbsenceReports::perfect(all(), QDate(2024, 3, 1), QDate(2024, 3, 31));
        QStringList got;
        for (const auto& l : lines)
            got << l.name + u'/' + l.rank;
        // 중등부 first; within 초등1학년부 from the highest rank down.
        QCOMPARE(got.size(), 3);
        QCOMPARE(got[0], QStringLiteral("박품새/") + db::scalarText("SELECT 급품명 FROM T_급품코드 WHERE 급품코드 = '11'"));
        QCOMPARE(got[1].section(u'/', 0, 0), QStringLiteral("최고수"));
        QCOMPARE(got[2].section(u'/', 0, 0), QStringLiteral("김태권"));
        QVERIFY(lines[0].ticked);
    }

    void printouts()
    {
        copyLayout("일일결석.rpt");
        copyLayout("결석현황.rpt");
        report::RecordingOutput out;
        report::ReportOutput::install(&out);
        addAbsence("202401001", "2024-05-14", "06");
        const auto daily = AbsenceReports::daily(all("T_회원.부별코드"), QDate(2024, 5, 14), QDate(2024, 5, 14));
        QVERIFY(AbsenceReports::printDaily(daily, "태권도장", report::Preview));
        const auto counts = AbsenceReports::counts(all(), QDate(2024, 5, 1), QDate(2024, 5, 31), QDate(2024, 5, 31), true, 0);
        QVERIFY(AbsenceReports::printCounts(counts, "태권도장", QDate(2024, 5, 1), QDate(2024, 5, 31), report::Printer));
        report::ReportOutput::install(nullptr);
        QCOMPARE(out.runs.size(), 2);
        QCOMPARE(out.runs[0].title, QStringLiteral("일일결석자"));
        const QStringList first = out.runs[0].doc.texts();
        for (const char* t : {"태권도장", "김태권", "2024-05-14", "01 02 03 04 "})
            QVERIFY2(first.contains(QString::fromUtf8(t)), t);
        QCOMPARE(out.runs[1].destination, 1);
        QCOMPARE(out.runs[1].title, QStringLiteral("결석현황 월간확인/결석일수별 현황"));
        QVERIFY(out.runs[1].doc.texts().contains(QStringLiteral("조회기간 : 2024-05-01 ~ 2024-05-31 ")));
        QVERIFY(out.runs[1].doc.texts().contains(QStringLiteral("14 ")));
    }

    // The e-mail file against one written out by hand: e-mail first, items ending in "☆", a "☆" in a
    // note blanked, a member without e-mail left out, CP949 with CR LF.
    void absenceNoticeFile()
    {
        addAbsence("202401001", "2024-05-14", "06", "부모 전화 ☆함");
        addAbsence("202401001", "2024-05-13", "01", "  ");
        addAbsence("202401003", "2024-05-14", "02", "본인");
        addAbsence("202401002", "2024-05-14", "01", "부모"); // no e-mail
        const auto lines = AbsenceReports::daily(all("T_회원.부별코드"), QDate(2024, 5, 13), QDate(2024, 5, 14));
        QCOMPARE(lines.size(), 4);
        const NoticeFile file = AbsenceReports::absenceNotice(lines, QDate(2024, 5, 13), QDate(2024, 5, 14));
        QVERIFY(file.write(QStringLiteral("출석 관리")).ok());
        QFile written(ProgramDir::file("인터넷통보자료/결석통보/결석통보.txt"));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QFile golden(QStringLiteral(TAMRIN_SOURCE_DIR "/tests/attendance/golden/결석통보.txt"));
        QVERIFY(golden.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), golden.readAll());
    }

    void noAddressNoLines()
    {
        addAbsence("202401002", "2024-05-14");
        const auto lines = AbsenceReports::daily(all("T_회원.부별코드"), QDate(2024, 5, 14), QDate(2024, 5, 14));
        QCOMPARE(lines.size(), 1);
        QVERIFY(AbsenceReports::absenceNotice(lines, QDate(2024, 5, 14), QDate(2024, 5, 14)).isEmpty());
    }
};

QTEST_MAIN(TstAbsenceReports)
#include "tst_absencereports.moc"
