#include "backup/PeriodDeletion.h"

#include "db/Query.h"
#include "fees/FeePayments.h"
#include "db/MemberRecords.h"

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

int PeriodDeletion::deleteWithdrawn(const QDate& from, const QDate& to)
{
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
    // Not only the member rows: nothing of his may wait for the next trainee given his number.
    return MemberRecords::deleteMembers(members);
}

void PeriodDeletion::deleteCashBook()
{
    db::Transaction tr;
    db::run(QStringLiteral("DELETE FROM T_금전출납 "));
    db::run(QStringLiteral("DELETE FROM T_금전출납마감  "));
    tr.commit();
}

int PeriodDeletion::deleteFees(const QDate& from, const QDate& to)
{
    db::Transaction tx;
    // The links of the rows going: a cash line belongs to the fee rows of its link paid on its own date.
    QList<std::pair<QString, QString>> links; // link, day
    {
        db::Query rows(QStringLiteral("SELECT DISTINCT 회원번호, 순번, 납부일자 FROM T_수련비납부 "
                                      "WHERE   납부일자 BETWEEN  :from납부일자 AND :to납부일자"));
        rows.bind({{QStringLiteral("from납부일자"), from}, {QStringLiteral("to납부일자"), to}}).open();
        while (rows.next())
            links.append({FeePayments::feeLink(rows.str(QStringLiteral("회원번호")), int(rows.integer(QStringLiteral("순번")))),
                          rows.str(QStringLiteral("납부일자"))});
    }
    db::Query q;
    q << "DELETE FROM T_수련비납부 "
      << "WHERE   납부일자 BETWEEN  :from납부일자 AND :to납부일자";
    const int deleted = q.bind({{QStringLiteral("from납부일자"), from}, {QStringLiteral("to납부일자"), to}}).exec();
    db::Query unlink(QStringLiteral("UPDATE T_금전출납 SET 수련비순번 = Null WHERE 일자 = :일자 AND 수련비순번 = :수련비순번"));
    for (const auto& [link, day] : std::as_const(links))
        unlink.bind({{QStringLiteral("일자"), day}, {QStringLiteral("수련비순번"), link}}).exec();
    tx.commit();
    return deleted;
}

int PeriodDeletion::deleteDailyStatus(const QDate& from, const QDate& to)
{
    db::Query q;
    q << "DELETE FROM T_일일현황 "
      << "WHERE   일자 BETWEEN  :from일자 AND :to일자";
    return q.bind({{QStringLiteral("from일자"), from}, {QStringLiteral("to일자"), to}}).exec();
}
