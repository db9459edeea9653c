#pragma once
#include <QDateTime>
#include <QString>
#include <QTemporaryDir>
#include <memory>

#include "ui/Dialogs.h"

// A fresh program folder in a temporary directory with a new database on the real schema, the
// clock fixed and the dialogs recorded. One per test function (init/cleanup) keeps cases apart.
class TestDb {
public:
    explicit TestDb(const QDateTime& now = QDateTime(QDate(2024, 5, 15), QTime(10, 0)));
    ~TestDb();
    QString dir() const { return m_dir.path(); }
    RecordingDialogs& dialogs() { return m_dialogs; }

private:
    QTemporaryDir m_dir;
    RecordingDialogs m_dialogs;
};

// Runs a statement on dbMain and fails the test with the engine's message when it does not run.
void sqlExec(const QString& jet);

// The first column of every row of a query, as text (null as ""), joined in the order read.
QString joinedRows(const QString& jet, const QString& separator);

// The cash book closed through `month` ("yyyymm"): the closing table holds that month closed and the
// month after it open, as after an opening balance or a closing; the session reads it again.
void closeBooksThrough(const QString& month);

// Another program on the same school (the file, or the test's schema on the server): through a
// connection of its own it closes `month` as a closing does (the month closed, the month after it
// open), unseen by anything this program keeps.
void closeMonthElsewhere(const QString& month);
