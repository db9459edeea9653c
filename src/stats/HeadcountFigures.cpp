#include "stats/HeadcountFigures.h"

#include "db/JetSql.h"
#include "db/Query.h"
#include "db/MemberStatus.h"
#include "stats/MovementCounter.h"
#include "db/SchoolInfo.h"

#include <QHash>

namespace {

// 입관, 복관, 휴관, 퇴관 with the aliases of the page-1 selects and of the page-2 averages.
struct KindInfo {
    const char* column;
    const char* alias;
    const char* avgAlias;
};
const KindInfo kKinds[4] = {
    {"입관", "입", "Insum"}, {"복관", "복", "backsum"}, {"휴관", "휴", "restsum"}, {"퇴관", "퇴", "retsum"}};

QString mm(int month) { return QString::number(month).rightJustified(2, u'0'); }

QString avgText(double v) { return db::jet::format(v, "##0.#"); }

QString yearStart(int year) { return QStringLiteral("%1-01-01").arg(year, 4, 10, QChar(u'0')); }

// The twelve null-safe counters of one kind for one year; zeros when the year has no row.
HeadcountFigures::Months monthsOf(int year, int kind)
{
    db::Query q;
    q << "select ";
    for (int m = 1; m <= 12; ++m) {
        const QString col = QString::fromUtf8(kKinds[kind].column) + mm(m);
        q << QStringLiteral("iif(IsNull(%1), 0, %1) As %2%3%4").arg(col, QString::fromUtf8(kKinds[kind].alias)).arg(m).arg(m < 12 ? ", " : " ");
    }
    q << "from T_인원현황 " << "where 년도 = :inyear";
    q.bind("inyear", year).open();
    HeadcountFigures::Months out{};
    if (q.next())
        for (int m = 0; m < 12; ++m)
            out[m] = q.value(m).toLongLong();
    return out;
}

qint64 sum(const HeadcountFigures::Months& a)
{
    qint64 s = 0;
    for (qint64 v : a)
        s += v;
    return s;
}

QList<HeadcountFigures::Line> breakdown(const QString& sql)
{
    QList<HeadcountFigures::Line> out;
    db::Query q(sql);
    q.open();
    while (q.next())
        out.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toLongLong()});
    return out;
}

qint64 count(const QString& sql) { return db::scalar(sql).toLongLong(); }

struct ReasonInfo {
    const char* log;
    const char* dateCol;
    const char* codeCol;
    const char* codeTable;
    const char* tableCode;
    const char* tableName;
    const char* caption;
    const char* totalCaption;
};
const ReasonInfo& infoOf(HeadcountFigures::ReasonLog log)
{
    static const ReasonInfo infos[3] = {
        {"T_퇴관사유별현황", "퇴관일", "퇴관사유코드", "T_휴퇴사유", "휴퇴사유코드", "휴퇴사유", "퇴관사유별 현황", "총퇴관자 : "},
        {"T_휴관사유별현황", "휴관일", "휴관사유코드", "T_휴퇴사유", "휴퇴사유코드", "휴퇴사유", "휴관사유별 현황", "총휴관자 : "},
        {"T_입관동기별현황", "입관일", "입관동기코드", "T_입관동기", "사유코드", "사유명", "입관동기별 현황", "총입관원 : "},
    };
    return infos[log];
}

} // namespace

// --- Page 0 ---------------------------------------------------------------------------------------

HeadcountFigures::Overall HeadcountFigures::overall()
{
    // The "current" condition stands in the join: a code whose members have all withdrawn still shows, with 0.
    Overall o;
    const QString current = MemberStatus::notWithdrawn("T_회원");
    o.divisions = breakdown("SELECT T_부별코드.부별코드, T_부별코드.부명, Count(T_회원.부별코드) AS Expr1 "
                            "FROM T_회원 Right JOIN T_부별코드 ON T_회원.부별코드 = T_부별코드.부별코드 And " + current + " "
                            "GROUP BY T_부별코드.부명, T_부별코드.부별코드 Order By T_부별코드.부별코드");
    o.ranks = breakdown("SELECT T_급품코드.급품코드, T_급품코드.급품명, Count(T_회원.급품코드) AS Expr1 "
                        "FROM T_회원 Right JOIN T_급품코드 ON T_회원.급품코드 = T_급품코드.급품코드 And " + current + " "
                        "GROUP BY T_급품코드.급품명, T_급품코드.급품코드 Order By T_급품코드.급품코드");
    o.grades = breakdown("SELECT T_학년코드.학년코드, T_학년코드.학년, Count(T_회원.회원번호) AS Expr1 "
                         "FROM T_회원 Right JOIN T_학년코드 ON T_회원.학년 = T_학년코드.학년 And " + current + " "
                         "GROUP BY T_학년코드.학년, T_학년코드.학년코드 Order By T_학년코드.학년코드");
    o.male = count("select count(회원번호) from T_회원 where 성별 = '남' and " + MemberStatus::notWithdrawn());
    o.female = count("select count(회원번호) from T_회원 where 성별 = '여' and " + MemberStatus::notWithdrawn());
    o.onLeave = count("select count(회원번호) from T_회원 where " + MemberStatus::onLeave());
    o.withdrawn = count("select count(회원번호) from T_회원 where " + MemberStatus::withdrawn());
    o.returned = count("select count(회원번호) from T_회원 where " + MemberStatus::returned());
    return o;
}

