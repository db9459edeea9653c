#include "cashbook/CashBook.h"

#include "db/Concurrency.h"
#include "db/MonthKey.h"
#include "cashbook/MonthClosing.h"
#include "db/Query.h"
#include "fees/FeePayments.h"
#include "db/SchoolInfo.h"
#include "db/TextWidths.h"

#include <optional>
#include <tuple>

namespace {

CashLine readLine(const db::Query& q)
{
    CashLine l;
    l.date = q.date("일자");
    l.seq = int(q.integer("순번"));
    l.mainItem = q.str("대항목");
    l.subItem = q.str("소항목");
    l.income = q.integer("입금액");
    l.expense = q.integer("출금액");
    l.memo = q.str("적요");
    l.feeLink = q.str("수련비순번");
    return l;
}

std::optional<CashLine> lineAt(const QDate& date, int seq)
{
    db::Query q(QStringLiteral("Select * From T_금전출납 Where 일자=:일자 And 순번=:순번 "));
    q.bind({{"일자", db::dateText(date)}, {"순번", seq}}).open();
    if (!q.next())
        return std::nullopt;
    return readLine(q);
}

} // namespace

bool CashBook::isFeeLink(const QString& feeLink) { return FeePayments::parseFeeLink(feeLink, nullptr, nullptr); }

QList<CashLine> CashBook::linesOf(const QDate& date)
{
    QList<CashLine> lines;
    db::Query q(QStringLiteral("Select * From T_금전출납 Where 일자=:일자 Order By 순번"));
    q.bind("일자", db::dateText(date)).open();
    while (q.next())
        lines.append(readLine(q));
    return lines;
}

CashBook::Totals CashBook::dayTotals(const QDate& date)
{
    db::Query q(QStringLiteral("Select Sum(입금액),Sum(출금액) From T_금전출납 Where 일자=:일자 "));
    q.bind("일자", db::dateText(date)).open();
    Totals t;
    if (q.next()) {
        t.income = q.value(0).toLongLong();
        t.expense = q.value(1).toLongLong();
    }
    return t;
}

int CashBook::nextSeq(const QDate& date)
{
    db::lockNumbers(QStringLiteral("금전출납"));
    return db::scalar(QStringLiteral("Select Max(순번) From T_금전출납 Where 일자=:일자 "), {{"일자", db::dateText(date)}})
               .toInt() + 1;
}

QStringList CashBook::mainItems()
{
    QStringList items;
    db::Query q(QStringLiteral("Select 구분이름 From T_코드구분 Where 구분코드 Between '000' and '999' Order By 구분코드"));
    q.open();
    while (q.next())
        items.append(q.str("구분이름"));
    return items;
}

QStringList CashBook::subItems(const QString& mainItem)
{
    QStringList items;
    db::Query q(QStringLiteral("Select 상세이름 From T_코드상세 Where 구분코드= "
                               "(Select 구분코드 From T_코드구분 Where 구분이름=:구분이름) Order By 상세코드"));
    q.bind("구분이름", mainItem).open();
    while (q.next())
        items.append(q.str("상세이름"));
    return items;
}

QString CashBook::closedMonthRefusal(const QDate& date, Action action)
{
    // A date that is no day has no month: it is wrong, not closed.
    if (!date.isValid())
        return QStringLiteral("일자가 바른 날짜가 아닙니다.\nYYYY-MM-DD 형식의 바른 날짜로 입력하세요.");
    if (!MonthClosing::isClosed(monthkey::monthKey(date)))
        return {};
    switch (action) {
    case Action::Add: return QStringLiteral("마감된 월에는 입력 할 수 없습니다.\n\n마감취소후 작업하세요.");
    case Action::Edit: return QStringLiteral("마감된 자료는 수정 할 수 없습니다.\n\n마감취소후 작업하세요.");
    case Action::Delete: break;
    }
    return FeePayments::closedDeleteMessage(); // the fee window's wording, for every kind of line
}

QString CashBook::textProblem(const QString& mainItem, const QString& subItem, const QString& memo)
{
    for (const auto& [column, label, value] : {std::tuple{QStringLiteral("대항목"), QStringLiteral("주항목"), mainItem},
                                               std::tuple{QStringLiteral("소항목"), QStringLiteral("소항목"), subItem},
                                               std::tuple{QStringLiteral("적요"), QStringLiteral("적요"), memo}})
        if (QString p = db::widthProblem(QStringLiteral("T_금전출납"), column, value, label); !p.isEmpty())
            return p;
    return {};
}

QString CashBook::addLine(const QDate& date, const QString& mainItem, const QString& subItem, bool income,
                          qint64 amount, const QString& memo, int* seq)
{
    if (QString p = textProblem(mainItem, subItem, memo); !p.isEmpty())
        return p;
    db::Transaction tx;
    if (QString refusal = closedMonthRefusal(date, Action::Add); !refusal.isEmpty())
        return refusal;
    const int n = nextSeq(date);
    db::run(QStringLiteral(" insert into T_금전출납 "
                           " (일자, 순번, 대항목, 소항목, 입금액,출금액,적요) "
                           "  values (:일자, :순번, :대항목, :소항목, :입금액, :출금액, :적요) "),
            {{"일자", db::dateText(date)}, {"순번", n}, {"대항목", mainItem}, {"소항목", subItem},
             {"입금액", income ? amount : 0}, {"출금액", income ? 0 : amount}, {"적요", memo}});
    tx.commit();
    if (seq)
        *seq = n;
    return {};
}

