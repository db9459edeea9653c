// National reference values, the derived grade table and the evaluation sentences.
#include "FitnessFixture.h"

#include "fitness/NationalValues.h"
#include "fitness/uEstimate.h"
#include "fitness/uMunche.h"
#include "ui/ListModel.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace fitfix;

class TestNationalValues : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

    static QStringList intervals(const QString& first = "2.5")
    {
        QStringList iv(12, "1.0");
        iv[0] = first;
        return iv;
    }
    static NationalValues::Row row(int age, double height, double weight, double third = 30.0)
    {
        NationalValues::Row r;
        r.age = age;
        r.v[0] = height;
        r.v[1] = weight;
        r.v[2] = third;
        return r;
    }
    static double bound(int age, const QString& item, const QString& sex, int grade)
    {
        return db::scalar(QStringLiteral("SELECT [%1등급] FROM T_체력등급표 WHERE 연령 = :a AND 체력측정항목코드 = :i AND 구분 = :s").arg(grade),
                          {{"a", age}, {"i", item}, {"s", sex}}).toDouble();
    }

private slots:
    void init() { m_db = std::make_unique<TestDb>(QDateTime(QDate(2025, 6, 10), QTime(10, 0))); }
    void cleanup() { m_db.reset(); }

    void deriveAndKeepSentences()
    {
        QList<NationalValues::Row> rows = {row(11, 150, 45)};
        QVERIFY(!NationalValues::save("1", rows, {}, intervals("2.5")));
        QCOMPARE(count("SELECT count(*) FROM T_체력등급표 WHERE 연령 = 11 AND 구분 = '1'"), 12);
        QCOMPARE(bound(11, "A01", "1", 1), 162.5);
        QCOMPARE(bound(11, "A01", "1", 10), 140.0);
        QCOMPARE(bound(11, "A03", "1", 6), 30.0);
        QCOMPARE(bound(11, "A03", "1", 1), 35.0);
        // (150 − 100) × 0.9 = 45: the national obesity value of the row is 100.
        QCOMPARE(db::scalar("SELECT A13 FROM T_문체부 WHERE 연령 = 11 AND 구분 = '1'").toDouble(), 100.0);
        QCOMPARE(NationalValues::intervals().first(), QString("2.5"));

        EvaluationTexts texts(EvaluationTexts::Kind::Trainee);
        QStringList first(10), second(10);
        first[2] = "잘했어요";
        second[2] = "꾸준히";
        texts.save("A03", "11", "1", first, second);
        // New national values move the bounds and leave the sentences alone.
        rows = NationalValues::load("1");
        rows[0].v[2] = 40.0;
        QVERIFY(!NationalValues::save("1", rows, {}, intervals("2.5")));
        QCOMPARE(bound(11, "A03", "1", 6), 40.0);
        const EvaluationTexts::Entry e = texts.load("A03", "11", "1");
        QVERIFY(e.found);
        QCOMPARE(e.first[2], QString("잘했어요"));
        QCOMPARE(e.second[2], QString("꾸준히"));
        QCOMPARE(e.bounds[5], 40.0);
        QCOMPARE(texts.ages("A03", "1"), QStringList{"11"});
        QVERIFY(texts.ages("A03", "0").isEmpty());
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("intervals");
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("message");
        QStringList empty3 = intervals();
        empty3[2] = " ";
        QStringList word = intervals();
        word[4] = "넓게";
        QTest::newRow("third box empty") << empty3 << 3 << "기준값을 입력하세요.";
        QTest::newRow("a word") << word << 5 << "기준값은 숫자로 입력하세요.";
    }
    void refusals()
    {
        QFETCH(QStringList, intervals);
        QFETCH(int, box);
        QFETCH(QString, message);
        QList<NationalValues::Row> rows = {row(9, 130, 30)};
        const auto r = NationalValues::save("0", rows, {}, intervals);
        QVERIFY(r);
        QCOMPARE(r->intervalBox, box);
        QCOMPARE(r->message, message);
        QCOMPARE(count("SELECT count(*) FROM T_문체부"), 0);
    }

    void rowRefusals()
    {
        QList<NationalValues::Row> rows = {row(9, 130, 30), row(9, 131, 31)};
        auto r = NationalValues::save("0", rows, {}, intervals());
        QVERIFY(r && r->row == 1);
        rows = {NationalValues::Row()};
        r = NationalValues::save("0", rows, {}, intervals());
        QVERIFY(r && r->message == "연령을 입력하세요.");
        QCOMPARE(count("SELECT count(*) FROM T_문체부"), 0);
    }

    void failureWritesNothing()
    {
        QList<NationalValues::Row> rows = {row(8, 125, 25), row(9, 130, 30)};
        failInsertsOf("T_체력등급표", "연령", "9");
        QVERIFY_THROWS_EXCEPTION(db::Error, NationalValues::save("1", rows, {}, intervals()));
        QCOMPARE(count("SELECT count(*) FROM T_문체부"), 0);
        QCOMPARE(count("SELECT count(*) FROM T_체력등급표"), 0);
        QCOMPARE(NationalValues::intervals().first(), QString("0.0")); // the seed row, untouched
    }

    void removeAndChangeAge()
    {
        QList<NationalValues::Row> rows = {row(8, 125, 25), row(9, 130, 30)};
        QVERIFY(!NationalValues::save("1", rows, {}, intervals()));
        rows = NationalValues::load("1");
        rows[1].age = 10;            // 9 becomes 10
        const int removed = *rows[0].storedAge;
        rows.removeFirst();
        QVERIFY(!NationalValues::save("1", rows, {removed}, intervals()));
        QCOMPARE(count("SELECT count(*) FROM T_문체부"), 1);
        QCOMPARE(count("SELECT 연령 FROM T_문체부"), 10);
        QCOMPARE(count("SELECT count(*) FROM T_체력등급표 WHERE 연령 = 10"), 12);
    }

    void adultSentences()
    {
        sqlExec("INSERT INTO T_성인체력등급표 (성인체력측정항목코드, 성별, FROM연령, TO연령, TO5등급) VALUES ('A03', '1', 20, 29, 9999)");
        EvaluationTexts texts(EvaluationTexts::Kind::Adult);
        QCOMPARE(texts.ages("A03", "0"), QStringList{"20~29"}); // both sexes' bands
        QStringList first(5), second(5);
        first[0] = "아주 좋음";
        texts.save("A03", "20~29", "0", first, second); // the women's row does not exist yet
        QCOMPARE(count("SELECT TO연령 FROM T_성인체력등급표 WHERE 성별 = '0'"), 29);
        QCOMPARE(count("SELECT TO5등급 FROM T_성인체력등급표 WHERE 성별 = '0'"), 9999);
        QCOMPARE(texts.load("A03", "20~29", "0").first[0], QString("아주 좋음"));
        QVERIFY(texts.load("A03", "20~29", "1").first[0].isEmpty());
    }

    void mScreen()
    {
        TfMunche w;
        w.Btn_InsertClick();
        QVERIFY(w.model->type(0, 0, "11"));
        QVERIFY(!w.model->type(0, 1, "키"));
        QVERIFY(w.model->type(0, 1, "150"));
        QVERIFY(w.model->type(0, 2, "45"));
        for (QLineEdit* e : w.edt_A)
            e->setText("1");
        w.edt_A[3]->clear();
        w.Btn_SaveClick();
        QCOMPARE(m_db->dialogs().log.last().caption, QString("입력"));
        QCOMPARE(m_db->dialogs().lastText(), QString("기준값을 입력하세요."));
        QVERIFY(w.editing());
        QCOMPARE(count("SELECT count(*) FROM T_문체부"), 0);
        w.edt_A[3]->setText("0.5");
        w.Btn_SaveClick();
        QVERIFY(!w.editing());
        QCOMPARE(count("SELECT count(*) FROM T_문체부 WHERE 구분 = '1'"), 1);
        QCOMPARE(bound(11, "A04", "1", 1), 2.5);
        // The other sex shows its own (empty) list.
        w.RadioButton1->setChecked(true);
        QCOMPARE(w.model->rows(), 0);
    }

    void estimateScreen()
    {
        QList<NationalValues::Row> rows = {row(11, 150, 45)};
        QVERIFY(!NationalValues::save("1", rows, {}, intervals("2.5")));
        TfEstimate w;
        w.Btn_InsertClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("측정항목을 선택하세요."));
        QCOMPARE(m_db->dialogs().log.last().caption, QString("선택"));
        w.Cbo_EstimateCode->setCurrentIndex(3); // A03
        QCOMPARE(w.cbo_Age->count(), 1);
        w.cbo_Age->setCurrentIndex(-1);
        w.Btn_InsertClick();
        QCOMPARE(m_db->dialogs().lastText(), QString("나이를 선택하세요."));
        w.cbo_Age->setCurrentIndex(0);
        QCOMPARE(w.lbl_Bound[0]->text(), QString("(35.0)"));
        w.Btn_InsertClick();
        QVERIFY(w.editing());
        w.Edt_Level[0]->setText("최고");
        w.Edt_Level2[0]->setText("훌륭합니다");
        w.Btn_SaveClick();
        QVERIFY(w.Edt_Level[0]->text().isEmpty()); // cleared after saving
        const fitness::Grade g = fitness::TraineeGrades(11, "1").grade(3, 36);
        QCOMPARE(g.sentence + g.sentence2, QString("최고훌륭합니다"));
    }
};

QTEST_MAIN(TestNationalValues)
#include "tst_nationalvalues.moc"
