#include "support/TestDb.h"

#include "db/Query.h"
#include "db/MemberNumber.h"
#include "db/MemberRecords.h"
#include "members/PersonalRecord.h"
#include "stats/MovementCounter.h"

#include <QFile>
#include <QImage>
#include <QTest>

namespace {

const QString kNo = QStringLiteral("202401001");

void addMember(const QString& no = kNo, const QString& name = QStringLiteral("김태권"))
{
    sqlExec(QStringLiteral("INSERT INTO T_회원 (회원번호, 회원명, 주민등록번호, 생년월일, 입관일, 최초입관일, 부별코드, 수련비) "
                           "VALUES ('%1', '%2', '150301-3123456', '2015-03-01', '2024-01-05', '2023-01-05', '03', 130000)")
                .arg(no, name));
}

int rowsOf(const QString& table, const QString& no = kNo)
{
    return db::scalar(QStringLiteral("SELECT Count(*) FROM %1 WHERE 회원번호 = :no").arg(table), {{"no", no}}).toInt();
}

QString text(const QString& sql) { return db::scalarText(sql); }

// Every write to the member's tables leaves a line in T_log, in the order the engine saw it.
void logWrites(const QStringList& tables)
{
    sqlExec("CREATE TABLE T_log (seq INTEGER PRIMARY KEY AUTOINCREMENT, what TEXT)");
    for (const QString& t : tables)
        for (const char* op : {"INSERT", "UPDATE", "DELETE"})
            sqlExec(QStringLiteral("CREATE TRIGGER log_%1_%2 AFTER %2 ON %1 BEGIN INSERT INTO T_log (what) VALUES ('%1'); END")
                        .arg(t, QString::fromUtf8(op)));
}

QStringList loggedTables()
{
    QStringList out;
    db::Query q("SELECT what FROM T_log ORDER BY seq");
    q.open();
    while (q.next())
        if (out.isEmpty() || out.last() != q.str("what"))
            out.append(q.str("what"));
    return out;
}

// A member with something in every list this screen writes.
void editEverything(PersonalRecord& r)
{
    r.setField("주소", "서울시 중구");
    for (PersonalRecord::List l : {PersonalRecord::Notices, PersonalRecord::Points, PersonalRecord::Awards, PersonalRecord::Conduct,
                                   PersonalRecord::Suggestions, PersonalRecord::Family}) {
        r.openList(l);
        const int row = r.addRow(l);
        QVERIFY(row >= 0);
        if (l == PersonalRecord::Awards || l == PersonalRecord::Points)
            r.chooseItem(l, row, "01)  항목");
        if (l == PersonalRecord::Family)
            r.setCell(l, row, "관계", "모");
    }
    r.openList(PersonalRecord::Badges);
    QVERIFY(r.awardBadge(QDate(2024, 5, 15)));
}

} // namespace

class TstPersonalRecord : public QObject {
    Q_OBJECT

private slots:
    void saveWritesInFixedOrder()
    {
        TestDb t;
        addMember();
        // A suggestion already saved, only edited: it is written although its list had no add or delete.
        sqlExec("INSERT INTO T_건의사항 VALUES ('202401001', 1, '2024-02-01', '처음')");
        logWrites({"T_회원", "T_가족사항", "T_건의사항", "T_생활기록", "T_상장지급", "T_벌점", "T_뱃지지급", "T_심사평가공지사항"});

        PersonalRecord r;
        QVERIFY(r.load(kNo));
        editEverything(r);
        r.setCell(PersonalRecord::Suggestions, 0, "건의사항", "고친 내용");
        QVERIFY(!r.check());
        r.save();

        QCOMPARE(loggedTables(), (QStringList{"T_회원", "T_가족사항", "T_건의사항", "T_생활기록", "T_상장지급", "T_벌점", "T_뱃지지급",
                                              "T_심사평가공지사항"}));
        QCOMPARE(text("SELECT 주소 FROM T_회원"), QString("서울시 중구"));
        QCOMPARE(text("SELECT 건의사항 FROM T_건의사항 WHERE 순번 = 1"), QString("고친 내용"));
        QCOMPARE(text("SELECT 벌점코드 || '|' || 비고2 FROM T_벌점"), QString("01|01)  항목"));
        QCOMPARE(text("SELECT 뱃지코드 || '|' || 지급일자 FROM T_뱃지지급"), QString("01|2024-05-15"));
        // Columns kept by other screens are not written back.
        QCOMPARE(text("SELECT 수련비 FROM T_회원"), QString("130000"));
        QVERIFY(!r.anyChange());

        // A list with nothing changed is not written again.
        sqlExec("DELETE FROM T_log");
        r.setField("학교", "중앙초");
        r.save();
        QCOMPARE(loggedTables(), QStringList{"T_회원"});
    }

