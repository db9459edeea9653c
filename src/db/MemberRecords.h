#pragma once
#include <QString>
#include <QStringList>

// The tables that hold rows of one member by 회원번호, named in one place, with the two operations
// that must see all of them: allocating a number (MemberNumber) and deleting a member.
namespace MemberRecords {

struct KeyedTable {
    const char* name;
    bool deletedWithMember; // false: append-only history that outlives the member
};

// Every table keyed by 회원번호 besides T_회원 itself. Tables that the file does not hold yet are
// skipped by the operations below.
const QList<KeyedTable>& keyedTables();
QStringList tablesDeletedWithMember(); // those of keyedTables() that go with the member
QStringList historyTables();           // those that stay

// Deletes the member and every row of his in the tables deleted with him, in one transaction, then his
// photo. His fee payments and their cash-book lines stay: they record money the school received, and a
// closed month must keep its totals. Throws db::Error (nothing deleted) when a statement fails.
void deleteMember(const QString& no);
// Several members in one transaction (deletion of withdrawn members by period). Returns how many
// member rows were deleted.
int deleteMembers(const QStringList& numbers);

} // namespace MemberRecords
