// The adult register, its measurements, grade ranges and printouts.
#include "FitnessFixture.h"

#include "fitness/Adults.h"
#include "fitness/uAdultEstimateCode.h"
#include "fitness/uAdultLevel.h"
#include "fitness/uAdultResult.h"
#include "report/Report.h"
#include "report/ReportOutput.h"
#include "ui/DateEdit.h"
#include "ui/ListModel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

using namespace fitfix;

class TestAdults : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

    static int addAdult(const QString& name, const QString& sex, const QString& birth)
    {
        Adults::Adult a;
        a.no = Adults::nextNo();
        a.name = name;
        a.sex = sex;
        a.birthDate = birth;
        a.traineeName = "김아들";
        if (!Adults::save(a, true).isEmpty())
            qFatal("adult not saved");
        return a.no;
    }
    static void measure(int no, const QString& date, QList<double> v, double fat = 0)
    {
        db::Query q("INSERT INTO T_성인체력측정 (성인번호, 측정일자, A01, A02, A03, A04, A05, A06, A07, A08, 비만도) "
                    "VALUES (:no, :d, :a1, :a2, :a3, :a4, :a5, :a6, :a7, :a8, :fat)");
        q.bind({{"no", no}, {"d", date}, {"fat", fat}});
        for (int i = 0; i < 8; ++i)
            q.bind(QStringLiteral("a%1").arg(i + 1), v.value(i));
        q.exec();
    }
    static QString printed(const QString& column, const QString& where)
    {
        return db::scalar(QStringLiteral("SELECT %1 FROM print WHERE %2").arg(column, where)).toString();
    }