    void failingListLeavesEverythingUnchanged()
    {
        TestDb t;
        addMember();
        sqlExec("INSERT INTO T_가족사항 (회원번호, 순번, 관계, 성명) VALUES ('202401001', 1, '부', '김아빠')");
        // The last list of the order fails.
        sqlExec("CREATE TRIGGER refuse BEFORE INSERT ON T_심사평가공지사항 BEGIN SELECT RAISE(ABORT, 'disk full'); END");

        PersonalRecord r;
        QVERIFY(r.load(kNo));
        editEverything(r);
        r.setCell(PersonalRecord::Family, 0, "성명", "김아버지");
        QVERIFY_THROWS_EXCEPTION(db::Error, r.save());

        QCOMPARE(text("SELECT 주소 FROM T_회원"), QString("0")); // still null
        QCOMPARE(text("SELECT 성명 FROM T_가족사항 WHERE 순번 = 1"), QString("김아빠"));
        QCOMPARE(rowsOf("T_가족사항"), 1);
        for (const char* table : {"T_건의사항", "T_생활기록", "T_상장지급", "T_벌점", "T_뱃지지급", "T_심사평가공지사항"})
            QCOMPARE(rowsOf(QString::fromUtf8(table)), 0);

        // The typed changes are still there: once the cause is gone the same save goes through.
        QVERIFY(r.anyChange());
        sqlExec("DROP TRIGGER refuse");
        r.save();
        QCOMPARE(text("SELECT 주소 FROM T_회원"), QString("서울시 중구"));
        QCOMPARE(text("SELECT 성명 FROM T_가족사항 WHERE 순번 = 1"), QString("김아버지"));
        QCOMPARE(rowsOf("T_심사평가공지사항"), 1);
    }

    void memberDeletedElsewhereIsNotSaved()
    {
        TestDb t;
        addMember();
        PersonalRecord r;
        QVERIFY(r.load(kNo));
        editEverything(r);
        // The withdrawal window (or the period deletion) removes him while this record is being edited.
        MemberRecords::deleteMember(kNo);

        QVERIFY_THROWS_EXCEPTION(db::Error, r.save());
        for (const QString& table : MemberRecords::tablesDeletedWithMember())
            if (db::tableExists(table))
                QVERIFY2(rowsOf(table) == 0, qPrintable(table));
    }

