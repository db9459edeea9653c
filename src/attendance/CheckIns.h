#pragma once
#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include "db/MemberStatus.h"

// Check-ins at the door (T_출석체크): who came and when. Only a current member is recorded; a member on
// leave, a withdrawn member and an unknown number are told so and nothing is written; a second check-in
// within ten minutes of another is shown but not stored again. The check-in window, the demo generator
// and the tests all write through here.
namespace CheckIns {

inline constexpr int kRepeatMinutes = 10;
// How the member was found, kept in 구분.
inline const QString kByNumber = QStringLiteral("번호"); // card scanned or number typed
inline const QString kByName = QStringLiteral("이름");   // chosen by name

enum class Outcome {
    Nothing,   // empty input
    Recorded,  // stored now
    Repeat,    // checked in less than ten minutes ago: shown, not stored
    OnLeave,
    Withdrawn,
    Unknown,   // no member of that number or name
    Choose     // several current members of that name: the caller lets the user choose by number
};

struct Member {
    QString no, name, division, born; // born "YYYY-MM-DD"
    MemberStatus::State state = MemberStatus::State::Active;
};

struct Result {
    Outcome outcome = Outcome::Nothing;
    Member member;            // the member found (all outcomes but Nothing, Unknown and Choose)
    QList<Member> namesakes;  // Choose: the current members of that name, by number
    QDateTime at;             // Recorded: the moment stored; Repeat: the earlier check-in
    QString message() const;  // what the window says, in Korean
};

// What was scanned or typed: a member number (digits) or a name, checked in at `at`.
Result checkIn(const QString& typed, const QDateTime& at);
// A member by number (a namesake chosen from a list, or a scan); `how` is kByNumber or kByName.
Result checkInNumber(const QString& memberNo, const QDateTime& at, const QString& how = kByNumber);

// Desk flags of a member on a day: the unpaid months (" 4 5"), a birthday today, an examination this
// month (a school or national examination dated in that month).
struct Flags {
    QString unpaidMonths;
    bool birthday = false;
    bool exam = false;
};
Flags flagsOf(const QString& memberNo, const QDate& day);

// Many check-ins of past days in one transaction (demo and large-school data): each is checked as at
// its own moment (the member enrolled by then and neither withdrawn nor on leave on that day, no other
// check-in within ten minutes). Members are read once and the insert is prepared once. Returns how many
// were stored; throws db::Error (nothing stored) when a statement fails.
struct Entry {
    QString memberNo;
    QDateTime at;
};
int recordMany(const QList<Entry>& entries);

// Members checked in on a day (any time of it).
QSet<QString> membersOn(const QDate& day);
// Days of a month on which a member checked in, and days on which anyone did (the school was open).
struct MonthAttendance {
    int daysCheckedIn = 0;
    int daysOpen = 0;
};
MonthAttendance monthOf(const QString& memberNo, int year, int month);

} // namespace CheckIns
