#pragma once
#include <QString>
#include <sqlite3.h>
#include <string>
#include <vector>

// The floor of a list operation: the same rows fetched by one hand-written query through the SQLite
// C API on a connection of its own, every column read into memory.
class Floor {
public:
    explicit Floor(const QString& file);
    ~Floor();
    Floor(const Floor&) = delete;
    Floor& operator=(const Floor&) = delete;
    // The floor on the program folder's database, opened on first use.
    static Floor& program();
    // Runs the query with text parameters bound in order; returns the number of rows.
    size_t rows(const char* sql, const std::vector<std::string>& params = {});

private:
    sqlite3* m_db = nullptr;
};