    void serialIsAboveEveryRowOfTheMember_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QStringList>("saved"); // "순번:date" rows of the member in the table
        QTest::addColumn<int>("removeListed");  // index of a listed row deleted first, -1 none
        QTest::addColumn<int>("expected");
        QTest::newRow("first row") << int(PersonalRecord::Conduct) << QStringList() << -1 << 1;
        QTest::newRow("largest, not last by date")
            << int(PersonalRecord::Conduct) << QStringList{"7:2024-01-01", "2:2024-03-01"} << -1 << 8;
        QTest::newRow("last listed row deleted")
            << int(PersonalRecord::Suggestions) << QStringList{"1:2024-01-01", "2:2024-02-01"} << 1 << 3;
        QTest::newRow("point rows of other months")
            << int(PersonalRecord::Points) << QStringList{"4:2023-11-02", "1:2024-05-01"} << -1 << 5;
        QTest::newRow("family") << int(PersonalRecord::Family) << QStringList{"3:", "1:"} << -1 << 4;
    }
    void serialIsAboveEveryRowOfTheMember()
    {
        QFETCH(int, list);
        QFETCH(QStringList, saved);
        QFETCH(int, removeListed);
        QFETCH(int, expected);
        TestDb t;
        addMember();
        addMember("202401002", "이품새"); // rows of another member do not count
        const auto l = PersonalRecord::List(list);
        const QString table = PersonalRecord::tableOf(l);
        sqlExec(QStringLiteral("INSERT INTO %1 (회원번호, 순번) VALUES ('202401002', 50)").arg(table));
        for (const QString& s : saved) {
            QString cols = QStringLiteral("회원번호, 순번"), vals = QStringLiteral("'%1', %2").arg(kNo, s.section(':', 0, 0));
            if (!PersonalRecord::dateColumnOf(l).isEmpty()) {
                cols += ", " + PersonalRecord::dateColumnOf(l);
                vals += ", '" + s.section(':', 1) + "'";
            }
            if (l == PersonalRecord::Points) {
                cols += ", 벌점코드";
                vals += ", '01'";
            }
            sqlExec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, cols, vals));
        }
        PersonalRecord r;
        QVERIFY(r.load(kNo));
        r.openList(l);
        if (removeListed >= 0)
            QVERIFY(r.deleteRow(l, removeListed));
        const int row = r.addRow(l);
        QCOMPARE(r.cell(l, row, "순번").toInt(), expected);
        QCOMPARE(r.cell(l, row, "회원번호").toString(), kNo);
        // A second new row before saving takes the next number, and both survive the save.
        const int row2 = r.addRow(l);
        QCOMPARE(r.cell(l, row2, "순번").toInt(), expected + 1);
        if (l == PersonalRecord::Points) {
            r.chooseItem(l, row, "02)  봉사활동");
            r.chooseItem(l, row2, "02)  봉사활동");
        }
        QVERIFY(!r.check());
        r.save();
        QCOMPARE(db::scalar(QStringLiteral("SELECT Count(DISTINCT 순번) FROM %1 WHERE 회원번호 = :no").arg(table), {{"no", kNo}}).toInt(),
                 rowsOf(table));
    }

    void showingATabAgainKeepsUnsavedRows()
    {
        TestDb t;
        addMember();
        PersonalRecord r;
        QVERIFY(r.load(kNo));
        r.openList(PersonalRecord::Suggestions);
        const int row = r.addRow(PersonalRecord::Suggestions);
        r.setCell(PersonalRecord::Suggestions, row, "건의사항", "차량 시간 변경");
        QVERIFY(!r.openList(PersonalRecord::Suggestions));
        QCOMPARE(r.count(PersonalRecord::Suggestions), 1);
        QCOMPARE(r.cell(PersonalRecord::Suggestions, 0, "건의사항").toString(), QString("차량 시간 변경"));
        // Its own cancel drops the row and the list reads again on the next showing.
        r.cancelList(PersonalRecord::Suggestions);
        QCOMPARE(r.count(PersonalRecord::Suggestions), 0);
        QVERIFY(r.openList(PersonalRecord::Suggestions));
    }

    void checksBeforeSaving_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message");
        QTest::newRow("resident number short") << "주민등록번호" << "150301-312345" << "주민등록번호를 13자리로 입력하세요.";
        QTest::newRow("resident number empty") << "주민등록번호" << "" << "주민등록번호를 13자리로 입력하세요.";
        QTest::newRow("birth before 1900") << "생년월일" << "1899-12-31" << "생년월일은 1900년 이후로 입력하세요.";
        QTest::newRow("birth empty") << "생년월일" << "" << "생년월일은 1900년 이후로 입력하세요.";
        QTest::newRow("birth not a date") << "생년월일" << "2015-02-30" << "생년월일은 1900년 이후로 입력하세요.";
        QTest::newRow("enrolment empty") << "입관일" << "" << "입관일은 1900년 이후로 입력하세요.";
        QTest::newRow("name empty") << "회원명" << " " << "회원명을 입력해 주십시요.";
        QTest::newRow("class wider than 2") << "반" << "가나다" << "반은(는) 2자까지 입력할 수 있습니다. (3자 입력)";
        QTest::newRow("address wider than 50") << "주소" << QString(51, u'동') << "주소은(는) 50자까지 입력할 수 있습니다. (51자 입력)";
        QTest::newRow("all well") << "주소" << "서울" << "";
    }
    void checksBeforeSaving()
    {
        QFETCH(QString, column);
        QFETCH(QString, value);
        QFETCH(QString, message);
        TestDb t;
        addMember();
        PersonalRecord r;
        QVERIFY(r.load(kNo));
        r.setField(column, value);
        const auto p = r.check();
        QCOMPARE(p ? p->message : QString(), message);
        if (p)
            QCOMPARE(p->column, column);
    }

    // save() refuses a journal text wider than its column even when check() was never asked.
    void saveRefusesWideJournalText()
    {
        TestDb t;
        addMember();
        PersonalRecord r;
        QVERIFY(r.load(kNo));
        r.setField("주소", "서울");
        r.openList(PersonalRecord::Conduct);
        const int row = r.addRow(PersonalRecord::Conduct);
        r.setCell(PersonalRecord::Conduct, row, "기록일자", "2024-05-01");
        r.setCell(PersonalRecord::Conduct, row, "생활기록", QString(300, u'가'));
        try {
            r.save();
            QFAIL("the record was saved");
        } catch (const db::Error& e) {
            QCOMPARE(e.message(), QString("생활기록은(는) 255자까지 입력할 수 있습니다. (300자 입력)"));
        }
        QCOMPARE(rowsOf("T_생활기록"), 0);
        QCOMPARE(text("SELECT ifnull(주소, '') FROM T_회원"), QString());
    }

    void checksJournalRows()
    {
        TestDb t;
        addMember();
        PersonalRecord r;
        QVERIFY(r.load(kNo));
        r.openList(PersonalRecord::Points);
        const int row = r.addRow(PersonalRecord::Points);
        r.chooseItem(PersonalRecord::Points, row, "항목 없음"); // no ")": no code
        QCOMPARE(r.cell(PersonalRecord::Points, row, "벌점코드").toString(), QString());
        auto p = r.check();
        QVERIFY(p);
        QCOMPARE(p->message, QString("내역을 선택하세요."));
        QCOMPARE(p->list, PersonalRecord::Points);

        r.chooseItem(PersonalRecord::Points, row, "04)  지각");
        QCOMPARE(r.cell(PersonalRecord::Points, row, "벌점수").toInt(), -1);
        r.setCell(PersonalRecord::Points, row, "벌점일자", "2024-5-1");
        p = r.check();
        QVERIFY(p);
        QCOMPARE(p->column, QString("벌점일자"));
        r.setCell(PersonalRecord::Points, row, "벌점일자", "2024-05-01");
        QVERIFY(!r.check());
    }

    void badgesGoInCodeOrder()
    {
        TestDb t;
        addMember();
        sqlExec("INSERT INTO T_뱃지지급 VALUES ('202401001', '01', '2023-01-10'), ('202401001', '02', '2023-06-10'), "
                "('202401001', '03', '2024-02-10'), ('202401002', '04', '2024-02-11')");
        PersonalRecord r;
        QVERIFY(r.load(kNo));
        r.openList(PersonalRecord::Badges);
        QCOMPARE(r.count(PersonalRecord::Badges), 6); // every badge once, whoever else holds it

        QVERIFY(r.awardBadge(QDate(2024, 5, 15)));
        QCOMPARE(r.cell(PersonalRecord::Badges, 3, "YN").toString(), QString("1"));
        QCOMPARE(r.cell(PersonalRecord::Badges, 3, "지급일자").toString(), QString("2024-05-15"));
        QVERIFY(r.takeBackBadge());
        QCOMPARE(r.cell(PersonalRecord::Badges, 3, "YN").toString(), QString("0"));
        QVERIFY(r.cell(PersonalRecord::Badges, 3, "지급일자").isNull());
        QVERIFY(r.awardBadge(QDate(2024, 5, 15)));
        r.save();

        db::Query q("SELECT 뱃지코드 || ' ' || 지급일자 AS v FROM T_뱃지지급 WHERE 회원번호 = '202401001' ORDER BY 뱃지코드");
        q.open();
        QStringList held;
        while (q.next())
            held.append(q.str("v"));
        QCOMPARE(held, (QStringList{"01 2023-01-10", "02 2023-06-10", "03 2024-02-10", "04 2024-05-15"}));
        QCOMPARE(rowsOf("T_뱃지지급", "202401002"), 1);

        // Nothing left to award.
        r.openList(PersonalRecord::Badges);
        QVERIFY(r.awardBadge(QDate(2024, 5, 15)));
        QVERIFY(r.awardBadge(QDate(2024, 5, 15)));
        QVERIFY(!r.awardBadge(QDate(2024, 5, 15)));
    }

    void pointSumsOfTheYearAndOfAllYears()
    {
        TestDb t;
        addMember();
        // 01 counts 3, 04 counts -1, 02 counts 5.
        sqlExec("INSERT INTO T_벌점 (회원번호, 순번, 벌점일자, 벌점코드) VALUES "
                "('202401001', 1, '2023-12-20', '02'), ('202401001', 2, '2024-01-03', '01'), "
                "('202401001', 3, '2024-01-20', '04'), ('202401001', 4, '2024-05-02', '01'), "
                "('202401002', 1, '2024-05-02', '02')");
        PersonalRecord r;
        QVERIFY(r.load(kNo));
        const PersonalRecord::PointSums s = r.pointSums(2024);
        QCOMPARE(s.months, (QStringList{"2", "", "", "", "3", "", "", "", "", "", "", ""}));
        QCOMPARE(s.summary(), QString("년 : 5  누적 : 10"));

        r.openList(PersonalRecord::Points);
        QCOMPARE(r.pointRows(2024, 1), (QList<int>{1, 2}));
        QCOMPARE(r.pointRows(2023, 12), QList<int>{0});
    }

    void deletingAMemberLeavesNoRow()
    {
        TestDb t;
        addMember();
        addMember("202401002", "이품새");
        // Tables of later parts of the program, present in a school's file.
        for (const char* table : {"T_국기원승품", "T_심사", "T_체력측정", "T_결석", "T_행사참가"})
            sqlExec(QStringLiteral("CREATE TABLE IF NOT EXISTS %1 (회원번호 TEXT, 순번 INTEGER)").arg(QString::fromUtf8(table)));
        const QStringList tables = MemberRecords::tablesDeletedWithMember();
        for (const QString& table : tables)
            for (const QString& no : {kNo, QStringLiteral("202401002")}) {
                QString cols = QStringLiteral("회원번호, 순번"), vals = QStringLiteral("'%1', 1").arg(no);
                if (table == u"T_수련비납부")
                    cols = "회원번호, 년월분, 순번", vals = QStringLiteral("'%1', '202402', %2").arg(no).arg(no == kNo ? 1 : 2);
                else if (table == u"T_뱃지지급")
                    cols = "회원번호, 뱃지코드", vals = QStringLiteral("'%1', '01'").arg(no);
                else if (table == u"T_집중도" || table == u"T_체력측정")
                    cols = "회원번호, 측정일자", vals = QStringLiteral("'%1', '2024-03-01'").arg(no);
                else if (table == u"T_결석")
                    cols = "회원번호, 결석일자", vals = QStringLiteral("'%1', '2024-03-01'").arg(no);
                else if (table == u"T_출석체크")
                    cols = "회원번호, 체크일시", vals = QStringLiteral("'%1', '2024-03-01 15:00:00'").arg(no);
                else if (table == u"T_심사")
                    cols = "회원번호, 심사명", vals = QStringLiteral("'%1', 1").arg(no);
                else if (table == u"T_국기원승품")
                    cols = "회원번호, 급품코드", vals = QStringLiteral("'%1', '11'").arg(no);
                sqlExec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, cols, vals));
            }
        QImage(4, 4, QImage::Format_RGB32).save(MemberNumber::photoPath(kNo), "BMP");

        PersonalRecord::deleteMember(kNo, QDate(2024, 5, 15));

        QCOMPARE(rowsOf("T_회원"), 0);
        for (const QString& table : tables)
            QVERIFY2(rowsOf(table) == 0, qPrintable(table));
        QCOMPARE(rowsOf("T_회원", "202401002"), 1);
        QCOMPARE(rowsOf("T_벌점", "202401002"), 1);
        QVERIFY(!QFile::exists(MemberNumber::photoPath(kNo)));
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Withdrawal, 5), qint64(1));
        QCOMPARE(text("SELECT 퇴관일 || ' ' || 퇴관사유코드 FROM T_퇴관사유별현황 WHERE 회원번호 = '202401001'"),
                 QString("2024-05-15 99"));
    }

    void failedDeletionChangesNothing()
    {
        TestDb t;
        addMember();
        sqlExec("INSERT INTO T_벌점 (회원번호, 순번, 벌점일자, 벌점코드) VALUES ('202401001', 1, '2024-01-03', '01')");
        sqlExec("INSERT INTO T_생활기록 (회원번호, 순번) VALUES ('202401001', 1)");
        sqlExec("CREATE TRIGGER refuse BEFORE DELETE ON T_벌점 BEGIN SELECT RAISE(ABORT, 'locked'); END");
        QImage(4, 4, QImage::Format_RGB32).save(MemberNumber::photoPath(kNo), "BMP");

        QVERIFY_THROWS_EXCEPTION(db::Error, PersonalRecord::deleteMember(kNo, QDate(2024, 5, 15)));

        QCOMPARE(rowsOf("T_회원"), 1);
        QCOMPARE(rowsOf("T_생활기록"), 1);
        QCOMPARE(rowsOf("T_퇴관사유별현황"), 0);
        QCOMPARE(MovementCounter::counter(2024, MovementCounter::Withdrawal, 5), qint64(0));
        QVERIFY(QFile::exists(MemberNumber::photoPath(kNo)));
    }
};

QTEST_GUILESS_MAIN(TstPersonalRecord)
#include "tst_personalrecord.moc"
