#include "fees/FeeRegister.h"

#include "db/MonthKey.h"
#include "db/Query.h"
#include "db/MemberStatus.h"
#include "fees/FeePayments.h"
#include "ui/StatusLine.h"
#include "db/SchoolInfo.h"

#include <QRegularExpression>
#include <QHash>
#include <QSet>

namespace {

void bindDivision(db::Query& q, const FeeRegister::Division& division)
{
    for (const auto& p : division.params)
        q.bind(p.first, p.second);
}


} // namespace

Answer FeeRegister::generate(const QDate& from, const QDate& to, const QString& name, const Division& division)
{
    setFocus(Focus::None);
    if (from.year() != to.year()) {
        setFocus(Focus::FromDate);
        return Answer::refused(QStringLiteral("확인요망"), QStringLiteral("납부기간의 연도를 통일하세요."));
    }
    db::Query members;
    members << "SELECT T_회원.회원번호, T_회원.회원명, T_회원.수련비, T_부별코드.부명, T_회원.납부일자 as 회원수련비납부일, "
               "T_회원.납부은행, T_회원.입관일 "
               "FROM T_회원 LEFT JOIN T_부별코드 ON T_부별코드.부별코드 = T_회원.부별코드 "
               "Where T_회원.회원명 like :name "
               "And "
            << MemberStatus::active(QStringLiteral("T_회원")) << " " << division.sql << " Order By T_부별코드.부명, T_회원.회원명 ";
    members.bind("name", name + u'%');
    bindDivision(members, division);
    members.open();

    m_lines.clear();
    const int first = monthkey::monthKey(from).toInt();
    const int last = monthkey::monthKey(to).toInt();
    // The paid months of the period for everyone at once: one read instead of one per member.
    QHash<QString, QSet<QString>> paidByMember;
    {
        db::Query paid("SELECT 회원번호, 년월분 FROM T_수련비납부 WHERE 년월분 BETWEEN :first AND :last");
        paid.bind({{"first", QString::number(first)}, {"last", QString::number(last)}}).open();
        while (paid.next())
            paidByMember[paid.value(0).toString()].insert(paid.value(1).toString());
    }
    // Why the list may come back empty: nobody matched, every month was paid, or every month was
    // one of enrolment (paid with the application) or before it.
    int matched = 0, paidSkips = 0, enrolSkips = 0;
    while (members.next()) {
        ++matched;
        const QString no = members.str("회원번호");
        const QSet<QString> paidMonths = paidByMember.value(no);
        const QString enrolled = members.str("입관일").left(7);
        for (int m = first; m <= last; ++m) {
            const QString month = QString::number(m);
            if (paidMonths.contains(month)) {
                ++paidSkips;
                continue;
            }
            // The month of enrolment is paid at enrolment; earlier months are not owed.
            if (!enrolled.isEmpty() && !(monthkey::dashed(month) > enrolled)) {
                ++enrolSkips;
                continue;
            }
            Line l;
            l.memberNo = no;
            l.name = members.str("회원명");
            l.division = members.str("부명");
            l.memberPayDay = members.str("회원수련비납부일").trimmed();
            l.bank = members.str("납부은행");
            l.payDate = to;
            l.amount = QString::number(members.integer("수련비"));
            l.month = month;
            l.isNew = true;
            m_lines.append(l);
        }
    }
    if (m_lines.isEmpty()) {
        if (matched == 0)
            StatusLine::show(QStringLiteral("조건에 맞는 재원생이 없습니다."));
        else if (enrolSkips > 0 && paidSkips == 0)
            StatusLine::show(QStringLiteral("이번 달 입관자는 다음 달부터 납부 대상입니다."));
        else
            StatusLine::show(QStringLiteral("기간 안의 수련비가 모두 납부되었습니다."));
    }
    m_state = State::Entering;
    return Answer::done();
}

QString FeeRegister::lineLabel(const Line& l, const QString& month) const
{
    return QStringLiteral("%1(%2) %3").arg(l.name, l.memberNo, month);
}

// Every ticked line is checked before anything is written, so a mistake on one line never leaves
// half a batch saved.
Answer FeeRegister::checkLines()
{
    for (int i = 0; i < count(); ++i) {
        const Line& l = m_lines[i];
        if (l.checked && l.isNew && FeePayments::isClosed(l.payDate)) {
            setFocus(Focus::Amount, i);
            return Answer::refused(QStringLiteral("오류"), FeePayments::closedEntryMessage());
        }
    }
    QStringList problems;
    QSet<QString> batch;
    for (int i = 0; i < count(); ++i) {
        const Line& l = m_lines[i];
        if (!l.checked || !l.isNew)
            continue;
        const QString month = l.month.trimmed();
        bool onAmount = false;
        const QString problem = FeePayments::entryProblem(l.memberNo, month, l.amount, batch, &onAmount);
        if (problem.isEmpty())
            continue;
        if (problems.isEmpty())
            setFocus(onAmount ? Focus::Amount : Focus::Month, i);
        problems.append(QStringLiteral("%1 : %2").arg(lineLabel(l, month.isEmpty() ? QStringLiteral("''") : month), problem));
    }
    if (problems.isEmpty())
        return Answer::done();
    return Answer::refused(QStringLiteral("확인요망"), FeePayments::batchRefusal(problems));
}

