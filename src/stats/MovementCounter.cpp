#include "stats/MovementCounter.h"

#include <QSet>
#include <algorithm>

#include "db/Query.h"

namespace {

const char* kindName(MovementCounter::Kind kind)
{
    switch (kind) {
    case MovementCounter::Enrolment: return "입관";
    case MovementCounter::Return: return "복관";
    case MovementCounter::Leave: return "휴관";
    case MovementCounter::Withdrawal: return "퇴관";
    }
    return "";
}

void requireDate(const QDate& date)
{
    if (!date.isValid())
        throw MovementRefused(QStringLiteral("일자를 확인하세요."));
}

// The member's state as his row shows it now.
struct MemberState {
    bool found = false;
    bool withdrawn = false;
    bool onLeave = false;
};

MemberState stateOf(const QString& memberNo)
{
    db::Query q("select 퇴관일, 휴관일 from T_회원 where 회원번호 = :회원번호");
    q.bind("회원번호", memberNo).open();
    MemberState s;
    if (q.next()) {
        s.found = true;
        s.withdrawn = !q.isNull("퇴관일") && !q.str("퇴관일").trimmed().isEmpty();
        s.onLeave = !q.isNull("휴관일") && !q.str("휴관일").trimmed().isEmpty();
    }
    return s;
}

MemberState requireMember(const QString& memberNo)
{
    const MemberState s = stateOf(memberNo);
    if (!s.found)
        throw MovementRefused(QStringLiteral("회원번호 %1 의 회원 자료가 없습니다.").arg(memberNo));
    return s;
}

void logWithdrawal(const QString& memberNo, const QDate& date, const QString& reasonCode)
{
    db::Query q;
    q << "insert into T_퇴관사유별현황 " << "(회원번호, 퇴관일, 퇴관사유코드) " << "values (:회원번호, :퇴관일, :퇴관사유코드) ";
    q.bind({{"회원번호", memberNo}, {"퇴관일", db::dateText(date)}, {"퇴관사유코드", reasonCode}});
    q.exec();
}

void logLeaveEnd(const QString& memberNo, const QDate& date, const QString& kind)
{
    db::run("insert into T_휴관종료 (회원번호, 종료일, 종료구분) values (:회원번호, :종료일, :종료구분)",
            {{"회원번호", memberNo}, {"종료일", db::dateText(date)}, {"종료구분", kind}});
}

} // namespace

QString MovementCounter::column(Kind kind, int month)
{
    return QString::fromUtf8(kindName(kind)) + QString::number(month).rightJustified(2, u'0');
}

void MovementCounter::ensureYear(int year)
{
    // The row starts with every counter at 0 (column defaults), so later increments add to 0.
    const qint64 cnt = db::scalar("select count(년도) As cnt from T_인원현황 where 년도 = " + QString::number(year)).toLongLong();
    if (cnt == 0)
        db::run("Insert Into T_인원현황 (년도) Values (" + QString::number(year) + ")");
}

void MovementCounter::increment(Kind kind, const QDate& date)
{
    requireDate(date);
    db::Transaction tx;
    ensureYear(date.year());
    const QString col = column(kind, date.month());
    db::Query q;
    q << "Update T_인원현황 " << "Set " + col << " = " + col << "+ 1 " << "where 년도 = " + QString::number(date.year());
    q.exec();
    tx.commit();
}

int MovementCounter::recount(Kind kind, int year, int month)
{
    if (kind != Leave && kind != Withdrawal)
        throw MovementRefused(QStringLiteral("입관과 복관은 다시 셀 수 없습니다."));
    db::Transaction tx;
    const int n = logged(kind, year, month);
    ensureYear(year);
    db::run("Update T_인원현황 Set " + column(kind, month) + " = " + QString::number(n) + " where 년도 = " + QString::number(year));
    tx.commit();
    return n;
}

int MovementCounter::logged(Kind kind, int year, int month)
{
    if (kind != Leave && kind != Withdrawal)
        throw MovementRefused(QStringLiteral("입관과 복관은 다시 셀 수 없습니다."));
    const QString table = kind == Leave ? "T_휴관사유별현황" : "T_퇴관사유별현황";
    const QString dateCol = kind == Leave ? "휴관일" : "퇴관일";
    const QString monthText = QStringLiteral("%1-%2%").arg(year, 4, 10, QChar(u'0')).arg(month, 2, 10, QChar(u'0'));
    return db::scalar("select count(*) As cnt from " + table + " where MID(" + dateCol + ",1,7) LIKE :date ",
                      {{"date", monthText}})
        .toInt();
}

