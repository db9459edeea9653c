#pragma once
#include <QDateTime>
#include <QList>
#include <QString>

#include "text/Answer.h"

// Putting a backup copy back in place of the database (the restore program), and the main program's
// "자료복구" that ends the program and hands over to it.
class DataRestore {
public:
    struct Copy {
        QString file;
        QDateTime modified;
        qint64 size = 0;
        bool automatic = false; // taken by "자동 보관"
    };
    // The automatic copies, newest first, then the other copies in the program's "backup" folder,
    // newest first.
    static QList<Copy> backups();

    enum class Outcome { Restored, Damaged, InUse, Failed };
    struct Result {
        Outcome outcome = Outcome::Failed;
        QString detail;     // why not, in Korean
        QString safetyCopy; // where the database before the restore was kept
    };
    // Checks the chosen copy, keeps the current database as a safety copy in "backup", and puts the copy
    // in its place. Nothing changes unless every step before the swap succeeded. Waits up to waitMs for
    // the main program to let go of the database.
    static Result restore(const QString& backupFile, int waitMs = 5000);

    // The menu item "자료복구": once `ask` agreed and the open screens let go, closes the database, starts
    // the restore program and ends this one. Declined when the program stays; done (with a warning when
    // the restore program did not start) when it ends.
    static Answer handOver(const Ask& ask);
};
