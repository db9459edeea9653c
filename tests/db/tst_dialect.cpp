// The Jet statements of the screens must give Jet's results, on the file and on the server alike
// (the same table runs on PostgreSQL under the ctest label "postgresql").
#include "db/Clock.h"
#include "db/JetSql.h"
#include "db/Query.h"
#include "support/TestDb.h"

#include <QTest>

class TestDialect : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

    static QString first(const QString& jet)
    {
        db::Query q(jet);
        q.open();
        if (!q.next())
            return QStringLiteral("<no row>");
        const QVariant v = q.value(0);
        return v.isNull() ? QStringLiteral("<null>") : q.str(q.columnName(0));
    }

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>(QDateTime(QDate(2024, 5, 15), QTime(7, 30)));
        sqlExec("Create Table T_x (번호 String(9), 이름 String(20), 입관일 DateTime, 금액 Integer, 부별코드 String(2), 비고 Memo)");
        sqlExec("Insert Into T_x Values('202403001', '김철수', '2024-03-05', 30000, '02', '000123')");
        sqlExec("Insert Into T_x Values('202403002', '이영희', '2024-03-20', 45000, '11', null)");
        sqlExec("Insert Into T_x Values('202404001', '박민수', '2024-04-01', 50000, '12', '')");
        sqlExec("Create Table T_y (부별코드 String(2), 부별명 String(20))");
        sqlExec("Insert Into T_y Values('02', '유치부')");
        sqlExec("Insert Into T_y Values('11', '초등부')");
        sqlExec("Insert Into T_y Values('15', '성인부')");
    }
    void cleanup() { m_db.reset(); }

    void constructs_data()
    {
        QTest::addColumn<QString>("jet");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Str positive") << "SELECT Str(5)" << " 5";
        QTest::newRow("Str negative") << "SELECT Str(-5)" << "-5";
        QTest::newRow("Str zero") << "SELECT Str(0)" << " 0";
        QTest::newRow("Trim Str") << "SELECT Trim(Str(12))" << "12";
        QTest::newRow("Val leading zero") << "SELECT Val('07')" << "7";
        QTest::newRow("Val text tail") << "SELECT Val('12abc')" << "12";
        QTest::newRow("Val empty") << "SELECT Val('')" << "0";
        QTest::newRow("next rank") << "SELECT Right('0' & Trim(Str(Val('09') + 1)), 2 )" << "10";
        QTest::newRow("previous rank") << "SELECT Right('0' & Trim(Str(Val('10') - 1)), 2 )" << "09";
        QTest::newRow("Format one decimal") << "SELECT Format(3.14159,'##0.0')" << "3.1";
        QTest::newRow("Format one decimal small") << "SELECT Format(0.05,'##0.0')" << "0.1";
        QTest::newRow("Format one decimal int") << "SELECT Format(12,'##0.0')" << "12.0";
        QTest::newRow("Format zeros") << "SELECT Format(7,'0000')" << "0007";
        QTest::newRow("Format money") << "SELECT Format(1234567,',##0')" << "1,234,567";
        QTest::newRow("Format money small") << "SELECT Format(500,'#,##0')" << "500";
        QTest::newRow("Format money zero") << "SELECT Format(0,',##0')" << "0";
        QTest::newRow("Format money negative") << "SELECT Format(-45000,',##0')" << "-45,000";
        QTest::newRow("Format month key") << "SELECT Format('202403','0000-00')" << "2024-03";
        QTest::newRow("Format date") << "SELECT Format('2024-03-05','yyyy.mm.dd')" << "2024.03.05";
        QTest::newRow("text &") << "SELECT '가' & '나'" << "가나";
        QTest::newRow("& reads null as empty") << "SELECT '가' & Null & '나'" << "가나";
        QTest::newRow("& with a null column") << "SELECT 부별코드 & ') ' & 비고 FROM T_x WHERE 번호='202403002'" << "11) ";
        QTest::newRow("& over columns, calls and subqueries")
            << "SELECT a.번호 & '-' & Mid(a.비고, 1, 2) & (SELECT TOP 1 부별명 FROM T_y WHERE T_y.부별코드 = a.부별코드) & IIf(a.금액 > 0, '+', '') "
               "FROM T_x AS a WHERE a.번호 & '' IN (SELECT 번호 FROM T_x WHERE 비고 Is Null)"
            << "202403002-초등부+";
        QTest::newRow("code) name") << "SELECT 부별코드 & ')  ' & 부별명 FROM T_y WHERE 부별코드='02'" << "02)  유치부";
        QTest::newRow("Mid month of date") << "SELECT Mid(입관일, 1, 7) FROM T_x WHERE 번호='202403001'" << "2024-03";
        QTest::newRow("Mid two args") << "SELECT Mid('202403001', 7)" << "001";
        QTest::newRow("Left year") << "SELECT Left(입관일, 4) FROM T_x WHERE 번호='202403001'" << "2024";
        QTest::newRow("Right") << "SELECT Right(번호, 3) FROM T_x WHERE 번호='202403002'" << "002";
        QTest::newRow("Len hangul") << "SELECT Len('김철수')" << "3";
        QTest::newRow("month compare >") << "SELECT count(*) FROM T_x WHERE Mid(입관일,1,7) > '2024-02'" << "3";
        QTest::newRow("month compare <") << "SELECT count(*) FROM T_x WHERE Mid(입관일,1,7) < '2024-04'" << "2";
        QTest::newRow("Year/Month/Day") << "SELECT Year(입관일) & '/' & Month(입관일) & '/' & Day(입관일) FROM T_x WHERE 번호='202403001'" << "2024/3/5";
        QTest::newRow("/ of whole numbers") << "SELECT 7 / 2" << "3.5";
        QTest::newRow("/ of a whole column") << "SELECT (금액 + 1) / 2 FROM T_x WHERE 번호='202403002'" << "22500.5";
        QTest::newRow("/ then *") << "SELECT 10 / 4 * 2" << "5";
        QTest::newRow("average of whole values") << "SELECT Format(Sum(금액) / Count(금액), '0.0') FROM T_x" << "41666.7";
        QTest::newRow("Int floors") << "SELECT Int(-2.5)" << "-3";
        QTest::newRow("Int positive") << "SELECT Int(7.9)" << "7";
        QTest::newRow("IIf") << "SELECT IIf(금액 > 40000, '고액', '보통') FROM T_x WHERE 번호='202403001'" << "보통";
        QTest::newRow("IsNull") << "SELECT IsNull(비고) FROM T_x WHERE 번호='202403002'" << "1";
        QTest::newRow("Is Null") << "SELECT count(*) FROM T_x WHERE 비고 Is Null" << "1";
        QTest::newRow("Is Not Null") << "SELECT count(*) FROM T_x WHERE 비고 Is Not Null" << "2";
        QTest::newRow("Date() is the clock") << "SELECT Date()" << "2024-05-15";
        QTest::newRow("Mid of Date()") << "SELECT Mid(Date(), 1, 7)" << "2024-05";
        QTest::newRow("TOP n") << "SELECT TOP 1 번호 FROM T_x ORDER BY 번호 DESC" << "202404001";
        QTest::newRow("TOP in subquery") << "SELECT count(*) FROM T_x WHERE 번호 IN (SELECT TOP 2 번호 FROM T_x ORDER BY 번호)" << "2";
        QTest::newRow("String(n) keeps zeros") << "SELECT 비고 FROM T_x WHERE 번호='202403001'" << "000123";
        QTest::newRow("Max over nothing") << "SELECT Max(번호) FROM T_x WHERE 번호 like '209901%'" << "<null>";
        QTest::newRow("LIKE prefix") << "SELECT count(*) FROM T_x WHERE 이름 like '김%'" << "1";
        QTest::newRow("code text order") << "SELECT count(*) FROM T_x WHERE 부별코드 >= '03' AND 부별코드 <= '11'" << "1";
        QTest::newRow("date literal") << "SELECT count(*) FROM T_x WHERE 입관일 >= #2024-03-20#" << "2";
        QTest::newRow("between dates") << "SELECT count(*) FROM T_x WHERE 입관일 between '2024-03-01' and '2024-03-31'" << "2";
        QTest::newRow("scalar subquery") << "SELECT (SELECT 부별명 FROM T_y WHERE T_y.부별코드 = T_x.부별코드) FROM T_x WHERE 번호='202403002'" << "초등부";
        QTest::newRow("NOT IN subquery") << "SELECT count(*) FROM T_y WHERE 부별코드 NOT IN (SELECT 부별코드 FROM T_x)" << "1";
        QTest::newRow("RIGHT JOIN") << "SELECT count(*) FROM T_x AS a RIGHT JOIN T_y AS b ON a.부별코드 = b.부별코드" << "3";
        QTest::newRow("parenthesised joins")
            << "SELECT b.부별명 FROM (T_x AS a LEFT JOIN T_y AS b ON a.부별코드 = b.부별코드) LEFT JOIN T_y AS c ON c.부별코드 = a.부별코드 WHERE a.번호='202403001'"
            << "유치부";
        QTest::newRow("comma join") << "SELECT count(*) FROM T_x AS a, T_y WHERE a.부별코드 = T_y.부별코드" << "2";
        QTest::newRow("Sum with Format") << "SELECT Format(Sum(금액),',##0') FROM T_x" << "125,000";
        QTest::newRow("keyword as alias") << "SELECT '0' As Check FROM T_y WHERE 부별코드 = '02'" << "0";
        QTest::newRow("& after arithmetic") << "SELECT 1 + 2 & 'x'" << "3x";
        QTest::newRow("& before arithmetic") << "SELECT 'x' & 2 * 3" << "x6";
        QTest::newRow("& in comparison") << "SELECT count(*) FROM T_y WHERE 부별코드 & '' = '02'" << "1";
        QTest::newRow("DISTINCTROW") << "SELECT DISTINCTROW count(*) FROM T_x" << "3";
        QTest::newRow("double-quoted text") << "SELECT count(*) FROM T_x WHERE 이름 = \"김철수\"" << "1";
        QTest::newRow("+ joins two texts") << "SELECT '2024'+'03'" << "202403";
        QTest::newRow("+ adds numbers") << "SELECT 1+2" << "3";
        QTest::newRow("+ adds a text to a number") << "SELECT '1'+2" << "3";
        QTest::newRow("+ of null is null") << "SELECT null+'a'" << "<null>";
        QTest::newRow("+ over text columns") << "SELECT 부별코드 + ')  ' + 부별명 FROM T_y WHERE 부별코드='02'" << "02)  유치부";
        QTest::newRow("+ month key of a date")
            << "SELECT count(*) FROM T_x WHERE mid(입관일,1,4)+mid(입관일,6,2) <= '202403'" << "2";
        QTest::newRow("+ text column and number") << "SELECT 부별코드 + 1 FROM T_x WHERE 번호='202403001'" << "3";
        QTest::newRow("+ binds looser than *") << "SELECT 2 * 3 + 4 * 5 Mod 3" << "8";
        QTest::newRow("+ and - from the left") << "SELECT 10 - 2 + 3 - 1" << "10";
        QTest::newRow("+ after a sign") << "SELECT -1 + -2" << "-3";
        QTest::newRow("+ tighter than &") << "SELECT 'a' & 1 + 2 & 'b'" << "a3b";
        QTest::newRow("+ in brackets and calls")
            << "SELECT ('a' + 'b') + Trim(Str(Year(입관일))) + '년 ' + (Str(Month(입관일)) + '월') FROM T_x WHERE 번호='202403001'"
            << "ab2024년  3월";
        QTest::newRow("+ null through Max over nothing")
            << "SELECT IIf(IsNull(Trim(Str(Max(a.금액)+1))),'01','x') FROM T_x a WHERE a.번호 = 'none'" << "01";
        QTest::newRow("+ of decimals") << "SELECT 1.5 + 1" << "2.5";
        QTest::newRow("Left join keyword stays") << "SELECT count(*) FROM T_x a LEFT JOIN T_y b ON a.부별코드=b.부별코드 WHERE b.부별명 Is Null" << "1";
    }
    void constructs()
    {
        QFETCH(QString, jet);
        QFETCH(QString, expected);
        QCOMPARE(first(jet), expected);
    }

    void namedParameters()
    {
        // Hangul names, a repeated name, ":" inside a literal and the OLD_ prefix all bind.
        db::Query q;
        q.add("SELECT count(*) FROM T_x WHERE 번호 like :month_num AND (이름 = :이름 OR 이름 = :이름) AND '10:30' <> ''");
        q.bind("month_num", "202403%").bind(":이름", "이영희");
        q.open();
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 1);

        const int n = db::run("UPDATE T_x SET 이름 = :이름 WHERE 번호 = :OLD_번호", {{"이름", "이민수"}, {"OLD_번호", "202404001"}});
        QCOMPARE(n, 1);
        QCOMPARE(first("SELECT 이름 FROM T_x WHERE 번호='202404001'"), QString("이민수"));
        // Written without blanks around "=", as Jet accepts it.
        QCOMPARE(db::run("UPDATE T_x SET 이름=:이름 WHERE 번호=:OLD_번호 AND 비고=:OLD_비고",
                         {{"이름", "이영수"}, {"OLD_번호", "202403002"}, {"OLD_비고", QVariant()}}),
                 1);
        QCOMPARE(first("SELECT 이름 FROM T_x WHERE 번호='202403002'"), QString("이영수"));
    }

    void valuesTravelAsThemselves()
    {
        // On the server values are written into the statement: quotes, backslashes, a ":" and "?" stay text.
        const QString odd = QStringLiteral("O'Brien \\ '); DELETE FROM T_x; -- :이름 ?");
        QCOMPARE(db::run("UPDATE T_x SET 비고 = :v WHERE 번호 = :n", {{"v", odd}, {"n", "202403001"}}), 1);
        QCOMPARE(db::scalar("SELECT 비고 FROM T_x WHERE 번호 = '202403001'").toString(), odd);
        QCOMPARE(first("SELECT count(*) FROM T_x"), QString("3"));
        // A number bound to a text column compares as its digits; a text of digits adds to a number.
        QCOMPARE(db::scalar("SELECT count(*) FROM T_x WHERE 부별코드 = :c", {{"c", 11}}).toInt(), 1);
        QCOMPARE(db::scalar("SELECT 금액 FROM T_x WHERE 금액 = :a", {{"a", "45000"}}).toLongLong(), 45000);
    }

    void plusOnParameters()
    {
        // Bound texts join, bound numbers add, as the values' types say.
        QCOMPARE(db::scalar("SELECT :y + :m", {{"y", "2024"}, {"m", "03"}}).toString(), QString("202403"));
        QCOMPARE(db::scalar("SELECT :y + :m", {{"y", 2024}, {"m", 3}}).toInt(), 2027);
        QCOMPARE(db::scalar("SELECT count(*) FROM T_x WHERE 이름 like '%' + :이름 + '%'", {{"이름", "영"}}).toInt(), 1);
    }

    void missingParameterIsAnError()
    {
        QVERIFY_THROWS_EXCEPTION(db::Error, db::run("UPDATE T_x SET 이름 = :이름 WHERE 번호 = :OLD_번호", {{"이름", "x"}}));
    }

    void dateParameters()
    {
        QCOMPARE(db::scalar("SELECT count(*) FROM T_x WHERE 입관일 between :fromdate and :todate",
                            {{"fromdate", QDate(2024, 3, 5)}, {"todate", QDate(2024, 3, 31)}}).toInt(),
                 2);
        // A cleared date binds as null, not as empty text.
        db::run("UPDATE T_x SET 입관일 = :d WHERE 번호 = '202404001'", {{"d", QDate()}});
        QCOMPARE(db::scalar("SELECT count(*) FROM T_x WHERE 입관일 Is Null").toInt(), 1);
    }

    void scalarText()
    {
        QCOMPARE(db::scalarText("SELECT 금액 FROM T_x WHERE 번호='202403001'"), QString("30000"));
        QCOMPARE(db::scalarText("SELECT 입관일 FROM T_x WHERE 번호='202403001'"), QString("2024-03-05"));
        QCOMPARE(db::scalarText("SELECT 이름 FROM T_x WHERE 번호='none'"), QString("0"));
        QCOMPARE(db::scalarText("SELECT 비고 FROM T_x WHERE 번호='202403001'"), QString("000123"));
    }

    void transactionRollsBackUnlessCommitted()
    {
        {
            db::Transaction tx;
            db::run("DELETE FROM T_x");
        }
        QCOMPARE(first("SELECT count(*) FROM T_x"), QString("3"));
        {
            db::Transaction outer;
            db::run("DELETE FROM T_x WHERE 번호='202403001'");
            {
                db::Transaction inner; // a service inside a larger save
                db::run("DELETE FROM T_x WHERE 번호='202403002'");
            }
            outer.commit();
        }
        QCOMPARE(first("SELECT count(*) FROM T_x"), QString("2"));
        QVERIFY(!db::Transaction::active());
    }

    void failedCommitLeavesNothing()
    {
        // A commit the engine refuses (here a deferred key check) throws, and nothing of the save stays.
        if (!db::onServer())
            db::run("PRAGMA foreign_keys=ON");
        sqlExec("CREATE TABLE T_p (k TEXT PRIMARY KEY)");
        sqlExec("CREATE TABLE T_c (k TEXT REFERENCES T_p(k) DEFERRABLE INITIALLY DEFERRED)");
        QVERIFY_THROWS_EXCEPTION(db::Error, [] {
            db::Transaction outer;
            db::run("DELETE FROM T_x");
            {
                db::Transaction inner;
                db::run("INSERT INTO T_c VALUES ('x')");
                inner.commit();
            }
            outer.commit();
        }());
        if (!db::onServer())
            db::run("PRAGMA foreign_keys=OFF");
        QVERIFY(!db::Transaction::active());
        QCOMPARE(first("SELECT count(*) FROM T_x"), QString("3"));
        QCOMPARE(first("SELECT count(*) FROM T_c"), QString("0"));
        {
            db::Transaction next; // the connection is usable again
            db::run("DELETE FROM T_x WHERE 번호='202403001'");
            next.commit();
        }
        QCOMPARE(first("SELECT count(*) FROM T_x"), QString("2"));
    }

    void tempTable()
    {
        db::dropTempTable(); // harmless when it does not exist
        db::createTempTable("(회원번호 String(9));");
        db::run("Insert Into T_Temp Values(:회원번호)", {{"회원번호", "000000001"}});
        QCOMPARE(first("Select * from T_Temp"), QString("000000001"));
        db::createTempTable("(회원번호 String(9))"); // created again over the old one
        QCOMPARE(first("Select count(*) from T_Temp"), QString("0"));
        db::dropTempTable();
        QVERIFY(!db::tableExists("T_Temp"));
        QVERIFY_THROWS_EXCEPTION(db::Error, db::run("SELECT nothing FROM T_x"));
    }

    void jetHelpers()
    {
        QCOMPARE(db::jet::str(5), QString(" 5"));
        QCOMPARE(db::jet::val(" 1 2"), 12.0);
        QCOMPARE(db::jet::format(45000, ",##0"), QString("45,000"));
        QCOMPARE(db::jet::format(2.25, "##0.0"), QString("2.3"));
    }
};

QTEST_MAIN(TestDialect)
#include "tst_dialect.moc"
