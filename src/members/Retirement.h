#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace db { class Query; }

// Withdrawal (퇴관), leave (휴관) and return (복관) of members in batches: the lists the window shows
// and the writes of one batch. No widgets; the window TfRet0010 and the tests call these.
//
// Every batch runs in one transaction: the member rows, the movement logs and the counters (through
// MovementCounter, which is always told before the member's row changes) go in together or not at all.
// A failure throws db::Error (MovementRefused for a movement the member's row does not allow) and
// leaves the database as it was.
class Retirement {
public:
    enum Page { WithdrawalPage = 0, LeavePage = 1, ReturnPage = 2 };
    enum ReturnKind { FromLeave, FromWithdrawal }; // "휴관->복관", "퇴관->복관"

    // One line of a list.
    struct Line {
        QString memberNo, name, enrolDate, birthDate, sex, phone, division;
        QString day;       // pages 0/1: 퇴관일 or 휴관일 of the line; page 2: theDay (cleared when ticked)
        QString reason;    // pages 0/1: "code) name" (") " when none); page 2: the reason name
        QString reasonCode; // page 2: the stored code (cleared when ticked)
        QString since;     // the withdrawal or leave date as read, kept while the line is edited
        bool chosen = false;  // pages 0/1: a reason was chosen in this batch
        bool checked = false; // page 2: "선택"
    };

    // The list filters: the name typed (prefix match) and the division drop-down's condition, which
    // appends its own SQL and binds its values (DivisionFilter::addCondition does exactly that).
    struct Filter {
        QString name;
        std::function<void(db::Query&)> division;
    };

    // "code) name" for each row of T_휴퇴사유 (the reason lists of pages 0 and 1).
    static QStringList reasonItems();
    static QString codeOf(const QString& reasonText); // the text before ")", trimmed
    static bool hasReason(const QString& reasonText);  // neither ") " nor blank

    // Candidates of a new batch. Withdrawal: members not withdrawn (those on leave too) enrolled by the
    // event month. Leave: members who train (neither withdrawn nor on leave) enrolled by the event
    // month. Return: withdrawn or on-leave members, whatever their stored reason.
    static QList<Line> withdrawalCandidates(const Filter& f, const QDate& eventDate);
    static QList<Line> leaveCandidates(const Filter& f, const QDate& eventDate);
    static QList<Line> returnCandidates(const Filter& f, ReturnKind kind);

    // Listings ("조     회"): withdrawn members (all, or by withdrawal period) and members on leave
    // (all, or by leave period: the "퇴관예정 휴관자", day showing 퇴관일).
    static QList<Line> withdrawnMembers(const Filter& f, bool byPeriod, const QDate& from, const QDate& to);
    static QList<Line> membersOnLeave(const Filter& f, bool byPeriod, const QDate& from, const QDate& to);

    // While a batch is open: a reason chosen on page 0/1 dates the line with the event date; a tick
    // on page 2 clears the line's date and reason.
    static void chooseReason(Line& line, const QString& reasonText, const QDate& eventDate);
    static void setChecked(Line& line, bool checked);

    // The batches. Each returns how many members it wrote.
    static int withdraw(const QList<Line>& lines);                  // lines with a chosen reason
    static int leave(const QList<Line>& lines);                     // lines with a chosen reason
    static int giveReturn(const QList<Line>& lines, ReturnKind kind, const QDate& date); // ticked lines
    // "퇴     관" of page 1 after a leave-period listing: every listed member with a reason is withdrawn
    // on `date` with that reason.
    static int withdrawOnLeave(const QList<Line>& lines, const QDate& date);

    // Complete removal of a withdrawn member with his rows ("삭     제" of page 0).
    static void deleteWithdrawn(const QString& memberNo);

    static qint64 currentMembers(); // 퇴관일 is null
};
