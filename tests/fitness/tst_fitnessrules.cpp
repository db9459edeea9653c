// The fitness rules: grades of trainees and adults, the obesity index and its bands, reference ages.
#include "fitness/Fitness.h"
#include "fitness/NationalValues.h"
#include "support/TestDb.h"

#include "db/Query.h"

#include <QTest>

class TestFitnessRules : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

    // A grade row of age 11, male, item A03 from a mean and an interval, with two sentences a grade.
    static void gradeRow(int age, const QString& item, const QString& sex, double mean, double interval)
    {
        const std::array<double, 10> b = fitness::gradeBounds(mean, interval);
        db::Query q("INSERT INTO T_체력등급표 (연령, 체력측정항목코드, 구분, [1등급], [2등급], [3등급], [4등급], [5등급], [6등급], "
                    "[7등급], [8등급], [9등급], [10등급], [3등급평가내용], [33등급평가내용]) VALUES (:a, :i, :s, :b1, :b2, :b3, :b4, "
                    ":b5, :b6, :b7, :b8, :b9, :b10, '좋아요', '계속 하세요')");
        q.bind({{"a", age}, {"i", item}, {"s", sex}});
        for (int k = 0; k < 10; ++k)
            q.bind(QStringLiteral("b%1").arg(k + 1), b[k]);
        q.exec();
    }

