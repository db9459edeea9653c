#include "support/TestDb.h"

#include "db/Clock.h"
#include "db/Database.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "db/Session.h"

#include <QTest>

TestDb::TestDb(const QDateTime& now)
{
    Clock::setFixed(now);
    ProgramDir::set(m_dir.path());
    ProgramDir::ensureFolders();
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
