#pragma once
#include <QList>
#include <QString>

// Moves a school between the embedded file and a PostgreSQL server, either way: the target is made
// with the program's schema, every table of the source is copied into it in one transaction, and the
// row count of each table is compared before the commit. Backups of a server school are such copies
// into a new file, so every backup is the same SQLite file.
namespace db {

struct CopiedTable {
    QString table;
    qint64 rows = 0;
};

struct CopyResult {
    bool ok = false;
    QString error;              // Korean, with the engine's words
    QList<CopiedTable> tables;  // in copy order
};

// `from` and `to` are a file path or a "postgresql://" address. The target must hold no school yet
// (no member, fee or cash-book row); its seed codes are replaced by the source's.
// The source is read in one transaction (repeatable read on the server), so desks may go on writing.
// With `replace` a target that holds a school gets the source's rows instead, in the same one
// transaction (a restore onto the server).
CopyResult copySchool(const QString& from, const QString& to, bool replace = false);

} // namespace db
