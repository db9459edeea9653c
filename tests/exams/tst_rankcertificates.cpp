// Rank certificates: numbered from the school's counter in one transaction, then shown.
#include "ExamFixture.h"

#include "db/ProgramDir.h"
#include "exams/RankCertificates.h"
#include "exams/uPri0070.h"
#include "report/ReportOutput.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

using namespace examfix;

class TstRankCertificates : public QObject {
    Q_OBJECT
    static RankCertificates::Issue issue()
    {
        RankCertificates::Issue i;
        i.examName = "1";
        i.examDate = QDate(2024, 5, 15);
        return i;
    }
    std::unique_ptr<TestDb> m_db;
    report::RecordingOutput m_out;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        report::ReportOutput::install(&m_out);
        m_out.runs.clear();
        QDir().mkpath(ProgramDir::file("report"));
        for (const char* name : {"급증발부1.rpt", "급증발부2.rpt"})
            QVERIFY(QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/report/") + QString::fromUtf8(name),
                                ProgramDir::file("report/") + QString::fromUtf8(name)));
        sqlExec("INSERT INTO T_도장정보 (도장명, 도장명영, 관장명, 급증발부) VALUES ('한빛 태권도', 'HANBIT', '김관장', 120)");
        addMember({"202301001", "김철수", "03", "05"});
        addMember({"202301002", "남궁가나다", "03", "06", "2023-01-10", {}, {}, {}, {}, {}, "2014-11-20"});
        addMember({"202301003", "이영희", "04", "02"});
        addMember({"202301004", "박휴관", "03", "05", "2023-01-10", "2024-04-01"});
    }
    void cleanup()
    {
        report::ReportOutput::install(nullptr);
        m_db.reset();
    }

    void issueNumbersAfterTheCounter()
    {
        TfPri0070 w;
        w.Edit1->setText("12");
        w.BitBtn0Click();
        QCOMPARE(w.lines().size(), 3); // the member on leave is not listed
        w.btn_PrintClick();
        QCOMPARE(RankCertificates::counter(), 123);
        QCOMPARE(m_out.runs.size(), 1);
        QCOMPARE(m_out.last().doc.pages.size(), 3);
        {
            db::Query q("SELECT f01, f02, f03, f04, f05, f06 FROM print WHERE seqno < 100000 ORDER BY seqno");
            q.open();
            QVERIFY(q.next());
            QCOMPARE(q.str("f01") + "|" + q.str("f02") + "|" + q.str("f03") + "|" + q.str("f04"), QString("121|6급|김   철   수    |2015년  7월  3일 "));
            QCOMPARE(q.str("f05") + "|" + q.str("f06"), QString("12 |2024년 5월 15일 "));
            QVERIFY(q.next());
            QCOMPARE(q.str("f01") + "|" + q.str("f03"), QString("122|남   궁   가   나 다"));
            QVERIFY(q.next());
            QCOMPARE(q.str("f01"), QString("123"));
        }
        w.lines()[0].ticked = w.lines()[2].ticked = false;
        w.btn_PrintClick();
        QCOMPARE(RankCertificates::counter(), 124);
    }

    // A failure keeps the counter and the earlier print, says why and shows nothing.
    void failedIssueShowsNoReport()
    {
        sqlExec("CREATE TRIGGER no_third BEFORE INSERT ON print WHEN NEW.seqno = 3 BEGIN SELECT RAISE(ABORT, '인쇄 거부'); END");
        TfPri0070 w;
        w.BitBtn0Click();
        w.btn_PrintClick();
        QCOMPARE(RankCertificates::counter(), 120);
        QVERIFY(m_out.runs.isEmpty());
        QVERIFY(m_db->dialogs().lastText().contains("인쇄 거부"));
    }

    // The scratch table is made anew; when it cannot be made the issue stops.
    void scratchTableFailureStops()
    {
        RankCertificates::Line l;
        l.name = "김철수";
        l.birthDate = "2015-07-03";
        l.rankName = "6급";
        QCOMPARE(RankCertificates::fill({l}, issue()), 1);
        QCOMPARE(RankCertificates::fill({l, l}, issue()), 2); // T_Temp from the last issue is dropped
        sqlExec("DROP TABLE T_Temp");
        sqlExec("CREATE INDEX T_Temp ON T_회원 (회원명)"); // the drop finds no table, the create fails
        bool thrown = false;
        try {
            RankCertificates::fill({l}, issue());
        } catch (const db::Error&) {
            thrown = true;
        }
        QVERIFY(thrown);
        QCOMPARE(RankCertificates::counter(), 123);
    }
};

QTEST_MAIN(TstRankCertificates)
#include "tst_rankcertificates.moc"
