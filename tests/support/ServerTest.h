#pragma once
#include <QString>

// The tests on PostgreSQL: with TAMRIN_TEST_ON_SERVER=1 (ctest label "postgresql", run by scripts/test.sh
// on a throwaway cluster) every TestDb opens an empty schema of its own on the test server instead of
// a file. The cluster is TAMRIN_TEST_SERVER, or the one pg_virtualenv describes in PGHOST/PGPORT/PGUSER.
namespace servertest {
bool onServer();
QString serverAddress(); // "postgresql://user@host:port/database"
QString freshSchema();   // an address whose search path is a new empty schema
QString address();       // what the open TestDb's dbMain is on (empty on the file)
} // namespace servertest
