#pragma once
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>

// The school record T_도장정보 (one row; every reader takes the first) and the letter texts T_가정통신문.
class SchoolInfo {
public:
    // The nineteen columns the school information screen edits, in screen order of the statements.
    static const QStringList& editedColumns();

    static bool exists();
    // The first row, by column name; empty when the school has no record yet.
    static QHash<QString, QVariant> load();
    // 도장명 of the record, empty when the school has none yet.
    static QString name();
    // Writes the edited columns: updates the one row (whatever its names) or inserts it when missing.
    static void save(const QHash<QString, QVariant>& values);

    // Main-screen lock: whether the screen starts locked, and whether a typed password opens it.
    static bool mainScreenLocked();
    static bool mainPasswordMatches(const QString& typed);

    // "화면 배율" in percent (100, 125, 150, 200); 0 when the school chose none.
    static int displayScale();
    static void setDisplayScale(int percent); // 0 clears the choice
    // The same, read from a database file before the program's connection exists (start-up);
    // 0 when the file, the table or the value is missing.
    static int displayScaleIn(const QString& file);

    // T_가정통신문 holds exactly one row: creates it when missing.
    static void ensureLetterRow();
};
