#pragma once
#include <QString>

namespace db {

// The engine's quick look at the open database's pages and indexes (it reads the file once, without
// comparing index contents to their tables): empty when sound, otherwise what the engine found.
QString quickCheck();

} // namespace db
