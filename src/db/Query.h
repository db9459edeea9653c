#pragma once
#include <QDate>
#include <QHash>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <initializer_list>
#include <utility>

#include "db/DbError.h"

namespace db {

// Name of the one connection of the program.
inline const QString kConnection = QStringLiteral("dbMain");

QSqlDatabase connection();

// Named parameter values; names without the ":" and matched without regard to case.
using Params = std::initializer_list<std::pair<QString, QVariant>>;

// One statement built from pieces in the Jet dialect, run on dbMain: the build-and-run steps of every
// screen written once. Failures throw db::Error with the engine's message.
class Query {
public:
    Query();
    explicit Query(const QString& sql);
    Query(const Query&) = delete;
    Query& operator=(const Query&) = delete;

    Query& add(const QString& piece);          // appends a piece of statement text
    Query& operator<<(const QString& piece) { return add(piece); }
    void clear();                               // closes and clears text and parameters
    QString sql() const { return m_sql; }

    Query& bind(const QString& name, const QVariant& value);
    Query& bind(Params params);

    Query& open();                              // runs a SELECT and stands before the first row
    int exec();                                 // runs any other statement; returns rows affected
    bool next();
    void close();

    int columnCount() const;
    QString columnName(int i) const;
    int columnIndex(const QString& name) const; // -1 when absent; case-insensitive
    QVariant value(int i) const;
    QVariant value(const QString& column) const;
    QString str(const QString& column) const;   // null reads as ""
    qint64 integer(const QString& column) const;
    double real(const QString& column) const;
    QDate date(const QString& column) const;
    bool isNull(const QString& column) const;
    QVariant lastInsertId() const;

private:
    void prepareAndBind();
    void readColumns();

    QString m_sql;
    QString m_prepared;
    QHash<QString, QVariant> m_params; // lower-case name -> value
    QStringList m_columns;             // of the open result
    QHash<QString, int> m_columnIndex; // lower-case name -> position, read once per open
    QHash<QString, int> m_exactIndex;  // the same by the name as the engine gives it
    QSqlQuery m_q;
};

// Helpers of the common single steps.
QVariant scalar(const QString& sql, Params params = {});   // first column of the first row, null when none
QString scalarText(const QString& sql, Params params = {}); // text as is, integer as digits, "0" when no row or null
int run(const QString& sql, Params params = {});           // statement; rows affected

// A typed text as a LIKE pattern that matches it literally: "%", "_" and "\\" are escaped for a
// statement that says  like :x ESCAPE '\\'.
QString likeLiteral(const QString& typed);

// Value conversions shared by statements and buffered sets.
QVariant toDbValue(const QVariant& v);
QString dateText(const QDate& d);           // "YYYY-MM-DD", empty for an invalid date
QDate parseDate(const QVariant& v);         // from "YYYY-MM-DD..." text

// A transaction on dbMain that rolls back unless committed. Opened inside another one it is a
// savepoint, so a service can be called alone or as part of a larger save.
class Transaction {
public:
    Transaction();
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();
    static bool active();

private:
    int m_level;
    bool m_done = false;
};

// The scratch table T_Temp.
void dropTempTable();                              // ignores only "no such table"
void createTempTable(const QString& columnsJet);   // e.g. "(회원번호 String(9))"; drops it first

// Whether a table exists on dbMain.
bool tableExists(const QString& table);

} // namespace db
