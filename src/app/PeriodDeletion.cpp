#include "app/PeriodDeletion.h"

#include "db/Query.h"
#include "db/ProgramDir.h"
#include "db/Session.h"

#include <QFile>

#include <QStringList>

QDate PeriodDeletion::dateOfDigits(const QString& digits)
{
    bool ok = false;
    const qlonglong n = digits.trimmed().toLongLong(&ok);
    if (!ok || n <= 0 || n > 99999999)
        return {};
    const QString text = QStringLiteral("%1").arg(n, 8, 10, QLatin1Char('0'));
    const QDate d = QDate::fromString(text.left(4) + u'-' + text.mid(4, 2) + u'-' + text.mid(6, 2), QStringLiteral("yyyy-MM-dd"));
    // A year before the school's records could begin is a typing slip, not a date.
    return d.isValid() && d.year() >= 1900 ? d : QDate();
}

void PeriodDeletion::deleteMember(const QString& memberNo)
{
    // Every table that keeps rows under a member number, the member table included: the number is given
    // again to a later trainee, who must not inherit any of it. The movement logs keep their rows without
    // the number, so the headcount of past months, recounted from them, stays as it was.
    static const QStringList movementLogs = {QStringLiteral("T_입관동기별현황"), QStringLiteral("T_퇴관사유별현황"),
                                             QStringLiteral("T_휴관사유별현황")};
    QStringList tables;
    {
        db::Query q(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name"));
        q.open();
        while (q.next())
            tables << q.str(QStringLiteral("name"));
    }
    for (const QString& table : tables) {
        db::Query cols(QStringLiteral("SELECT count(*) AS n FROM pragma_table_info(:t) WHERE name = '회원번호'"));
        cols.bind(QStringLiteral("t"), table).open();
        if (!cols.next() || cols.integer(QStringLiteral("n")) == 0)
            continue;
        const QString sql = movementLogs.contains(table, Qt::CaseInsensitive)
            ? QStringLiteral("UPDATE [%1] SET 회원번호 = Null WHERE 회원번호 = :회원번호")
            : QStringLiteral("DELETE FROM [%1] WHERE 회원번호 = :회원번호");
        db::run(sql.arg(table), {{QStringLiteral("회원번호"), memberNo}});
    }
}

void PeriodDeletion::deletePhoto(const QString& memberNo)
{
    QFile::remove(ProgramDir::file(QStringLiteral("images/")) + memberNo + QStringLiteral(".bmp"));
}

int PeriodDeletion::deleteWithdrawn(const QDate& from, const QDate& to)
{
    db::Transaction tr;
    QStringList members;
    {
        db::Query q;
        q << "SELECT 회원번호 FROM T_회원 "
          << "WHERE   퇴관일 BETWEEN  :from퇴관일 AND :to퇴관일 "
          << "AND     퇴관일 Is Not Null ";
        q.bind({{QStringLiteral("from퇴관일"), from}, {QStringLiteral("to퇴관일"), to}}).open();
        while (q.next())
            members << q.str(QStringLiteral("회원번호"));
    }
    for (const QString& no : members)
        deleteMember(no);
    tr.commit();
    // Photos only once the rows are surely gone.
    for (const QString& no : members)
        deletePhoto(no);
    return int(members.size());
}

void PeriodDeletion::deleteCashBook()
{
    db::Transaction tr;
    db::run(QStringLiteral("DELETE FROM T_금전출납 "));
    db::run(QStringLiteral("DELETE FROM T_금전출납마감  "));
    tr.commit();
    Session::setLastClosedMonth(QStringLiteral("000000"));
}

int PeriodDeletion::deleteFees(const QDate& from, const QDate& to)
{
    db::Query q;
    q << "DELETE FROM T_수련비납부 "
      << "WHERE   납부일자 BETWEEN  :from납부일자 AND :to납부일자";
    return q.bind({{QStringLiteral("from납부일자"), from}, {QStringLiteral("to납부일자"), to}}).exec();
}

int PeriodDeletion::deleteDailyStatus(const QDate& from, const QDate& to)
{
    db::Query q;
    q << "DELETE FROM T_일일현황 "
      << "WHERE   일자 BETWEEN  :from일자 AND :to일자";
    return q.bind({{QStringLiteral("from일자"), from}, {QStringLiteral("to일자"), to}}).exec();
}