qint64 HeadcountFigures::currentMembers()
{
    return count(" SELECT count(회원명) from T_회원   WHERE " + MemberStatus::notWithdrawn());
}

qint64 HeadcountFigures::motiveLogTotal() { return count("select Count(회원번호) from T_입관동기별현황"); }

QString HeadcountFigures::schoolName()
{
    return SchoolInfo::name();
}

// --- Page 1 ---------------------------------------------------------------------------------------

namespace {

// Ends of leaves of one kind ("복관" or "퇴관") before a date "YYYY-MM-DD".
qint64 leaveEndsBefore(const QString& kind, const QString& before)
{
    return db::scalar("select count(*) from T_휴관종료 where 종료구분 = :kind and 종료일 < :before",
                      {{"kind", kind}, {"before", before}})
        .toLongLong();
}

} // namespace

qint64 HeadcountFigures::cumulative(int year, bool withLeaves)
{
    db::Query q(" SELECT * from T_인원현황   WHERE 년도    <= :년도  ");
    q.bind("년도", year).open();
    qint64 total = 0;
    while (q.next())
        for (int m = 1; m <= 12; ++m) {
            total += q.value("입관" + mm(m)).toLongLong() + q.value("복관" + mm(m)).toLongLong()
                     - q.value("퇴관" + mm(m)).toLongLong();
            if (withLeaves)
                total -= q.value("휴관" + mm(m)).toLongLong();
        }
    q.close();
    // A withdrawal while on leave took the member out of training once already, at his leave; a return
    // from leave brings back a member who never stopped being one.
    const QString end = yearStart(year + 1);
    return withLeaves ? total + leaveEndsBefore(MovementCounter::kLeaveEndWithdrawal, end)
                      : total - leaveEndsBefore(MovementCounter::kLeaveEndReturn, end);
}

HeadcountFigures::YearMovement HeadcountFigures::yearMovement(int year)
{
    YearMovement y;
    y.in = monthsOf(year, 0);
    y.back = monthsOf(year, 1);
    y.leave = monthsOf(year, 2);
    y.out = monthsOf(year, 3);
    for (int m = 0; m < 12; ++m)
        y.net[m] = y.in[m] + y.back[m] - y.leave[m] - y.out[m];
    // Leaves ended by a withdrawal, by month: their withdrawal does not change the members training.
    Months leftOnLeave{};
    {
        db::Query q("select Mid(종료일, 6, 2) As m, count(*) As n from T_휴관종료 "
                    "where 종료구분 = :kind and 종료일 >= :from and 종료일 < :to group by Mid(종료일, 6, 2)");
        q.bind({{"kind", MovementCounter::kLeaveEndWithdrawal}, {"from", yearStart(year)}, {"to", yearStart(year + 1)}}).open();
        while (q.next())
            if (const int m = q.str("m").toInt(); m >= 1 && m <= 12)
                leftOnLeave[m - 1] = q.integer("n");
    }
    // December is everything up to the year's end; each earlier month takes off the next month's change.
    y.headcount[11] = cumulative(year, true);
    for (int m = 10; m >= 0; --m)
        y.headcount[m] = y.headcount[m + 1] - y.net[m + 1] - leftOnLeave[m + 1];
    return y;
}

QStringList HeadcountFigures::yearHeader()
{
    QStringList h{QString()};
    for (int m = 1; m <= 12; ++m)
        h << QString::number(m) + "월";
    h << "평균";
    return h;
}

