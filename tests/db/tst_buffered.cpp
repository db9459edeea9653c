// Buffered editing, the schema upgrade of an older file and the connection settings.
#include "db/BufferedSet.h"
#include "db/Database.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "db/Schema.h"
#include "support/TestDb.h"

#include <QTest>

class TestBuffered : public QObject {
    Q_OBJECT
    std::unique_ptr<TestDb> m_db;

    static int count(const QString& where = QString())
    {
        return db::scalar("SELECT count(*) FROM T_b " + where).toInt();
    }

private slots:
    void init()
    {
        m_db = std::make_unique<TestDb>();
        sqlExec("Create Table T_b (회원번호 String(9), 순번 Integer, 내용 String(50))");
        sqlExec("Insert Into T_b Values('202401001', 1, '첫째')");
        sqlExec("Insert Into T_b Values('202401001', 2, null)");
    }
    void cleanup() { m_db.reset(); }

    void applyInsertEditDelete()
    {
        db::BufferedSet s;
        s.open("SELECT * FROM T_b WHERE 회원번호 = :no ORDER BY 순번", {{"no", "202401001"}});
        s.setStatements("insert into T_b (회원번호, 순번, 내용) values (:회원번호, :순번, :내용)",
                        "update T_b set 내용 = :내용 where 회원번호 = :OLD_회원번호 and 순번 = :OLD_순번 and 내용 = :OLD_내용",
                        "delete from T_b where 회원번호 = :OLD_회원번호 and 내용 = :OLD_내용");
        QCOMPARE(s.count(), 2);
        // Row 2 has a null 내용: found by its old values all the same.
        s.setValue(1, "내용", "둘째");
        s.remove(0);
        const int r = s.append();
        s.setValue(r, "회원번호", "202401001");
        s.setValue(r, "순번", 3);
        s.setValue(r, "내용", "셋째");
        QVERIFY(s.isDirty());
        {
            db::Transaction tx;
            s.apply();
            tx.commit();
        }
        s.markApplied();
        QVERIFY(!s.isDirty());
        QCOMPARE(count(), 2);
        QCOMPARE(db::scalar("SELECT 내용 FROM T_b WHERE 순번 = 2").toString(), QString("둘째"));
        QCOMPARE(count("WHERE 순번 = 1"), 0);
        QCOMPARE(count("WHERE 내용 = '셋째'"), 1);
    }

    void cancelRestoresReadRows()
    {
        db::BufferedSet s;
        s.open("SELECT * FROM T_b ORDER BY 순번");
        s.setValue(0, "내용", "바뀜");
        s.remove(1);
        s.append();
        s.cancel();
        QCOMPARE(s.count(), 2);
        QCOMPARE(s.value(0, "내용").toString(), QString("첫째"));
        QVERIFY(!s.isDirty());
        QCOMPARE(count(), 2);
    }

    void failureRollsBackEverything()
    {
        db::BufferedSet s;
        s.open("SELECT * FROM T_b ORDER BY 순번");
        s.setStatements("insert into T_b_missing values (:회원번호)", QString(),
                        "delete from T_b where 회원번호 = :OLD_회원번호 and 순번 = :OLD_순번");
        s.remove(0);
        const int r = s.append();
        s.setValue(r, "회원번호", "x");
        bool failed = false;
        try {
            db::Transaction tx;
            s.apply();
            tx.commit();
        } catch (const db::Error&) {
            failed = true;
        }
        QVERIFY(failed);
        QCOMPARE(count(), 2); // the delete that ran first is undone
        QVERIFY(s.isDirty()); // the buffer still holds what the user typed
    }

    void olderFileGetsNewTablesAndColumns()
    {
        const QString v1 = "CREATE TABLE T_a (코드 TEXT PRIMARY KEY, 이름 TEXT);\nINSERT INTO T_a VALUES ('01', '하나');\n";
        const QString v2 = v1 + "CREATE TABLE T_c (번호 TEXT);\nINSERT INTO T_c VALUES ('x');\nCREATE INDEX ix_c ON T_c (번호);\n";
        const QString v2b = QString(v2).replace("이름 TEXT)", "이름 TEXT, 금액 INTEGER NOT NULL DEFAULT 0)");
        QString error;
        QVERIFY2(db::Schema::ensure({v1}, &error), qPrintable(error));
        db::run("INSERT INTO T_a VALUES ('02', '둘')");
        QVERIFY2(db::Schema::ensure({v2b}, &error), qPrintable(error));
        QCOMPARE(db::scalar("SELECT count(*) FROM T_a").toInt(), 2);          // rows kept, seed not repeated
        QCOMPARE(db::scalar("SELECT Sum(금액) FROM T_a").toInt(), 0);         // new column with its default
        QCOMPARE(db::scalar("SELECT count(*) FROM T_c").toInt(), 1);          // new table seeded
        QVERIFY(db::Schema::ensure({v2b}, &error));                            // unchanged: nothing to do
    }

    void connectionSettings()
    {
        QCOMPARE(db::scalar("PRAGMA journal_mode").toString(), QString("wal"));
        QCOMPARE(db::scalar("PRAGMA synchronous").toInt(), 2);
        QVERIFY(db::scalar("PRAGMA user_version").toInt() != 0);
        QVERIFY(QFile::exists(ProgramDir::databaseFile()));
    }
};

QTEST_MAIN(TestBuffered)
#include "tst_buffered.moc"
