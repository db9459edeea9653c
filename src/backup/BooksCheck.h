#pragma once
#include <QList>
#include <QString>
#include <QStringList>

// The whole check of a school's data: the engine's integrity check of the database file, then the
// books' own checks, each asked of the class that keeps the rule (fee rows and their cash-book lines,
// the month-end closing chain, partner dealings and their cash lines, the movement counters against
// their logs).
class BooksCheck {
public:
    struct Item {
        QString what;       // "수련비 납부와 금전출납"
        QString counted;    // what was read: "납부 12건"
        QStringList faults; // empty when it agrees
    };
    // Runs every check on the open database (dbMain) of `file`. A check the engine cannot finish is a
    // fault of its own item, never a clean answer.
    static QList<Item> run(const QString& file);
    static bool clean(const QList<Item>& items);
    // The table for the console: one line per check with "이상 없음" or the number of faults, then every
    // fault under its check.
    static QString table(const QList<Item>& items);
};