QList<QStringList> HeadcountFigures::yearRows(int year)
{
    const YearMovement y = yearMovement(year);
    auto row = [](const QString& caption, const Months& v, bool average) {
        QStringList r{caption};
        for (qint64 n : v)
            r << QString::number(n);
        r << (average ? avgText(sum(v) / 12.0) : QString());
        return r;
    };
    const QStringList empty(14, QString());
    return {row("   입   관", y.in, true),   row("   복   관", y.back, true), row("   휴   관", y.leave, true),
            row("   퇴   관", y.out, true),  empty,                          row("   증   감", y.net, true),
            empty,                           empty,                          row("   현재원", y.headcount, false)};
}

// --- Page 2 ---------------------------------------------------------------------------------------

QStringList HeadcountFigures::comparisonYearCaptions(int year)
{
    QStringList out;
    for (int x = year - 2; x <= year; ++x)
        out << QString::number(x) + "       총원:  " + QString::number(cumulative(x, false));
    return out;
}

QStringList HeadcountFigures::comparisonHeader()
{
    QStringList h{"항목"};
    for (int i = 0; i < 3; ++i)
        h << "입 " << "복 " << "휴 " << "퇴 " << "증 " << QString();
    h << "입관" << "복관" << "휴관" << "퇴관" << "증감";
    return h;
}

QList<QStringList> HeadcountFigures::comparisonRows(int year)
{
    Months k[3][4];
    for (int i = 0; i < 3; ++i)
        for (int kind = 0; kind < 4; ++kind)
            k[i][kind] = monthsOf(year - 2 + i, kind);

    QList<QStringList> rows;
    for (int m = 0; m < 12; ++m) {
        QStringList r{QStringLiteral("%1 월").arg(m + 1, 3)};
        double avg[5] = {0, 0, 0, 0, 0};
        for (int i = 0; i < 3; ++i) {
            const qint64 change = k[i][0][m] + k[i][1][m] - k[i][3][m]; // leaves are not subtracted here
            for (int kind = 0; kind < 4; ++kind) {
                r << QString::number(k[i][kind][m]);
                avg[kind] += k[i][kind][m];
            }
            r << QString::number(change) << QString();
            avg[4] += change;
        }
        for (double a : avg)
            r << avgText(a / 3.0);
        rows << r;
    }
    rows << QStringList(24, QString());

    // Monthly averages of each year, computed and formatted by the database.
    QStringList r{" 평 균"};
    double avg[4] = {0, 0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        const int x = year - 2 + i;
        for (int kind = 0; kind < 4; ++kind) {
            db::Query q;
            q << "select Format((";
            for (int m = 1; m <= 12; ++m) {
                const QString col = QString::fromUtf8(kKinds[kind].column) + mm(m);
                q << QStringLiteral("iif(IsNull(%1), 0, %1)%2").arg(col, m < 12 ? " + " : "");
            }
            q << ") / :month, '##0.0') As " + QString::fromUtf8(kKinds[kind].avgAlias) << " from T_인원현황"
              << " Where 년도 >= :fYear and 년도  <= :tYear";
            // A real divisor: an integer one would divide without the fraction.
            q.bind({{"month", 12.0}, {"fYear", x}, {"tYear", x}}).open();
            const double v = q.next() ? q.value(0).toString().toDouble() : 0.0;
            r << QString::number(v);
            avg[kind] += v;
        }
        r << QString() << QString();
    }
    for (double a : avg)
        r << avgText(a / 3.0);
    r << QString();
    rows << r;
    return rows;
}

HeadcountFigures::YearSummary HeadcountFigures::yearSummary(int year)
{
    db::Query q;
    q << "select ";
    for (int kind = 0; kind < 4; ++kind) {
        QStringList terms;
        for (int m = 1; m <= 12; ++m)
            terms << QString::fromUtf8(kKinds[kind].column) + mm(m);
        q << terms.join(" + ") + " As " + QString::fromUtf8(kKinds[kind].column) + "원" + (kind < 3 ? ", " : " ");
    }
    q << "from T_인원현황" << " Where 년도 = :년도";
    q.bind("년도", year).open();
    QString v[4] = {"0", "0", "0", "0"};
    if (q.next())
        for (int kind = 0; kind < 4; ++kind)
            if (!q.value(kind).isNull())
                v[kind] = db::jet::format(q.value(kind), "#,##0");
    return {v[0], v[1], v[2], v[3]};
}

// --- Pages 3, 4, 5 --------------------------------------------------------------------------------

