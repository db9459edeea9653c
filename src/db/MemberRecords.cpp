#include "db/MemberRecords.h"

#include "db/Query.h"
#include "db/MemberNumber.h"

#include <QFile>

namespace MemberRecords {

const QList<KeyedTable>& keyedTables()
{
    static const QList<KeyedTable> tables = {
        {"T_가족사항", true},     {"T_결석", true},       {"T_출석체크", true},     {"T_심사", true},
        {"T_국기원승품", true},   {"T_체력측정", true},     {"T_건의사항", true},   {"T_생활기록", true},
        {"T_심사평가공지사항", true}, {"T_집중도", true},   {"T_벌점", true},       {"T_뱃지지급", true},
        {"T_상장지급", true},     {"T_행사참가", true},
        // Append-only history: counts of past enrolments, withdrawals and leaves, and the register of
        // numbered completion certificates. They keep the number taken for good. The fee payments stay
        // too: a closed month's fee register must go on matching its cash book.
        {"T_수련비납부", false},
        {"T_입관동기별현황", false}, {"T_퇴관사유별현황", false}, {"T_휴관사유별현황", false}, {"T_휴관종료", false},
        {"T_수료증지급", false},
    };
    return tables;
}

QStringList tablesDeletedWithMember()
{
    QStringList out;
    for (const KeyedTable& t : keyedTables())
        if (t.deletedWithMember)
            out.append(QString::fromUtf8(t.name));
    return out;
}

QStringList historyTables()
{
    QStringList out;
    for (const KeyedTable& t : keyedTables())
        if (!t.deletedWithMember)
            out.append(QString::fromUtf8(t.name));
    return out;
}

namespace {
int deleteRows(const QStringList& tables, const QString& no)
{
    for (const QString& t : tables)
        db::run(QStringLiteral("DELETE FROM %1 WHERE 회원번호 = :회원번호").arg(t), {{QStringLiteral("회원번호"), no}});
    return db::run(QStringLiteral("DELETE FROM T_회원 WHERE 회원번호 = :회원번호"), {{QStringLiteral("회원번호"), no}});
}

QStringList presentTables()
{
    QStringList out;
    for (const QString& t : tablesDeletedWithMember())
        if (db::tableExists(t))
            out.append(t);
    return out;
}
}

void deleteMember(const QString& no) { deleteMembers({no}); }

int deleteMembers(const QStringList& numbers)
{
    // The photo goes only once the rows are gone for good: inside a caller's transaction that may
    // still roll back, the caller removes it after its own commit.
    const bool outermost = !db::Transaction::active();
    const QStringList tables = presentTables();
    int deleted = 0;
    {
        db::Transaction tx;
        for (const QString& no : numbers)
            deleted += deleteRows(tables, no);
        tx.commit();
    }
    if (outermost)
        for (const QString& no : numbers)
            QFile::remove(MemberNumber::photoPath(no));
    return deleted;
}

} // namespace MemberRecords
