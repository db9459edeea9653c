#pragma once
#include <QString>
#include <QSqlDatabase>
#include <QStringList>

#include "db/JetSql.h"

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
    // The same on another connection than dbMain (a copy's target).
    static bool ensureOn(QSqlDatabase d, Dialect dialect, const QStringList& sqlTexts, QString* error = nullptr);
    static QStringList builtInTexts();
    static QStringList statements(const QString& text); // split on ";" at line ends, comments removed
    // A column definition of the schema files in PostgreSQL's words: BIGINT, DOUBLE PRECISION and
    // TEXT COLLATE "C", so texts sort by code point as SQLite's BINARY order of UTF-8 does.
    static QString serverColumnType(QString sqliteDefinition);

private:
    static bool ensureServer(QSqlDatabase d, const QStringList& sqlTexts, QString* error);
};

} // namespace db
