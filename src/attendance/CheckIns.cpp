#include "attendance/CheckIns.h"

#include "db/Query.h"
#include "fees/FeeStatus.h"

#include <algorithm>
#include <map>

namespace CheckIns {

namespace {

const QString kSelect = QStringLiteral("SELECT a.회원번호, a.회원명, a.생년월일, a.퇴관일, a.휴관일, b.부명 "
                                       "FROM T_회원 a LEFT JOIN T_부별코드 b ON a.부별코드 = b.부별코드 ");

QString stamp(const QDateTime& at) { return at.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")); }

QDateTime fromStamp(const QString& t) { return QDateTime::fromString(t.left(19), QStringLiteral("yyyy-MM-dd hh:mm:ss")); }

Member memberOf(const db::Query& q)
{
    return {q.str(QStringLiteral("회원번호")), q.str(QStringLiteral("회원명")), q.str(QStringLiteral("부명")),
            db::dateText(q.date(QStringLiteral("생년월일"))),
            MemberStatus::stateOf(q.str(QStringLiteral("퇴관일")), q.str(QStringLiteral("휴관일")))};
}

bool allDigits(const QString& t)
{
    if (t.isEmpty())
        return false;
    for (QChar c : t)
        if (!c.isDigit())
            return false;
    return true;
}

Result refused(Outcome o, const Member& m)
{
    Result r;
    r.outcome = o;
    r.member = m;
    return r;
}

} // namespace

QString Result::message() const
{
    switch (outcome) {
    case Outcome::Nothing: return QString();
    case Outcome::Recorded: return QStringLiteral("%1님, 출석하였습니다.").arg(member.name);
    case Outcome::Repeat:
        return QStringLiteral("%1님은 %2에 이미 출석하였습니다.").arg(member.name, at.toString(QStringLiteral("hh:mm")));
    case Outcome::OnLeave: return QStringLiteral("%1님은 휴관 중입니다. 사무실에 말씀해 주세요.").arg(member.name);
    case Outcome::Withdrawn: return QStringLiteral("%1님은 퇴관한 회원입니다. 사무실에 말씀해 주세요.").arg(member.name);
    case Outcome::Unknown: return QStringLiteral("등록되지 않은 번호 또는 이름입니다.");
    case Outcome::Choose: return QStringLiteral("같은 이름이 %1명 있습니다. 자기 번호를 고르세요.").arg(namesakes.size());
    }
    return QString();
}

Result checkIn(const QString& typed, const QDateTime& at)
{
    const QString t = typed.trimmed();
    if (t.isEmpty())
        return {};
    if (allDigits(t))
        return checkInNumber(t, at, kByNumber);
    db::Query q(kSelect + QStringLiteral("WHERE a.회원명 = :name ORDER BY a.회원번호"));
    q.bind(QStringLiteral("name"), t).open();
    QList<Member> current, others;
    while (q.next()) {
        const Member m = memberOf(q);
        (m.state == MemberStatus::State::Active ? current : others).append(m);
    }
    if (current.size() == 1)
        return checkInNumber(current.first().no, at, kByName);
    if (current.size() > 1) {
        Result r;
        r.outcome = Outcome::Choose;
        r.namesakes = current;
        return r;
    }
    if (others.isEmpty())
        return refused(Outcome::Unknown, {});
    // Only members on leave or withdrawn carry the name: say why the first of them is not checked in.
    const Member& m = others.first();
    return refused(m.state == MemberStatus::State::OnLeave ? Outcome::OnLeave : Outcome::Withdrawn, m);
}

Result checkInNumber(const QString& memberNo, const QDateTime& at, const QString& how)
{
    if (!at.isValid())
        throw db::Error(QStringLiteral("출석 체크 일시가 올바르지 않습니다."), QString());
    if (how != kByNumber && how != kByName)
        throw db::Error(QStringLiteral("출석 체크 구분이 올바르지 않습니다: %1").arg(how), QString());
    db::Transaction tx;
    db::Query q(kSelect + QStringLiteral("WHERE a.회원번호 = :no"));
    q.bind(QStringLiteral("no"), memberNo.trimmed()).open();
    if (!q.next())
        return refused(Outcome::Unknown, {});
    const Member m = memberOf(q);
    if (m.state == MemberStatus::State::Withdrawn)
        return refused(Outcome::Withdrawn, m);
    if (m.state == MemberStatus::State::OnLeave)
        return refused(Outcome::OnLeave, m);
    // Another check-in less than ten minutes before or after this moment: shown, not stored again.
    const QString near = db::scalarText(QStringLiteral("SELECT Max(체크일시) FROM T_출석체크 WHERE 회원번호 = :no "
                                                       "AND 체크일시 > :from AND 체크일시 < :to"),
                                        {{"no", m.no},
                                         {"from", stamp(at.addSecs(-kRepeatMinutes * 60))},
                                         {"to", stamp(at.addSecs(kRepeatMinutes * 60))}});
    Result r;
    r.member = m;
    if (near != QStringLiteral("0")) {
        r.outcome = Outcome::Repeat;
        r.at = fromStamp(near);
        return r;
    }
    db::run(QStringLiteral("INSERT INTO T_출석체크 (회원번호, 체크일시, 구분) VALUES (:no, :at, :how)"),
            {{"no", m.no}, {"at", stamp(at)}, {"how", how}});
    tx.commit();
    r.outcome = Outcome::Recorded;
    r.at = at;
    return r;
}

Flags flagsOf(const QString& memberNo, const QDate& day)
{
    Flags f;
    db::Query q(QStringLiteral("SELECT 입관일, 수련비, 생년월일, 양력음력 FROM T_회원 WHERE 회원번호 = :no"));
    q.bind(QStringLiteral("no"), memberNo).open();
    if (!q.next())
        return f;
    const FeeStatus::Member fee{db::dateText(q.date(QStringLiteral("입관일"))), q.integer(QStringLiteral("수련비"))};
    f.unpaidMonths = FeeStatus::unpaid(fee, day, FeeStatus::paymentsOf(memberNo, FeeStatus::firstMonth(day), FeeStatus::lastMonth(day)))
                         .months.trimmed();
    // A lunar birthday falls on another solar day every year: only solar birthdays are flagged.
    const QDate born = q.date(QStringLiteral("생년월일"));
    f.birthday = born.isValid() && q.str(QStringLiteral("양력음력")).trimmed() != QStringLiteral("음") && born.month() == day.month()
                 && born.day() == day.day();
    const QString month = day.toString(QStringLiteral("yyyy-MM"));
    f.exam = db::scalar(QStringLiteral("SELECT Count(*) FROM T_심사 WHERE 회원번호 = :no AND Mid(심사일자, 1, 7) = :m"),
                        {{"no", memberNo}, {"m", month}})
                     .toInt()
                 > 0
             || db::scalar(QStringLiteral("SELECT Count(*) FROM T_국기원승품 WHERE 회원번호 = :no AND Mid(심사일자, 1, 7) = :m"),
                           {{"no", memberNo}, {"m", month}})
                        .toInt()
                    > 0;
    return f;
}

int recordMany(const QList<Entry>& entries)
{
    if (entries.isEmpty())
        return 0;
    struct Dates {
        QDate enrolled, withdrawn, leave;
    };
    db::Transaction tx;
    QHash<QString, Dates> members;
    {
        db::Query q(QStringLiteral("SELECT 회원번호, 입관일, 퇴관일, 휴관일 FROM T_회원"));
        q.open();
        while (q.next())
            members.insert(q.str(QStringLiteral("회원번호")),
                           {q.date(QStringLiteral("입관일")), q.date(QStringLiteral("퇴관일")), q.date(QStringLiteral("휴관일"))});
    }
    QDateTime first = entries.first().at, last = first;
    for (const Entry& e : entries) {
        if (!e.at.isValid())
            throw db::Error(QStringLiteral("출석 체크 일시가 올바르지 않습니다."), QString());
        first = std::min(first, e.at);
        last = std::max(last, e.at);
    }
    // The moments already stored near the batch, per member, in seconds.
    QHash<QString, std::map<qint64, bool>> taken;
    {
        db::Query q(QStringLiteral("SELECT 회원번호, 체크일시 FROM T_출석체크 WHERE 체크일시 > :from AND 체크일시 < :to"));
        q.bind({{"from", stamp(first.addSecs(-kRepeatMinutes * 60))}, {"to", stamp(last.addSecs(kRepeatMinutes * 60))}}).open();
        while (q.next())
            taken[q.str(QStringLiteral("회원번호"))][fromStamp(q.str(QStringLiteral("체크일시"))).toSecsSinceEpoch()] = true;
    }
    db::Query insert(QStringLiteral("INSERT INTO T_출석체크 (회원번호, 체크일시, 구분) VALUES (:no, :at, :how)"));
    int stored = 0;
    for (const Entry& e : entries) {
        const auto m = members.constFind(e.memberNo);
        if (m == members.constEnd())
            continue;
        const QDate day = e.at.date();
        if (!m->enrolled.isValid() || m->enrolled > day || (m->withdrawn.isValid() && m->withdrawn <= day)
            || (m->leave.isValid() && m->leave <= day))
            continue;
        std::map<qint64, bool>& times = taken[e.memberNo];
        const qint64 s = e.at.toSecsSinceEpoch();
        const auto after = times.upper_bound(s - kRepeatMinutes * 60);
        if (after != times.end() && after->first < s + kRepeatMinutes * 60)
            continue;
        times[s] = true;
        insert.bind({{"no", e.memberNo}, {"at", stamp(e.at)}, {"how", kByNumber}}).exec();
        ++stored;
    }
    tx.commit();
    return stored;
}

QSet<QString> membersOn(const QDate& day)
{
    QSet<QString> out;
    db::Query q(QStringLiteral("SELECT DISTINCT 회원번호 FROM T_출석체크 WHERE 체크일시 >= :d0 AND 체크일시 < :d1"));
    q.bind({{"d0", day}, {"d1", day.addDays(1)}}).open();
    while (q.next())
        out.insert(q.str(QStringLiteral("회원번호")));
    return out;
}

MonthAttendance monthOf(const QString& memberNo, int year, int month)
{
    const QDate from(year, month, 1);
    const db::Params range = {{"d0", from}, {"d1", from.addMonths(1)}, {"no", memberNo}};
    MonthAttendance a;
    a.daysCheckedIn = db::scalar(QStringLiteral("SELECT Count(*) FROM (SELECT DISTINCT Left(체크일시, 10) AS 일자 FROM T_출석체크 "
                                                "WHERE 회원번호 = :no AND 체크일시 >= :d0 AND 체크일시 < :d1) AS x"),
                                 range)
                          .toInt();
    a.daysOpen = db::scalar(QStringLiteral("SELECT Count(*) FROM (SELECT DISTINCT Left(체크일시, 10) AS 일자 FROM T_출석체크 "
                                           "WHERE 체크일시 >= :d0 AND 체크일시 < :d1) AS x"),
                            {{"d0", from}, {"d1", from.addMonths(1)}})
                     .toInt();
    return a;
}

} // namespace CheckIns
