#pragma once
#include <QString>

struct sqlite3;

// Whole-file work on SQLite databases for backup and restore: consistent copies of an open database,
// the engine's integrity check, and putting a file in place of another in one step.
class DatabaseFile {
public:
    // The engine handle behind dbMain; nullptr when the connection is not open.
    static sqlite3* mainHandle();

    // Copies the open database `src` into a new file `target` in one read transaction, so the copy is one
    // moment of the data even while another connection writes. The copy is left as a single file
    // (rollback journal), ready to be moved or mailed.
    static bool copyOpen(sqlite3* src, const QString& target, QString* error);

    // Empty when `file` opens as a database of this program and passes the integrity check;
    // otherwise the reason, in Korean, with the engine's words where it gave some.
    static QString problem(const QString& file);

    // Whether another connection has `file` open right now (it holds its lock). Waits up to waitMs for it
    // to let go. A file that does not exist is not in use.
    static bool inUse(const QString& file, int waitMs = 0);

    // Removes a database file and its -wal, -shm and -journal companions.
    static bool removeWithCompanions(const QString& file);
    static bool removeCompanions(const QString& file); // only the -wal, -shm and -journal files

    // Puts `source` in place of `target` in one rename, replacing an existing target.
    static bool replace(const QString& source, const QString& target, QString* error);
};
