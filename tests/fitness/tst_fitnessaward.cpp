// The fitness award certificate and what printing it records.
#include "FitnessFixture.h"

#include "fitness/FitnessAward.h"
#include "fitness/uPri8040.h"
#include "report/Report.h"
#include "report/ReportOutput.h"
#include "ui/MemberChooser.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace fitfix;

class TestFitnessAward : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    report::RecordingOutput m_out;

    static qint64 serial() { return db::scalar("SELECT 상장발부 FROM T_도장정보").toLongLong(); }
    static FitnessAward::Fields fields()
    {
        FitnessAward::Fields f;
        f.memberNo = "202301001";
        f.memberName = "홍길동";
        f.schoolYear = "초등 5";
        f.itemCode = "A03";
        f.itemName = "제자리멀리뛰기";
        f.competition = "12";
        f.date = QDate(2025, 6, 9);
        f.remark = "1학기";
        return f;
    }

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>(QDateTime(QDate(2025, 6, 10), QTime(10, 0)));
        sqlExec("INSERT INTO T_도장정보 (도장명, 관장명, 상장발부) VALUES ('한빛 태권도', '김관장', 57)");
        addTrainee({"202301001", "홍길동"});
        sqlExec("INSERT INTO T_상장지급 (회원번호, 지급일자, 상장코드, 순번) VALUES ('202301001', '2024-12-01', '05', 4)");
        sqlExec("INSERT INTO T_벌점항목 (벌점코드, 벌점명, 벌점수) VALUES ('07', '제자리멀리뛰기', 3)");
        m_out.runs.clear();
        m_out.printsFromPreview = 0;
        report::ReportOutput::install(&m_out);
    }
    void cleanup()
    {
        report::ReportOutput::install(nullptr);
        m_db.reset();
    }

    void previewRecordsNothing()
    {
        const FitnessAward a(fields());
        QVERIFY(a.run(report::Preview));
        QCOMPARE(m_out.runs.size(), 1);
        const QStringList texts = m_out.last().doc.texts();
        QVERIFY(texts.contains("제 57 호")); // the number to come
        QVERIFY(texts.contains("성 명 : 홍 길 동 "));
        QVERIFY(texts.contains("관 장   김관장"));
        QVERIFY(texts.contains("2025년 6월 9일"));
        QCOMPARE(serial(), 57);
        QCOMPARE(count("SELECT count(*) FROM T_상장지급"), 1);
    }

    void printingRecordsOnce_data()
    {
        QTest::addColumn<int>("destination");
        QTest::addColumn<int>("printsFromPreview");
        QTest::newRow("print button") << int(report::Printer) << 0;
        QTest::newRow("printed twice from the preview") << int(report::Preview) << 2;
    }
    void printingRecordsOnce()
    {
        QFETCH(int, destination);
        QFETCH(int, printsFromPreview);
        m_out.printsFromPreview = printsFromPreview;
        QVERIFY(FitnessAward(fields()).run(destination));
        QCOMPARE(serial(), 58);
        db::Query q("SELECT * FROM T_상장지급 WHERE 순번 = 5");
        q.open();
        QVERIFY(q.next());
        QCOMPARE(q.str("상장코드"), QString("03"));
        QCOMPARE(q.str("지급일자"), QString("2025-06-09"));
        QCOMPARE(q.str("비고"), QString("1학기"));
        QCOMPARE(q.str("비고2"), QString("03)  제자리멀리뛰기"));
        QVERIFY(!q.next());
        QCOMPARE(count("SELECT count(*) FROM T_상장지급"), 2);
        QCOMPARE(count("SELECT count(*) FROM T_벌점 WHERE 벌점코드 = '07' AND 벌점일자 = '2025-06-10'"), 1);
    }

    void failingMeritLeavesNothing()
    {
        failInsertsOf("T_벌점", "회원번호", "'202301001'");
        QVERIFY(!FitnessAward(fields()).run(report::Printer));
        QCOMPARE(serial(), 57);
        QCOMPARE(count("SELECT count(*) FROM T_상장지급"), 1);
        QCOMPARE(count("SELECT count(*) FROM T_벌점"), 0);
    }

    void bodyAndForms()
    {
        FitnessAward::Fields f = fields();
        f.withCompetition = false;
        QCOMPARE(FitnessAward(f).body().first(), QString("              위의  수련생은  체력평가 대회에서"));
        f.withCompetition = true;
        f.forms = true;
        const FitnessAward forms(f);
        QCOMPARE(forms.body(), QStringList{"   12  "});
        const QStringList texts = forms.document().texts();
        QVERIFY(texts.contains("57"));
        QVERIFY(!texts.contains("한빛 태권도"));
        QVERIFY(!texts.contains("제 57 호"));
    }

    void screen()
    {
        TfPri8040 w;
        w.btn_PrintClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("시상할 수련생을 선택하세요."));
        w.Com_name->setMemberNo("202301001");
        w.btn_PrintClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("종목을 선택하세요."));
        w.Com_Prize->setCurrentIndex(w.Com_Prize->findText("제자리멀리뛰기"));
        w.edt_no->setText("3");
        w.btn_PreviewClick();
        QCOMPARE(serial(), 57);
        w.btn_PrintClick();
        QCOMPARE(serial(), 58);
        QVERIFY(m_out.last().doc.texts().contains("제 57 호"));
    }
};

QTEST_MAIN(TestFitnessAward)
#include "tst_fitnessaward.moc"
