#pragma once
#include <QString>

namespace db {

// Opens dbMain on the given file for the whole run: creates the file with the schema and seed codes
// when it does not exist, upgrades an older file, and registers the Jet functions.
// Returns false with a Korean message when the file cannot be opened or is newer than the program.
bool openDatabase(const QString& file, QString* error = nullptr);
void closeDatabase();

} // namespace db
