#pragma once
#include <QString>

namespace db {

// Opens dbMain for the whole run, on the embedded file or on a PostgreSQL server
// ("postgresql://user@host:port/database"): creates the schema and seed codes on a new file or an
// empty server database, upgrades an older one, and makes the Jet functions available.
// Returns false with a Korean message (and the engine's reason) when it cannot be opened or is newer
// than the program; nothing has been written then.
bool openDatabase(const QString& fileOrAddress, QString* error = nullptr);
void closeDatabase();

// What dbMain was opened on: the file's path or the server's address.
QString currentAddress();

// A server address as tamrin-cli and the setting write it.
bool isServerAddress(const QString& text);

// The address with what identifies the school only (no password): for messages and backups.
QString describeServer(const QString& address);

// A second connection under `name` on a file or a server (copies between engines): no schema step.
bool openSide(const QString& fileOrAddress, const QString& name, QString* error = nullptr);
void closeSide(const QString& name);

// The column that keeps the insertion order of the report staging rows.
QString rowOrderColumn();

} // namespace db
