// The register of national poom/dan applications: candidates, confirm with the examination record,
// deletion and the receipt.
#include "QueryFixture.h"

#include "db/Query.h"
#include "report/Report.h"
#include "report/ReportOutput.h"
#include "stats/GeneralQueries.h"
#include "stats/NationalApplications.h"

#include <QTest>

using namespace NationalApplications;
using fixture::Member;

namespace {

QStringList numbers(const QList<Application>& rows)
{
    QStringList out;
    for (const Application& a : rows)
        out << a.memberNo;
    return out;
}

QList<Application> candidatesOf(const QString& exam = "7", const Filter& f = Filter())
{
    QList<Application> rows;
    tot::Problem p;
    if (!candidates(f, exam, QDate(2024, 6, 1), &rows, &p))
        qWarning("refused: %s", qPrintable(p.message));
    return rows;
}

int count(const QString& sql) { return db::scalar(sql).toInt(); }

void applicants()
{
    fixture::member({.no = "202401001", .name = "김단보", .division = "05", .rank = "11"});
    fixture::member({.no = "202401002", .name = "이이품", .division = "12", .rank = "14"});
    fixture::member({.no = "202401003", .name = "박유급", .rank = "05"});
    fixture::member({.no = "202401004", .name = "최휴관", .rank = "11", .leave = "2024-03-01"});
    fixture::member({.no = "202401005", .name = "정퇴관", .rank = "12", .out = "2024-03-01"});
}

Application applicant(int n, const QString& rankName)
{
    Application a;
    a.memberNo = QStringLiteral("2024010%1").arg(n, 2, 10, QChar(u'0'));
    a.name = QStringLiteral("회원%1").arg(n);
    a.rankName = rankName;
    a.rankCode = "11";
    a.examNo = "7";
    a.examDate = "2024-06-01";
    a.birthDate = "2010-01-01";
    return a;
}

} // namespace

