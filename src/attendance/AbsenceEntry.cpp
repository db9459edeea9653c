#include "attendance/AbsenceEntry.h"

#include "attendance/Absences.h"
#include "attendance/CheckIns.h"
#include "db/Query.h"

namespace {

const QString kMembers = QStringLiteral(
    "SELECT T_회원.회원번호, T_회원.회원명, "
    " T_급품코드.급품명, T_부별코드.부명, T_회원.전화번호, "
    " T_결석.비고, T_결석.결석일자, T_결석.결석일자 AS 결석일자1, "
    " T_결석.결석사유코드, T_결석사유.결석사유, T_결석.비고2, "
    " T_회원.학년, T_회원.반 "
    " FROM (((T_회원 LEFT JOIN T_급품코드 ON T_회원.급품코드 = T_급품코드.급품코드) "
    "LEFT JOIN T_부별코드 ON T_회원.부별코드 = T_부별코드.부별코드) ");

} // namespace

QStringList AbsenceEntry::noteChoices()
{
    return {QStringLiteral("본인"), QStringLiteral("부모"), QStringLiteral("친척"), QStringLiteral("기타")};
}

void AbsenceEntry::open(const QString& sql, const Filter& f, db::Params dates)
{
    db::Query q(sql);
    q.add(f.division.sql);
    q.add(QStringLiteral("And T_회원.회원명 LIKE :name ESCAPE '\\' "
                         "And (퇴관일 is null and 휴관일 is null) "));
    if (m_day.isValid())
        q.add(QStringLiteral("And T_회원.입관일 <= :FromDate "));
    q.add(QStringLiteral("Order By T_부별코드.부명,T_회원.회원명"));
    q.bind(dates);
    q.bind({{"name", db::likeLiteral(f.name.trimmed()) + u'%'}, {"buCode", f.division.buCode}});
    if (!f.division.buCode1.isEmpty())
        q.bind(QStringLiteral("buCode1"), f.division.buCode1);
    q.open();
    QList<Line> lines;
    while (q.next()) {
        Line l;
        l.memberNo = q.str(QStringLiteral("회원번호"));
        l.name = q.str(QStringLiteral("회원명"));
        l.rank = q.str(QStringLiteral("급품명"));
        l.division = q.str(QStringLiteral("부명"));
        l.phone = q.str(QStringLiteral("전화번호"));
        l.year = q.str(QStringLiteral("학년"));
        l.klass = q.str(QStringLiteral("반"));
        l.stored = q.date(QStringLiteral("결석일자1"));
        if (l.stored.isValid()) {
            l.date = l.stored;
            l.note = q.str(QStringLiteral("비고"));
            l.reason = Absences::reasonItem(q.str(QStringLiteral("결석사유코드")), q.str(QStringLiteral("결석사유")));
            l.storedReason = l.reason;
            l.storedNote = l.note;
        }
        lines.append(l);
    }
    m_lines = lines;
    m_saved = lines;
    m_deleted.clear();
}

void AbsenceEntry::generate(const Filter& f, const QDate& day)
{
    m_day = day;
    // Every member once: only that day's absence is joined to his line.
    open(kMembers + QStringLiteral("LEFT JOIN (T_결석 LEFT JOIN T_결석사유 ON T_결석.결석사유코드 = T_결석사유.결석사유코드) "
                                   "ON T_회원.회원번호 = T_결석.회원번호 AND T_결석.결석일자 = :FromDate) "
                                   "WHERE 1 = 1 "),
         f, {{"FromDate", day}});
    m_state = State::Entering;
}

void AbsenceEntry::listPeriod(const Filter& f, const QDate& from, const QDate& to)
{
    m_day = QDate();
    open(kMembers + QStringLiteral("INNER JOIN (T_결석 LEFT JOIN T_결석사유 ON T_결석.결석사유코드 = T_결석사유.결석사유코드) "
                                   "ON T_회원.회원번호 = T_결석.회원번호) "
                                   "WHERE T_결석.결석일자 BETWEEN :Fromday AND :ToDay "),
         f, {{"Fromday", from}, {"ToDay", to}});
    m_state = State::Shown;
}

void AbsenceEntry::beginCorrection()
{
    if (m_state == State::Shown)
        m_state = State::Correcting;
}

void AbsenceEntry::setReason(int i, const QString& reasonText)
{
    if (!editing() || i < 0 || i >= count())
        return;
    Line& l = m_lines[i];
    l.reason = Absences::holdsReason(reasonText) ? reasonText : QString();
    if (!l.stored.isValid())
        l.date = l.reason.isEmpty() ? QDate() : m_day;
}

int AbsenceEntry::proposeFromCheckIns(const QString& reasonText)
{
    if (m_state != State::Entering || !m_day.isValid() || !Absences::holdsReason(reasonText))
        return 0;
    const QSet<QString> came = CheckIns::membersOn(m_day);
    int proposed = 0;
    for (int i = 0; i < count(); ++i) {
        const Line& l = m_lines[i];
        if (l.stored.isValid() || !l.reason.isEmpty() || came.contains(l.memberNo))
            continue;
        setReason(i, reasonText);
        ++proposed;
    }
    return proposed;
}

void AbsenceEntry::setNote(int i, const QString& note)
{
    if (editing() && i >= 0 && i < count())
        m_lines[i].note = note;
}

void AbsenceEntry::removeLine(int i)
{
    if (m_state == State::Idle || i < 0 || i >= count())
        return;
    if (m_lines[i].stored.isValid())
        m_deleted.append(m_lines[i]);
    m_lines.removeAt(i);
    if (m_state == State::Shown)
        m_state = State::Correcting;
}

bool AbsenceEntry::confirm(QString* error)
{
    if (!editing())
        return false;
    QList<Line> kept;
    try {
        db::Transaction tx;
        for (const Line& l : std::as_const(m_lines)) {
            const Absences::Entry e{l.memberNo, l.stored.isValid() ? l.stored : m_day, l.reason, l.note};
            if (!l.stored.isValid()) {
                if (l.reason.isEmpty() || !m_day.isValid())
                    continue; // a line without absence is dropped
                Absences::add(e);
            } else if (l.reason.isEmpty()) {
                Absences::remove(l.memberNo, l.stored); // its reason was cleared
                continue;
            } else if (l.reason != l.storedReason || l.note != l.storedNote) {
                Absences::correct(l.memberNo, l.stored, e);
            }
            kept.append(l);
        }
        for (const Line& l : std::as_const(m_deleted))
            Absences::remove(l.memberNo, l.stored);
        tx.commit();
    } catch (const db::Error& e) {
        if (error)
            *error = e.message();
        return false;
    }
    for (Line& l : kept) {
        if (!l.stored.isValid())
            l.stored = l.date;
        l.storedReason = l.reason;
        l.storedNote = l.note;
    }
    m_lines = kept;
    m_saved = kept;
    m_deleted.clear();
    m_state = State::Shown;
    return true;
}

void AbsenceEntry::cancel()
{
    if (editing()) {
        m_lines = m_saved;
        m_deleted.clear();
        m_state = State::Shown;
        return;
    }
    m_lines.clear();
    m_saved.clear();
    m_deleted.clear();
    m_day = QDate();
    m_state = State::Idle;
}
