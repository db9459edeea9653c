#include "support/TestDb.h"

#include "db/Clock.h"
#include "db/Database.h"
#include "db/MonthKey.h"
#include "db/ProgramDir.h"
#include "report/NoticeFile.h"
#include "db/Query.h"
#include "db/Session.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

TestDb::TestDb(const QDateTime& now)
{
    Clock::setFixed(now);
    ProgramDir::set(m_dir.path());
    ProgramDir::ensureFolders();
    NoticeFile::ensureFolders();
    Session::reset();
    Dialogs::install(&m_dialogs);
    QString error;
    if (!db::openDatabase(ProgramDir::databaseFile(), &error))
        qFatal("test database: %s", qPrintable(error));
}

TestDb::~TestDb()
{
    db::closeDatabase();
    Dialogs::install(nullptr);
    Clock::reset();
    Session::reset();
}

void sqlExec(const QString& jet)
{
    try {
        db::run(jet);
    } catch (const db::Error& e) {
        QFAIL(qPrintable(e.message() + " : " + jet));
    }
}

void closeBooksThrough(const QString& month)
{
    sqlExec("DELETE FROM T_금전출납마감");
    db::run("INSERT INTO T_금전출납마감 (마감연월, 당월차변금액, 당월대변금액, 차변누계금액, 대변누계금액, 마감여부) "
            "VALUES (:m, 0, 0, 0, 0, '1'), (:n, 0, 0, 0, 0, '0')",
            {{"m", month}, {"n", monthkey::nextMonth(month)}});
}

void closeMonthElsewhere(const QString& month)
{
    const QString name = QStringLiteral("otherProgram");
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        other.setDatabaseName(ProgramDir::databaseFile());
        QVERIFY(other.open());
        QSqlQuery q(other);
        QVERIFY(other.transaction());
        // The month's sums and running totals, as a closing writes them.
        q.prepare(QStringLiteral("UPDATE T_금전출납마감 SET "
                                 "당월차변금액 = (SELECT ifnull(SUM(입금액), 0) FROM T_금전출납 WHERE substr(일자, 1, 7) = :dashed), "
                                 "당월대변금액 = (SELECT ifnull(SUM(출금액), 0) FROM T_금전출납 WHERE substr(일자, 1, 7) = :dashed), "
                                 "마감여부 = '1' WHERE 마감연월 = :month"));
        q.bindValue(QStringLiteral(":dashed"), monthkey::dashed(month));
        q.bindValue(QStringLiteral(":month"), month);
        QVERIFY2(q.exec() && q.numRowsAffected() == 1, qPrintable(q.lastError().text()));
        q.prepare(QStringLiteral("UPDATE T_금전출납마감 SET 차변누계금액 = 차변누계금액 + 당월차변금액, "
                                 "대변누계금액 = 대변누계금액 + 당월대변금액 WHERE 마감연월 = :month"));
        q.bindValue(QStringLiteral(":month"), month);
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        q.prepare(QStringLiteral("INSERT INTO T_금전출납마감 (마감연월, 당월차변금액, 당월대변금액, 차변누계금액, 대변누계금액, 마감여부) "
                                 "SELECT :next, 0, 0, 차변누계금액, 대변누계금액, '0' FROM T_금전출납마감 WHERE 마감연월 = :month"));
        q.bindValue(QStringLiteral(":next"), monthkey::nextMonth(month));
        q.bindValue(QStringLiteral(":month"), month);
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
        QVERIFY(other.commit());
        other.close();
    }
    QSqlDatabase::removeDatabase(name);
}
