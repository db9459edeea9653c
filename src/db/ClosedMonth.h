#pragma once
#include <QDate>
#include <QString>

// The closing state of the cash book, read from the closing table every time it is asked: another
// program on the same file may have closed or reopened a month a moment ago, so no copy is kept.
//
// A write that a closed month refuses asks inside its own db::Transaction, before it writes, so the
// answer still holds when it commits (a later writer on the same file waits or fails).
namespace db {

QString lastClosedMonth();                     // "yyyymm", "000000" when nothing is closed
bool isClosedMonth(const QString& monthKey);   // at or before the last closed month
bool isClosedDay(const QDate& day);            // a valid day whose month is closed

// Taken by a closing, a cancellation and the opening balance at the start of their transaction. On a
// server the writers' reads above wait for it (they hold it shared inside a transaction), so a payment
// either commits before the closing sums its month or finds the month closed. Nothing on the file.
void lockClosing();

} // namespace db