QString CashBook::updateLine(const QDate& date, int seq, const QString& mainItem, const QString& subItem, bool income,
                             qint64 amount, const QString& memo)
{
    if (QString p = textProblem(mainItem, subItem, memo); !p.isEmpty())
        return p;
    db::Transaction tx;
    if (QString refusal = closedMonthRefusal(date, Action::Edit); !refusal.isEmpty())
        return refusal;
    const std::optional<CashLine> line = lineAt(date, seq);
    if (!line)
        return QStringLiteral("수정할 금전출납 자료가 없습니다.\n다른 화면에서 지워졌을 수 있습니다.");
    if (isFeeLink(line->feeLink) && (line->income != (income ? amount : 0) || line->expense != (income ? 0 : amount)))
        return QStringLiteral("수련비 납부로 기록된 금액은 수련비 화면에서 수정하세요.");
    db::run(QStringLiteral("update T_금전출납 set 대항목 = :대항목, 소항목 = :소항목, 입금액 = :입금액, 출금액 = :출금액, 적요 = :적요 "
                           "where 일자 = :일자 and 순번 = :순번 "),
            {{"대항목", mainItem}, {"소항목", subItem}, {"입금액", income ? amount : 0},
             {"출금액", income ? 0 : amount}, {"적요", memo}, {"일자", db::dateText(date)}, {"순번", seq}});
    tx.commit();
    return {};
}

QString CashBook::deleteLine(const QDate& date, int seq)
{
    db::Transaction tx;
    const std::optional<CashLine> line = lineAt(date, seq);
    if (!line)
        return QStringLiteral("삭제할 금전출납 자료가 없습니다.\n다른 화면에서 지워졌을 수 있습니다.");
    if (isFeeLink(line->feeLink)) {
        const QString refusal = deleteFeeLine(date, seq);
        if (refusal.isEmpty())
            tx.commit();
        return refusal;
    }
    if (QString refusal = closedMonthRefusal(date, Action::Delete); !refusal.isEmpty())
        return refusal;
    db::run(QStringLiteral("Delete From T_금전출납 Where 일자=:일자 And 순번=:순번 "),
            {{"일자", db::dateText(date)}, {"순번", seq}});
    if (line->mainItem == kPartnerItem && db::tableExists(QStringLiteral("T_거래")))
        db::run(QStringLiteral("Delete From T_거래 Where 일자=:일자 And 금전출납순번=:순번 "),
                {{"일자", db::dateText(date)}, {"순번", seq}});
    tx.commit();
    return {};
}

QString CashBook::deleteFeeLine(const QDate& date, int seq)
{
    db::Transaction tx;
    if (QString refusal = closedMonthRefusal(date, Action::Delete); !refusal.isEmpty())
        return refusal;
    // The fee service pairs the line with exactly its own payment (several months paid on one day
    // share the link) and deletes both in one transaction.
    try {
        FeePayments::removeByCashLine(date, seq);
    } catch (const FeeError& e) {
        if (e.kind() == FeeError::Kind::NotFeeLine) // a link that names no payment: the line goes alone
            db::run(QStringLiteral("Delete From T_금전출납 Where 일자=:일자 And 순번=:순번 "),
                    {{"일자", db::dateText(date)}, {"순번", seq}});
        else if (e.kind() != FeeError::Kind::NotFound)
            return e.message();
    }
    tx.commit();
    return {};
}

CashBook::Member CashBook::memberOf(const QString& feeLink)
{
    Member m;
    db::Query q(QStringLiteral("Select * From T_회원 Where 회원번호=:회원번호"));
    q.bind("회원번호", feeLink.left(9)).open();
    if (!q.next())
        return m;
    m.no = q.str("회원번호");
    m.name = q.str("회원명");
    m.sex = q.str("성별");
    m.birth = db::dateText(q.date("생년월일"));
    m.phone = q.str("전화번호");
    m.fee = q.integer("수련비");
    const QString division = q.str("부별코드"), rank = q.str("급품코드");
    q.close();
    if (db::tableExists(QStringLiteral("T_부별코드")))
        m.division = db::scalar(QStringLiteral("Select 부명 From T_부별코드 Where 부별코드=:c"), {{"c", division}}).toString();
    if (db::tableExists(QStringLiteral("T_급품코드")))
        m.rank = db::scalar(QStringLiteral("Select 급품명 From T_급품코드 Where 급품코드=:c"), {{"c", rank}}).toString();
    return m;
}

QList<CashBook::Payment> CashBook::paymentsOf(const QString& memberNo)
{
    QList<Payment> list;
    db::Query q(QStringLiteral("Select * From T_수련비납부 Where 회원번호=:회원번호 Order By 년월분 DESC"));
    q.bind("회원번호", memberNo).open();
    while (q.next())
        list.append({q.str("년월분"), q.date("납부일자"), q.integer("납부액")});
    return list;
}

QString CashBook::schoolName()
{
    return SchoolInfo::name();
}

bool CashBook::screenLocked()
{
    if (!db::tableExists(QStringLiteral("T_도장정보")))
        return false;
    db::Query q(QStringLiteral("SELECT 금전출납화면,금전출납화면체크유무 FROM T_도장정보"));
    q.open();
    if (!q.next())
        return false;
    return !q.isNull(QStringLiteral("금전출납화면")) && q.str(QStringLiteral("금전출납화면체크유무")) == QStringLiteral("1");
}

bool CashBook::passwordMatches(const QString& typed)
{
    if (!db::tableExists(QStringLiteral("T_도장정보")))
        return true;
    db::Query q(QStringLiteral(" SELECT 금전출납화면, 금전출납화면체크유무  FROM T_도장정보  "
                               " WHERE  금전출납화면 =:금전출납화면 "));
    q.bind("금전출납화면", typed).open();
    return q.next();
}
