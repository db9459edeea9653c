// The school examination: scoring, the month of the figures, listing and committing.
#include "ExamFixture.h"

#include "db/ExamNumber.h"
#include "exams/ExamBatch.h"
#include "exams/ResultSheet.h"

#include <QTest>
#include <tuple>

using namespace examfix;
using Mode = ExamBatch::Mode;

Q_DECLARE_METATYPE(ExamBatch::Mode)

class TstExamBatch : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;
    const QDate day{2024, 5, 15};
    const QString kim = QStringLiteral("202301001"), lee = QStringLiteral("202301002");

    static int find(const ExamBatch& b, const QString& no)
    {
        for (int i = 0; i < b.count(); ++i)
            if (b.row(i).memberNo == no)
                return i;
        return -1;
    }

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        addMember({kim, QStringLiteral("김태권"), QStringLiteral("03"), QStringLiteral("04")});
        addMember({lee, QStringLiteral("이품새"), QStringLiteral("03"), QStringLiteral("06")});
    }
    void cleanup() { m_db.reset(); }

    void scoring_data()
    {
        QTest::addColumn<QList<int>>("scores");
        QTest::addColumn<int>("attendance");
        QTest::addColumn<int>("merit");
        QTest::addColumn<Mode>("mode");
        QTest::addColumn<bool>("withMerit");
        QTest::addColumn<int>("average");
        QTest::addColumn<bool>("pass");
        const QList<int> none{0, 0, 0, 0, 0, 0};
        // (80 + 70 - 2) / 2 - 2
        QTest::newRow("two scores, two absences") << QList<int>{80, 70, 0, 0, 0, 0} << -2 << 5 << Mode::Scoring << false << 72 << true;
        // (61 - 1) / 1 - 1
        QTest::newRow("one score below the mark") << QList<int>{61, 0, 0, 0, 0, 0} << -1 << 0 << Mode::Scoring << false << 59 << false;
        QTest::newRow("no positive score") << none << -2 << 3 << Mode::Scoring << false << -2 << false;
        QTest::newRow("no positive score with merit") << none << -2 << 3 << Mode::Scoring << true << 1 << false;
        // (70 + 70 - 1 + 4) / 2 = 71.5, -1, +4 once more in 채점
        QTest::newRow("merit in scoring mode") << QList<int>{70, 70, 0, 0, 0, 0} << -1 << 4 << Mode::Scoring << true << 75 << true;
        QTest::newRow("merit in danbo mode") << QList<int>{70, 70, 0, 0, 0, 0} << -1 << 4 << Mode::Danbo << true << 71 << true;
        QTest::newRow("negative scores not counted") << QList<int>{-5, 65, 0, 0, 0, 0} << 0 << 0 << Mode::Scoring << false << 65 << true;
        QTest::newRow("59.5 rounds up and passes") << QList<int>{60, 59, 0, 0, 0, 0} << 0 << 0 << Mode::Scoring << false << 60 << true;
    }
    void scoring()
    {
        QFETCH(QList<int>, scores);
        QFETCH(int, attendance);
        QFETCH(int, merit);
        QFETCH(Mode, mode);
        QFETCH(bool, withMerit);
        QFETCH(int, average);
        QFETCH(bool, pass);
        const int a = ExamBatch::rounded(ExamBatch::rawAverage(scores.constData(), attendance, merit, mode, withMerit));
        QCOMPARE(a, average);
        QCOMPARE(ExamBatch::passes(a), pass);
    }

    // Scoring a listed row moves its target one rank up only when the stored average passes.
    void scoringSetsTheTarget()
    {
        sqlExec("UPDATE T_회원 SET 급품코드 = '04' WHERE 회원번호 = '202301002'");
        ExamBatch b;
        QCOMPARE(b.list(3, day, Mode::Scoring, {}), 2);
        QVERIFY(!b.row(0).selected);
        for (int k : {0, 1}) {
            b.setScore(0, k, k == 0 ? 60 : 59); // 59.5
            b.setScore(1, k, k == 0 ? 60 : 58); // 59
        }
        b.click(0, false);
        b.click(1, false);
        QCOMPARE(b.row(0).average, 60);
        QCOMPARE(b.row(0).target, QStringLiteral("05"));
        QCOMPARE(b.row(0).targetName, QStringLiteral("6급"));
        QCOMPARE(b.row(1).average, 59);
        QCOMPARE(b.row(1).target, QStringLiteral("04"));
        QVERIFY(b.row(0).selected && b.row(1).selected);
        QCOMPARE(b.commit(), 2);
        QCOMPARE(rankOf(kim), QStringLiteral("05"));
        QCOMPARE(rankOf(lee), QStringLiteral("04")); // marked, below the mark: recorded with the rank kept
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 회원번호 = '202301002' AND 급품코드 = '04' AND 평균 = 59"), 1);
    }

    void monthBefore_data()
    {
        QTest::addColumn<QDate>("promotion");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::newRow("January") << QDate(2024, 1, 15) << QDate(2023, 12, 1) << QDate(2023, 12, 31);
        QTest::newRow("March 2024") << QDate(2024, 3, 31) << QDate(2024, 2, 1) << QDate(2024, 2, 29);
        QTest::newRow("March 2100") << QDate(2100, 3, 1) << QDate(2100, 2, 1) << QDate(2100, 2, 28);
        QTest::newRow("March 2000") << QDate(2000, 3, 20) << QDate(2000, 2, 1) << QDate(2000, 2, 29);
    }
    void monthBefore()
    {
        QFETCH(QDate, promotion);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        const auto [f, t] = ExamBatch::monthBefore(promotion);
        QCOMPARE(f, from);
        QCOMPARE(t, to);
    }

    // The listing counts absences and merit points of the month before the date, its edges included.
    void listingFigures()
    {
        for (const char* d : {"2024-01-31", "2024-02-01", "2024-02-29", "2024-03-01"})
            attfix::addAbsence(kim, QString::fromLatin1(d));
        addMerit(kim, 1, QStringLiteral("2024-02-10"), QStringLiteral("02")); // +5
        addMerit(kim, 2, QStringLiteral("2024-02-29"), QStringLiteral("04")); // -1
        addMerit(kim, 3, QStringLiteral("2024-03-01"), QStringLiteral("01")); // next month
        ExamBatch b;
        b.list(1, QDate(2024, 3, 10), Mode::Batch, {});
        const int i = find(b, kim);
        QCOMPARE(b.row(i).attendance, -2);
        QCOMPARE(b.row(i).merit, 4);
        QCOMPARE(b.row(find(b, lee)).attendance, 0);
        QCOMPARE(b.row(find(b, lee)).merit, 0);
        QCOMPARE(ExamBatch::attendanceFigure(kim, QDate(2024, 3, 10)), -2);
        QCOMPARE(ExamBatch::meritPoints(kim, QDate(2024, 3, 10)), 4);
    }

    // Searched records each count the month before their own date, across the turn of the year too;
    // a member without absences or points shows 0.
    void searchFiguresPerRecordDate()
    {
        for (const char* d : {"2023-11-30", "2023-12-01", "2023-12-31", "2024-01-01", "2024-01-31", "2024-02-01"})
            attfix::addAbsence(kim, QString::fromLatin1(d));
        addMerit(kim, 1, QStringLiteral("2023-12-15"), QStringLiteral("02")); // +5
        addMerit(kim, 2, QStringLiteral("2024-01-10"), QStringLiteral("04")); // -1
        addRecord(kim, QStringLiteral("2024-01-05"), 7, QStringLiteral("04"));
        addRecord(kim, QStringLiteral("2024-02-05"), 7, QStringLiteral("04"));
        addRecord(lee, QStringLiteral("2024-01-05"), 7, QStringLiteral("06"));
        ExamBatch b;
        QCOMPARE(b.search(7, Mode::Batch, {}), 3);
        QList<std::tuple<QString, QString, int, int>> got;
        for (int i = 0; i < b.count(); ++i)
            got.append({b.row(i).memberNo, b.row(i).date, b.row(i).attendance, b.row(i).merit});
        const QList<std::tuple<QString, QString, int, int>> want{
            {kim, QStringLiteral("2024-01-05"), -2, 5}, // December
            {kim, QStringLiteral("2024-02-05"), -2, -1}, // January
            {lee, QStringLiteral("2024-01-05"), 0, 0},
        };
        QCOMPARE(got, want);
    }

    void listingChoosesCandidates()
    {
        addMember({"202301003", "박단보", "12", "13", "2023-01-10", QString(), QString(), "중등 1"}); // 2품단보
        addMember({"202301004", "최구단", "12", "23"});                                           // highest rank
        addMember({"202301005", "정휴관", "03", "02", "2023-01-10", "2024-04-01"});
        addMember({"202301006", "한신입", "03", "01", "2024-05-16"});                             // after the date
        ExamBatch b;
        QCOMPARE(b.list(1, day, Mode::Batch, {}), 3);
        QCOMPARE(find(b, "202301004"), -1);
        QCOMPARE(b.row(0).label, QStringLiteral("1"));
        QCOMPARE(b.row(0).memberNo, kim); // lowest rank first
        QCOMPARE(b.row(2).target, QStringLiteral("14"));
        QCOMPARE(b.row(2).targetName, QStringLiteral("2품/2단"));
        QVERIFY(b.row(2).selected);

        QCOMPARE(b.list(1, day, Mode::Danbo, {}), 1);
        QCOMPARE(b.row(0).memberNo, QStringLiteral("202301003"));
        QVERIFY(!b.row(0).selected);

        ExamBatch::Filter f;
        f.sort = ExamBatch::Sort::HighFirst;
        f.year = SchoolYearFilter::conditionFor(5, QStringLiteral("중등 1"), QStringLiteral("T_회원.학년"));
        QCOMPARE(b.list(1, day, Mode::Batch, f), 1);
        f.year = {};
        f.division = DivisionFilter::conditionFor(4, QStringLiteral("     중고/일반"), QStringLiteral("T_회원.부별코드"));
        QCOMPARE(b.list(1, day, Mode::Batch, f), 1);
        f.division = DivisionFilter::conditionFor(0, QString(), QStringLiteral("T_회원.부별코드"));
        QCOMPARE(b.list(1, day, Mode::Batch, f), 3);
        QCOMPARE(b.row(0).memberNo, QStringLiteral("202301003")); // highest rank first

        sqlExec("DELETE FROM T_회원");
        QCOMPARE(b.list(1, day, Mode::Batch, {}), 0);
        QCOMPARE(b.state(), ExamBatch::State::Idle);
    }

    void unmarkedRowUntouched()
    {
        ExamBatch b;
        b.list(3, day, Mode::Batch, {});
        b.setScore(0, 0, 80);
        b.setScore(0, 1, 75);
        b.setSelected(1, false);
        QCOMPARE(b.commit(), 1);
        QCOMPARE(rankOf(kim), QStringLiteral("05"));
        QCOMPARE(rankOf(lee), QStringLiteral("06"));
        QCOMPARE(records(lee), 0);
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 회원번호 = '202301001' AND 승급일자 = '2024-05-15' AND 심사명 = 3 "
                       "AND 심사구분 = '체육관' AND 급품코드 = '05' AND E1 = 80 AND E2 = 75 AND 평균 = 78 AND 심사일자 Is Null"),
                 1);
        QCOMPARE(b.state(), ExamBatch::State::Idle);
    }

    // Listing the same number and date again shows the stored scores and the recorded rank as target:
    // confirming again, or scoring again, leaves the rank one step up and the record single.
    void relistAndConfirmAgain_data()
    {
        QTest::addColumn<Mode>("again");
        QTest::newRow("confirmed again") << Mode::Batch;
        QTest::newRow("scored again") << Mode::Scoring;
    }
    void relistAndConfirmAgain()
    {
        QFETCH(Mode, again);
        ExamBatch b;
        b.list(3, day, Mode::Scoring, {});
        const int i = find(b, kim);
        b.setScore(i, 0, 90);
        b.click(i, false);
        b.commit();
        QCOMPARE(rankOf(kim), QStringLiteral("05"));

        b.list(3, day, again, {});
        const int j = find(b, kim);
        QCOMPARE(b.row(j).scores[0], 90);
        QCOMPARE(b.row(j).average, 90);
        QCOMPARE(b.row(j).target, QStringLiteral("05"));
        QCOMPARE(b.row(j).rankCode, QStringLiteral("04"));
        if (again == Mode::Scoring)
            b.click(j, false);
        QCOMPARE(b.row(j).target, QStringLiteral("05"));
        b.commit();
        QCOMPARE(rankOf(kim), QStringLiteral("05"));
        QCOMPARE(records(kim), 1);
    }

    // Re-scoring an examination the member holds a record of never moves him past that record: a 일괄
    // record promotes whatever its average, and a failing re-score leaves the promotion standing.
    void rescoreKeepsTheRecordsPromotion_data()
    {
        QTest::addColumn<Mode>("first");
        QTest::addColumn<int>("firstScore"); // 0: no score typed
        QTest::addColumn<int>("rescore");
        QTest::newRow("일괄 without scores, scored 80") << Mode::Batch << 0 << 80;
        QTest::newRow("일괄 averaging 50, scored 70") << Mode::Batch << 50 << 70;
        QTest::newRow("채점 passed, scored 40") << Mode::Scoring << 90 << 40;
    }
    void rescoreKeepsTheRecordsPromotion()
    {
        QFETCH(Mode, first);
        QFETCH(int, firstScore);
        QFETCH(int, rescore);
        ExamBatch b;
        b.list(9, day, first, {});
        int i = find(b, kim);
        b.setScore(i, 0, firstScore);
        if (first == Mode::Scoring)
            b.click(i, false);
        b.commit();
        QCOMPARE(rankOf(kim), QStringLiteral("05"));

        b.list(9, day, Mode::Scoring, {});
        i = find(b, kim);
        QVERIFY(b.row(i).recorded());
        b.setScore(i, 0, rescore);
        b.click(i, false);
        QCOMPARE(b.row(i).average, rescore);
        QCOMPARE(b.row(i).target, QStringLiteral("05"));
        b.commit();
        QCOMPARE(rankOf(kim), QStringLiteral("05"));
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 회원번호 = '202301001' AND 심사명 = 9 AND 급품코드 = '05' AND 평균 = :a",
                       {{"a", rescore}}),
                 1);
        QCOMPARE(records(kim), 1);
    }

    // A member examined today under one number cannot be promoted again today under another: the
    // whole batch is refused with his name and the number, and the first record stays.
    void secondNumberOnTheSameDateRefused()
    {
        ExamBatch b;
        b.list(8, day, Mode::Batch, {});
        b.setSelected(find(b, lee), false);
        b.commit();
        QCOMPARE(rankOf(kim), QStringLiteral("05"));

        QCOMPARE(b.list(9, day, Mode::Batch, {}), 2);
        QVERIFY(!b.row(find(b, kim)).recorded());
        try {
            b.commit();
            QFAIL("a second examination of the day was written");
        } catch (const ExamRefused& e) {
            QVERIFY(e.message().contains(QStringLiteral("김태권")));
            QVERIFY(e.message().contains(QStringLiteral("제8회")));
        }
        QCOMPARE(rankOf(kim), QStringLiteral("05"));
        QCOMPARE(rankOf(lee), QStringLiteral("06"));
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 심사명 = 9"), 0);
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 회원번호 = '202301001' AND 심사명 = 8 AND 승급일자 = '2024-05-15'"), 1);
        QCOMPARE(b.state(), ExamBatch::State::Insert);

        // Without him the others are examined; a searched record moved onto his other date is refused too.
        b.setSelected(find(b, kim), false);
        QCOMPARE(b.commit(), 1);
        QCOMPARE(rankOf(lee), QStringLiteral("07"));
        b.list(10, QDate(2024, 6, 1), Mode::Batch, {});
        b.setSelected(find(b, lee), false);
        b.commit();
        b.search(10, Mode::Batch, {});
        b.setDate(find(b, kim), QStringLiteral("2024-05-15"));
        QVERIFY_THROWS_EXCEPTION(ExamRefused, b.commit());
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 회원번호 = '202301001' AND 승급일자 = '2024-06-01' AND 심사명 = 10"), 1);
    }

    // A record of another date does not hide a candidate, and he is listed once.
    void olderRecordsStillListed()
    {
        addRecord(kim, QStringLiteral("2024-02-01"), 2, QStringLiteral("04"));
        addRecord(kim, QStringLiteral("2023-11-01"), 1, QStringLiteral("03"));
        ExamBatch b;
        QCOMPARE(b.list(3, day, Mode::Batch, {}), 2);
        const int i = find(b, kim);
        QVERIFY(!b.row(i).recorded());
        QCOMPARE(b.row(i).target, QStringLiteral("05"));
        b.commit();
        QCOMPARE(records(kim), 3);
    }

    // A searched row keeps its own date: confirming it under another screen date updates that record,
    // and a changed date moves the record instead of adding one.
    void searchUpdatesTheStoredRecord()
    {
        ExamBatch b;
        b.list(3, day, Mode::Batch, {});
        b.commit();
        attfix::addAbsence(kim, QStringLiteral("2024-04-03"));
        QCOMPARE(b.search(3, Mode::Batch, {}), 2);
        const int i = find(b, kim);
        QCOMPARE(b.row(i).label, kim);
        QCOMPARE(b.row(i).date, QStringLiteral("2024-05-15"));
        QCOMPARE(b.row(i).attendance, -1); // April, the month before the stored date
        QCOMPARE(b.row(i).target, QStringLiteral("05"));
        b.setScore(i, 2, 66);
        b.commit();
        QCOMPARE(records(kim), 1);
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 회원번호 = '202301001' AND E3 = 66 AND 승급일자 = '2024-05-15'"), 1);
        QCOMPARE(rankOf(kim), QStringLiteral("05"));

        b.search(3, Mode::Batch, {});
        QVERIFY(b.setDate(find(b, kim), QStringLiteral("2024-05-20")));
        QVERIFY(!b.setDate(find(b, kim), QStringLiteral("2024-02-30")));
        b.commit();
        QCOMPARE(records(kim), 1);
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 회원번호 = '202301001' AND 승급일자 = '2024-05-20'"), 1);
        QCOMPARE(rankOf(kim), QStringLiteral("05"));
    }

    // Confirming an old examination again does not take back a later promotion.
    void laterPromotionKept()
    {
        ExamBatch b;
        b.list(3, day, Mode::Batch, {});
        b.commit();
        b.list(4, QDate(2024, 8, 1), Mode::Batch, {});
        b.commit();
        QCOMPARE(rankOf(kim), QStringLiteral("06"));
        b.search(3, Mode::Batch, {});
        b.commit();
        QCOMPARE(rankOf(kim), QStringLiteral("06"));
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 회원번호 = '202301001' AND 심사명 = 3 AND 급품코드 = '05'"), 1);
        // A target chosen by hand is the member's new rank.
        b.search(3, Mode::Batch, {});
        b.setTarget(find(b, kim), QStringLiteral("04"));
        b.commit();
        QCOMPARE(rankOf(kim), QStringLiteral("04"));
    }

    void nationalRecordOfTheSameDateUntouched()
    {
        addRecord(kim, QStringLiteral("2024-05-15"), 77, QStringLiteral("12"), QStringLiteral("국기원"), 0);
        sqlExec("UPDATE T_심사 SET 단증번호 = 'A1234567'");
        ExamBatch b;
        QCOMPARE(b.list(3, day, Mode::Batch, {}), 2);
        QVERIFY(!b.row(find(b, kim)).recorded());
        b.commit();
        QCOMPARE(records(kim), 2);
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 심사구분 = '국기원' AND 심사명 = 77 AND 급품코드 = '12' "
                       "AND 단증번호 = 'A1234567' AND 승급일자 = '2024-05-15'"),
                 1);
    }

    void failedCommitChangesNothing()
    {
        sqlExec("CREATE TRIGGER refuse BEFORE INSERT ON T_심사 WHEN new.회원번호 = '202301002' "
                "BEGIN SELECT RAISE(ABORT, 'refused'); END");
        ExamBatch b;
        b.list(3, day, Mode::Batch, {});
        QCOMPARE(b.row(0).memberNo, kim); // written first, then undone
        QVERIFY_THROWS_EXCEPTION(db::Error, b.commit());
        QCOMPARE(rankOf(kim), QStringLiteral("04"));
        QCOMPARE(rankOf(lee), QStringLiteral("06"));
        QCOMPARE(count("SELECT Count(*) FROM T_심사"), 0);
        QCOMPARE(b.state(), ExamBatch::State::Insert); // the entries stay for another try
    }

    void sheetVerdicts_data()
    {
        QTest::addColumn<int>("average");
        QTest::addColumn<bool>("noAverage");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("no average") << 0 << true << "6급" << "심사불참";
        QTest::newRow("average 0") << 0 << false << "6급" << "심사불참";
        QTest::newRow("59") << 59 << false << "6급" << "불";
        QTest::newRow("60") << 60 << false << "6급" << "합";
        QTest::newRow("before ends in 단보") << 72 << false << "2품단보" << "국기원";
        QTest::newRow("단보 and a trailing blank") << 40 << false << "단보 " << "국기원";
        QTest::newRow("단보 and one letter") << 72 << false << "단보A" << "국기원";
        QTest::newRow("단보 and a syllable") << 72 << false << "단보반" << "합";
        QTest::newRow("단보 and two letters") << 72 << false << "단보AB" << "합";
    }
    void sheetVerdicts()
    {
        QFETCH(int, average);
        QFETCH(bool, noAverage);
        QFETCH(QString, before);
        QFETCH(QString, verdict);
        QCOMPARE(ResultSheet::verdict(average, noAverage, before), verdict);
    }

    // The sheet reads the school records of the date and number: the rank before is the one below
    // only for a pass, and the item names are cut to three syllables.
    void sheetReadsRecords()
    {
        sqlExec("INSERT INTO T_도장정보 (도장명) VALUES ('한빛 태권도')");
        addMember({"202301003", "박단보", "12", "12"});
        addRecord(kim, "2024-05-15", 3, "05", "체육관", 0);
        addRecord(lee, "2024-05-15", 3, "05", "체육관", 59);
        addRecord("202301003", "2024-05-15", 3, "12", "체육관", 70);
        addRecord("202301003", "2024-05-01", 3, "11", "체육관", 70);     // another date
        addRecord(lee, "2024-05-15", 3, "14", "국기원", 90);             // another kind
        sqlExec("UPDATE T_심사 SET 평균 = 60 WHERE 회원번호 = '202301001'");
        ResultSheet sheet;
        sheet.load(day, 3);
        QCOMPARE(sheet.items().first(), QStringLiteral("기본동"));
        QCOMPARE(sheet.items().at(1), QStringLiteral("품새"));
        const auto& l = sheet.lines();
        QCOMPARE(l.size(), 3);
        QCOMPARE(l[0].name, QStringLiteral("김태권"));
        QCOMPARE(l[0].before, QStringLiteral("7급"));
        QCOMPARE(l[0].after, QStringLiteral("6급"));
        QCOMPARE(l[0].verdict, QStringLiteral("합"));
        QCOMPARE(l[1].before, QStringLiteral("6급"));
        QCOMPARE(l[1].verdict, QStringLiteral("불"));
        QCOMPARE(l[2].before, QStringLiteral("단보"));
        QCOMPARE(l[2].verdict, QStringLiteral("국기원"));
        const QStringList texts = sheet.document().texts();
        for (const char* t : {"심사 결과", "심사 일자 : 2024-05-15", "3회", "심사결과", "한빛 태권도", "국기원", "기본동"})
            QVERIFY2(texts.contains(QString::fromUtf8(t)), t);
    }

    void examNumbers_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("number");
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("blanks") << "   " << 0;
        QTest::newRow("letters") << "3회" << 0;
        QTest::newRow("decimal") << "2.5" << 0;
        QTest::newRow("negative") << "-1" << 0;
        QTest::newRow("zero") << "0" << 0;
        QTest::newRow("whole") << " 12 " << 12;
    }
    void examNumbers()
    {
        QFETCH(QString, typed);
        QFETCH(int, number);
        QCOMPARE(ExamNumber::parse(typed), number);
    }

    void lastExamNumberIsTheSchools()
    {
        QCOMPARE(ExamNumber::last(), 0);
        QCOMPARE(ExamNumber::next(), 1);
        addRecord(kim, QStringLiteral("2024-01-10"), 9, QStringLiteral("04"));
        addRecord(lee, QStringLiteral("2024-01-10"), 10, QStringLiteral("04"));
        addRecord(lee, QStringLiteral("2024-03-10"), 120, QStringLiteral("12"), QStringLiteral("국기원"));
        QCOMPARE(ExamNumber::last(), 10); // a number, not a text: 10 after 9
        QCOMPARE(ExamNumber::next(), 11);
    }
};

QTEST_MAIN(TstExamBatch)
#include "tst_exambatch.moc"
