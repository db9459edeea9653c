// Attendance books: members, filler lines to whole pages, both variants and both selections.
#include "AttendanceFixture.h"

#include "attendance/AttendanceBook.h"
#include "db/ProgramDir.h"
#include "report/Report.h"
#include "report/ReportOutput.h"

#include <QFile>
#include <QTest>

using namespace attfix;

namespace {
AttendanceBook::Options options(bool landscape, AttendanceBook::Variant v = AttendanceBook::Variant::EnrolmentDate)
{
    AttendanceBook::Options o;
    o.variant = v;
    o.landscape = landscape;
    o.division = DivisionFilter::conditionFor(1, QStringLiteral("전체"));
    o.heading = AttendanceBook::heading(false, 1, QStringLiteral("     전체"));
    return o;
}

QString column(const QString& col, int seqno)
{
    return db::scalar(QStringLiteral("SELECT %1 FROM print WHERE seqno = :s").arg(col), {{"s", seqno}}).toString();
}
} // namespace

class TstAttendanceBook : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    report::RecordingOutput m_out;

    void addMembers(int n)
    {
        for (int i = 1; i <= n; ++i)
            addMember({QStringLiteral("202401%1").arg(i, 3, 10, QChar(u'0')), QStringLiteral("회원%1").arg(i, 2, 10, QChar(u'0'))});
    }
    const report::Document& run(const AttendanceBook::Options& o)
    {
        [&] { QVERIFY(AttendanceBook::run(o, QDate(2024, 5, 15), report::Preview)); }();
        return m_out.last().doc;
    }

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        for (int i = 1; i <= 4; ++i) {
            const QString name = QStringLiteral("chulsuk%1.rpt").arg(i);
            QVERIFY(QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/report/") + name, ProgramDir::file("report/" + name)));
        }
        m_out.runs.clear();
        report::ReportOutput::install(&m_out);
    }
    void cleanup()
    {
        report::ReportOutput::install(nullptr);
        m_db.reset();
    }

    void wholePages_data()
    {
        QTest::addColumn<int>("members");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("pages");
        QTest::newRow("23 landscape") << 23 << true << 44 << 2;
        QTest::newRow("22 landscape") << 22 << true << 22 << 1;
        QTest::newRow("none landscape") << 0 << true << 22 << 1;
        QTest::newRow("41 portrait") << 41 << false << 80 << 2;
        QTest::newRow("none portrait") << 0 << false << 40 << 1;
    }
    void wholePages()
    {
        QFETCH(int, members);
        QFETCH(bool, landscape);
        QFETCH(int, lines);
        QFETCH(int, pages);
        addMembers(members);
        const report::Document& doc = run(options(landscape));
        QCOMPARE(count("SELECT Count(*) FROM print WHERE seqno < 100000"), lines);
        QCOMPARE(count("SELECT Max(seqno) FROM print WHERE seqno < 100000"), lines);
        QCOMPARE(count("SELECT Count(*) FROM print WHERE 회원명 IS NOT NULL"), members);
        QCOMPARE(count("SELECT Count(*) FROM print WHERE seqno < 100000 AND 구분1 = '전  체'"), lines);
        QCOMPARE(doc.pages.size(), pages);
        QCOMPARE(m_out.last().title, landscape ? QStringLiteral("출석부(가로)") : QStringLiteral("출석부(세로)"));
        // Every line number is on a page, the last on the last page.
        QVERIFY(doc.pages.last().contains(QString::number(lines)));
        QVERIFY(doc.pages.first().contains(QStringLiteral("구분 : 전  체")));
    }

    void leaveOnlyOnTheLandscapeBook()
    {
        addMember({"202401001", "가수련"});
        addMember({"202401002", "나쉬는", "03", "10", "2023-01-10", "2024-04-01"});
        addMember({"202401003", "다그만", "03", "10", "2023-01-10", "", "2024-04-01"});
        run(options(true));
        QCOMPARE(column("회원명", 2), QStringLiteral("나쉬는"));
        QCOMPARE(column("구분4", 2), QStringLiteral("휴관"));
        QCOMPARE(column("구분4", 1), QStringLiteral("10"));
        QCOMPARE(column("입관일자", 1), QStringLiteral("2023-01-10"));
        QCOMPARE(count("SELECT Count(*) FROM print WHERE 회원명 IS NOT NULL"), 2);
        run(options(false));
        QCOMPARE(count("SELECT Count(*) FROM print WHERE 회원명 IS NOT NULL"), 1);
    }

    void birthdaysOfTheMonthOnThePaymentDayBook()
    {
        Member may{"202401001", "오월생"};
        may.born = "2015-05-09";
        addMember(may);
        Member june{"202401002", "유월생"};
        june.born = "2015-06-09";
        addMember(june);
        run(options(false, AttendanceBook::Variant::PaymentDay));
        QCOMPARE(m_out.last().doc.pages.size(), 1);
        QCOMPARE(column("입관일자", 1), QStringLiteral("09"));
        QCOMPARE(column("회원명", 2), QStringLiteral("유월생"));
        QCOMPARE(column("입관일자", 2), QString());
    }

    void selectionsAndOrder_data()
    {
        QTest::addColumn<bool>("byYear");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<bool>("byName");
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("division, by rank") << false << 5 << "03) 초등1학년부" << false << "초등1학년부" << QStringList{"다", "가"};
        QTest::newRow("division, by name") << false << 5 << "03) 초등1학년부" << true << "초등1학년부" << QStringList{"가", "다"};
        QTest::newRow("older divisions") << false << 4 << "     중고/일반" << false << "  중고/일반" << QStringList{"나"};
        QTest::newRow("grade group") << true << 3 << "     초등부" << false << "초등부" << QStringList{"다", "가"};
        QTest::newRow("one grade") << true << 13 << "중등 1" << true << "중등 1" << QStringList{"나"};
        QTest::newRow("nothing chosen") << true << 0 << "" << true << "전  체" << QStringList{"가", "나", "다"};
    }
    void selectionsAndOrder()
    {
        QFETCH(bool, byYear);
        QFETCH(int, index);
        QFETCH(QString, entry);
        QFETCH(bool, byName);
        QFETCH(QString, heading);
        QFETCH(QStringList, names);
        Member a{"202401001", "가", "03", "09"};
        a.year = "초등 2";
        Member b{"202401002", "나", "12", "15"};
        b.year = "중등 1";
        Member c{"202401003", "다", "03", "05"};
        c.year = "초등 1";
        for (const Member& m : {a, b, c})
            addMember(m);
        AttendanceBook::Options o = options(false);
        o.byYear = byYear;
        o.byName = byName;
        if (byYear)
            o.year = SchoolYearFilter::conditionFor(index, entry);
        else
            o.division = DivisionFilter::conditionFor(index, entry);
        o.heading = AttendanceBook::heading(byYear, index, entry);
        QCOMPARE(o.heading, heading.trimmed());
        run(o);
        db::Query q("SELECT 회원명 FROM print WHERE 회원명 IS NOT NULL ORDER BY seqno");
        q.open();
        QStringList got;
        while (q.next())
            got << q.str("회원명");
        QCOMPARE(got, names);
    }
};

QTEST_MAIN(TstAttendanceBook)
#include "tst_attendancebook.moc"
