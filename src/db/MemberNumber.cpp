#include "db/MemberNumber.h"

#include "db/Concurrency.h"
#include "db/Clock.h"
#include "db/ProgramDir.h"
#include "db/Query.h"
#include "db/MemberRecords.h"

#include <QRegularExpression>
#include <QSet>

namespace {

// One branch of the search: the highest nine-character number of the month in a table, from a member
// number column or from a fee link "202405001-0003" of the cash book. The range lets the engine use the
// column's index; the pattern keeps only well-formed numbers.
QString highestIn(const QString& table, const QString& column)
{
    const bool link = column != QStringLiteral("회원번호");
    return QStringLiteral("SELECT Max(%1) AS top FROM %2 WHERE %3 >= :lo AND %3 < :hi AND %3 like %4")
        .arg(link ? QStringLiteral("Left(%1, 9)").arg(column) : column, table, column,
             link ? QStringLiteral(":link_num") : QStringLiteral(":month_num"));
}

} // namespace

QString MemberNumber::next(QString* error) { return next(Clock::today(), error); }

QString MemberNumber::next(const QDate& day, QString* error)
{
    const QString today = db::dateText(day);
    const QString prefix = today.mid(0, 4) + today.mid(5, 2);
    db::lockNumbers(QStringLiteral("회원번호"));

    // Every table that holds member numbers, searched by one statement.
    QStringList branches{highestIn(QStringLiteral("T_회원"), QStringLiteral("회원번호"))};
    for (const auto& t : MemberRecords::keyedTables()) {
        const QString name = QString::fromUtf8(t.name);
        if (db::tableExists(name))
            branches << highestIn(name, QStringLiteral("회원번호"));
    }
    // Fee links of the cash book outlive a deleted member's fee rows.
    if (db::tableExists(QStringLiteral("T_금전출납")))
        branches << highestIn(QStringLiteral("T_금전출납"), QStringLiteral("수련비순번"));
    const QString top = db::scalar(QStringLiteral("SELECT Max(top) FROM (") + branches.join(QStringLiteral(" UNION ALL "))
                                       + QStringLiteral(") AS numbers"),
                                   {{QStringLiteral("lo"), prefix + QStringLiteral("000")},
                                    {QStringLiteral("hi"), prefix + QStringLiteral("999~")},
                                    {QStringLiteral("month_num"), prefix + QStringLiteral("___")},
                                    {QStringLiteral("link_num"), prefix + QStringLiteral("___-%")}})
                            .toString();

    if (top.isEmpty())
        return prefix + QStringLiteral("001");
    const int serial = top.mid(6, 3).toInt() + 1;
    if (serial > 999) {
        if (error)
            *error = QStringLiteral("%1년 %2월에 발급할 수 있는 회원번호 999개를 모두 사용했습니다.\n"
                                    "다음 달에 다시 등록하거나 관리자에게 문의하세요.")
                         .arg(prefix.left(4), prefix.mid(4, 2));
        return QString();
    }
    return top.left(6) + QStringLiteral("%1").arg(serial, 3, 10, QChar(u'0'));
}

bool MemberNumber::isWellFormed(const QString& no)
{
    static const QRegularExpression re(QStringLiteral(R"(^\d{4}(0[1-9]|1[0-2])\d{3}$)"));
    return re.match(no).hasMatch();
}

QString MemberNumber::photoPath(const QString& no)
{
    return ProgramDir::file(QStringLiteral("images/") + no + QStringLiteral(".bmp"));
}
