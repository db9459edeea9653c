#include "members/Retirement.h"

#include "db/CodeTables.h"
#include "db/Query.h"
#include "db/MemberRecords.h"
#include "db/MemberStatus.h"
#include "stats/HeadcountFigures.h"
#include "stats/MovementCounter.h"

namespace {

// The columns every list shows. The division and the reason are left joins: a member whose division
// or reason code was since removed from its code table is still listed.
const char* kSelectPage0 = "SELECT a.회원번호, a.회원명, a.입관일, a.퇴관일, a.휴관일, "
                           " a.생년월일, a.성별, b.부명, a.전화번호, "
                           " T_휴퇴사유.휴퇴사유코드 & ') ' & T_휴퇴사유.휴퇴사유 AS Reason ";

void addName(db::Query& q, const Retirement::Filter& f)
{
    q << "Where a.회원명 like :name ";
    q.bind("name", f.name.trimmed() + u'%');
}

void addDivision(db::Query& q, const Retirement::Filter& f)
{
    if (f.division)
        f.division(q);
}

// Reads the lines of pages 0 and 1; `dayColumn` is the date the line shows.
QList<Retirement::Line> readReasonLines(db::Query& q, const QString& dayColumn, const QString& sinceColumn)
{
    QList<Retirement::Line> lines;
    q.open();
    while (q.next()) {
        Retirement::Line l;
        l.memberNo = q.str("회원번호");
        l.name = q.str("회원명");
        l.enrolDate = q.str("입관일");
        l.day = q.str(dayColumn);
        l.since = q.str(sinceColumn);
        l.birthDate = q.str("생년월일");
        l.sex = q.str("성별");
        l.division = q.str("부명");
        l.phone = q.str("전화번호");
        l.reason = q.str("Reason"); // ") " when the member has no reason: "&" reads null as empty text
        lines << l;
    }
    return lines;
}

QDate lineDate(const Retirement::Line& l)
{
    const QDate d = db::parseDate(l.day);
    if (!d.isValid())
        throw MovementRefused(QStringLiteral("%1 (%2) 회원의 일자를 확인하세요.").arg(l.name, l.memberNo));
    return d;
}

void requireDate(const QDate& d)
{
    if (!d.isValid())
        throw MovementRefused(QStringLiteral("일자를 확인하세요."));
}

// The member update of a withdrawal; the page-1 batch writes the same columns.
void writeWithdrawal(const QString& memberNo, const QDate& date, const QString& code)
{
    db::Query q;
    q << "update T_회원 "
      << "set "
      << "퇴관일 = :퇴관일, "
      << "최종퇴관일 = :퇴관일, "
      << "퇴관사유코드 = Left(:Reason, 2), "
      << "최종퇴관사유코드= Left(:Reason, 2), "
      << "휴관일 = Null, "
      << "휴관사유코드 = '' "
      << "where "
      << "회원번호 = :OLD_회원번호";
    q.bind({{"퇴관일", db::dateText(date)}, {"Reason", code}, {"OLD_회원번호", memberNo}});
    q.exec();
}

} // namespace

QStringList Retirement::reasonItems()
{
    QStringList items;
    db::Query q("select * from T_휴퇴사유 order by 휴퇴사유코드");
    q.open();
    while (q.next())
        items << codes::itemText(q.str("휴퇴사유코드"), q.str("휴퇴사유"), QStringLiteral(" "));
    return items;
}

QString Retirement::codeOf(const QString& reasonText)
{
    return codes::codeOf(reasonText).trimmed();
}

bool Retirement::hasReason(const QString& reasonText)
{
    return !codeOf(reasonText).isEmpty();
}

QList<Retirement::Line> Retirement::withdrawalCandidates(const Filter& f, const QDate& eventDate)
{
    db::Query q;
    q << kSelectPage0
      << " FROM (T_회원 AS a LEFT JOIN T_부별코드 AS b ON a.부별코드 = b.부별코드) LEFT JOIN T_휴퇴사유 "
      << " ON a.퇴관사유코드 = T_휴퇴사유.휴퇴사유코드 ";
    addName(q, f);
    q << "And " + MemberStatus::notWithdrawn("a") + " "
      << "And Mid(입관일, 1, 7) <= :month1 ";
    q.bind("month1", db::dateText(eventDate).left(7));
    addDivision(q, f);
    q << "ORDER BY a.퇴관일, a.회원명 ";
    return readReasonLines(q, "퇴관일", "퇴관일");
}

