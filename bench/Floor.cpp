#include "Floor.h"

#include "db/ProgramDir.h"

#include <stdexcept>

Floor::Floor(const QString& file)
{
    if (sqlite3_open_v2(file.toUtf8().constData(), &m_db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        throw std::runtime_error("floor: cannot open the database");
}

Floor::~Floor() { sqlite3_close(m_db); }

Floor& Floor::program()
{
    static Floor f(ProgramDir::databaseFile());
    return f;
}

size_t Floor::rows(const char* sql, const std::vector<std::string>& params)
{
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(m_db, sql, -1, &st, nullptr) != SQLITE_OK)
        throw std::runtime_error(std::string("floor: ") + sqlite3_errmsg(m_db));
    for (size_t i = 0; i < params.size(); ++i)
        sqlite3_bind_text(st, int(i + 1), params[i].c_str(), int(params[i].size()), SQLITE_TRANSIENT);
    std::vector<std::string> cells;
    size_t n = 0;
    while (sqlite3_step(st) == SQLITE_ROW) {
        const int cols = sqlite3_column_count(st);
        for (int c = 0; c < cols; ++c) {
            const unsigned char* t = sqlite3_column_text(st, c);
            cells.emplace_back(t ? reinterpret_cast<const char*>(t) : "");
        }
        ++n;
    }
    sqlite3_finalize(st);
    return n;
}
