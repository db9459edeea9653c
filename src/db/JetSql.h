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
};

// Translates a statement written in the Jet dialect (as the screens write them) into SQLite.
// Results are cached per statement text.
const TranslatedSql& translateJet(const QString& jet);

// Registers the Jet functions (Mid, Val, Str, Format, IIf, Year, Date() ...) on one open connection.
void registerJetFunctions(sqlite3* handle);

// The Jet functions themselves, also used by C++ code that must give the same results.
namespace jet {
QString str(double n);                           // Str(5) = " 5"
double val(const QString& s);                    // Val("07") = 7
QString format(const QVariant& v, const QString& pattern);
}

} // namespace db
