#pragma once
#include <QString>
#include <QStringList>

struct sqlite3;

namespace db {

// A Jet statement made ready for SQLite: the text with named parameters turned into "?" and the
// parameter names in the order of their "?"s (a name that occurs twice appears twice).
struct TranslatedSql {
    QString sql;
    QStringList params;
    QStringList pieces;     // the text around the "?"s: params.size() + 1 pieces
    QList<bool> arithmetic; // per parameter: an operand of + - * / (a number stays a number there)
};

// The engines the statements run on: the embedded file and the server.
enum class Dialect { Sqlite, Postgres };

// Parameter names the translator uses for Date(), Now() and Time(): the caller binds the Clock's values.
inline const QString kClockDate = QStringLiteral("@date");
inline const QString kClockNow = QStringLiteral("@now");
inline const QString kClockTime = QStringLiteral("@time");

// Translates a statement written in the Jet dialect (as the screens write them) into the engine's own.
// Results are cached per statement text.
const TranslatedSql& translateJet(const QString& jet, Dialect dialect = Dialect::Sqlite);

// The engine dbMain runs on, set when it is opened.
Dialect dialect();
void setDialect(Dialect d);
inline bool onServer() { return dialect() == Dialect::Postgres; }

// The Jet functions as SQL functions of a PostgreSQL database (created by the schema step).
QString postgresFunctions();

// Registers the Jet functions (Mid, Val, Str, Format, IIf, Year, Date() ...) on one open connection.
void registerJetFunctions(sqlite3* handle);

// The Jet functions themselves, also used by C++ code that must give the same results.
namespace jet {
QString str(double n);                           // Str(5) = " 5"
double val(const QString& s);                    // Val("07") = 7
QString format(const QVariant& v, const QString& pattern);
}

} // namespace db
