#include "fees/FeeSettlement.h"

#include "db/Clock.h"
#include "db/MonthKey.h"
#include "db/Query.h"
#include "fees/FeePayments.h"

#include <QHash>
#include <QSet>

Answer FeeSettlement::generate(const QDate& fromMonth, const QDate& toMonth, const QString& name,
                             const DivisionFilter::Condition& division)
{
    m_focusFrom = false;
    m_focusLine = -1;
    if (fromMonth.year() != toMonth.year()) {
        m_focusFrom = true;
        return Answer::refused(QStringLiteral("확인요망"), QStringLiteral("정산기간의 연도를 통일하세요."));
    }
    db::Query q;
    q << " SELECT T_회원.회원번호, T_회원.회원명, T_부별코드.부명, T_회원.납부은행, T_회원.입관일 "
         " FROM T_회원 LEFT JOIN T_부별코드 ON T_부별코드.부별코드 = T_회원.부별코드 "
         " Where T_회원.회원명 like :name  "
         " And 퇴관일 IS NULL "
         " And 휴관일 IS NULL ";
    DivisionFilter::apply(q, division);
    q << " Order By T_부별코드.부명, T_회원.회원명 ";
    q.bind("name", name.trimmed() + u'%');
    q.open();

    const QString first = monthkey::monthKey(fromMonth), last = monthkey::monthKey(toMonth);
    QHash<QString, QSet<QString>> paid;
    {
        db::Query p("SELECT 회원번호, 년월분 FROM T_수련비납부 WHERE 년월분 BETWEEN :부터 AND :까지");
        p.bind({{"부터", first}, {"까지", last}}).open();
        while (p.next())
            paid[p.str("회원번호")].insert(p.str("년월분"));
    }
    m_lines.clear();
    const QDate today = Clock::today();
    while (q.next()) {
        const QString no = q.str("회원번호");
        const QString enrolled = q.str("입관일").left(7);
        const QSet<QString> months = paid.value(no);
        // The enrolment month is paid at enrolment; months before it are not owed.
        for (QString m = first; m <= last; m = monthkey::nextMonth(m)) {
            if (months.contains(m) || !(monthkey::dashed(m) > enrolled))
                continue;
            Line l;
            l.memberNo = no;
            l.name = q.str("회원명");
            l.division = q.str("부명");
            l.bank = q.str("납부은행");
            l.payDate = today;
            l.month = m;
            l.note = QStringLiteral("정산처리");
            l.isNew = true;
            m_lines.append(l);
        }
    }
    m_state = State::Generated;
    return Answer::done();
}

Answer FeeSettlement::record()
{
    m_focusFrom = false;
    m_focusLine = -1;
    if (m_state != State::Generated)
        return Answer::declined();
    // Every ticked line is checked before anything is written: a wrong line never leaves half a
    // settlement behind.
    QStringList problems;
    QSet<QString> batch;
    for (int i = 0; i < count(); ++i) {
        const Line& l = m_lines[i];
        if (!l.checked || !l.isNew)
            continue;
        const QString month = l.month.trimmed();
        QString problem = FeePayments::entryProblem(l.memberNo, month, l.amount, batch);
        if (problem.isEmpty() && FeePayments::isClosed(l.payDate))
            problem = FeePayments::closedEntryMessage().replace(u'\n', u' ');
        if (problem.isEmpty())
            continue;
        if (m_focusLine < 0)
            m_focusLine = i;
        problems.append(QStringLiteral("%1(%2) %3 : %4").arg(l.name, l.memberNo, month.isEmpty() ? QStringLiteral("''") : month, problem));
    }
    if (!problems.isEmpty())
        return Answer::refused(QStringLiteral("확인요망"), FeePayments::batchRefusal(problems));
    try {
        db::Transaction tx;
        for (const Line& l : m_lines) {
            if (!l.checked || !l.isNew)
                continue;
            const qint64 amount = l.amount.trimmed().toLongLong();
            FeePayments::add(l.memberNo, l.month.trimmed(), l.payDate, amount, l.note,
                             amount == 0 ? FeePayments::CashLine::None : FeePayments::CashLine::Write);
        }
        tx.commit();
    } catch (const FeeError& e) {
        return Answer::refused(QStringLiteral("확인요망"), QStringLiteral("저장 에러 입니다.") + u'\n' + e.message());
    } catch (const db::Error& e) {
        return Answer::refused(QStringLiteral("확인요망"), QStringLiteral("저장 에러 입니다.") + u'\n' + e.message());
    }
    for (Line& l : m_lines) {
        l.month = l.month.trimmed();
        l.isNew = false;
    }
    m_state = State::Idle;
    return Answer::done();
}

void FeeSettlement::cancel()
{
    m_focusFrom = false;
    m_focusLine = -1;
    if (m_state == State::Generated)
        m_lines.clear();
    m_state = State::Idle;
}

void FeeSettlement::list(const QDate& fromMonth, const QDate& toMonth, const QString& name, const DivisionFilter::Condition& division)
{
    m_focusFrom = false;
    m_focusLine = -1;
    db::Query q;
    q << " SELECT   T_회원.회원번호,       T_부별코드.부명,   T_회원.회원명, "
         "          T_수련비납부.납부일자, T_회원.납부은행,   T_수련비납부.납부액 As 수련비, "
         "          T_수련비납부.년월분,   T_수련비납부.비고, '1' As check "
         " FROM ( T_수련비납부 LEFT JOIN  T_회원     ON  T_수련비납부.회원번호= T_회원.회원번호 ) "
         "                     LEFT JOIN  T_부별코드 ON  T_회원.부별코드      = T_부별코드.부별코드  "
         " Where T_회원.회원명 like :name "
         " And T_회원.퇴관일 is null "
         " And T_회원.휴관일 is null "
         " And T_수련비납부.년월분 Between  :sFromMonth and :sToMonth  ";
    DivisionFilter::apply(q, division);
    q << " Order By T_부별코드.부명, T_회원.회원명 , T_수련비납부.년월분";
    q.bind({{"name", name.trimmed() + u'%'}, {"sFromMonth", monthkey::monthKey(fromMonth)}, {"sToMonth", monthkey::monthKey(toMonth)}});
    q.open();
    m_lines.clear();
    while (q.next()) {
        Line l;
        l.memberNo = q.str("회원번호");
        l.name = q.str("회원명");
        l.division = q.str("부명");
        l.bank = q.str("납부은행");
        l.payDate = q.date("납부일자");
        l.amount = QString::number(q.integer("수련비"));
        l.month = q.str("년월분");
        l.note = q.str("비고");
        m_lines.append(l);
    }
    m_state = State::Idle;
}
