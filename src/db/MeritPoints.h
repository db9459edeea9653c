#pragma once
#include <QDate>
#include <QString>

// Entries of a member's merit and penalty journal (T_벌점) booked by other screens: an unexcused
// absence books the penalty item "무단결석", an award named like a merit item books that item.
namespace MeritPoints {

// The code of the item with this name (T_벌점항목.벌점명), empty when there is none.
QString itemCode(const QString& itemName);
// Whether the member already has an entry of this item on that day.
bool has(const QString& memberNo, const QDate& day, const QString& code);
// Adds an entry with 순번 one above the member's largest (1 for his first); 비고2 = code + ") " + name.
void add(const QString& memberNo, const QDate& day, const QString& code, const QString& itemName);

} // namespace MeritPoints
