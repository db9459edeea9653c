#include "support/TestDb.h"

#include "db/Clock.h"
#include "db/Database.h"
#include "db/MonthKey.h"
#include "db/ProgramDir.h"
#include "report/NoticeFile.h"
#include "db/Query.h"
#include "db/Session.h"

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
    Session::reloadLastClosedMonth();
}