QStringList MovementCounter::counterFaults(int* checked)
{
    // Every year that has counters or log rows.
    QSet<int> years;
    {
        db::Query q("select 년도 from T_인원현황");
        q.open();
        while (q.next())
            years.insert(int(q.integer("년도")));
    }
    for (const QString& sql : {QStringLiteral("select distinct MID(휴관일,1,4) As y from T_휴관사유별현황"),
                              QStringLiteral("select distinct MID(퇴관일,1,4) As y from T_퇴관사유별현황")}) {
        db::Query q(sql);
        q.open();
        while (q.next())
            if (const int y = q.str("y").toInt(); y > 0)
                years.insert(y);
    }
    QList<int> sorted = years.values();
    std::sort(sorted.begin(), sorted.end());
    if (checked)
        *checked = int(sorted.size());
    QStringList faults;
    for (const int year : std::as_const(sorted)) {
        for (const Kind kind : {Leave, Withdrawal}) {
            for (int month = 1; month <= 12; ++month) {
                const qint64 stored = counter(year, kind, month);
                const int n = logged(kind, year, month);
                if (stored != n)
                    faults << QStringLiteral("%1년 %2월 %3 : 인원현황 %4명, 기록 %5명")
                                  .arg(year)
                                  .arg(month)
                                  .arg(QString::fromUtf8(kindName(kind)))
                                  .arg(stored)
                                  .arg(n);
            }
        }
    }
    return faults;
}

qint64 MovementCounter::counter(int year, Kind kind, int month)
{
    return db::scalar("select iif(IsNull(" + column(kind, month) + "), 0, " + column(kind, month)
                      + ") from T_인원현황 where 년도 = " + QString::number(year))
        .toLongLong();
}

void MovementCounter::countEnrolment(const QString& memberNo, const QDate& enrolDate, const QString& motiveCode)
{
    requireDate(enrolDate);
    db::Transaction tx;
    if (!motiveCode.trimmed().isEmpty()) {
        db::Query q;
        q << "Insert Into T_입관동기별현황 " << "(회원번호, 입관일, 입관동기코드) " << "Values ( :회원번호, :입관일, :동기코드 )";
        q.bind({{"회원번호", memberNo}, {"입관일", db::dateText(enrolDate)}, {"동기코드", motiveCode.trimmed()}});
        q.exec();
    }
    increment(Enrolment, enrolDate);
    tx.commit();
}

void MovementCounter::countWithdrawal(const QString& memberNo, const QDate& date, const QString& reasonCode)
{
    requireDate(date);
    if (reasonCode.trimmed().isEmpty())
        throw MovementRefused(QStringLiteral("퇴관사유를 선택하세요."));
    const MemberState s = requireMember(memberNo);
    if (s.withdrawn)
        throw MovementRefused(QStringLiteral("이미 퇴관한 회원입니다."));
    db::Transaction tx;
    logWithdrawal(memberNo, date, reasonCode.trimmed());
    recount(Withdrawal, date.year(), date.month());
    if (s.onLeave)
        logLeaveEnd(memberNo, date, kLeaveEndWithdrawal); // the leave already took him out of training
    tx.commit();
}

void MovementCounter::countLeave(const QString& memberNo, const QDate& date, const QString& reasonCode)
{
    requireDate(date);
    if (reasonCode.trimmed().isEmpty())
        throw MovementRefused(QStringLiteral("휴관사유를 선택하세요."));
    const MemberState s = requireMember(memberNo);
    if (s.withdrawn)
        throw MovementRefused(QStringLiteral("퇴관한 회원은 휴관처리할 수 없습니다."));
    if (s.onLeave)
        throw MovementRefused(QStringLiteral("이미 휴관중인 회원입니다."));
    db::Transaction tx;
    db::Query q;
    q << "insert into T_휴관사유별현황 " << "(회원번호, 휴관일, 휴관사유코드) " << "values (:회원번호, :휴관일, :휴관사유코드) ";
    q.bind({{"회원번호", memberNo}, {"휴관일", db::dateText(date)}, {"휴관사유코드", reasonCode.trimmed()}});
    q.exec();
    recount(Leave, date.year(), date.month());
    tx.commit();
}

void MovementCounter::countReturnFromLeave(const QString& memberNo, const QDate& date)
{
    requireDate(date);
    const MemberState s = requireMember(memberNo);
    if (s.withdrawn || !s.onLeave)
        throw MovementRefused(QStringLiteral("휴관중인 회원이 아닙니다."));
    db::Transaction tx;
    increment(Return, date);
    logLeaveEnd(memberNo, date, kLeaveEndReturn);
    tx.commit();
}

void MovementCounter::countReturnAfterWithdrawal(const QString& memberNo, const QDate& date)
{
    requireDate(date);
    const MemberState s = requireMember(memberNo);
    if (!s.withdrawn)
        throw MovementRefused(QStringLiteral("퇴관한 회원이 아닙니다."));
    increment(Return, date);
}

bool MovementCounter::countDeletion(const QString& memberNo, const QDate& date)
{
    requireDate(date);
    const MemberState s = requireMember(memberNo);
    if (s.withdrawn)
        return false;
    countWithdrawal(memberNo, date, kDeletedReason);
    return true;
}
