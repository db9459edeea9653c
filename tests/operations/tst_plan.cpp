// Training plans: weeks, rest days, the rotation of sub-exercises, regeneration, the report work table
// and the text files.
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "operations/ExerciseCatalogue.h"
#include "operations/TrainingPlan.h"
#include "operations/uMainTrain.h"
#include "operations/uPlanPrint.h"
#include "report/Report.h"
#include "support/TestDb.h"
#include "ui/ListPanel.h"

#include <QCheckBox>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTest>

using namespace TrainingPlan;

namespace {

const PlanDivision& div(int code) { return planDivisions()[code - 1]; }

void mainEx(int division, int code, const QString& kind, const QString& name, int range = 0, int subs = 0)
{
    db::run("INSERT INTO T_주운동코드 VALUES (:d, :c, :k, :n, :r)",
            {{"d", div(division).name}, {"c", code}, {"k", kind}, {"n", name}, {"r", range}});
    for (int s = 1; s <= subs; ++s)
        db::run("INSERT INTO T_세부운동코드 VALUES (:d, :c, :s, :n)",
                {{"d", div(division).name}, {"c", code}, {"s", s}, {"n", "세부" + QString::number(s)}});
}

void select(int division, const QList<int>& codes)
{
    for (int i = 0; i < codes.size(); ++i)
        db::run("INSERT INTO T_수련계획환경설정 VALUES (:d, :c, :o)", {{"d", div(division).name}, {"c", codes[i]}, {"o", i + 1}});
}

void holiday(const QString& kind, const QString& date, const QString& name)
{
    db::run("INSERT INTO T_공휴행사일 VALUES (:k, :d, :n)", {{"k", kind}, {"d", date}, {"n", name}});
}

// The column of the division's rows of one main exercise, in day order.
QStringList column(int division, const QString& col, const QString& where = "1=1")
{
    QStringList out;
    db::Query q("SELECT " + col + " AS v FROM T_수련계획표 WHERE 부명 = :d AND " + where + " ORDER BY 연, 월, 일, 출력순서");
    q.bind("d", div(division).name);
    q.open();
    while (q.next())
        out.append(q.str("v"));
    return out;
}

const TrainingPlan::Ask yes = [](const QString&) { return true; };

// The layout as it ships, run over what print holds: it reads only columns the table has.
bool renders(report::PrintJob& job, const QString& layout)
{
    QFile::copy(QStringLiteral(TAMRIN_SOURCE_DIR "/report/") + layout, ProgramDir::file("report/" + layout));
    QString error;
    const bool ok = job.render(layout, QString(), &error).has_value();
    if (!ok)
        qWarning("%s", qPrintable(error));
    return ok;
}

} // namespace