QList<Retirement::Line> Retirement::leaveCandidates(const Filter& f, const QDate& eventDate)
{
    db::Query q;
    q << "SELECT a.회원번호, a.회원명, a.입관일, a.휴관일, "
      << "a.생년월일, a.성별,b.부명, a.전화번호, "
      << "T_휴퇴사유.휴퇴사유코드 & ') ' & T_휴퇴사유.휴퇴사유 AS Reason "
      << " FROM (T_회원 AS a LEFT JOIN T_부별코드 AS b ON a.부별코드 = b.부별코드) LEFT JOIN T_휴퇴사유 "
      << " ON a.휴관사유코드 = T_휴퇴사유.휴퇴사유코드 ";
    addName(q, f);
    // Only members who train: a withdrawn member (even one who once returned and withdrew again) is
    // not put on leave.
    q << "And " + MemberStatus::active("a") + " "
      << "And Mid(입관일, 1, 7) <= :month1 ";
    q.bind("month1", db::dateText(eventDate).left(7));
    addDivision(q, f);
    q << "ORDER BY a.휴관일, a.회원명 ";
    return readReasonLines(q, "휴관일", "휴관일");
}

QList<Retirement::Line> Retirement::returnCandidates(const Filter& f, ReturnKind kind)
{
    const bool out = kind == FromWithdrawal;
    const QString dayCol = out ? "퇴관일" : "휴관일";
    const QString codeCol = out ? "퇴관사유코드" : "휴관사유코드";
    db::Query q;
    q << "SELECT a.회원번호, a.회원명, T_부별코드.부명,a.입관일, "
      << "a." + dayCol + " As theDay, a.생년월일, a.성별, "
      << " a.전화번호, T_휴퇴사유.휴퇴사유, "
      << "a." + codeCol + " As Reason, "
      << "'0' As [Check] " // a keyword to SQLite: bracketed
      << "FROM (T_회원 AS a LEFT JOIN T_부별코드 ON a.부별코드= T_부별코드.부별코드) "
      << "LEFT JOIN T_휴퇴사유 ON a." + codeCol + " = T_휴퇴사유.휴퇴사유코드 ";
    addName(q, f);
    q << "And " + (out ? MemberStatus::withdrawn("a") : MemberStatus::onLeave("a")) + " ";
    addDivision(q, f);
    q << "ORDER BY a." + dayCol + ", a.회원명 ";
    QList<Line> lines;
    q.open();
    while (q.next()) {
        Line l;
        l.memberNo = q.str("회원번호");
        l.name = q.str("회원명");
        l.enrolDate = q.str("입관일");
        l.day = q.str("theDay");
        l.since = l.day;
        l.birthDate = q.str("생년월일");
        l.sex = q.str("성별");
        l.division = q.str("부명");
        l.phone = q.str("전화번호");
        l.reason = q.str("휴퇴사유");
        l.reasonCode = q.str("Reason");
        lines << l;
    }
    return lines;
}

QList<Retirement::Line> Retirement::withdrawnMembers(const Filter& f, bool byPeriod, const QDate& from, const QDate& to)
{
    db::Query q;
    q << kSelectPage0
      << " FROM (T_회원 AS a LEFT JOIN T_부별코드 AS b ON a.부별코드 = b.부별코드) LEFT JOIN T_휴퇴사유 "
      << " ON a.퇴관사유코드 = T_휴퇴사유.휴퇴사유코드 ";
    addName(q, f);
    addDivision(q, f);
    if (byPeriod) {
        q << "And (a.퇴관일 between :fromdate and :todate) ";
        q.bind({{"fromdate", db::dateText(from)}, {"todate", db::dateText(to)}});
    } else {
        q << "And " + MemberStatus::withdrawn("a") + " ";
    }
    q << "ORDER BY a.퇴관일, a.회원명 ";
    return readReasonLines(q, "퇴관일", "퇴관일");
}

QList<Retirement::Line> Retirement::membersOnLeave(const Filter& f, bool byPeriod, const QDate& from, const QDate& to)
{
    db::Query q;
    q << "SELECT a.회원번호, a.회원명, a.입관일, a.휴관일, a.퇴관일, "
      << "a.생년월일, a.성별,b.부명, a.전화번호, "
      << "T_휴퇴사유.휴퇴사유코드 & ') ' & T_휴퇴사유.휴퇴사유 AS Reason "
      << " FROM (T_회원 AS a LEFT JOIN T_부별코드 AS b ON a.부별코드 = b.부별코드) LEFT JOIN T_휴퇴사유 "
      << " ON a.휴관사유코드 = T_휴퇴사유.휴퇴사유코드 ";
    addName(q, f);
    addDivision(q, f);
    q << "And " + MemberStatus::onLeave("a") + " ";
    if (byPeriod) {
        q << "And (a.휴관일 between :fromdate and :todate) ";
        q.bind({{"fromdate", db::dateText(from)}, {"todate", db::dateText(to)}});
    }
    q << "ORDER BY a.휴관일, a.회원명 ";
    // The leave-period listing shows the withdrawal date under "퇴관일" (empty until withdrawn).
    return readReasonLines(q, byPeriod ? "퇴관일" : "휴관일", "휴관일");
}

