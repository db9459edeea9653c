// Examination paperwork: the scoring sheet, the invitation and its notice file, the application form
// and the per-rank content.
#include "ExamFixture.h"

#include "db/ProgramDir.h"
#include "exams/ExamPaperwork.h"
#include "exams/uPri0050.h"
#include "exams/uPriSinchung.h"
#include "report/Report.h"
#include "report/ReportOutput.h"
#include "report/NoticeFile.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace examfix;
using ExamPaperwork::Application;
using ExamPaperwork::Kind;

Q_DECLARE_METATYPE(ExamPaperwork::Kind)

class TstExamPaperwork : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

    static QByteArray golden(const char* name)
    {
        QFile f(QStringLiteral(TAMRIN_SOURCE_DIR "/tests/exams/golden/") + QString::fromUtf8(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static void members(int n)
    {
        for (int i = 1; i <= n; ++i)
            addMember({QStringLiteral("2023010%1").arg(i, 2, 10, QChar(u'0')), QStringLiteral("회원%1").arg(i, 2, 10, QChar(u'0')), "03", "05"});
    }

    static QList<QStringList> sheetLines(const ExamPaperwork::SheetOptions& o, int* trainees = nullptr)
    {
        report::PrintJob job;
        const int n = ExamPaperwork::fillScoringSheet(o, job);
        if (trainees)
            *trainees = n;
        QList<QStringList> out;
        db::Query q("SELECT seqno, 회원명, f02, f03, f04, f05, A01, A06 FROM print WHERE seqno < 100000 ORDER BY seqno");
        q.open();
        while (q.next())
            out << QStringList{q.str("seqno"), q.str("회원명"), q.str("f02"), q.str("f03"), q.str("f04"), q.str("f05"), q.str("A01"), q.str("A06")};
        return out;
    }

    static Application application()
    {
        Application a;
        a.date = QDate(2024, 6, 8);
        a.time = QTime(9, 0);
        a.examNo = "4";
        a.place = "본 체육관";
        a.attire = "도복";
        a.fee = "30000";
        a.month = "6";
        a.day = "05";
        a.content = "1줄\n2줄";
        return a;
    }

private slots:
    void init() { m_db = std::make_unique<TestDb>(); }
    void cleanup() { m_db.reset(); }

    void scoringSheetFiller_data()
    {
        QTest::addColumn<int>("trainees");
        QTest::addColumn<int>("lines");
        QTest::newRow("35: a full page") << 35 << 35;
        QTest::newRow("36: one short of the second page") << 36 << 69;
        QTest::newRow("1") << 1 << 34;
    }
    void scoringSheetFiller()
    {
        QFETCH(int, trainees);
        QFETCH(int, lines);
        members(trainees);
        ExamPaperwork::SheetOptions o;
        o.examDate = QDate(2024, 6, 8);
        int n = 0;
        const QList<QStringList> rows = sheetLines(o, &n);
        QCOMPARE(n, trainees);
        QCOMPARE(rows.size(), lines);
        QCOMPARE(rows.last()[0], QString::number(lines));
        QCOMPARE(rows.last()[1], trainees == lines ? QStringLiteral("회원%1").arg(trainees, 2, 10, QChar(u'0')) : QString());
        QCOMPARE(rows.last()[6] + rows.last()[7], QString("기본동작태도")); // item names on filler lines too
    }

    // The month before the examination: no absence leaves the cell empty, two give "-2"; points summed;
    // a trainee on leave shows "휴관" instead of the age.
    void scoringSheetFigures()
    {
        addMember({"202301001", "김결석", "03", "05"});
        addMember({"202301002", "이개근", "03", "04", "2023-01-10", {}, {}, {}, {}, {}, "2015-07-03"});
        addMember({"202301003", "박휴관", "03", "06", "2023-01-10", "2024-03-01"});
        attfix::addAbsence("202301001", "2024-05-02");
        attfix::addAbsence("202301001", "2024-05-20");
        attfix::addAbsence("202301001", "2024-06-01"); // the examination month itself
        addMerit("202301002", 1, "2024-05-03", "01");
        addMerit("202301002", 2, "2024-05-04", "02");
        ExamPaperwork::SheetOptions o;
        o.examDate = QDate(2024, 6, 8);
        o.highestFirst = true;
        const QList<QStringList> rows = sheetLines(o);
        QCOMPARE(rows[0].mid(1, 5), (QStringList{"박휴관", "5급", "", "", "휴관"}));
        QCOMPARE(rows[1].mid(1, 5), (QStringList{"김결석", "6급", "-2", "", "10"}));
        QCOMPARE(rows[2].mid(1, 5), (QStringList{"이개근", "7급", "", "8", "10"}));
        QCOMPARE(ExamPaperwork::previousMonth(QDate(2024, 1, 31)), QString("2023-12"));
    }

    void times_data()
    {
        QTest::addColumn<QTime>("time");
        QTest::addColumn<QString>("text");
        QTest::newRow("09:00") << QTime(9, 0) << "2024년 6월 8일 오전 09시";
        QTest::newRow("12:30") << QTime(12, 30) << "2024년 6월 8일 오후 0시";
        QTest::newRow("15:00") << QTime(15, 0) << "2024년 6월 8일 오후 3시";
    }
    void times()
    {
        QFETCH(QTime, time);
        QFETCH(QString, text);
        QCOMPARE(ExamPaperwork::timeText(QDate(2024, 6, 8), time), text);
    }

    void feesAndDeadlines_data()
    {
        QTest::addColumn<QString>("fee");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<bool>("forms");
        QTest::addColumn<QString>("feeText");
        QTest::addColumn<QString>("deadline");
        QTest::newRow("0") << "0" << Kind::AreaApplication << false << "" << "본 승급심사 신청서는 6월 05일 까지 접수하시기 바랍니다.";
        QTest::newRow("30000 area") << "30000" << Kind::AreaApplication << false << "심 사 비 :  30,000 원"
                                    << "본 승급심사 신청서는 심사비와 함께 6월 05일 까지 접수하시기 바랍니다.";
        QTest::newRow("30000 content") << "30000" << Kind::ContentAndScores << false << "4.심 사 비 : 30,000 원"
                                       << "본 승급심사 신청서는 심사비와 함께 6월 05일 까지 접수하시기 바랍니다.";
        QTest::newRow("30000 forms") << "30000" << Kind::ScoringAndResult << true << "            30,000 원" << "6월 05일";
    }
    void feesAndDeadlines()
    {
        QFETCH(QString, fee);
        QFETCH(Kind, kind);
        QFETCH(bool, forms);
        QFETCH(QString, feeText);
        QFETCH(QString, deadline);
        Application a = application();
        a.fee = fee;
        a.kind = kind;
        a.forms = forms;
        QCOMPARE(ExamPaperwork::feeText(a), feeText);
        QCOMPARE(ExamPaperwork::deadlineText(a), deadline);
    }

    void spacedNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("spaced");
        QTest::newRow("hangul") << "한빛 태권도" << "한     빛     태     권     도     ";
        QTest::newRow("latin and digits") << "K1 도장" << "K     1     도     장     ";
    }
    void spacedNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, spaced);
        QCOMPARE(ExamPaperwork::spacedSchoolName(name), spaced);
    }

    // The checks in order; a fee that is not a whole number stops the print with a message and the
    // focus on the fee, and nothing is printed.
    void applicationChecks()
    {
        Application a = application();
        QVERIFY(ExamPaperwork::checkApplication(a).ok());
        a.fee = "3만";
        QCOMPARE(ExamPaperwork::checkApplication(a).message, QString("심사비는 숫자로 입력하세요."));
        a.attire = " ";
        QCOMPARE(ExamPaperwork::checkApplication(a).message, QString("심사복장을 입력하세요."));
        a.month = "";
        QCOMPARE(ExamPaperwork::checkApplication(a).field, QString("msk_JumsuMM"));

        report::RecordingOutput out;
        report::ReportOutput::install(&out);
        TfPriSinchung w;
        w.show();
        w.Edit_SimsaFee->setText("3만");
        w.BitBtn1Click();
        QCOMPARE(m_db->dialogs().log.last().caption, QString("확인요망"));
        QCOMPARE(m_db->dialogs().lastText(), QString("심사비는 숫자로 입력하세요."));
        QVERIFY(out.runs.isEmpty());
        report::ReportOutput::install(nullptr);
    }

    void applicationLines()
    {
        sqlExec("INSERT INTO T_도장정보 (도장명) VALUES ('한빛 태권도')");
        addMember({"202301001", "김태권", "03", "05"});
        addMember({"202301002", "이품새", "03", "10"});
        attfix::addAbsence("202301001", "2024-05-02");
        ExamPaperwork::RankContent c{"05", "6급", {"앞차기", "태극 4장", "", "", "", ""}};
        ExamPaperwork::saveContent({c}, {"기본기와 예절", "품새", "", ""});
        QList<ExamPaperwork::Trainee> rows = ExamPaperwork::applicationList(0, QString(), QDate(2024, 6, 8), true);
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].nextRankName + "/" + rows[0].attendance + "/" + rows[0].points, QString("5급/-1/0"));
        QCOMPARE(rows[1].nextRankName, QString("단보"));
        report::PrintJob job;
        QCOMPARE(ExamPaperwork::fillApplication(rows, application(), job), 2);
        db::Query q("SELECT * FROM print WHERE seqno < 100000 ORDER BY seqno");
        q.open();
        QVERIFY(q.next());
        QCOMPARE(q.str("g04") + "|" + q.str("구분2") + "|" + q.str("구분5"), QString("5급|2024년 6월 8일 오전 09시|심 사 비 :  30,000 원"));
        QCOMPARE(q.str("C01") + "|" + q.str("C02") + "|" + q.str("F05") + "|" + q.str("F06") + "|" + q.str("F29"), QString("앞차기|태극 4장|1줄|2줄|"));
        QCOMPARE(q.str("B01") + "|" + q.str("B02"), QString("기본기와|품새")); // 8 bytes
        QCOMPARE(q.str("association"), QString("한     빛     태     권     도     "));
        QVERIFY(q.next());
        QVERIFY(q.isNull("C01")); // no content for that rank
    }

    void invitationFileByteForByte()
    {
        sqlExec("INSERT INTO T_도장정보 (도장명, 관장명, 전화번호) VALUES ('한빛 태권도', '김 관장', '02-123 4567')");
        addMember({"202301001", "김태권", "03", "05", "2023-01-10", {}, {}, {}, "a@x.kr", "010-1111-2222 "});
        addMember({"202301002", "박메일", "03", "05", "2023-01-10", {}, {}, {}, "", "010-5555-6666"});
        const QList<ExamPaperwork::Trainee> rows = ExamPaperwork::invitationList(0, QString());
        QCOMPARE(rows.size(), 2);
        ExamPaperwork::Invitation inv{QDate(2024, 6, 8), QTime(14, 5), "4", "본 체육관", "도복", "기본동작\n품새 태극 4장"};
        const NoticeFile file = ExamPaperwork::invitationFile(rows, inv, QDate(2024, 5, 15));
        QCOMPARE(file.path(), ProgramDir::file(QStringLiteral("인터넷통보자료/심사안내문/심사안내문.txt")));
        QCOMPARE(file.bytes(), golden("심사안내문.txt"));

        report::PrintJob job;
        QCOMPARE(ExamPaperwork::fillInvitation(rows, inv, job), 2);
        QCOMPARE(db::scalarText("SELECT f01 || '|' || f05 || '|' || f07 FROM print WHERE seqno = 1"),
                 QString("2024년 6월 8일 14시 5분|5급|토요일 14시 5분"));
    }

    // 심사 안내문 as the user works it: 조회, 발부 (the place is needed; the text is kept for next
    // time), 자료생성.
    void invitationScreen()
    {
        QDir().mkpath(ProgramDir::file("report"));
        QVERIFY(QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/report/심사안내1.rpt"), ProgramDir::file("report/심사안내1.rpt")));
        report::RecordingOutput out;
        report::ReportOutput::install(&out);
        addMember({"202301001", "김태권", "03", "05", "2023-01-10", {}, {}, {}, "a@x.kr", "010-1111-2222"});
        TfPri0050 w;
        w.btn_File->click();
        QCOMPARE(m_db->dialogs().lastText(), QString("자료를 조회하세요."));
        w.BitBtn0->click();
        QCOMPARE(w.rows().size(), 1);
        w.sim_place->clear();
        w.btn_Print->click();
        QCOMPARE(m_db->dialogs().lastText(), QString("심사장소를 입력하세요."));
        QCOMPARE(out.runs.size(), 0);
        w.sim_place->setText(QStringLiteral("본 체육관"));
        w.sim_Main->setPlainText(QStringLiteral("품새 태극 4장"));
        w.btn_Print->click();
        QCOMPARE(out.runs.size(), 1);
        QCOMPARE(db::scalarText("SELECT 심사 FROM T_가정통신문"), QString("품새 태극 4장"));
        w.btn_File->click();
        QVERIFY(QFile::exists(ProgramDir::file(QStringLiteral("인터넷통보자료/심사안내문/심사안내문.txt"))));
        report::ReportOutput::install(nullptr);
    }

    void contentEveryRankSameAreas()
    {
        QList<ExamPaperwork::RankContent> rows = ExamPaperwork::loadContent();
        QCOMPARE(rows.size(), db::scalar("SELECT Count(*) FROM T_급품코드").toInt());
        rows[0].contents[0] = "앞굽이";
        ExamPaperwork::saveContent(rows, {"예절", "기본", "품새", "겨루기"});
        ExamPaperwork::saveContent(rows, {"예절", "기본", "품새", "겨루기와 격파"});
        QCOMPARE(count("SELECT Count(*) FROM T_급별심사평가내용"), rows.size());
        QCOMPARE(count("SELECT Count(*) FROM T_급별심사평가내용 WHERE 평가항목4 = '겨루기와 격파'"), rows.size());
        QCOMPARE(ExamPaperwork::loadContent()[0].contents[0], QString("앞굽이"));
        QCOMPARE(ExamPaperwork::loadAreas(), (QStringList{"예절", "기본", "품새", "겨루기와 격파"}));
    }

    // Every layout of the paperwork reads only columns that print has.
    void layoutsRun()
    {
        QDir().mkpath(ProgramDir::file("report"));
        QStringList names{"심사채점.rpt", "심사안내1.rpt", "심사안내2.rpt"};
        for (int k = 1; k <= 8; ++k)
            names << QStringLiteral("심사신청%1.rpt").arg(k);
        for (const QString& name : names) {
            QVERIFY(QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/report/") + name, ProgramDir::file("report/") + name));
            QString error;
            QVERIFY2(report::renderLayout(name, QString(), &error), qPrintable(error));
        }
    }
};

QTEST_MAIN(TstExamPaperwork)
#include "tst_exampaperwork.moc"