class TestPlan : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init() { m_db = std::make_unique<TestDb>(); }
    void cleanup() { m_db.reset(); }

    void weeks_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("week");
        QTest::newRow("1st a Saturday") << QDate(2024, 6, 1) << 1;
        QTest::newRow("next day") << QDate(2024, 6, 2) << 2;
        QTest::newRow("Saturday after") << QDate(2024, 6, 8) << 2;
        QTest::newRow("Sunday after") << QDate(2024, 6, 9) << 3;
        QTest::newRow("1st a Sunday") << QDate(2024, 9, 1) << 1;
        QTest::newRow("its Saturday") << QDate(2024, 9, 7) << 1;
        QTest::newRow("last day") << QDate(2024, 9, 30) << 5;
    }
    void weeks()
    {
        QFETCH(QDate, date);
        QFETCH(int, week);
        QCOMPARE(weekOfMonth(date), week);
    }

    void restAndEventDays()
    {
        mainEx(1, 1, "매일고정", "기본동작");
        select(1, {1});
        holiday("공휴일", "2024-06-06", "현충일");
        holiday("유치부", "2024-06-06", "소풍");          // same day: the public holiday wins
        holiday("유치부", "2024-06-02", "가족행사");      // a Sunday stays 공휴일
        holiday("유치부", "2024-06-12", "어린이's 체육대회"); // an apostrophe in a name
        holiday("초등부유급자", "2024-06-13", "다른 부 행사");
        QCOMPARE(generateMonth(div(1), 2024, 6, yes), Generated::Done);
        auto day = [](const QString& dd) { return column(1, "출력주운동명", "일 = '" + dd + "'"); };
        QCOMPARE(day("02"), QStringList{"공휴일"});
        QCOMPARE(day("06"), QStringList{"현충일"});
        QCOMPARE(day("08"), QStringList{"휴무"});
        QCOMPARE(column(1, "주운동명", "일 = '08'"), QStringList{"공휴일"});
        QCOMPARE(day("12"), QStringList{"어린이's 체육대회"});
        QCOMPARE(day("13"), QStringList{"기본동작"});
        // 30 days: 10 weekend days, 2 event days, 18 training days.
        QCOMPARE(column(1, "반복구분", "반복구분 = '공휴일'").size(), 12);
        QCOMPARE(column(1, "반복구분", "반복구분 = '매일고정'").size(), 18);
        QCOMPARE(column(1, "주", "일 = '09'"), QStringList{"3"});
    }

    void rotation_data()
    {
        QTest::addColumn<int>("subs");
        QTest::addColumn<int>("range");
        QTest::addColumn<QString>("holidayDate"); // a rest day among the first training days
        QTest::addColumn<QStringList>("shortTexts");
        QTest::addColumn<QString>("thirdLong");
        // June 2024: the first training days are the 3rd, 4th, 5th, 6th, 7th.
        QTest::newRow("five by two") << 5 << 2 << "" << QStringList{"발차기 1-2", "발차기 3-4", "발차기 5-1", "발차기 2-3"}
                                     << "발차기 : 세부5, 세부1";
        QTest::newRow("rest day between") << 5 << 2 << "2024-06-04"
                                          << QStringList{"발차기 1-2", "발차기 3-4", "발차기 5-1", "발차기 2-3"}
                                          << "발차기 : 세부5, 세부1";
        QTest::newRow("two by two") << 2 << 2 << "" << QStringList{"발차기 1-2", "발차기 1-2", "발차기 1-2", "발차기 1-2"}
                                    << "발차기 : 세부1, 세부2";
        QTest::newRow("three by one") << 3 << 1 << ""
                                      << QStringList{"발차기 : 세부1", "발차기 : 세부2", "발차기 : 세부3", "발차기 : 세부1"}
                                      << "발차기 : 세부3";
        QTest::newRow("one sub") << 1 << 2 << "" << QStringList{"세부1", "세부1", "세부1", "세부1"} << "세부1";
        QTest::newRow("no subs") << 0 << 2 << "" << QStringList{"발차기", "발차기", "발차기", "발차기"} << "발차기";
        QTest::newRow("range zero") << 4 << 0 << "" << QStringList{"발차기", "발차기", "발차기", "발차기"} << "발차기";
    }
    void rotation()
    {
        QFETCH(int, subs);
        QFETCH(int, range);
        QFETCH(QString, holidayDate);
        QFETCH(QStringList, shortTexts);
        QFETCH(QString, thirdLong);
        mainEx(2, 7, "매일반복", "발차기", range, subs);
        select(2, {7});
        if (!holidayDate.isEmpty())
            holiday("공휴일", holidayDate, "쉬는날");
        generateMonth(div(2), 2024, 6, yes);
        const QString training = "반복구분 = '매일반복'";
        QCOMPARE(column(2, "출력주운동명", training).mid(0, 4), shortTexts);
        QCOMPARE(column(2, "출력세부운동명", training).value(2), thirdLong);
    }

    void rotationContinuesIntoNextMonthAndRestartsOnLostCode()
    {
        mainEx(1, 3, "매일반복", "품새", 2, 5);
        select(1, {3});
        generateMonth(div(1), 2024, 6, yes); // 20 training days: ten pairs end on 5-1 at the 20th... continue
        const QStringList june = column(1, "완료범위", "반복구분 = '매일반복'");
        generateMonth(div(1), 2024, 7, yes);
        const QStringList july = column(1, "시작범위", "월 = '07' AND 반복구분 = '매일반복'");
        QCOMPARE(july.first().toInt(), june.last().toInt() % 5 + 1);
        // The last end names a sub-exercise that is gone: the cycle starts again.
        sqlExec("UPDATE T_수련계획표 SET 완료범위 = 9 WHERE 저장순서 = (SELECT max(저장순서) FROM T_수련계획표)");
        generateMonth(div(1), 2024, 8, yes);
        QCOMPARE(column(1, "출력주운동명", "월 = '08' AND 반복구분 = '매일반복'").first(), QStringLiteral("품새 1-2"));
    }

    void periodicExercisesTakeTurns()
    {
        mainEx(4, 1, "매일고정", "준비운동");
        mainEx(4, 2, "주기반복", "겨루기");
        mainEx(4, 3, "매일고정", "정리'운동"); // an apostrophe in a name
        mainEx(4, 4, "주기반복", "격파");
        select(4, {1, 2, 3, 4});
        holiday("공휴일", "2024-06-05", "쉬는날");
        generateMonth(div(4), 2024, 6, yes);
        const QString periodic = "반복구분 = '주기반복'";
        QCOMPARE(column(4, "주운동명", periodic).mid(0, 4), (QStringList{"겨루기", "격파", "겨루기", "격파"}));
        QCOMPARE(column(4, "일", periodic).mid(0, 4), (QStringList{"03", "04", "06", "07"}));
        QCOMPARE(column(4, "주운동명", "주운동코드 = 3").first(), QStringLiteral("정리'운동"));
        const QStringList lines = column(4, "출력순서", periodic);
        QCOMPARE(lines.count("2"), lines.size()); // all on the line of the first periodic entry
    }

    void existingMonthAskedAndLaterMonthsDropped()
    {
        mainEx(1, 1, "매일고정", "기본동작");
        select(1, {1});
        mainEx(2, 1, "매일고정", "줄넘기");
        select(2, {1});
        generate({QDate(2024, 3, 1), QDate(2024, 12, 1)}, {1, 2}, yes);
        generateMonth(div(1), 2025, 1, yes);
        const int march = column(1, "일", "월 = '03'").size();

        // No for 유치부 keeps its months; 초등부유급자 is still asked and regenerated.
        QStringList asked;
        generate({QDate(2024, 3, 1), QDate(2024, 3, 1)}, {1, 2}, [&](const QString& q) {
            asked << q;
            return asked.size() == 2;
        });
        QCOMPARE(asked.size(), 2);
        QVERIFY(asked[0].startsWith("'2024년03월 유치부' 수련계획표가 존재합니다."));
        QVERIFY(asked[0].endsWith("다시 작성하시겠습니까?"));
        QCOMPARE(column(1, "일", "월 = '04'").size(), 30);
        QCOMPARE(column(2, "일", "월 = '03'").size(), march);
        QCOMPARE(column(2, "일", "월 > '03'").size(), 0);           // April to December are gone
        QCOMPARE(column(1, "일", "연 = '2025'").size(), 31);        // another year is not touched
    }

    void emptySelectionStillClearsTheMonth()
    {
        mainEx(3, 1, "매일고정", "기본동작");
        select(3, {1});
        generateMonth(div(3), 2024, 6, yes);
        sqlExec("DELETE FROM T_수련계획환경설정");
        QCOMPARE(generateMonth(div(3), 2024, 6, yes), Generated::NoSelection);
        QCOMPARE(column(3, "일").size(), 0);
    }

    void generationChecks_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("message");
        QTest::newRow("two years") << QDate(2024, 12, 1) << QDate(2025, 1, 1) << "작성기간의 연도를 통일하세요.";
        QTest::newRow("backwards") << QDate(2024, 5, 1) << QDate(2024, 4, 30) << "시작월<=완료월 확인하세요.";
        QTest::newRow("same month") << QDate(2024, 5, 20) << QDate(2024, 5, 1) << "";
    }
    void generationChecks()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, message);
        QCOMPARE(checkGeneration({from, to}).message, message);
    }

    void weeklyPrintOneDivision()
    {
        mainEx(1, 1, "매일고정", "기본동작");
        select(1, {1});
        generateMonth(div(1), 2024, 6, yes);
        buildWorkTable({QDate(2024, 6, 1), QDate(2024, 6, 1)}, Output::Weekly, {1});
        report::PrintJob job;
        const PrintFill fill = fillPrint(job, Output::Weekly, Format::Form, {1});
        QCOMPARE(fill.layout, QStringLiteral("주간수련1.rpt"));
        QVERIFY(renders(job, fill.layout));
        QCOMPARE(db::scalar("SELECT count(*) FROM print WHERE f03 = '일'").toInt(), 0);
        QCOMPARE(db::scalar("SELECT count(*) FROM print WHERE 발부일자 <> '99999999'").toInt(), 30 - 5);
        QCOMPARE(db::scalar("SELECT count(*) FROM print WHERE 구분2 <> '' OR 가정통신9 <> '' OR 가정통신16 <> ''").toInt(), 0);
        // Monday the 3rd: week 2, the exercise on line 1; Saturday the 8th: the rest label on line 4.
        db::Query q("SELECT * FROM print WHERE f04 = '(03)'");
        q.open();
        QVERIFY(q.next());
        QCOMPARE(q.str("발부일자"), QStringLiteral("20240602"));
        QCOMPARE(q.str("구분1"), QStringLiteral("유치부"));
        QCOMPARE(q.str("f01") + "|" + q.str("f02") + "|" + q.str("f03"), QStringLiteral("6|2|월"));
        QCOMPARE(q.str("가정통신1"), QStringLiteral("· 기본동작"));
        QCOMPARE(q.str("가정통신2"), QString());
        QCOMPARE(db::scalarText("SELECT 가정통신4 FROM print WHERE f04 = '(08)'"), QStringLiteral("· 휴무"));
        QCOMPARE(db::scalar("SELECT 가정통신1 FROM print WHERE f04 = '(08)'"), QVariant(QString("")));
    }

    void weeklyTitlesFollowTickedDivisions()
    {
        // The first ticked division has no plan: the second still prints, under its own title.
        mainEx(2, 1, "매일고정", "줄넘기");
        select(2, {1});
        generateMonth(div(2), 2024, 6, yes);
        buildWorkTable({QDate(2024, 6, 1), QDate(2024, 6, 1)}, Output::Weekly, {1, 2});
        report::PrintJob job;
        QVERIFY(renders(job, fillPrint(job, Output::Weekly, Format::Forms, {1, 2}).layout));
        db::Query q("SELECT * FROM print WHERE f04 = '(03)'");
        q.open();
        QVERIFY(q.next());
        QCOMPARE(q.str("구분1"), QStringLiteral("유치부"));
        QCOMPARE(q.str("구분2"), QStringLiteral("초등부유급자"));
        QCOMPARE(q.str("가정통신1"), QString());
        QCOMPARE(q.str("가정통신9"), QStringLiteral("· 줄넘기"));
        QVERIFY(!q.next()); // one row for the day
    }

    void moreThanEightLines()
    {
        QList<int> codes;
        for (int c = 1; c <= 9; ++c) {
            mainEx(3, c, "매일고정", "운동" + QString::number(c));
            codes << c;
        }
        select(3, codes);
        generateMonth(div(3), 2024, 6, yes);
        const Period june{QDate(2024, 6, 1), QDate(2024, 6, 30)};
        buildWorkTable(june, Output::Daily, {3});
        report::PrintJob job;
        const PrintFill fill = fillPrint(job, Output::Daily, Format::Form, {3});
        QCOMPARE(fill.layout, QStringLiteral("일일수련1.rpt"));
        db::Query q("SELECT * FROM print WHERE 발부일자 = '20240603'");
        q.open();
        QVERIFY(q.next());
        QCOMPARE(q.str("f01"), QStringLiteral("6월3일"));
        QCOMPARE(q.str("f02") + q.str("f03") + q.str("f04"), QStringLiteral("유품자"));
        QCOMPARE(q.str("가정통신8"), QStringLiteral("· 운동8"));
        QVERIFY(renders(job, fill.layout));
        const QStringList lines = textLines(june, Output::Daily, {3});
        QVERIFY(lines.contains("운동9"));
    }

    void textFiles_data()
    {
        QTest::addColumn<int>("output");
        QTest::addColumn<QString>("golden");
        QTest::newRow("weekly") << int(Output::Weekly) << "주간수련계획.txt";
        QTest::newRow("daily") << int(Output::Daily) << "일일수련계획.txt";
    }
    void textFiles()
    {
        QFETCH(int, output);
        QFETCH(QString, golden);
        // February 2026 (the 1st a Sunday), 설날 on Tuesday the 17th; two divisions.
        mainEx(1, 1, "매일고정", "기본동작");
        select(1, {1});
        mainEx(2, 5, "매일반복", "품새", 1, 0);
        sqlExec("INSERT INTO T_세부운동코드 VALUES ('초등부유급자', 5, 1, '태극1장')");
        sqlExec("INSERT INTO T_세부운동코드 VALUES ('초등부유급자', 5, 2, '태극2장')");
        select(2, {5});
        holiday("공휴일", "2026-02-17", "설날");
        const Period feb{QDate(2026, 2, 10), QDate(2026, 2, 10)};
        generate(feb, {1, 2}, yes);
        bool empty = true;
        QString error;
        QVERIFY2(writeTextFile(feb, Output(output), {1, 2}, &empty, &error), qPrintable(error));
        QVERIFY(!empty);
        QFile got(textFilePath(Output(output)));
        QVERIFY(got.open(QIODevice::ReadOnly));
        QFile want(QStringLiteral(TAMRIN_SOURCE_DIR "/tests/operations/golden/") + golden);
        QVERIFY(want.open(QIODevice::ReadOnly));
        QCOMPARE(got.readAll(), want.readAll());
    }

    void emptyPeriodGivesEmptyFileAndUnwritableFolderStops()
    {
        bool empty = false;
        QVERIFY(writeTextFile({QDate(2030, 1, 1), QDate(2030, 1, 1)}, Output::Daily, {}, &empty, nullptr));
        QVERIFY(empty);
        QCOMPARE(QFileInfo(textFilePath(Output::Daily)).size(), 0);
        // A file where the folder should be: nothing written, the reason given.
        QDir(ProgramDir::path()).rename("수련계획", "old");
        QFile blocker(ProgramDir::file("수련계획"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QString error;
        QVERIFY(!writeTextFile({QDate(2030, 1, 1), QDate(2030, 1, 1)}, Output::Weekly, {}, nullptr, &error));
        QVERIFY(!error.isEmpty());
    }

    void selectionSaveAndScreenGuards()
    {
        mainEx(1, 1, "매일고정", "기본동작");
        mainEx(1, 2, "매일반복", "발차기", 2, 3);
        TfPlanPrint w;
        ListPanel* p = w.panel(0);
        p->Btn_InsertClick();
        ListModel* m = p->model();
        // Generation waits for the pending selection.
        w.chk_Bu[0]->setChecked(true);
        w.btn_MakeClick();
        QVERIFY(m_db->dialogs().lastText().contains("유치부 확인 버튼을 클릭후 작업하세요."));
        QCOMPARE(db::scalar("SELECT count(*) FROM T_수련계획표").toInt(), 0);
        // An entry without a main exercise is refused; a chosen one copies its kind and range.
        QVERIFY(!p->Btn_OkClick());
        QCOMPARE(m_db->dialogs().lastText(), QStringLiteral("주 운동명을 선택하세요."));
        QVERIFY(m->setData(m->index(0, m->columnOf("주운동명")), "2)  발차기", Qt::EditRole));
        QCOMPARE(m->data(m->index(0, m->columnOf("반복구분")), Qt::DisplayRole).toString(), QStringLiteral("매일반복"));
        p->Btn_InsertClick();
        m->setData(m->index(1, m->columnOf("주운동명")), "1)  기본동작", Qt::EditRole);
        QVERIFY(p->Btn_OkClick());
        QCOMPARE(db::scalarText("SELECT 주운동코드 FROM T_수련계획환경설정 WHERE 출력순번 = 2"), QStringLiteral("1"));
        w.btn_MakeClick();
        QVERIFY(db::scalar("SELECT count(*) FROM T_수련계획표").toInt() > 0);
        // Three divisions cannot share a weekly page.
        w.chk_Bu[1]->setChecked(true);
        w.chk_Bu[2]->setChecked(true);
        w.Btn_PrintClick();
        QCOMPARE(m_db->dialogs().lastText(), QStringLiteral("인쇄 작업시 작성 구분은 2개 까지만 선택 가능합니다."));
        w.rb_File->setChecked(true);
        w.Btn_PrintClick();
        QVERIFY(m_db->dialogs().lastText().endsWith("주간수련계획.txt 파일이 생성되었습니다."));
    }

    void catalogueChecksAndDeletesSubs()
    {
        mainEx(1, 4, "매일반복", "품새", 2, 3);
        MainExercises mains("유치부");
        mains.load();
        const int row = mains.append();
        struct Step {
            const char* field;
            const char* value;
            const char* message;
        };
        const Step steps[] = {
            {"주운동명", "발차기", "코드를 입력하세요."},     {"주운동코드", "x1", "코드를 숫자로 입력하세요."},
            {"주운동코드", "5", "구분을 선택하세요."},         {"반복구분", "매일고정", "반복범위를 입력하세요."},
            {"범위", "두", "반복범위를 숫자로 입력하세요."},   {"범위", "2", ""},
        };
        for (const Step& s : steps) {
            mains.edit(row, s.field, QString::fromUtf8(s.value));
            QCOMPARE(mains.save().message, QString::fromUtf8(s.message));
        }
        QVERIFY(!mains.editable(0, "주운동코드"));
        mains.remove(0);
        QVERIFY(mains.save().saved);
        QCOMPARE(db::scalar("SELECT count(*) FROM T_세부운동코드").toInt(), 0);
        QCOMPARE(db::scalarText("SELECT 범위 FROM T_주운동코드 WHERE 주운동코드 = 5"), QStringLiteral("2"));
        SubExercises subs("유치부");
        subs.setMain(5);
        const int s = subs.append();
        subs.edit(s, "세부운동코드", "1");
        QCOMPARE(subs.save().message, QStringLiteral("세부운동명을 입력하세요."));
        subs.edit(s, "세부운동명", "앞차기");
        QVERIFY(subs.save().saved);
        QCOMPARE(db::scalarText("SELECT 세부운동명 FROM T_세부운동코드 WHERE 주운동코드 = 5 AND 세부운동코드 = 1"), QStringLiteral("앞차기"));
    }

    // 주운동/세부운동 등록 as the user works it: the toolbar adds a main exercise to the division's
    // list, then acts on the sub-exercise list once that list's own button was used.
    void exerciseScreen()
    {
        TfMainTrain w;
        ListPanel* mains = w.mainPanel(0);
        w.Btn_Insert->click();
        QVERIFY(w.Btn_Ok->isEnabled() && !w.Btn_Insert->isEnabled());
        ListModel* m = mains->model();
        QVERIFY(m->setData(m->index(0, m->columnOf("반복구분")), "매일반복", Qt::EditRole));
        QVERIFY(m->setData(m->index(0, m->columnOf("주운동코드")), "3", Qt::EditRole));
        QVERIFY(m->setData(m->index(0, m->columnOf("범위")), "2", Qt::EditRole));
        QVERIFY(m->setData(m->index(0, m->columnOf("주운동명")), "발차기", Qt::EditRole));
        w.Btn_Ok->click();
        QVERIFY(!w.Btn_Ok->isEnabled());
        QCOMPARE(db::scalarText("SELECT 주운동명 & '/' & 반복구분 & '/' & 범위 FROM T_주운동코드 WHERE 부명 = :d AND 주운동코드 = 3",
                                {{"d", div(1).name}}),
                 QStringLiteral("발차기/매일반복/2"));

        mains->setCurrentRow(0);
        ListPanel* subs = w.subPanel(0);
        subs->Btn_Insert->click();
        QCOMPARE(w.active(), subs);
        ListModel* sm = subs->model();
        QVERIFY(sm->setData(sm->index(0, sm->columnOf("세부운동코드")), "1", Qt::EditRole));
        QVERIFY(sm->setData(sm->index(0, sm->columnOf("세부운동명")), "앞차기", Qt::EditRole));
        w.Btn_Ok->click();
        QCOMPARE(db::scalarText("SELECT 세부운동명 FROM T_세부운동코드 WHERE 부명 = :d AND 주운동코드 = 3 AND 세부운동코드 = 1",
                                {{"d", div(1).name}}),
                 QStringLiteral("앞차기"));
        QVERIFY(m_db->dialogs().log.isEmpty());
    }
};

QTEST_MAIN(TestPlan)
#include "tst_plan.moc"