void Retirement::chooseReason(Line& line, const QString& reasonText, const QDate& eventDate)
{
    line.reason = reasonText;
    line.chosen = hasReason(reasonText);
    line.day = line.chosen ? db::dateText(eventDate) : line.since; // choosing the empty entry undoes it
}

void Retirement::setChecked(Line& line, bool checked)
{
    line.checked = checked;
    if (checked) {
        line.day.clear();
        line.reasonCode.clear();
    } else {
        line.day = line.since;
    }
}

int Retirement::withdraw(const QList<Line>& lines)
{
    db::Transaction tx;
    int n = 0;
    for (const Line& l : lines) {
        if (!l.chosen || !hasReason(l.reason))
            continue; // a line without a chosen reason is never written
        const QDate d = lineDate(l);
        const QString code = codeOf(l.reason);
        MovementCounter::countWithdrawal(l.memberNo, d, code); // log row, 퇴관 recount (and his leave's end)
        writeWithdrawal(l.memberNo, d, code);
        ++n;
    }
    tx.commit();
    return n;
}

int Retirement::leave(const QList<Line>& lines)
{
    db::Transaction tx;
    int n = 0;
    for (const Line& l : lines) {
        if (!l.chosen || !hasReason(l.reason))
            continue;
        const QDate d = lineDate(l);
        const QString code = codeOf(l.reason);
        MovementCounter::countLeave(l.memberNo, d, code);
        db::Query q;
        q << "update T_회원 "
          << "set "
          << "휴관일 = :휴관일, "
          << "휴관사유코드 = Left(:Reason, 2), "
          << "최종휴관사유코드 = Left(:Reason, 2), "
          << "최종휴관일 = :휴관일 "
          << "where "
          << "회원번호 = :OLD_회원번호";
        q.bind({{"휴관일", db::dateText(d)}, {"Reason", code}, {"OLD_회원번호", l.memberNo}});
        q.exec();
        ++n;
    }
    tx.commit();
    return n;
}

int Retirement::giveReturn(const QList<Line>& lines, ReturnKind kind, const QDate& date)
{
    requireDate(date);
    const bool out = kind == FromWithdrawal;
    const QString D = db::dateText(date);
    db::Transaction tx;
    int n = 0;
    for (const Line& l : lines) {
        if (!l.checked)
            continue; // unticked lines are not changed
        // A return before the withdrawal or leave would give an enrolment date inside the absence.
        if (!l.since.isEmpty() && D < l.since.left(10))
            throw MovementRefused(QStringLiteral("%1 (%2) 회원의 복관일자가 %3(%4)보다 빠릅니다.")
                                      .arg(l.name, l.memberNo, out ? QStringLiteral("퇴관일") : QStringLiteral("휴관일"),
                                           l.since.left(10)));
        db::Query q;
        if (out) {
            MovementCounter::countReturnAfterWithdrawal(l.memberNo, date);
            q << "update T_회원 "
              << "Set 퇴관일 = :theDay, "
              << "복관일퇴 = :D , "
              << "입관일 = :D , "
              << "퇴관사유코드 = Left(:Reason, 2) "
              << "where 회원번호 = :OLD_회원번호 ";
        } else {
            MovementCounter::countReturnFromLeave(l.memberNo, date);
            q << "update T_회원 "
              << "Set 휴관일 = :theDay, "
              << "복관일휴 = :D , "
              << "입관일 = :D , "
              << "휴관사유코드 = Left(:Reason, 2) "
              << "where 회원번호 = :OLD_회원번호 ";
        }
        // The ticked line's date and reason are cleared: the status date becomes null, the reason empty.
        q.bind({{"theDay", QVariant()}, {"D", D}, {"Reason", QString("")}, {"OLD_회원번호", l.memberNo}});
        q.exec();
        ++n;
    }
    tx.commit();
    return n;
}

int Retirement::withdrawOnLeave(const QList<Line>& lines, const QDate& date)
{
    requireDate(date);
    db::Transaction tx;
    int n = 0;
    for (const Line& l : lines) {
        if (!hasReason(l.reason))
            continue;
        const QString code = codeOf(l.reason);
        MovementCounter::countWithdrawal(l.memberNo, date, code);
        // The latest withdrawal and its reason are kept as for any other withdrawal.
        writeWithdrawal(l.memberNo, date, code);
        ++n;
    }
    tx.commit();
    return n;
}

void Retirement::deleteWithdrawn(const QString& memberNo)
{
    const QString out = db::scalarText("select 퇴관일 from T_회원 where 회원번호 = :no", {{"no", memberNo}});
    if (out.isEmpty() || out == QStringLiteral("0"))
        throw MovementRefused(QStringLiteral("퇴관한 회원이 아닙니다."));
    // He left the figures when he withdrew: the deletion counts nothing more.
    MemberRecords::deleteMember(memberNo);
}

qint64 Retirement::currentMembers()
{
    return HeadcountFigures::currentMembers();
}
