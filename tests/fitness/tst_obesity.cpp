// The obesity calculator and the band texts.
#include "FitnessFixture.h"

#include "fitness/Fitness.h"
#include "fitness/Obesity.h"
#include "fitness/uFat.h"
#include "fitness/uSimpleFat.h"
#include "report/ReportOutput.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

using namespace fitfix;

class TestObesity : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init() { m_db = std::make_unique<TestDb>(QDateTime(QDate(2025, 6, 10), QTime(10, 0))); }
    void cleanup() { m_db.reset(); }

    void age_data()
    {
        QTest::addColumn<QString>("digits");
        QTest::addColumn<QString>("age");
        QTest::newRow("birthday passed") << "20150302" << "10";
        QTest::newRow("birthday today") << "20150610" << "10";
        QTest::newRow("birthday later this year") << "20150611" << "9";
        QTest::newRow("no such day") << "20150230" << "0";
        QTest::newRow("too short") << "2015" << "0";
        QTest::newRow("blank") << "" << "0";
    }
    void age()
    {
        QFETCH(QString, digits);
        QFETCH(QString, age);
        QCOMPARE(Obesity::ageText(digits, QDate(2025, 6, 10)), age);
    }

    // The band is looked up on the index itself, only the shown value has one decimal.
    void bandAtItsEdges_data()
    {
        QTest::addColumn<double>("weight");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("119.46") << 53.757 << "119.5" << "과체중";
        QTest::newRow("119.5") << 53.775 << "119.5" << "경도비만";
        QTest::newRow("89.45") << 40.2525 << "89.5" << "저체중";
    }
    void bandAtItsEdges()
    {
        QFETCH(double, weight);
        QFETCH(QString, shown);
        QFETCH(QString, verdict);
        const Obesity::Result r = Obesity::evaluate(150, weight, "남"); // standard weight 45
        QCOMPARE(fitness::fmt1(r.index), shown);
        QCOMPARE(r.verdict, verdict);
    }

    void bandTextsSavedToThatBandOnly()
    {
        sqlExec("INSERT INTO T_비만측정 (비만코드, FROM비만도, TO비만도, 평가, 평가내용1) VALUES ('1', 1000, 1001, '가', '하나'), "
                "('10', 1002, 1003, '나', '열')");
        const QString longLine = QString(54, QChar(u'가')) + "ab" + "나"; // 112 bytes: the last syllable would split
        Obesity::saveBandLines("1", {longLine, "둘째"});
        QCOMPARE(Obesity::bandLines("1").first(), QString(54, QChar(u'가')) + "ab");
        QCOMPARE(Obesity::bandLines("1")[1], QString("둘째"));
        QCOMPARE(Obesity::bandLines("10").first(), QString("열"));
        QCOMPARE(Obesity::bandLines("1").size(), 24);
    }

    void calculator()
    {
        useLayout("단순비만.rpt");
        report::RecordingOutput out;
        report::ReportOutput::install(&out);
        TfSimpleFat w;
        w.Btn_QueryClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("신장은 필수 입력입니다."));
        QCOMPARE(m_db->dialogs().log.last().caption, QString("오류"));
        w.Edt_Height->setText("150");
        w.Btn_QueryClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("체중은 필수 입력입니다."));
        w.Edt_Weight->setText("오십");
        w.Btn_QueryClick();
        QVERIFY(m_db->dialogs().lastText().contains("숫자"));
        w.Edt_Weight->setText("50");
        w.Btn_QueryClick();
        QCOMPARE(w.Edt_Fat->text(), QString("111.1"));
        QCOMPARE(w.Edt_Estimate->text(), QString("과체중"));
        QVERIFY(w.mem_List->toPlainText().startsWith("키에 비해 체중이 조금 많은 편입니다."));

        w.edt_Name->setText("홍길동");
        w.Msk_Birthday->setText("2015-03-02");
        w.Msk_BirthdayExit();
        QCOMPARE(w.Edt_year->text(), QString("10"));
        w.Btn_PrintClick();
        QCOMPARE(out.last().title, QString("비만도측정"));
        const QStringList texts = out.last().doc.texts();
        QVERIFY(texts.contains("이    름 : 홍길동"));
        QVERIFY(texts.contains("비 만 도 : 111.1 %"));
        QVERIFY(texts.contains("키에 비해 체중이 조금 많은 편입니다."));

        // The next person falls in no band: the previous text does not stay.
        sqlExec("DELETE FROM T_비만측정 WHERE 평가 = '고도비만'");
        w.Edt_Weight->setText("100");
        w.Btn_QueryClick();
        QCOMPARE(w.Edt_Fat->text(), QString("222.2"));
        QVERIFY(w.Edt_Estimate->text().isEmpty());
        QVERIFY(w.mem_List->toPlainText().trimmed().isEmpty());

        // A girl of 105 cm has no standard weight: index 0 and a message, no division by zero.
        w.Opt_FeMale->setChecked(true);
        w.Edt_Height->setText("105");
        w.Btn_QueryClick();
        QCOMPARE(w.Edt_Fat->text(), QString("0.0"));
        QVERIFY(m_db->dialogs().lastText().contains("표준체중"));
        report::ReportOutput::install(nullptr);
    }

    void bandScreen()
    {
        TfFat w;
        w.Com_Fat->setCurrentIndex(w.Com_Fat->findText("04)  120-129"));
        QVERIFY(w.mem_Text->toPlainText().startsWith("가벼운 비만입니다."));
        w.Btn_EditClick();
        QStringList lines(25, "줄");
        w.mem_Text->setPlainText(lines.join('\n'));
        w.Btn_SaveClick();
        QVERIFY(m_db->dialogs().lastText().contains("24줄"));
        QVERIFY(w.editing());
        w.mem_Text->setPlainText("새 내용");
        w.Btn_SaveClick();
        QVERIFY(!w.editing());
        QCOMPARE(Obesity::bandLines("04").first(), QString("새 내용"));
        QVERIFY(Obesity::bandLines("04")[1].isEmpty());
    }
};

QTEST_MAIN(TestObesity)
#include "tst_obesity.moc"
