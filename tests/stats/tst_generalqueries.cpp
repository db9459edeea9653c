// The list pages of 종합관리 as rules: shared filters, the row builder, the point and award pages, and
// the lines each page writes into print.
#include "QueryFixture.h"

#include "db/Query.h"
#include "report/Report.h"
#include "report/ReportOutput.h"
#include "stats/GeneralQueries.h"

#include <QTest>

using namespace tot;
using fixture::Member;

namespace {

QStringList numbers(const Listing& l)
{
    QStringList out;
    for (const Row& r : l.rows)
        out << r.memberNo;
    return out;
}

Listing runPage(int page, const Input& in)
{
    Listing l;
    Problem p;
    if (!run(page, in, &l, &p))
        qWarning("refused: %s", qPrintable(p.message));
    return l;
}

// The school of the filter cases, today being 2024-05-15.
void filterSchool()
{
    fixture::member({.no = "202401001", .name = "김하나", .division = "02", .enrolled = "2024-01-05", .birth = "2018-03-01"});
    fixture::member({.no = "202401002", .name = "이두리", .division = "03", .rank = "12", .enrolled = "2024-02-10"});
    fixture::member({.no = "202401003", .name = "박세나", .division = "11", .rank = "13", .enrolled = "2024-03-10"});
    fixture::member({.no = "202401004", .name = "최네리", .division = "12", .rank = "14", .enrolled = "2024-04-10"});
    fixture::member({.no = "202401005", .name = "정다섯", .division = "01", .out = "2024-03-01"});
    fixture::member({.no = "202401006", .name = "하나김", .division = "05", .rank = "05", .leave = "2024-04-01"});
}

} // namespace