private slots:
    void init() { m_db = std::make_unique<TestDb>(QDateTime(QDate(2025, 6, 1), QTime(10, 0))); }
    void cleanup() { m_db.reset(); }

    void traineeGrade_data()
    {
        QTest::addColumn<double>("mean");
        QTest::addColumn<double>("interval");
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("grade");
        QTest::newRow("45.0 above b1") << 30.0 << 2.5 << 45.0 << 1;
        QTest::newRow("42.5 on b1") << 30.0 << 2.5 << 42.5 << 1;
        QTest::newRow("42.4 below b1") << 30.0 << 2.5 << 42.4 << 2;
        QTest::newRow("30.0 the mean") << 30.0 << 2.5 << 30.0 << 6;
        QTest::newRow("29.9 under the mean") << 30.0 << 2.5 << 29.9 << 7;
        QTest::newRow("22.5 on b9") << 30.0 << 2.5 << 22.5 << 9;
        QTest::newRow("22.4 under b9") << 30.0 << 2.5 << 22.4 << 10;
        QTest::newRow("20.0 on b10") << 30.0 << 2.5 << 20.0 << 10;
        QTest::newRow("13.56 rounds to b5") << 12.3 << 1.26 << 13.56 << 5;
        QTest::newRow("13.54 rounds under b5") << 12.3 << 1.26 << 13.54 << 6;
        QTest::newRow("7.1 on b10 of typed 1.26") << 12.3 << 1.26 << 7.1 << 10;
        QTest::newRow("18.8 on b1 of typed 1.26") << 12.3 << 1.26 << 18.8 << 1;
    }
    void traineeGrade()
    {
        QFETCH(double, mean);
        QFETCH(double, interval);
        QFETCH(double, x);
        QFETCH(int, grade);
        QCOMPARE(fitness::gradeOf(x, fitness::gradeBounds(mean, interval)), grade);
    }

    void boundsOfTypedInterval()
    {
        // The interval is rounded before use: 1.26 steps by 1.3.
        const std::array<double, 10> b = fitness::gradeBounds(12.3, 1.26);
        QCOMPARE(fitness::fmt1(b[0]), QString("18.8"));
        QCOMPARE(fitness::fmt1(b[4]), QString("13.6"));
        QCOMPARE(fitness::fmt1(b[9]), QString("7.1"));
    }

    void gradeFromTable()
    {
        gradeRow(11, "A03", "1", 30.0, 2.5);
        const fitness::TraineeGrades g(11, "1");
        const fitness::Grade third = g.grade(3, 37.5);
        QCOMPARE(third.grade, 3);
        QCOMPARE(third.label, QString("(3등급)"));
        QCOMPARE(third.sentence, QString("좋아요"));
        QCOMPARE(third.sentence2, QString("계속 하세요"));
        // No row for the item, the other sex or the age, and an unmeasured value: no grade at all.
        for (const fitness::Grade& none : {g.grade(4, 37.5), fitness::TraineeGrades(11, "0").grade(3, 37.5),
                                           fitness::TraineeGrades(10, "1").grade(3, 37.5), g.grade(3, std::nullopt)}) {
            QCOMPARE(none.grade, 0);
            QVERIFY(none.label.isEmpty());
            QVERIFY(none.sentence.isEmpty() && none.sentence2.isEmpty());
        }
    }

    void adultGrade_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<int>("grade");
        QTest::newRow("9.5 numerically in 5.0-9.9") << 9.5 << 2;
        QTest::newRow("9.94 rounds to 9.9") << 9.94 << 2;
        QTest::newRow("9.96 rounds to 10.0") << 9.96 << 3;
        QTest::newRow("20.0 open top range") << 20.0 << 5;
        QTest::newRow("0 lowest") << 0.0 << 1;
        QTest::newRow("negative in no range") << -1.0 << 0;
    }
    void adultGrade()
    {
        QFETCH(double, x);
        QFETCH(int, grade);
        const std::array<std::pair<double, double>, 5> r = {{{0, 4.9}, {5.0, 9.9}, {10.0, 14.9}, {15.0, 19.9}, {20.0, 9999}}};
        QCOMPARE(fitness::adultGradeOf(x, r), grade);
    }

    void adultGradeFromTable()
    {
        sqlExec("INSERT INTO T_성인체력등급표 (성인체력측정항목코드, 성별, FROM연령, TO연령, FROM1등급, TO1등급, FROM2등급, TO2등급, "
                "FROM3등급, TO3등급, FROM4등급, TO4등급, FROM5등급, TO5등급, [2등급평가내용], [22등급평가내용]) VALUES "
                "('A03', '1', 30, 39, 0, 10, 10, 20, 20.1, 30, 30.1, 40, 40.1, 9999, '보통', '더 노력')");
        // Age 35 (born 1991 in 2025), male. A shared end (10) goes to the lower grade.
        const fitness::AdultGrades g(35, "1");
        QCOMPARE(g.grade(3, 10.0).grade, 1);
        const fitness::Grade second = g.grade(3, 15);
        QCOMPARE(second.name, QString("2등급"));
        QCOMPARE(second.label, QString("(2등급)"));
        QCOMPARE(second.sentence + second.sentence2, QString("보통더 노력"));
        QCOMPARE(fitness::AdultGrades(40, "1").grade(3, 15).grade, 0);
        QCOMPARE(fitness::AdultGrades(35, "0").grade(3, 15).label, QString());
    }

    void obesity_data()
    {
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("weight");
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("index");
        QTest::newRow("male 150/50") << 150.0 << 50.0 << fitness::traineeOffset("남") << "111.1";
        QTest::newRow("female 160/50") << 160.0 << 50.0 << fitness::traineeOffset("여") << "101.0";
        QTest::newRow("male placeholder 100") << 100.0 << 100.0 << fitness::traineeOffset("남") << "0.0";
        QTest::newRow("female 100 negative standard") << 100.0 << 20.0 << fitness::traineeOffset("여") << "0.0";
        QTest::newRow("female 105 zero standard") << 105.0 << 20.0 << fitness::traineeOffset("여") << "0.0";
        QTest::newRow("female 103") << 103.0 << 20.0 << fitness::traineeOffset("여") << "0.0";
        QTest::newRow("adult male 175/70") << 175.0 << 70.0 << fitness::adultOffset("1") << "111.1";
        QTest::newRow("adult female 160/54") << 160.0 << 54.0 << fitness::adultOffset("0") << "100.0";
    }
    void obesity()
    {
        QFETCH(double, height);
        QFETCH(double, weight);
        QFETCH(int, offset);
        QFETCH(QString, index);
        QCOMPARE(fitness::fmt1(fitness::obesityIndex(height, weight, offset)), index);
    }

    void obesityBand_data()
    {
        QTest::addColumn<double>("index");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("119.5 looked up as 120") << 119.5 << "경도비만";
        QTest::newRow("119.4 looked up as 119") << 119.4 << "과체중";
        QTest::newRow("111.1") << 111.1 << "과체중";
        QTest::newRow("89.6 rounds into 정상") << 89.6 << "정상";
        QTest::newRow("0 lowest band") << 0.0 << "저체중";
    }
    void obesityBand()
    {
        QFETCH(double, index);
        QFETCH(QString, verdict);
        QCOMPARE(fitness::bandOf(index).verdict, verdict);
    }

    void noBand()
    {
        sqlExec("DELETE FROM T_비만측정 WHERE 평가 = '고도비만'");
        const fitness::Band b = fitness::bandOf(180);
        QVERIFY(b.code.isEmpty());
        QVERIFY(b.lines.isEmpty());
    }

    void ages()
    {
        // Born 2015, measured in 2025: the grade lookups use 11, the national row of the history 10.
        QCOMPARE(fitness::referenceAge("2015-03-02", 2025), 11);
        QCOMPARE(fitness::yearDifference("2015-03-02", 2025), 10);
        QCOMPARE(fitness::referenceAge("2025-01-01", 2025), 1);
        QCOMPARE(fitness::referenceAge("", 2025), 0);
        QCOMPARE(fitness::referenceAge("15-3-2", 2025), 0);
        QCOMPARE(fitness::sexCode(" 남"), QString("1"));
        QCOMPARE(fitness::sexCode("여"), QString("0"));
        QCOMPARE(fitness::sexCode(""), QString("0"));
    }

    void rounding_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("half up") << 13.55 << "13.6";
        QTest::newRow("half away from zero") << -0.25 << "-0.3";
        QTest::newRow("tiny negative") << -0.04 << "0.0";
        QTest::newRow("whole") << 7.0 << "7.0";
    }
    void rounding()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(fitness::fmt1(value), text);
    }
};

QTEST_MAIN(TestFitnessRules)
#include "tst_fitnessrules.moc"
