#pragma once
#include <QHash>
#include <QString>
#include <string>
#include <vector>

// The floor of a list operation: the same rows fetched by one hand-written query, every column read
// into memory. It runs as a db::Query on the program's own connection, so it measures the same engine
// as the operation beside it. The statements are written as SQLite spells them; on the server the few
// SQLite-only spellings (group_concat, ifnull, strftime, printf, two-argument min/max, date modifiers)
// are rewritten to PostgreSQL's before the statement layer sees them.
class Floor {
public:
    static Floor& program();
    // Runs the query with text parameters bound in order ("?" or "?N"); returns the number of rows.
    size_t rows(const char* sql, const std::vector<std::string>& params = {});

    // The statement as it is handed to db::Query on the engine (exposed for the harness's own check).
    static QString prepare(const QString& sql, bool server);

private:
    QHash<QString, QString> m_prepared;
};