class TestGeneralQueries : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init() { m_db = std::make_unique<TestDb>(); }
    void cleanup() { m_db.reset(); }

    void sharedFilters_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("division"); // index of the division entry; 5 + k for the k-th division
        QTest::addColumn<QString>("rank");
        QTest::addColumn<bool>("withdrawn");
        QTest::addColumn<QString>("from"); // enrolment range when given
        QTest::addColumn<QStringList>("expected");
        const QString none;
        QTest::newRow("전체") << 0 << none << 1 << none << false << none
                            << QStringList{"202401001", "202401002", "202401003", "202401004", "202401006"};
        QTest::newRow("유치부 up to 02") << 0 << none << 2 << none << false << none << QStringList{"202401001"};
        QTest::newRow("초등부 03 to 11") << 0 << none << 3 << none << false << none
                                      << QStringList{"202401002", "202401003", "202401006"};
        QTest::newRow("중고/일반 from 12") << 0 << none << 4 << none << false << none << QStringList{"202401004"};
        QTest::newRow("one division") << 0 << none << 5 + 2 << none << false << none << QStringList{"202401002"};
        QTest::newRow("name contains") << 0 << "하나" << 0 << none << false << none << QStringList{"202401001", "202401006"};
        QTest::newRow("name starts with") << 2 << "하나" << 0 << none << false << none << QStringList{"202401006"};
        QTest::newRow("typed % is a letter") << 0 << "%" << 0 << none << false << none << QStringList{};
        QTest::newRow("withdrawn") << 0 << none << 0 << none << true << none << QStringList{"202401005"};
        QTest::newRow("enrolled in range") << 0 << none << 0 << none << false << "2024-02-01"
                                           << QStringList{"202401002", "202401003"};
        QTest::newRow("2품 without 단보") << 2 << none << 0 << "2품" << false << none << QStringList{"202401004"};
        QTest::newRow("1품") << 2 << none << 0 << "1품" << false << none << QStringList{"202401002"};
        QTest::newRow("one rank") << 2 << none << 0 << "13)  2품단보" << false << none << QStringList{"202401003"};
        QTest::newRow("range of ranks") << 2 << none << 0 << "12)  1품/1단~13)  2품단보" << false << none
                                        << QStringList{"202401002", "202401003"};
    }
    void sharedFilters()
    {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(int, division);
        QFETCH(QString, rank);
        QFETCH(bool, withdrawn);
        QFETCH(QString, from);
        QFETCH(QStringList, expected);
        filterSchool();
        const QStringList ranks = rankEntries();
        const QStringList divisions{"", "     전체", "     유치부", "     초등부", "     중고/일반", "01) x", "02) x", "03) x"};
        Input in;
        in.name = name;
        in.divisionIndex = division;
        in.divisionText = divisions.value(division);
        in.status = withdrawn ? Status::Withdrawn : Status::Current;
        if (!from.isEmpty()) {
            in.useDates = true;
            in.from = QDate::fromString(from, Qt::ISODate);
            in.to = QDate(2024, 3, 31);
        }
        if (!rank.isEmpty()) {
            in.rankText = rank.section(u'~', 0, 0);
            in.rankIndex = int(ranks.indexOf(in.rankText));
            QVERIFY(in.rankIndex >= 0);
            in.rankToText = rank.section(u'~', 1, 1);
        }
        QStringList got = numbers(runPage(page, in));
        got.sort();
        QCOMPARE(got, expected);
    }

    void rowBuilderColumns()
    {
        fixture::member({.no = "202401001", .name = "김하나", .birth = "2018-03-01", .payDay = "15"});
        fixture::member({.no = "202401002", .name = "이두리", .rank = "05", .leave = "2024-04-01", .sex = "여", .payDay = "3"});
        fixture::paid("202401001", "202405");
        fixture::paid("202401002", "202404"); // last month only
        fixture::exam("202401002", "2024-02-01", 1, "체육관", "04");
        fixture::exam("202401002", "2024-03-01", 2, "체육관", "05");
        fixture::exam("202401002", "2024-04-01", 3, "체육관", "05");
        fixture::exam("202401002", "2024-05-01", 4, "체육관", "06"); // another rank: not his

        const Listing l = runPage(Rank, Input());
        QCOMPARE(numbers(l), (QStringList{"202401001", "202401002"}));
        const int age = int(l.headers.indexOf("나이/성"));
        const int fee = int(l.headers.indexOf("수련비"));
        const int leave = int(l.headers.indexOf("휴관"));
        const int promoted = int(l.headers.indexOf("승 급 일"));
        QVERIFY(age > 0 && fee > 0 && leave > 0 && promoted > 0);
        QCOMPARE(l.rows[0].cells[age], QString("7/남"));
        QCOMPARE(l.rows[1].cells[age], QString("/여")); // no birth date: no age
        QCOMPARE(l.rows[0].cells[fee], QString("납부/15"));
        QCOMPARE(l.rows[1].cells[fee], QString("미납/3"));
        QCOMPARE(l.rows[0].cells[leave], QString());
        QCOMPARE(l.rows[1].cells[leave], QString("V"));
        QCOMPARE(l.rows[0].cells[promoted], QString());
        QCOMPARE(l.rows[1].cells[promoted], QString("2024-04-01"));
    }

    void examNumberMustBeWhole_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("page 2, 12") << 2 << "12" << true;
        QTest::newRow("page 2, 1.5") << 2 << "1.5" << false;
        QTest::newRow("page 2, quote") << 2 << "1' OR '1'='1" << false;
        QTest::newRow("page 13, abc") << 13 << "abc" << false;
        QTest::newRow("page 13, -3") << 13 << "-3" << false;
        QTest::newRow("page 13, empty") << 13 << "" << true;
    }
    void examNumberMustBeWhole()
    {
        QFETCH(int, page);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        Input in;
        in.danMode = true;
        in.examNo = typed;
        Listing l;
        Problem p;
        QCOMPARE(run(page, in, &l, &p), accepted);
        QCOMPARE(p.message, accepted ? QString() : QString("심사명은 숫자로 입력하세요."));
    }

    // Page 6: month sums and the total of the chosen year, the sum over all years, and both orders.
    void pointsByMonth()
    {
        fixture::member({.no = "202401001", .name = "김하나"});
        fixture::member({.no = "202401002", .name = "O'Neil", .enrolled = "2023-06-01"});
        fixture::member({.no = "202401003", .name = "정다섯", .out = "2024-04-01"});
        fixture::points("202401001", "2024-01-10", "01"); // +3
        fixture::points("202401001", "2024-01-20", "04"); // -1
        fixture::points("202401001", "2024-03-02", "02"); // +5
        fixture::points("202401001", "2023-06-02", "03"); // +2, last year
        fixture::points("202401002", "2024-02-02", "02"); // +5
        fixture::points("202401002", "2024-02-03", "02"); // +5
        fixture::points("202401002", "2024-07-03", "04"); // -1
        fixture::points("202401002", "2022-07-03", "06"); // -2
        fixture::points("202401003", "2024-02-03", "02"); // withdrawn

        Input in;
        in.yearText = "2024";
        Listing l = runPage(Points, in);
        QCOMPARE(numbers(l), (QStringList{"202401002", "202401001"})); // 9 before 7
        const QStringList& a = l.rows[1].cells;
        QCOMPARE(a.mid(0, 3), (QStringList{"초등3학년부", "김하나", "2024-01-05"}));
        QCOMPARE(a.mid(3, 12), (QStringList{"2", "", "5", "", "", "", "", "", "", "", "", ""}));
        QCOMPARE(a[15], QString("7"));  // 총점 of 2024
        QCOMPARE(a[16], QString("9"));  // 누적 over all years
        QCOMPARE(l.rows[0].cells[16], QString("7"));

        in.cumulativeOrder = true;
        l = runPage(Points, in);
        QCOMPARE(numbers(l), (QStringList{"202401002", "202401001"}));
        QCOMPARE(l.rows[1].cells.mid(3, 13), QStringList(13, QString()));
        QCOMPARE(l.rows[1].cells[16], QString("7"));

        in.cumulativeOrder = false;
        in.name = "O'Neil"; // bound, not spliced
        l = runPage(Points, in);
        QCOMPARE(numbers(l), QStringList{"202401002"});

        Problem p;
        in.yearText.clear();
        QVERIFY(!run(Points, in, &l, &p));
        QCOMPARE(p.message, QString("년도를 선택하세요."));
    }

    // Page 8, life: points summed in the year, absences counted in that year, 100 + points - absences.
    void overallLife()
    {
        fixture::member({.no = "202401001", .name = "김하나"});
        fixture::member({.no = "202401002", .name = "O'Neil", .division = "12"});
        fixture::member({.no = "202401003", .name = "박휴관", .leave = "2024-03-01"});
        fixture::points("202401001", "2024-02-01", "01"); // +3
        fixture::points("202401001", "2024-04-01", "02"); // +5
        fixture::points("202401001", "2023-04-01", "02"); // last year
        for (const char* d : {"2024-01-10", "2024-02-10", "2024-03-10", "2023-12-30", "2023-11-11"})
            fixture::absence("202401001", d);
        fixture::absence("202401002", "2024-05-02");
        fixture::points("202401003", "2024-02-01", "01");

        Input in;
        in.yearText = "2024";
        Listing l = runPage(Overall, in);
        QCOMPARE(numbers(l), (QStringList{"202401001", "202401002"}));
        QCOMPARE(l.rows[0].cells.mid(5), (QStringList{"8", "3", "105"}));
        QCOMPARE(l.rows[1].cells.mid(5), (QStringList{"0", "1", "99"})); // no points in the year: still listed

        in.name = "O'Neil";
        l = runPage(Overall, in);
        QCOMPARE(numbers(l), QStringList{"202401002"});

        Problem p;
        in.yearText.clear();
        QVERIFY(!run(Overall, in, &l, &p));
        QCOMPARE(p.message, QString("년도를 입력하세요."));
    }

    void overallFitness()
    {
        fixture::member({.no = "202401001", .name = "김하나"});
        fixture::member({.no = "202401002", .name = "이두리"});
        fixture::member({.no = "202401003", .name = "박세나"});
        db::run("INSERT INTO T_체력측정 (회원번호, 측정일자, A03) VALUES ('202401001', '2024-03-01', 10.15)");
        db::run("INSERT INTO T_체력측정 (회원번호, 측정일자, A03) VALUES ('202401001', '2024-04-01', 12.345)");
        db::run("INSERT INTO T_체력측정 (회원번호, 측정일자, A03) VALUES ('202401001', '2023-04-01', 99)"); // last year
        db::run("INSERT INTO T_체력측정 (회원번호, 측정일자, A03) VALUES ('202401002', '2024-02-01', 1234.5)");
        db::run("INSERT INTO T_체력측정 (회원번호, 측정일자, A03) VALUES ('202401003', '2024-02-01', 20)");
        db::run("INSERT INTO T_체력측정 (회원번호, 측정일자, A03) VALUES ('202401003', '2024-05-01', 0)");

        Input in;
        in.section = Input::Fitness;
        in.yearText = "2024";
        in.itemCode = "A03";
        const Listing l = runPage(Overall, in);
        QCOMPARE(numbers(l), (QStringList{"202401001", "202401003", "202401002"}));
        QCOMPARE(l.rows[0].cells.mid(5), (QStringList{"10.1", "12.3", "2.2"}));
        QCOMPARE(l.rows[1].cells.mid(5), (QStringList{"20.0", "20.0", "0.0"})); // a last value of 0 takes the first
        QCOMPARE(l.rows[2].cells.mid(5), (QStringList{"1,234.5", "1,234.5", "0.0"})); // one measurement
    }

    void overallExam_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("order");
        QTest::addColumn<QStringList>("first");
        QTest::newRow("E0 average") << "E0" << QStringList{"202401002", "202401001"} << QStringList{"", "180.0", "15.0"};
        QTest::newRow("E2") << "E2" << QStringList{"202401001", "202401002"} << QStringList{"", "150.0", "12.5"};
    }
    void overallExam()
    {
        QFETCH(QString, item);
        QFETCH(QStringList, order);
        QFETCH(QStringList, first);
        fixture::member({.no = "202401001", .name = "김하나"});
        fixture::member({.no = "202401002", .name = "이두리"});
        fixture::exam("202401001", "2024-01-10", 1, "체육관", "02", {50, 70}, 60);
        fixture::exam("202401001", "2024-02-10", 2, "체육관", "03", {50, 80}, 65);
        fixture::exam("202401001", "2023-02-10", 9, "체육관", "01", {99, 99}, 99); // last year
        fixture::exam("202401002", "2024-02-10", 2, "체육관", "02", {90, 60}, 90);
        fixture::exam("202401002", "2024-03-10", 3, "체육관", "03", {90, 60}, 90);
        Input in;
        in.section = Input::Exam;
        in.yearText = "2024";
        in.itemCode = item;
        const Listing l = runPage(Overall, in);
        QCOMPARE(numbers(l), order);
        QCOMPARE(l.rows[0].cells.mid(5), first);
    }

    void overallRefusesUnknownItems_data()
    {
        QTest::addColumn<int>("section");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("message");
        QTest::newRow("no exam item") << int(Input::Exam) << "" << "항목을 선택하세요";
        QTest::newRow("E7") << int(Input::Exam) << "E7" << "심사 항목이 올바르지 않습니다.";
        QTest::newRow("spliced column") << int(Input::Exam) << "평균) FROM T_회원; --" << "심사 항목이 올바르지 않습니다.";
        QTest::newRow("A13") << int(Input::Fitness) << "A13" << "체력측정 항목이 올바르지 않습니다.";
        QTest::newRow("E1 as fitness") << int(Input::Fitness) << "E1" << "체력측정 항목이 올바르지 않습니다.";
    }
    void overallRefusesUnknownItems()
    {
        QFETCH(int, section);
        QFETCH(QString, item);
        QFETCH(QString, message);
        Input in;
        in.section = Input::Section(section);
        in.yearText = "2024";
        in.itemCode = item;
        Listing l;
        Problem p;
        QVERIFY(!run(Overall, in, &l, &p));
        QCOMPARE(p.message, message);
    }

    void boardingPlaceFilterKeepsTheCount()
    {
        db::run("INSERT INTO T_코스코드 VALUES ('01', '1호차')");
        db::run("INSERT INTO T_장소코드 (코스코드, 장소코드, 장소) VALUES ('01', '01', '정문'), ('01', '02', '후문')");
        db::run("INSERT INTO T_시간코드 (코스코드, 장소코드, 시간) VALUES ('01', '01', '14:00'), ('01', '01', '17:00'), ('01', '02', '14:10')");
        fixture::member({.no = "202401001", .name = "김하나"});
        fixture::member({.no = "202401002", .name = "이두리"});
        fixture::member({.no = "202401003", .name = "박걸음"}); // no course: not listed
        db::run("UPDATE T_회원 SET 코스코드 = '01', 장소코드 = '01', 시간 = '17:00' WHERE 회원번호 = '202401001'");
        db::run("UPDATE T_회원 SET 코스코드 = '01', 장소코드 = '02' WHERE 회원번호 = '202401002'");
        Input in;
        Listing l = runPage(Boarding, in);
        QCOMPARE(numbers(l), (QStringList{"202401002", "202401001"})); // 코스순: by time, the member's own first
        in.place = "정문";
        l = runPage(Boarding, in);
        QCOMPARE(numbers(l), QStringList{"202401001"});
        QCOMPARE(l.found, 2);
        QCOMPARE(l.rows[0].cells.mid(5, 3), (QStringList{"1호차", "정문", "17:00"}));
    }

    // One listed member per page and mode: the lines in print and the report's pages.
    void printLines_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("fields"); // f01, f02, ... as printed
        const QString p = "김하나";
        QTest::newRow("0") << 0 << 0 << "tot00.rpt" << "명단/부별/입관일"
                           << QStringList{p, "2024-01-05", "초등3학년부", "7/남", "초등 3", "2", "10급", "555-1234", "010-1", ""};
        QTest::newRow("1") << 1 << 0 << "tot01.rpt" << "학교/학년/성별"
                           << QStringList{p, "한빛초등학교", "초등3학년부", "7/남", "초등 3", "2", "10급", "555-1234", "납부/15", ""};
        QTest::newRow("2 rank") << 2 << 0 << "tot02_1.rpt" << "급품 현황"
                                << QStringList{p, "2024-01-05", "초등3학년부", "7/남", "초등 3", "2", "10급", "555-1234", "납부/15", ""};
        QTest::newRow("2 dan") << 2 << 1 << "tot02_2.rpt" << "단 현황"
                               << QStringList{p, "2024-01-05", "초등3학년부", "단보", "2024-02-01", "7", "2024-03-01", "D-1", "555-1234"};
        QTest::newRow("3") << 3 << 0 << "tot03.rpt" << "주소(지역명)"
                           << QStringList{p, "2024-01-05", "초등3학년부", "중앙동", "도장로 1", "555-1234", "납부/15", ""};
        QTest::newRow("4 trainee") << 4 << 0 << "tot41.rpt" << "생일(수련생)"
                                   << QStringList{p, "2018-03-01", "초등3학년부", "7/남", "초등 3", "2", "10급", "555-1234", "납부/15", ""};
        QTest::newRow("4 family") << 4 << 1 << "tot42.rpt" << "생일(가족)"
                                  << QStringList{p, "초등3학년부", "모", "김엄마", "1985-07-07", "교사", "", "생일(가족)", "생년월일"};
        QTest::newRow("4 wedding") << 4 << 2 << "tot42.rpt" << "결혼기념일"
                                   << QStringList{p, "초등3학년부", "모", "김엄마", "2010-10-10", "교사", "", "결혼기념일", "결혼기념일"};
        QTest::newRow("5") << 5 << 0 << "tot05.rpt" << "시상내역"
                           << QStringList{p, "품새상/2024-03-03", "초등3학년부", "초등 3", "2", "10급", "555-1234", "납부/15", ""};
        QTest::newRow("6") << 6 << 0 << "tot06.rpt" << "상벌점 내역"
                           << QStringList{"초등3학년부", p, "2024-01-05", "", "", "3", "", "", "", "", "", "", "", "", "", "3", "3"};
        QTest::newRow("7") << 7 << 0 << "tot07.rpt" << "건의내역" << QStringList{p, "초등3학년부", "10급", "2024-02-02", "차량 시간"};
        QTest::newRow("8 life") << 8 << 0 << "tot08.rpt" << "종합시상내역(생활부문)"
                                << QStringList{p, "초등3학년부", "2024-01-05", "10급", "초등 3", "3", "0", "103", "상벌점", "결석일",
                                               "총점", " (생활부문)", ""};
        QTest::newRow("10") << 10 << 0 << "tot10.rpt" << "생활기록" << QStringList{p, "초등3학년부", "10급", "2024-04-04", "인사를 잘 함"};
        QTest::newRow("11") << 11 << 0 << "탑승현황.rpt" << "탑승현황"
                            << QStringList{"1호차", "정문", "14:00", "초등3학년부", p, "초등 3", "10급", "555-1234"};
        QTest::newRow("12") << 12 << 0 << "집중도.rpt" << "집중도"
                            << QStringList{p, "초등3학년부", "10급", "2024-05-01", "81", "70", "65", "60", "50", "51", "52", "53",
                                           "90", "91", "92", "94"};
        QTest::newRow("13") << 13 << 0 << "심사평가.rpt" << "심사평가"
                            << QStringList{p, "초등3학년부", "초등 3", "10급", "2024-04-20", "발차기가 좋음"};
        QTest::newRow("14") << 14 << 0 << "tot15.rpt" << "개인공지사항" << QStringList{p, "초등3학년부", "10급", "2024-05-05", "도복 준비"};
    }
    void printLines()
    {
        QFETCH(int, page);
        QFETCH(int, mode);
        QFETCH(QString, layout);
        QFETCH(QString, title);
        QFETCH(QStringList, fields);
        fixture::school();
        fixture::installLayout(layout);
        fixture::member({.no = "202401001", .name = "김하나", .division = "05", .rank = "01", .birth = "2018-03-01", .payDay = "15"});
        db::run("UPDATE T_회원 SET 지역코드 = 2, 주소 = '도장로 1', 핸드폰번호 = '010-1', 코스코드 = '01', 장소코드 = '01', 시간 = '14:00'");
        fixture::paid("202401001", "202405");
        db::run("INSERT INTO T_가족사항 (회원번호, 순번, 관계, 성명, 생일, 결혼기념일, 직업) VALUES ('202401001', 1, '모', '김엄마', '1985-07-07', '2010-10-10', '교사')");
        db::run("INSERT INTO T_상장지급 (회원번호, 지급일자, 상장코드, 순번) VALUES ('202401001', '2024-03-03', '01', 1)");
        fixture::points("202401001", "2024-03-09", "01");
        db::run("INSERT INTO T_건의사항 VALUES ('202401001', 1, '2024-02-02', '  차량 시간  ')");
        db::run("INSERT INTO T_생활기록 VALUES ('202401001', 1, '2024-04-04', '인사를 잘 함')");
        db::run("INSERT INTO T_심사평가공지사항 VALUES ('202401001', 1, '2024-05-05', '도복 준비')");
        db::run("INSERT INTO T_코스코드 VALUES ('01', '1호차')");
        db::run("INSERT INTO T_장소코드 (코스코드, 장소코드, 장소) VALUES ('01', '01', '정문')");
        db::run("INSERT INTO T_시간코드 (코스코드, 장소코드, 시간) VALUES ('01', '01', '14:00')");
        db::run("INSERT INTO T_집중도 VALUES ('202401001', '2024-05-01', 80.6, 70, 65, 60, 50, 51, 52, 53, 90, 91, 92, 93.5)");
        fixture::exam("202401001", "2024-04-20", 3, "체육관", "01", {}, 0, "발차기가 좋음");
        db::run("INSERT INTO T_국기원승품 (회원번호, 급품코드, 부별코드, 회원명, 심사명, 심사일자, 단증번호) "
                "VALUES ('202401001', '11', '05', '김하나', 7, '2024-03-01', 'D-1')");
        fixture::exam("202401001", "2024-02-01", 2, "체육관", "11");

        Input in;
        in.yearText = "2024";
        in.danMode = page == Rank && mode == 1;
        in.birthMode = Input::BirthMode(page == Birthday ? mode : 0);
        Listing l;
        QVERIFY(run(page, in, &l));
        QCOMPARE(l.rows.size(), 1);

        report::RecordingOutput out;
        report::ReportOutput::install(&out);
        QVERIFY(print(page, in, l, report::Preview));
        report::ReportOutput::install(nullptr);
        QCOMPARE(out.runs.size(), 1);
        QCOMPARE(out.last().title, title);
        QVERIFY(out.last().doc.texts().contains(fields.value(page == Boarding ? 4 : page == Points ? 1 : 0)));

        db::Query q("SELECT * FROM print WHERE seqno = 1");
        q.open();
        QVERIFY(q.next());
        for (int k = 0; k < fields.size(); ++k)
            QCOMPARE(q.str(QStringLiteral("f%1").arg(k + 1, 2, 10, QChar(u'0'))), fields[k]);
        QCOMPARE(q.str("association"), QString("한빛 태권도"));
        QCOMPARE(db::scalar("SELECT Count(*) FROM print").toInt(), 2); // the line and the end row
    }

    void courseRoster()
    {
        fixture::school();
        db::run("INSERT INTO T_코스코드 VALUES ('01', '1호차'), ('02', '2호차')");
        db::run("INSERT INTO T_장소코드 (코스코드, 장소코드, 장소) VALUES ('01', '01', '정문'), ('01', '02', '후문'), ('02', '01', '시장')");
        db::run("INSERT INTO T_시간코드 (코스코드, 장소코드, 시간) VALUES ('01', '01', '14:00'), ('01', '02', '14:10'), ('02', '01', '15:00')");
        fixture::member({.no = "202401001", .name = "김하나"});
        fixture::member({.no = "202401002", .name = "이두리"});
        fixture::member({.no = "202401003", .name = "박휴관", .leave = "2024-04-01"});
        db::run("UPDATE T_회원 SET 코스코드 = '01', 장소코드 = '01'");
        report::PrintJob job;
        QCOMPARE(fillCourseRoster(QString(), job), 1); // 후문 and 시장 have nobody
        db::Query q("SELECT f01, f02, f03, f05 FROM print");
        q.open();
        QVERIFY(q.next());
        QCOMPARE(q.str("f05"), QString("김하나,이두리"));
        QCOMPARE(q.str("f03"), QString("14:00"));
    }
};

QTEST_MAIN(TestGeneralQueries)
#include "tst_generalqueries.moc"
