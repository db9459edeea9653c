#pragma once
#include <QString>
#include <stdexcept>

namespace db {

// A failed statement. Reads let it reach the user as the engine's own message; saves catch it,
// roll back and show their Korean error box.
class Error : public std::runtime_error {
public:
    Error(const QString& message, const QString& sql)
        : std::runtime_error(message.toStdString()), m_message(message), m_sql(sql) {}
    QString message() const { return m_message; }
    QString sql() const { return m_sql; }

private:
    QString m_message;
    QString m_sql;
};

} // namespace db