QString HeadcountFigures::reasonCaption(ReasonLog log) { return QString::fromUtf8(infoOf(log).caption); }
QString HeadcountFigures::reasonTotalCaption(ReasonLog log) { return QString::fromUtf8(infoOf(log).totalCaption); }

QList<HeadcountFigures::ReasonCode> HeadcountFigures::reasonCodes(ReasonLog log)
{
    const ReasonInfo& i = infoOf(log);
    db::Query q(QStringLiteral("select %1, %2 from %3 Order By %1").arg(i.tableCode, i.tableName, i.codeTable));
    q.open();
    QList<ReasonCode> out;
    while (q.next())
        out.append({q.value(0).toString(), q.value(1).toString()});
    return out;
}

qint64 HeadcountFigures::reasonLogTotal(ReasonLog log)
{
    return count(QStringLiteral("select Count(회원번호) from %1").arg(infoOf(log).log));
}

std::array<qint64, 3> HeadcountFigures::reasonYearCounts(ReasonLog log, int year)
{
    // Each year as a range of date texts, which the log's date index serves (Year() on every row does not).
    const ReasonInfo& i = infoOf(log);
    const QString t = QString::fromUtf8(i.log), d = QString::fromUtf8(i.dateCol);
    db::Query q;
    q << "select (select count(a.회원번호) from " + t + " a where a." + d + " >= :from1 and a." + d + " < :to1) As R1, "
      << "(select count(b.회원번호) from " + t + " b where b." + d + " >= :from2 and b." + d + " < :to2) As R2, "
      << "(select count(c.회원번호) from " + t + " c where c." + d + " >= :from3 and c." + d + " < :to3) As R3";
    for (int k = 1; k <= 3; ++k)
        q.bind(QStringLiteral("from%1").arg(k), yearStart(year - 3 + k)).bind(QStringLiteral("to%1").arg(k), yearStart(year - 2 + k));
    q.open();
    std::array<qint64, 3> out{0, 0, 0};
    if (q.next())
        for (int k = 0; k < 3; ++k)
            out[k] = q.value(k).toLongLong();
    return out;
}

QList<QStringList> HeadcountFigures::reasonRows(ReasonLog log, int year)
{
    const ReasonInfo& i = infoOf(log);
    const QList<ReasonCode> codes = reasonCodes(log);
    const QString d = QString::fromUtf8(i.dateCol);

    // Every reason over all years, then by month over the three years shown (a date range, which the
    // log's date index serves). Log rows whose reason is no longer a code are left out, as the join on
    // the code table does.
    QHash<QString, qint64> allYears;
    {
        db::Query q(QStringLiteral("SELECT a.%1 AS code, Count(*) AS n FROM %2 a GROUP BY a.%1").arg(i.codeCol, i.log));
        q.open();
        while (q.next())
            allYears[q.str("code")] = q.integer("n");
    }
    QHash<QString, QHash<int, qint64>> byCode; // code -> yyyymm -> count
    {
        db::Query q;
        q << QStringLiteral("SELECT a.%1 AS code, Mid(a.%2, 1, 4) AS y, Mid(a.%2, 6, 2) AS m, Count(*) AS n FROM %3 a "
                            "WHERE a.%2 >= :from AND a.%2 < :to GROUP BY a.%1, Mid(a.%2, 1, 4), Mid(a.%2, 6, 2)")
                 .arg(i.codeCol, d, i.log);
        q.bind({{"from", yearStart(year - 2)}, {"to", yearStart(year + 1)}}).open();
        while (q.next())
            byCode[q.str("code")][q.str("y").toInt() * 100 + q.str("m").toInt()] += q.integer("n");
    }
    auto counts = [&](const QString& caption, int y, int month) {
        QStringList r{caption};
        for (const ReasonCode& c : codes) {
            if (!y) {
                r << QString::number(allYears.value(c.code));
                continue;
            }
            qint64 n = 0;
            const QHash<int, qint64> months = byCode.value(c.code);
            for (auto it = months.constBegin(); it != months.constEnd(); ++it)
                if (it.key() / 100 == y && (!month || it.key() % 100 == month))
                    n += it.value();
            r << QString::number(n);
        }
        return r;
    };
    const QStringList empty(codes.size() + 1, QString());

    QList<QStringList> rows;
    rows << counts("전  체", 0, 0) << empty;
    for (int x = year - 2; x <= year; ++x)
        rows << counts(QString::number(x) + " 년", x, 0);
    rows << empty;
    for (int m = 1; m <= 12; ++m)
        rows << counts(QString::number(m) + " 월", year, m);
    return rows;
}