class TestNationalApplications : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
    }
    void cleanup() { m_db.reset(); }

    void candidatesOnceForEachRank()
    {
        applicants();
        QList<Application> rows = candidatesOf();
        QCOMPARE(numbers(rows), (QStringList{"202401001", "202401002"})); // poom/dan holders attending, by rank
        QCOMPARE(rows[0].examNo, QString("7"));
        QCOMPARE(rows[0].examDate, QString("2024-06-01"));
        QVERIFY(rows[0].include && rows[0].applicantNo.isEmpty() && rows[0].certificateNo.isEmpty());

        rows[1].include = false;
        QCOMPARE(confirm(rows), 1);
        QCOMPARE(numbers(candidatesOf()), QStringList{"202401002"}); // the one left out is still a candidate
        rows[1].include = true;
        confirm(rows);
        QVERIFY(candidatesOf().isEmpty()); // a second entry for the same examination lists nobody

        db::run("UPDATE T_회원 SET 급품코드 = '12' WHERE 회원번호 = '202401001'");
        QCOMPARE(numbers(candidatesOf("8")), QStringList{"202401001"}); // promoted: listed again, once

        QList<Application> none;
        tot::Problem p;
        QVERIFY(!candidates(Filter(), "", QDate(2024, 6, 1), &none, &p));
        QCOMPARE(p.message, QString("심사명을 입력하세요"));
        QVERIFY(!candidates(Filter(), "7a", QDate(2024, 6, 1), &none, &p));
        QCOMPARE(p.message, QString("심사명은 숫자로 입력하세요."));
    }

    void divisionGroupsSelect_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("전체") << 1 << "     전체" << QStringList{"202401001", "202401002"};
        QTest::newRow("초등부") << 3 << "     초등부" << QStringList{"202401001"};
        QTest::newRow("중고/일반") << 4 << "     중고/일반" << QStringList{"202401002"};
        QTest::newRow("유치부") << 2 << "     유치부" << QStringList{};
        QTest::newRow("12) 중등부") << 5 + 11 << "12) 중등부" << QStringList{"202401002"};
    }
    void divisionGroupsSelect()
    {
        QFETCH(int, index);
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        applicants();
        Filter f;
        f.divisionIndex = index;
        f.divisionText = text;
        QCOMPARE(numbers(candidatesOf("7", f)), expected);
        confirm(candidatesOf());
        QList<Application> rows;
        QVERIFY(query(f, &rows));
        QCOMPARE(numbers(rows), expected);
    }

    void queryFiltersAndDeletes()
    {
        applicants();
        confirm(candidatesOf());
        Filter f;
        f.examNo = "1.5";
        QList<Application> rows;
        tot::Problem p;
        QVERIFY(!query(f, &rows, &p));
        QCOMPARE(p.message, QString("심사명은 숫자로 입력하세요."));
        f.examNo = "8";
        QVERIFY(query(f, &rows));
        QVERIFY(rows.isEmpty());
        f.examNo = "7";
        f.rankCode = "14";
        QVERIFY(query(f, &rows));
        QCOMPARE(numbers(rows), QStringList{"202401002"});
        f = Filter();
        f.name = "김단보";
        f.byDate = true;
        f.examDate = QDate(2024, 6, 1);
        QVERIFY(query(f, &rows));
        QCOMPARE(numbers(rows), QStringList{"202401001"});
        QCOMPARE(registeredNames(), (QStringList{"김단보", "이이품"}));

        remove(rows[0]);
        QCOMPARE(count("SELECT Count(*) FROM T_국기원승품"), 1);
        QCOMPARE(count("SELECT Count(*) FROM T_국기원승품 WHERE 회원번호 = '202401002'"), 1);
    }

    // A certificate number records the national examination once, beside a school examination of the
    // same day; a corrected date moves that record.
    void certificateRecordsTheExamination()
    {
        applicants();
        fixture::exam("202401001", "2024-06-01", 12, "체육관", "11", {80, 80}, 80);
        QList<Application> rows = candidatesOf();
        rows[0].applicantNo = "A-1";
        rows[0].certificateNo = "D-100";
        confirm(rows);

        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 회원번호 = '202401001'"), 2);
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 회원번호 = '202401002'"), 0); // no number, no record
        db::Query school("SELECT 심사명, 단증번호, 평균 FROM T_심사 WHERE 심사구분 = '체육관'");
        school.open();
        QVERIFY(school.next());
        QCOMPARE(school.str("심사명"), QString("12"));
        QCOMPARE(school.str("단증번호"), QString());
        QCOMPARE(school.str("평균"), QString("80"));
        db::Query national("SELECT 승급일자, 심사일자, 심사명, 단증번호, 급품코드, E1, 평균 FROM T_심사 WHERE 심사구분 = '국기원'");
        national.open();
        QVERIFY(national.next());
        QCOMPARE(national.str("승급일자"), QString("2024-06-01"));
        QCOMPARE(national.str("심사명"), QString("7"));
        QCOMPARE(national.str("단증번호"), QString("D-100"));
        QCOMPARE(national.str("급품코드"), QString("11"));
        QCOMPARE(national.str("E1"), QString("0"));
        QCOMPARE(db::scalarText("SELECT 응심번호 FROM T_국기원승품 WHERE 회원번호 = '202401001'"), QString("A-1"));

        rows[0].examDate = "2024-06-02";
        rows[0].certificateNo = "D-101";
        save(rows[0]);
        QCOMPARE(count("SELECT Count(*) FROM T_심사 WHERE 심사구분 = '국기원'"), 1);
        QCOMPARE(db::scalarText("SELECT 승급일자 || '/' || 단증번호 FROM T_심사 WHERE 심사구분 = '국기원'"), QString("2024-06-02/D-101"));
        QCOMPARE(count("SELECT Count(*) FROM T_국기원승품"), 2);
    }

    void failingExamRecordWritesNothing()
    {
        applicants();
        sqlExec("CREATE TRIGGER no_exam BEFORE INSERT ON T_심사 BEGIN SELECT RAISE(ABORT, '심사 기록 거부'); END");
        QList<Application> rows = candidatesOf();
        rows[1].certificateNo = "D-200"; // the second row fails after the first was written
        bool thrown = false;
        try {
            confirm(rows);
        } catch (const db::Error& e) {
            thrown = e.message().contains("심사 기록 거부");
        }
        QVERIFY(thrown);
        QCOMPARE(count("SELECT Count(*) FROM T_국기원승품"), 0);
        QCOMPARE(count("SELECT Count(*) FROM T_심사"), 0);
    }

    void checkRefusesBadRows()
    {
        QList<Application> rows{applicant(1, "단보")};
        QVERIFY(check(rows).ok());
        rows[0].examNo = "칠";
        QCOMPARE(check(rows).message, QString("회원1: 심사명은 숫자로 입력하세요."));
        rows[0].include = false;
        QVERIFY(check(rows).ok()); // a row left out is not written
        rows[0].include = true;
        rows[0].examNo = "7";
        rows[0].examDate = "2024-13-01";
        QCOMPARE(check(rows).message, QString("회원1: 심사일자를 확인하세요."));
    }

    void receiptPages_data()
    {
        QTest::addColumn<int>("applicants");
        QTest::addColumn<int>("lines");
        QTest::addColumn<int>("fillers");
        QTest::newRow("17: one page") << 17 << 17 << 0;
        QTest::newRow("18: two pages") << 18 << 34 << 16;
        QTest::newRow("1") << 1 << 17 << 16;
    }
    void receiptPages()
    {
        QFETCH(int, applicants);
        QFETCH(int, lines);
        QFETCH(int, fillers);
        fixture::school();
        const QStringList ranks{"단보", "2품단보", "4단", "4품단보", "5단", "9단", "1품/1단"};
        QList<Application> rows;
        for (int n = 1; n <= applicants; ++n)
            rows << applicant(n, ranks[(n - 1) % ranks.size()]);
        report::PrintJob job; // the lines stay readable until the job ends
        QCOMPARE(fillReceipt(rows, job), lines);
        QCOMPARE(count("SELECT Count(*) FROM print WHERE f02 Is Null"), fillers);
        const int pages = (applicants + 16) / 17;
        QCOMPARE(count("SELECT Count(DISTINCT G01) FROM print"), pages);
        QCOMPARE(count("SELECT Max(seqno) FROM print"), 17);

        // Counters restart on each page; the last line of a page holds its totals.
        db::Query q("SELECT G01, seqno, a01, f10, f12, f13, f14, f15, f16, f17, f18, f19, f20, G03 FROM print ORDER BY G01, seqno");
        q.open();
        QList<QStringList> got;
        while (q.next()) {
            QStringList c;
            for (int k = 0; k < q.columnCount(); ++k)
                c << q.value(k).toString();
            got << c;
        }
        const QStringList first = got.first();
        QCOMPARE(first.mid(0, 3), (QStringList{"001", "1", "1"}));
        QCOMPARE(first.mid(4), (QStringList{"1", "0", "0", "0", "0", "0", "0", "0", "0", "1"}));
        QCOMPARE(first[3], QString(" 2024 년 05 월 15 일"));
        if (applicants >= 17) {
            // page 1: 단보 3, 2품단보 3, 4단 and 4품단보 5, 5단 2, 9단 2, 1품/1단 not counted
            QCOMPARE(got[16].mid(4), (QStringList{"3", "3", "0", "5", "2", "0", "0", "0", "2", "15"}));
        }
        if (applicants == 18) {
            QCOMPARE(got[17].mid(0, 3), (QStringList{"002", "1", "18"}));
            QCOMPARE(got[17].mid(4), (QStringList{"0", "0", "0", "1", "0", "0", "0", "0", "0", "1"})); // the 18th holds 4품단보
            QCOMPARE(got.last().mid(0, 2), (QStringList{"002", "17"}));
            QCOMPARE(got.last().mid(4), got[17].mid(4)); // fillers carry the final counters
            QCOMPARE(got.last()[3], QString(" 2024 년 5 월 15 일"));
        }
    }

    void receiptLeavesNoOldLines()
    {
        fixture::school();
        fixture::installLayout("접수증.rpt");
        db::run("INSERT INTO print (seqno, G01, f02) VALUES (3, '001', '옛 보고서 줄')");
        report::RecordingOutput out;
        report::ReportOutput::install(&out);
        QVERIFY(printReceipt({applicant(1, "단보"), applicant(2, "5단")}, report::Preview));
        report::ReportOutput::install(nullptr);
        QCOMPARE(count("SELECT Count(*) FROM print WHERE f02 = '옛 보고서 줄'"), 0);
        QCOMPARE(out.last().title, QString("접수증"));
        const QStringList texts = out.last().doc.texts();
        QVERIFY(texts.contains("회원1") && texts.contains("회원2"));
        QVERIFY(!texts.contains("옛 보고서 줄"));
        QCOMPARE(out.last().doc.pages.size(), 1);
    }

    void receiptChecks()
    {
        QList<Application> rows{applicant(1, "단보"), applicant(2, "단보")};
        QCOMPARE(checkReceipt("", rows).message, QString("심사명을 입력하세요."));
        QCOMPARE(checkReceipt("7", {}).message, QString("조회된 자료가 없습니다."));
        QVERIFY(checkReceipt("7", rows).ok());
        rows[1].examNo = "8";
        QCOMPARE(checkReceipt("7", rows).message, QString("심사명을 통일 시키셔야 합니다."));
    }

    // Page 2 lists the register with the certificate numbers; a zero examination date shows empty.
    void danNumbersShowTheRegister()
    {
        applicants();
        db::run("INSERT INTO T_국기원승품 (회원번호, 급품코드, 부별코드, 회원명, 심사명, 심사일자, 단증번호) VALUES "
                "('202401001', '11', '05', '김단보', 3, '1899-12-30', 'D-3'), ('202401002', '14', '12', '이이품', 5, '2024-02-02', 'D-5')");
        tot::Input in;
        in.danMode = true;
        tot::Listing l;
        QVERIFY(tot::run(tot::Rank, in, &l));
        QCOMPARE(l.rows.size(), 2);
        QCOMPARE(l.rows[0].cells[6], QString());
        QCOMPARE(l.rows[1].cells[6], QString("2024-02-02"));
        in.examNo = "5";
        QVERIFY(tot::run(tot::Rank, in, &l));
        QCOMPARE(l.rows.size(), 1);
        QCOMPARE(l.rows[0].cells[7], QString("D-5"));
    }
};

QTEST_MAIN(TestNationalApplications)
#include "tst_nationalapplications.moc"
