// The perfect-attendance award: numbers shown by a preview, recorded once when the pages go out.
#include "AttendanceFixture.h"

#include "attendance/PerfectAttendanceAward.h"
#include "db/ProgramDir.h"
#include "db/AwardWriter.h"
#include "report/Report.h"
#include "report/ReportOutput.h"

#include <QFile>
#include <QTest>

using namespace attfix;

namespace {
PerfectAttendanceAward award()
{
    return PerfectAttendanceAward({{"202401001", "김태권"}, {"202401002", "남궁민수"}, {"202401003", "이솔"}},
                                  QDate(2024, 3, 1), QDate(2024, 4, 30), QDate(2024, 5, 2), QStringLiteral("1학기"));
}
int awards() { return count("SELECT Count(*) FROM T_상장지급"); }
} // namespace

class TstPerfectAward : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    report::RecordingOutput m_out;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        QVERIFY(QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/report/개근상1.rpt"), ProgramDir::file("report/개근상1.rpt")));
        sqlExec("INSERT INTO T_도장정보 (도장명, 관장명, 상장발부) VALUES (' 한국태권도 ', '김관장 ', 120)");
        // 김태권 had an award before; one of his was deleted since.
        sqlExec("INSERT INTO T_상장지급 (회원번호, 지급일자, 상장코드, 순번) VALUES ('202401001', '2023-12-01', '03', 2)");
        m_out.runs.clear();
        m_out.printsFromPreview = 0;
        report::ReportOutput::install(&m_out);
    }
    void cleanup()
    {
        report::ReportOutput::install(nullptr);
        m_db.reset();
    }

    void months_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("months");
        QTest::newRow("a quarter") << QDate(2024, 1, 1) << QDate(2024, 3, 31) << 3;
        QTest::newRow("half a month") << QDate(2024, 3, 1) << QDate(2024, 3, 15) << 1;
        QTest::newRow("over the new year") << QDate(2023, 11, 1) << QDate(2024, 2, 29) << 4;
    }
    void months()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(int, months);
        QCOMPARE(PerfectAttendanceAward::months(from, to), months);
    }

    void previewShowsNumbersAndRecordsNothing()
    {
        QVERIFY(award().run(report::Preview));
        QCOMPARE(awards(), 1);
        QCOMPARE(AwardWriter::nextSerial(), 120);
        const report::Document& doc = m_out.last().doc;
        QCOMPARE(m_out.last().title, QStringLiteral("개근상 발부"));
        QCOMPARE(doc.pages.size(), 3);
        QVERIFY(doc.pages[0].contains(QStringLiteral("제 120 호")));
        QVERIFY(doc.pages[1].contains(QStringLiteral("성 명 : 남 궁 민 수 ")));
        QVERIFY(doc.pages[2].contains(QStringLiteral("제 122 호")));
        QVERIFY(doc.pages[0].contains(QStringLiteral("개 근 상")));
        QVERIFY(doc.pages[0].contains(QStringLiteral("   위의 수련생은 2 개월간 개근 하였으므")));
        QVERIFY(doc.pages[0].contains(QStringLiteral("2024년 5월 2일")));
        QVERIFY(doc.pages[0].contains(QStringLiteral("한국태권도")));
        QVERIFY(doc.pages[0].contains(QStringLiteral("관 장   김관장")));
    }

    void recordedOnceWhenPrinted_data()
    {
        QTest::addColumn<int>("destination");
        QTest::addColumn<int>("printsFromPreview");
        QTest::newRow("printer") << int(report::Printer) << 0;
        QTest::newRow("preview, printed twice") << int(report::Preview) << 2;
    }
    void recordedOnceWhenPrinted()
    {
        QFETCH(int, destination);
        QFETCH(int, printsFromPreview);
        m_out.printsFromPreview = printsFromPreview;
        QVERIFY(award().run(destination));
        QCOMPARE(AwardWriter::nextSerial(), 123);
        QCOMPARE(count("SELECT Count(*) FROM T_상장지급 WHERE 상장코드 = '05' AND 지급일자 = '2024-05-02' "
                       "AND 비고 = '1학기' AND 비고2 = '05)  개근상'"),
                 3);
        QCOMPARE(count("SELECT 순번 FROM T_상장지급 WHERE 회원번호 = '202401001' AND 상장코드 = '05'"), 3);
        QCOMPARE(count("SELECT 순번 FROM T_상장지급 WHERE 회원번호 = '202401002'"), 1);
    }

    void failedRecordShowsTheMessageAndPrintsNothing()
    {
        sqlExec("DROP TABLE T_상장지급");
        QVERIFY(!award().run(report::Printer));
        QVERIFY(m_out.runs.isEmpty());
        QVERIFY(m_db->dialogs().saw(QStringLiteral("T_상장지급")));
        QCOMPARE(AwardWriter::nextSerial(), 120);
    }
};

QTEST_MAIN(TstPerfectAward)
#include "tst_perfectaward.moc"
