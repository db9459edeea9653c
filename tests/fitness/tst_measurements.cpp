// Trainee measurements: the batch entry of a division, the search and the screen "체력측정".
#include "FitnessFixture.h"

#include "fitness/Measurements.h"
#include "fitness/uBod0010.h"
#include "report/Report.h"
#include "report/ReportOutput.h"
#include "ui/ListModel.h"
#include "ui/StatusLine.h"

#include <QApplication>
#include <QLineEdit>

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDateEdit>
#include <QLineSeries>
#include <QPushButton>
#include <QTableView>

using namespace fitfix;

class TestMeasurements : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

    static DivisionFilter::Condition all() { return DivisionFilter::conditionFor(1, "     전체"); }

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>(QDateTime(QDate(2025, 6, 10), QTime(10, 0)));
        addTrainee({"202301001", "가나다", "남"});
        addTrainee({"202301002", "나나나", "여", "2016-01-01", "03"});
        addTrainee({"202301003", "휴관생", "남", "2015-01-01", "05", "2023-01-10", "", "", "2025-01-01"});
        addTrainee({"202301004", "퇴관생", "남", "2015-01-01", "05", "2023-01-10", "", "", "", "2025-01-01"});
        addTrainee({"202506001", "늦은입관", "남", "2015-01-01", "05", "2025-06-11"});
        addMeasurement("202301001", "2025-03-02", {130, 30, 150});
        addMeasurement("202301001", "2025-05-02", {132, 31, 155}, 96.5);
    }
    void cleanup() { m_db.reset(); }

    void entryList()
    {
        const QList<Measurements::Row> rows = Measurements::forEntry(QDate(2025, 6, 10), all());
        // Division order, then name: 03 나나나, 05 가나다; on leave, withdrawn and later enrolments are out.
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].name, QString("나나나"));
        QCOMPARE(rows[0].v[0], 100.0); // never measured: the placeholder height and weight
        QCOMPARE(rows[0].v[1], 100.0);
        QCOMPARE(rows[0].v[2], 0.0);
        QCOMPARE(rows[0].v[12], 0.0);
        QCOMPARE(rows[1].name, QString("가나다"));
        QCOMPARE(rows[1].v[2], 155.0); // from the latest measurement
        QCOMPARE(rows[1].v[12], 96.5);
        for (const Measurements::Row& r : rows) {
            QCOMPARE(r.date, QString("2025-06-10"));
            QVERIFY(!r.changed);
        }
        QCOMPARE(Measurements::forEntry(QDate(2025, 6, 10), DivisionFilter::conditionFor(5, "05) 초등3학년부")).size(), 1);
    }

    void savesOnlyTypedRows()
    {
        QList<Measurements::Row> rows = Measurements::forEntry(QDate(2025, 6, 10), all());
        Measurements::setValue(rows[0], 1, 140);
        Measurements::setValue(rows[0], 2, 35);
        QCOMPARE(Measurements::save(rows), 1);
        QCOMPARE(count("SELECT count(*) FROM T_체력측정"), 3);
        QCOMPARE(count("SELECT count(*) FROM T_체력측정 WHERE 회원번호 = '202301002'"), 1);
        // (140 − 105) × 0.9 = 31.5 for a girl; 35 / 31.5 = 111.1
        QCOMPARE(db::scalar("SELECT 비만도 FROM T_체력측정 WHERE 회원번호 = '202301002'").toDouble(), 111.1);
        // The untouched member keeps his latest measurement as it was.
        QCOMPARE(count("SELECT count(*) FROM T_체력측정 WHERE 회원번호 = '202301001'"), 2);
    }

    void sameDayUpdatesTheRecord()
    {
        addMeasurement("202301002", "2025-06-10", {120, 25});
        QList<Measurements::Row> rows = Measurements::forEntry(QDate(2025, 6, 10), all());
        QCOMPARE(rows[0].v[0], 120.0);
        Measurements::setValue(rows[0], 3, 99.94);
        QCOMPARE(Measurements::save(rows), 1);
        QCOMPARE(count("SELECT count(*) FROM T_체력측정 WHERE 회원번호 = '202301002'"), 1);
        QCOMPARE(db::scalar("SELECT A03 FROM T_체력측정 WHERE 회원번호 = '202301002'").toDouble(), 99.9);
        QCOMPARE(db::scalar("SELECT A01 FROM T_체력측정 WHERE 회원번호 = '202301002'").toDouble(), 120.0);
    }

    void failureWritesNothing()
    {
        QList<Measurements::Row> rows = Measurements::forEntry(QDate(2025, 6, 10), all());
        Measurements::setValue(rows[0], 3, 10);
        Measurements::setValue(rows[1], 3, 20);
        failInsertsOf("T_체력측정", "회원번호", "'202301001'");
        QVERIFY_THROWS_EXCEPTION(db::Error, Measurements::save(rows));
        QCOMPARE(count("SELECT count(*) FROM T_체력측정"), 2);
    }

    void search()
    {
        addMeasurement("202301002", "2025-06-01", {120, 25});
        addMeasurement("202301003", "2025-05-10", {120, 25}); // on leave: not listed
        const QList<Measurements::Row> rows = Measurements::search(QDate(2025, 5, 1), QDate(2025, 6, 30), all());
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0].date, QString("2025-05-02"));
        QCOMPARE(rows[1].name, QString("나나나"));
    }

    // The screen: a batch where the user types into one row, a word typed into a value cell, and an edit
    // of a searched row.
    void screenEntry()
    {
        TfBod0010 w;
        w.inToday->setDate(QDate(2025, 6, 10));
        w.Btn_InsertClick();
        QCOMPARE(w.model->rows(), 2);
        QVERIFY(w.Btn_Save->isEnabled() && !w.Btn_Insert->isEnabled());
        const int height = TfBod0010::ColFirstValue, weight = height + 1, fat = height + 12;
        QString refused;
        QVERIFY(!w.model->type(0, height, "백사십", &refused));
        QVERIFY2(refused.contains("숫자를 입력하세요"), qPrintable(refused));
        QCOMPARE(w.model->text(0, height), QString("100.0"));
        QVERIFY(!w.model->type(0, TfBod0010::ColName, "바꾼이름")); // names are never editable
        QVERIFY(w.model->type(0, height, "160"));
        QVERIFY(w.model->type(0, weight, "50"));
        QCOMPARE(w.model->text(0, fat), QString("101.0")); // a girl: 50 / ((160 − 105) × 0.9)
        w.Btn_SaveClick();
        QVERIFY(!w.editing());
        QCOMPARE(count("SELECT count(*) FROM T_체력측정 WHERE 측정일자 = '2025-06-10'"), 1);

        // Searching, then editing the second row, writes that row only.
        w.inDateFrom->setDate(QDate(2025, 5, 1));
        w.inDateTo->setDate(QDate(2025, 6, 30));
        w.Btn_QueryClick();
        QCOMPARE(w.model->rows(), 2);
        w.grd_Measure->setCurrentIndex(w.model->index(1, 0));
        w.Btn_EditClick();
        QVERIFY(!w.model->type(0, height, "1")); // only the chosen row is open
        QVERIFY(w.model->type(1, height + 2, "170"));
        w.Btn_SaveClick();
        QCOMPARE(count("SELECT count(*) FROM T_체력측정"), 3);
        QCOMPARE(db::scalar("SELECT A03 FROM T_체력측정 WHERE 측정일자 = '2025-06-10'").toDouble(), 170.0);
    }

    // A word typed into 앉아윗몸 is refused where it was typed: Tab leaves neither the cell nor the open
    // editor, the word stays for correcting, and the corrected value lands in that cell, not the next.
    void refusedValueStaysInItsCell()
    {
        TfBod0010 w;
        w.show();
        QApplication::setActiveWindow(&w);
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.inToday->setDate(QDate(2025, 6, 10));
        w.Btn_InsertClick();
        const int cell = TfBod0010::ColFirstValue + 2, next = cell + 1;
        const QString before = w.model->text(0, cell), nextBefore = w.model->text(0, next);
        QTableView* g = w.grd_Measure;
        g->setFocus();
        g->setCurrentIndex(w.model->index(0, cell));
        g->edit(g->currentIndex());
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, "1o");
        const int caret = editor->cursorPosition();
        QTest::keyClick(editor, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), editor);
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->text(), QString("1o"));
        QCOMPARE(editor->cursorPosition(), caret);
        QCOMPARE(g->currentIndex(), w.model->index(0, cell));
        QVERIFY(StatusLine::text().contains(QStringLiteral("숫자를 입력하세요")));
        QCOMPARE(w.model->text(0, cell), before);
        // Enter and the arrows do not leave it either.
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClick(editor, Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), editor);
        QCOMPARE(g->currentIndex(), w.model->index(0, cell));

        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, "5");
        QTest::keyClick(editor, Qt::Key_Tab);
        QCOMPARE(w.model->text(0, cell), QString("15.0"));
        QCOMPARE(w.model->text(0, next), nextBefore);
        QCOMPARE(g->currentIndex(), w.model->index(0, next));
        QVERIFY(m_db->dialogs().log.isEmpty());
    }

    void screenCancelAndGraph()
    {
        TfBod0010 w;
        w.Btn_InsertClick();
        w.model->type(1, TfBod0010::ColFirstValue + 2, "77");
        w.Btn_CancelClick();
        QCOMPARE(count("SELECT count(*) FROM T_체력측정"), 2);
        QCOMPARE(w.model->text(1, TfBod0010::ColFirstValue + 2), QString("155.0"));

        w.selectPage(TfBod0010::PgGraph, true);
        QVERIFY(!w.Btn_Insert->isEnabled() && !w.Btn_Print->isEnabled());
        w.dbcom_name->setCurrentIndex(w.dbcom_name->findText("가나다"));
        w.dbcom_set->setCurrentIndex(1); // 신장
        QCOMPARE(w.chartPoints(), 2);
        w.dbcom_name->setCurrentIndex(w.dbcom_name->findText("나나나"));
        QCOMPARE(w.chartPoints(), 0);
    }

    // The graph's time axis is a real one: each point at its own day, labelled with its own date, and
    // room left beside the first and last points for their values.
    void graphOnARealDateAxis()
    {
        addMeasurement("202301001", "2025-03-15", {159.3, 30, 150});
        TfBod0010 w;
        w.selectPage(TfBod0010::PgGraph, true);
        w.dbcom_name->setCurrentIndex(w.dbcom_name->findText("가나다"));
        w.dbcom_set->setCurrentIndex(1); // 신장
        auto* x = qobject_cast<QCategoryAxis*>(w.chart->chart()->axes(Qt::Horizontal).value(0));
        QVERIFY(x);
        const QStringList days{"2025-03-02", "2025-03-15", "2025-05-02"};
        QCOMPARE(x->categoriesLabels(), days);
        auto* s = static_cast<QLineSeries*>(w.chart->chart()->series().first());
        QCOMPARE(s->count(), 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(QDate::fromJulianDay(qint64(s->at(i).x())), QDate::fromString(days[i], Qt::ISODate));
            QCOMPARE(x->endValue(days[i]), s->at(i).x());
        }
        QCOMPARE(s->at(1).y(), 159.3);
        QVERIFY(!s->pointLabelsClipping());
        QVERIFY(x->min() < s->at(0).x() && s->at(2).x() < x->max());
    }

    void printouts()
    {
        useLayout("cheryuk.rpt");
        report::RecordingOutput out;
        report::ReportOutput::install(&out);
        TfBod0010 w;
        w.inDateFrom->setDate(QDate(2025, 5, 1));
        w.Btn_QueryClick();
        w.Btn_PrintClick();
        QCOMPARE(out.runs.size(), 1);
        QCOMPARE(out.last().title, QString("체력 측정결과표"));
        const QStringList texts = out.last().doc.texts();
        QVERIFY(texts.contains("가나다"));
        QVERIFY(texts.contains("155.0"));
        QVERIFY(texts.contains("신장"));
        QVERIFY(texts.contains("96.5"));

        w.indate2->setDate(QDate(2025, 6, 10));
        w.BitBtn4Click();
        QCOMPARE(out.last().title, QString("체력 측정표"));
        const QStringList sheet = out.last().doc.texts();
        QVERIFY(sheet.contains("나나나") && sheet.contains("가나다"));
        QVERIFY(!sheet.contains("휴관생"));
        QVERIFY(!sheet.contains("155.0"));
        report::ReportOutput::install(nullptr);
    }
};

QTEST_MAIN(TestMeasurements)
#include "tst_measurements.moc"
