#pragma once
#include <QString>
#include <QStringList>

namespace db {

// The tables of every subsystem, kept as SQL files in src/db/schema/ (one per subsystem, run in name
// order). A new file gets everything; an older file gets the missing tables, columns and indexes
// added, and seed rows for the tables created just now. user_version holds a fingerprint of the
// schema text so an unchanged file starts without any check.
class Schema {
public:
    static bool ensure(QString* error = nullptr);
    // For tests: the same on given texts instead of the built-in files.
    static bool ensure(const QStringList& sqlTexts, QString* error = nullptr);
    static QStringList builtInTexts();
    static QStringList statements(const QString& text); // split on ";" at line ends, comments removed
};

} // namespace db