Answer FeeRegister::confirm()
{
    setFocus(Focus::None);
    if (m_state != State::Entering)
        return Answer::declined();
    if (Answer refusal = checkLines(); !refusal.ok())
        return refusal;
    Answer answer;
    int saved = 0;
    for (Line& l : m_lines) {
        const bool save = l.checked && l.isNew;
        l.isNew = false;
        if (!save)
            continue;
        try {
            FeePayments::add(l.memberNo, l.month.trimmed(), l.payDate, l.amount.trimmed().toLongLong(), l.note);
            l.month = l.month.trimmed();
            ++saved;
        } catch (const FeeError& e) {
            l.checked = false;
            answer.tell(Message::Level::Error, e.caption(), e.message());
        } catch (const db::Error&) {
            l.checked = false;
            answer.tell(Message::Level::Error, QStringLiteral("확인요망"), QStringLiteral("저장 에러 입니다."));
        }
    }
    if (saved > 0)
        StatusLine::show(QStringLiteral("수련비 %1건 저장").arg(saved));
    m_state = State::Idle;
    return answer;
}

void FeeRegister::list(const QDate& from, const QDate& to, const QString& name, const Division& division)
{
    setFocus(Focus::None);
    db::Query q;
    q << "SELECT T_회원.회원번호, T_부별코드.부명,T_회원.납부일자 as 회원수련비납부일, T_회원.회원명, T_회원.핸드폰번호,"
         "T_수련비납부.납부일자, T_회원.납부은행, T_수련비납부.납부액 As 수련비, "
         "T_수련비납부.년월분, T_수련비납부.비고 "
         "FROM ( T_수련비납부 LEFT JOIN T_회원 ON T_수련비납부.회원번호= T_회원.회원번호 ) "
         "LEFT JOIN T_부별코드 ON T_회원.부별코드 = T_부별코드.부별코드 "
         "Where T_회원.회원명 like :name "
         "And "
      << MemberStatus::active(QStringLiteral("T_회원"))
      << " And T_수련비납부.납부일자 Between :sFromMonth and :sToMonth " << division.sql << " Order By T_부별코드.부명, T_회원.회원명 , T_수련비납부.년월분";
    q.bind({{"name", name + u'%'}, {"sFromMonth", from}, {"sToMonth", to}});
    bindDivision(q, division);
    q.open();
    m_lines.clear();
    while (q.next()) {
        Line l;
        l.memberNo = q.str("회원번호");
        l.name = q.str("회원명");
        l.division = q.str("부명");
        l.memberPayDay = q.str("회원수련비납부일").trimmed();
        l.bank = q.str("납부은행");
        l.payDate = q.date("납부일자");
        l.amount = QString::number(q.integer("수련비"));
        l.month = q.str("년월분");
        l.note = q.str("비고");
        l.checked = true;
        m_lines.append(l);
    }
    m_state = State::Showing;
}

Answer FeeRegister::remove(int i, const Ask& ask)
{
    setFocus(Focus::None);
    if (i < 0 || i >= count() || m_state != State::Showing)
        return Answer::declined();
    const Line l = m_lines[i];
    if (!l.isNew && FeePayments::isClosed(l.payDate))
        return Answer::refused(QStringLiteral("오류"), FeePayments::closedDeleteMessage());
    Question q;
    q.caption = QStringLiteral("삭제확인");
    q.text = QStringLiteral("삭제하시겠습니까?") + QStringLiteral("\n\n") + QStringLiteral("수련비와 금전출납의 해당 데이터가 모두 지워집니다.!");
    if (!ask(q))
        return Answer::declined();
    try {
        FeePayments::remove(l.memberNo, l.month);
    } catch (const FeeError& e) {
        if (e.kind() != FeeError::Kind::NotFound)
            return Answer::refused(e.caption(), e.message());
        // Already gone (deleted from another screen): the line just leaves the list.
    } catch (const db::Error&) {
        return Answer::refused(QStringLiteral("확인요망"), QStringLiteral("삭제 에러 입니다."));
    }
    StatusLine::show(QStringLiteral("수련비 삭제: ") + lineLabel(l, l.month));
    m_lines.removeAt(i);
    return Answer::done();
}

void FeeRegister::cancel()
{
    setFocus(Focus::None);
    if (m_state == State::Showing)
        m_lines.clear();
    else
        discardGenerated();
    m_state = State::Idle;
}

void FeeRegister::discardGenerated()
{
    if (m_state != State::Entering)
        return;
    m_lines.removeIf([](const Line& l) { return l.isNew; });
    m_state = State::Idle;
}

QString FeeRegister::schoolName()
{
    return SchoolInfo::name();
}

bool FeeRegister::screenLocked()
{
    db::Query q("SELECT 수련비화면,수련비화면체크유무 FROM T_도장정보");
    q.open();
    if (!q.next())
        return false;
    return !q.isNull("수련비화면") && q.str("수련비화면체크유무") == QStringLiteral("1");
}

bool FeeRegister::passwordMatches(const QString& typed)
{
    db::Query q("SELECT 수련비화면, 수련비화면체크유무 FROM T_도장정보 "
                "WHERE 수련비화면 =:수련비화면 "
                "AND 수련비화면체크유무 ='1' ");
    q.bind("수련비화면", typed).open();
    return q.next();
}