private slots:
    void init() { m_db = std::make_unique<TestDb>(QDateTime(QDate(2025, 6, 10), QTime(10, 0))); }
    void cleanup() { m_db.reset(); }

    void register_()
    {
        QCOMPARE(Adults::nextNo(), 1);
        Adults::Adult a;
        a.no = 1;
        QCOMPARE(Adults::save(a, true), QString("이름을 입력하세요."));
        a.name = "김엄마";
        a.birthDate = "1985-13-01";
        QVERIFY(Adults::save(a, true).contains("생년월일"));
        QCOMPARE(Adults::count(), 0);
        a.birthDate = "1985-03-01";
        QVERIFY(Adults::save(a, true).isEmpty());
        QCOMPARE(Adults::nextNo(), 2);
        QCOMPARE(Adults::birthAndAge("1985-03-01", 2025), QString("1985-03-01/41"));
    }

    void deletedAdultLeavesNoMeasurement()
    {
        addAdult("김엄마", "0", "1985-03-01");
        const int second = addAdult("이아빠", "1", "1983-05-05");
        measure(second, "2025-05-01", {175, 70});
        Adults::remove(second);
        QCOMPARE(count("SELECT count(*) FROM T_성인체력측정"), 0);
        // The number comes round again and starts clean.
        QCOMPARE(addAdult("박이모", "0", "1990-01-01"), second);
        QVERIFY(Adults::search("박이모", false, {}, {}).isEmpty());
    }

    void batch()
    {
        const int mom = addAdult("김엄마", "0", "1985-03-01");
        const int dad = addAdult("김아빠", "1", "1983-05-05");
        addAdult("이웃", "1", "1980-01-01");
        QVERIFY(Adults::forEntry("없는이름", QDate(2025, 6, 10)).isEmpty());
        QList<Adults::Row> rows = Adults::forEntry("김", QDate(2025, 6, 10));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].name, QString("김아빠")); // by name
        Adults::setValue(rows[0], 1, 175);
        Adults::setValue(rows[0], 2, 70);
        QCOMPARE(rows[0].v[8], 111.1); // a man: 70 / ((175 − 105) × 0.9)
        QVERIFY(Adults::saveBatch(rows, {}).isEmpty());
        // Only the row filled in is stored.
        QCOMPARE(count("SELECT count(*) FROM T_성인체력측정"), 1);
        QCOMPARE(count("SELECT 성인번호 FROM T_성인체력측정"), dad);

        // The same day again: refused by name and day, nothing written, not even the other row.
        rows = Adults::forEntry("김", QDate(2025, 6, 10));
        Adults::setValue(rows[0], 1, 160);
        Adults::setValue(rows[1], 1, 176);
        const QString refusal = Adults::saveBatch(rows, {});
        QVERIFY(refusal.contains("김아빠") && refusal.contains("2025-06-10"));
        QCOMPARE(count("SELECT count(*) FROM T_성인체력측정"), 1);

        // Stored rows are edited and removed by their key.
        rows = Adults::batchSearch("김", QDate(2025, 6, 1), QDate(2025, 6, 30));
        QCOMPARE(rows.size(), 1);
        Adults::setValue(rows[0], 3, 25);
        QList<Adults::Row> fresh = Adults::forEntry("김엄마", QDate(2025, 6, 9));
        Adults::setValue(fresh[0], 1, 160);
        Adults::setValue(fresh[0], 2, 54);
        QCOMPARE(fresh[0].v[8], 100.0); // a woman: 54 / ((160 − 100) × 0.9)
        QVERIFY(Adults::saveBatch(rows + fresh, {}).isEmpty());
        QCOMPARE(db::scalar("SELECT A03 FROM T_성인체력측정 WHERE 성인번호 = :n", {{"n", dad}}).toDouble(), 25.0);
        QCOMPARE(count("SELECT count(*) FROM T_성인체력측정 WHERE 성인번호 = :n", {{"n", mom}}), 1);
        QVERIFY(Adults::saveBatch({}, rows).isEmpty());
        QCOMPARE(count("SELECT count(*) FROM T_성인체력측정 WHERE 성인번호 = :n", {{"n", dad}}), 0);
    }

    void batchFailureWritesNothing()
    {
        addAdult("김엄마", "0", "1985-03-01");
        const int dad = addAdult("김아빠", "1", "1983-05-05");
        QList<Adults::Row> rows = Adults::forEntry("김", QDate(2025, 6, 10));
        Adults::setValue(rows[0], 1, 160);
        Adults::setValue(rows[1], 1, 175);
        failInsertsOf("T_성인체력측정", "성인번호", QString::number(dad));
        QVERIFY_THROWS_EXCEPTION(db::Error, Adults::saveBatch(rows, {}));
        QCOMPARE(count("SELECT count(*) FROM T_성인체력측정"), 0);
    }

    void ranges()
    {
        Adults::Range r = Adults::newRange();
        QCOMPARE(r.v[9], 9999.0);
        r.fromAge = 30;
        r.toAge = 39;
        r.v = {0, 10, 10, 20, 20.1, 30, 30.1, 40, 40.1, 9999};
        QVERIFY(Adults::saveRanges("A03", "1", {r}, {}).isEmpty());
        QList<Adults::Range> stored = Adults::ranges("A03", "1");
        QCOMPARE(stored.size(), 1);
        QCOMPARE(*stored[0].storedFromAge, 30);
        stored[0].fromAge = 35; // the key itself changes
        QVERIFY(Adults::saveRanges("A03", "1", stored, {}).isEmpty());
        QCOMPARE(count("SELECT FROM연령 FROM T_성인체력등급표"), 35);
        Adults::Range twin = stored[0];
        twin.storedFromAge.reset();
        QVERIFY(Adults::saveRanges("A03", "1", {stored[0], twin}, {}).contains("두 줄"));
        Adults::Range backwards = Adults::newRange();
        backwards.fromAge = 50;
        backwards.toAge = 40;
        QVERIFY(!Adults::saveRanges("A03", "1", {backwards}, {}).isEmpty());
        QVERIFY(Adults::saveRanges("A03", "1", {}, {35}).isEmpty());
        QCOMPARE(count("SELECT count(*) FROM T_성인체력등급표"), 0);
    }

    void resultSheet()
    {
        const int dad = addAdult("김아빠", "1", "1983-05-05"); // age 43 in 2025
        const int other = addAdult("박아빠", "1", "1983-12-01");
        for (int m = 1; m <= 5; ++m)
            measure(dad, QStringLiteral("2025-0%1-01").arg(m), {170.0 + m, 70, 10.0 + m}, 100 + m);
        measure(other, "2025-01-15", {180, 80, 5}, 90);
        sqlExec("INSERT INTO T_성인체력등급표 (성인체력측정항목코드, 성별, FROM연령, TO연령, FROM1등급, TO1등급, FROM2등급, TO2등급, "
                "FROM3등급, TO3등급, FROM4등급, TO4등급, FROM5등급, TO5등급, [3등급평가내용], [33등급평가내용]) VALUES "
                "('A03', '1', 40, 49, 0, 4.9, 5.0, 9.9, 10.0, 14.9, 15.0, 19.9, 20.0, 9999, '보통', '꾸준히')");
        report::PrintJob job;
        Adults::fillResults(job, Adults::measured("", false, {}, {}), QDate(2025, 6, 10));
        const QString d = QStringLiteral("회원번호 = '%1'").arg(dad);
        QCOMPARE(printed("회원명", d), QString("김아빠"));
        QCOMPARE(printed("구분1", d), QString("신장"));
        QCOMPARE(printed("F14", d), QString("2025-01-01"));
        QCOMPARE(printed("A01", d), QString("171.0"));
        QCOMPARE(printed("F15", d), QString("2025-05-01"));
        QCOMPARE(printed("F18", d), QString("2025-02-01"));
        QCOMPARE(printed("E03", d), QString("12.0"));
        QCOMPARE(printed("N01", d), QString("4.0"));
        QCOMPARE(printed("N09", d), QString("4.0"));
        // Average over the latest measurement of the men born in 1983: (175 + 180) / 2.
        QCOMPARE(printed("가정통신11", d), QString("177.5"));
        QCOMPARE(printed("미납년도", d), QString("97.5"));
        // Latest A03 = 15.0 with ranges 10.0-14.9 and 15.0-19.9: grade 4, which has no sentences.
        QCOMPARE(printed("K03", d), QString("(4등급)"));
        QCOMPARE(printed("F33", d), QString("4등급"));
        QVERIFY(printed("K01", d).isEmpty());
        QVERIFY(printed("F05", d).isEmpty());

        report::PrintJob sheet;
        Adults::fillSheet(sheet, Adults::all(), QDate(2025, 6, 10));
        QCOMPARE(printed("f04", "seqno = 1"), QString("43"));
        QCOMPARE(printed("A03", "seqno = 1"), QString("악력"));
    }

    void screen()
    {
        useLayout("성인체력1.rpt");
        useLayout("성인체력2.rpt");
        report::RecordingOutput out;
        report::ReportOutput::install(&out);
        TfAdultResult w;
        w.selectPage(TfAdultResult::PgResults, true);
        QVERIFY(!w.Btn_Insert->isEnabled() && w.Btn_Query->isEnabled());
        w.Btn_QueryClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("조건에 맞는 자료가 없습니다."));
        QCOMPARE(m_db->dialogs().log.last().caption, QString("성인기초체력측정"));

        w.selectPage(TfAdultResult::PgRegister, true);
        w.Btn_EditClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("선택된 항목이 없습니다."));
        w.Btn_InsertClick();
        w.edt_Name->setText("김엄마");
        w.rdo_SexFeMale->setChecked(true);
        w.edt_Birth->setDateText("1985-03-01");
        w.Btn_SaveClick();
        QCOMPARE(Adults::count(), 1);
        QCOMPARE(Adults::find(1)->sex, QString("0"));

        w.selectPage(TfAdultResult::PgBatch, true);
        w.Btn_InsertClick();
        QCOMPARE(w.batchModel->rows(), 1);
        QVERIFY(!w.batchModel->type(0, TfAdultResult::BcFirstValue, "키"));
        QVERIFY(w.batchModel->type(0, TfAdultResult::BcFirstValue, "160"));
        QVERIFY(w.batchModel->type(0, TfAdultResult::BcFirstValue + 1, "54"));
        QCOMPARE(w.batchModel->text(0, TfAdultResult::BcFirstValue + 8), QString("100.0"));
        w.Btn_SaveClick();
        QVERIFY(!w.editing());
        QCOMPARE(count("SELECT count(*) FROM T_성인체력측정"), 1);

        w.selectPage(TfAdultResult::PgPrint, true);
        w.Btn_QueryClick();
        QCOMPARE(w.estimateModel->rows(), 1);
        w.Btn_PrintClick();
        QCOMPARE(out.last().title, QString("성인체력측정결과 일괄출력"));
        QVERIFY(out.last().doc.texts().contains("160.0"));
        w.selectPage(TfAdultResult::PgSheet, true);
        w.Btn_QueryClick();
        w.Btn_PrintClick();
        QCOMPARE(out.last().title, QString("측정표출력"));
        QVERIFY(out.last().doc.texts().contains("김엄마"));

        // Deleting from the register takes the measurements along.
        w.selectPage(TfAdultResult::PgPrint, true);
        w.Btn_QueryClick();
        w.openAdult(1);
        QCOMPARE(w.currentPage(), int(TfAdultResult::PgRegister));
        w.Btn_DeleteClick();
        w.Btn_SaveClick();
        QCOMPARE(Adults::count(), 0);
        QCOMPARE(count("SELECT count(*) FROM T_성인체력측정"), 0);
        report::ReportOutput::install(nullptr);
    }

    void levelScreen()
    {
        TfAdultLevel w;
        w.Btn_InsertClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("성인체력측정항목을 선택하세요."));
        QCOMPARE(m_db->dialogs().log.last().caption, QString("확인요망"));
        w.Com_AdultCode->setCurrentIndex(3);
        w.Btn_InsertClick();
        QVERIFY(w.model->type(0, 0, "20"));
        QVERIFY(w.model->type(0, 1, "29"));
        QVERIFY(w.model->type(0, 2, "4.9"));
        w.Btn_SaveClick();
        QVERIFY(!w.editing());
        QCOMPARE(Adults::ranges("A03", "1").size(), 1);
        QCOMPARE(Adults::ranges("A03", "1")[0].v[1], 4.9);
        QCOMPARE(Adults::ranges("A03", "1")[0].v[9], 9999.0); // grade 5 open upwards, as a new row starts
        w.chk_FeMale->setChecked(true);
        QCOMPARE(w.model->rows(), 0);
    }

    // The item names: read-only until 수정, an empty name refused, the typed one saved by 확인.
    void itemNameScreen()
    {
        TfAdultEstimateCode w;
        QCOMPARE(w.model->rows(), 8);
        QVERIFY(!w.model->type(1, 1, "읽기만"));
        w.Btn_Edit->click();
        QVERIFY(w.model->type(1, 1, "윗몸일으키기(회)"));
        QVERIFY(w.model->type(2, 1, " "));
        w.Btn_Save->click();
        QCOMPARE(m_db->dialogs().log.last().caption, QString("확인요망"));
        QVERIFY(w.Btn_Save->isEnabled());
        QVERIFY(w.model->type(2, 1, "유연성"));
        w.Btn_Save->click();
        QVERIFY(!w.Btn_Save->isEnabled() && w.Btn_Edit->isEnabled());
        QCOMPARE(Adults::itemNames().value(1), QString("윗몸일으키기(회)"));
        QCOMPARE(Adults::itemNames().value(2), QString("유연성"));
        QCOMPARE(w.model->text(1, 1), QString("윗몸일으키기(회)"));
    }
};

QTEST_MAIN(TestAdults)
#include "tst_adults.moc"
