#pragma once
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include "text/Answer.h"

// "자동 보관": copies of the database taken without being asked, at the end of the program or at the
// first start of a day, into ProgramDir + "backup/자동/" as alias + "_YYYYMMDD_HHMM.db". Each copy is
// taken and checked as "자료보관" takes its copies; only after a copy passed its check do the oldest
// copies beyond the number to keep go. A failure is kept in the school record until the next start
// shows it.
class AutoBackup {
public:
    enum class When { Off = 0, AtEnd = 1, Daily = 2 };
    static constexpr int kDefaultKeep = 14;
    struct Setting {
        When when = When::Off;
        int keep = kDefaultKeep;
    };
    static Setting setting();
    static void saveSetting(const Setting& s); // in the caller's transaction when it holds one
    static QStringList whenTexts();             // the choices in When's order

    static QString folder();                    // ends with "/"
    static QString nameAt(const QDateTime& at); // "Tamrin2000_20240515_1000.db"
    // The dated copies in `dir` (only names of the form above), newest first.
    static QStringList copiesIn(const QString& dir);

    struct Result {
        bool ok = false;
        QString file;      // the new copy
        QString error;     // why not, in Korean
        QStringList removed;
    };
    // Takes a dated copy into `dir` (made when missing), checks it, and then keeps only the `keep`
    // newest dated copies there (keep < 1 keeps them all).
    static Result take(const QString& dir, int keep);

    // Whether a dated copy of today lies in the automatic folder.
    static bool takenToday();

    // The program's start and end. start() answers a failure kept from before (to show once) and takes
    // the day's copy when the school chose daily copies; end() takes the copy when the school chose
    // copies at the end. A failure now is reported (status line at the start, the answer at the end)
    // and kept for the next start, so a session ending without anyone to read the answer loses nothing.
    static Answer start();
    static Answer end();

    static QString keptFailure();
    static void keepFailure(const QString& text); // empty clears

private:
    static Result takeNow();
};
