#pragma once
#include <QString>

// The member chosen on a list screen, held for every screen so screens and rules need no pointer to
// the main window. The closed month is not kept here: it is read from the database (db/ClosedMonth.h).
class Session {
public:
    static QString selectedMemberNo();
    static void setSelectedMemberNo(const QString& no);
    static void reset();
};
