#include "cashbook/Partners.h"

#include "cashbook/CashBook.h"
#include "db/Query.h"
#include "db/TextWidths.h"
#include "text/Money.h"

#include <QSet>
#include <tuple>

namespace {

Partner readPartner(const db::Query& q)
{
    return {q.str("거래처코드"), q.str("거래처명"), q.str("사업자번호"), q.str("성명"), q.str("주소"),
            q.str("우편번호"), q.str("업태"), q.str("종목"), q.str("전화1"), q.str("전화2")};
}

DealLine readLine(const db::Query& q)
{
    DealLine l;
    l.date = q.date("일자");
    l.cashSeq = int(q.integer("금전출납순번"));
    l.income = q.str("수지") == QStringLiteral("0");
    l.seq = int(q.integer("순번"));
    l.partner = q.str("거래처코드");
    l.item = q.str("품목");
    l.standard = q.str("규격");
    l.quantity = q.integer("수량");
    l.price = q.integer("단가");
    l.supply = q.integer("공급가액");
    l.tax = q.integer("세액");
    l.memo = q.str("적요");
    return l;
}

// A whole number as typed: blanks and thousands commas allowed, digits only otherwise.
std::optional<qint64> wholeNumber(const QString& typed, int maxDigits)
{
    QString t = typed.trimmed();
    t.remove(u',');
    if (t.isEmpty() || t.size() > maxDigits)
        return std::nullopt;
    for (QChar c : t)
        if (c < u'0' || c > u'9')
            return std::nullopt;
    return t.toLongLong();
}

constexpr int kQuantityDigits = 5;
constexpr int kMoneyDigits = 12;

} // namespace

// ---------------------------------------------------------------- register

QList<Partner> Partners::all()
{
    QList<Partner> list;
    db::Query q(QStringLiteral("Select * From T_거래처 Order by 거래처코드"));
    q.open();
    while (q.next())
        list.append(readPartner(q));
    return list;
}

std::optional<Partner> Partners::find(const QString& code)
{
    db::Query q(QStringLiteral("Select * From T_거래처 Where 거래처코드=:거래처코드 "));
    q.bind("거래처코드", code).open();
    if (!q.next())
        return std::nullopt;
    return readPartner(q);
}

bool Partners::hasDealings(const QString& code)
{
    return !db::scalar(QStringLiteral("Select Top 1 순번 From T_거래 Where 거래처코드=:거래처코드"), {{"거래처코드", code}})
                .isNull();
}

Partners::Refusal Partners::save(const Partner& p, const QString& oldCode)
{
    const QString code = p.code.trimmed();
    if (code.size() != kCodeLength)
        return {QStringLiteral("거래처코드는 4자리로 입력하세요."), Field::Code};
    if (p.name.trimmed().isEmpty())
        return {QStringLiteral("거래처명을 입력하세요."), Field::Name};
    const QString texts[] = {code, p.name.trimmed(), p.bizNo, p.owner, p.address, p.zip, p.bizType, p.bizItem, p.phone1, p.phone2};
    const char* columns[] = {"거래처코드", "거래처명", "사업자번호", "성명", "주소", "우편번호", "업태", "종목", "전화1", "전화2"};
    for (int i = 0; i < 10; ++i)
        if (QString problem = db::widthProblem(QStringLiteral("T_거래처"), QString::fromUtf8(columns[i]), texts[i]); !problem.isEmpty())
            return {problem, i == 1 ? Field::Name : Field::None};
    if (code != oldCode && find(code))
        return {QStringLiteral("동일한 코드 존재합니다."), Field::Code};
    if (!oldCode.isEmpty() && code != oldCode && hasDealings(oldCode))
        return {QStringLiteral("거래 내역이 있는 거래처의 코드는 바꿀 수 없습니다."), Field::Code};
    const db::Params values = {{"거래처코드", code},      {"거래처명", p.name.trimmed()}, {"사업자번호", p.bizNo},
                               {"성명", p.owner},         {"주소", p.address},            {"우편번호", p.zip},
                               {"업태", p.bizType},       {"종목", p.bizItem},            {"전화1", p.phone1},
                               {"전화2", p.phone2},       {"OLD_거래처코드", oldCode}};
    if (oldCode.isEmpty())
        db::run(QStringLiteral("insert into T_거래처 (거래처코드, 거래처명, 사업자번호, 성명, 주소, 우편번호, 업태, 종목, 전화1, 전화2) "
                               "values (:거래처코드, :거래처명, :사업자번호, :성명, :주소, :우편번호, :업태, :종목, :전화1, :전화2)"),
                values);
    else
        db::run(QStringLiteral("update T_거래처 set 거래처코드 = :거래처코드, 거래처명 = :거래처명, 사업자번호 = :사업자번호, "
                               "성명 = :성명, 주소 = :주소, 우편번호 = :우편번호, 업태 = :업태, 종목 = :종목, "
                               "전화1 = :전화1, 전화2 = :전화2 where  거래처코드 = :OLD_거래처코드"),
                values);
    return {};
}

Partners::Refusal Partners::remove(const QString& code)
{
    if (hasDealings(code))
        return {QStringLiteral("거래 내역이 있는 거래처는 삭제할 수 없습니다."), Field::Code};
    db::run(QStringLiteral("delete from T_거래처 where 거래처코드 = :OLD_거래처코드"), {{"OLD_거래처코드", code}});
    return {};
}

QStringList Partners::entries(const QString& separator)
{
    QStringList list;
    db::Query q(QStringLiteral("Select 거래처코드+:sep+거래처명 As 항목 From T_거래처 Order by 거래처코드"));
    q.bind("sep", separator).open();
    while (q.next())
        list.append(q.str("항목"));
    return list;
}

QString Partners::codeOf(const QString& entry) { return entry.left(kCodeLength); }

QString Partners::cashLineName(const QString& name) { return db::cutChars(name.trimmed(), 29).trimmed(); }

// ---------------------------------------------------------------- dealings

QList<DealLine> PartnerDeals::lines(const QDate& date, const QString& partner, bool income)
{
    QList<DealLine> list;
    db::Query q(QStringLiteral("Select * From T_거래 Where 일자=:일자 And 거래처코드=:거래처코드 And 수지=:수지 Order By 순번"));
    q.bind({{"일자", db::dateText(date)}, {"거래처코드", partner}, {"수지", directionCode(income)}}).open();
    while (q.next())
        list.append(readLine(q));
    return list;
}

QList<DealLine> PartnerDeals::linesOfCashLine(const QDate& date, int cashSeq)
{
    QList<DealLine> list;
    db::Query q(QStringLiteral("Select * From T_거래 Where 일자=:일자 and 금전출납순번=:금전출납순번 Order By 순번"));
    q.bind({{"일자", db::dateText(date)}, {"금전출납순번", cashSeq}}).open();
    while (q.next())
        list.append(readLine(q));
    return list;
}

PartnerDeals::Totals PartnerDeals::totals(const QDate& date, const QString& partner, bool income)
{
    db::Query q(QStringLiteral("Select Sum(공급가액),Sum(수량) From T_거래 Where 일자=:일자 and 수지=:수지 and 거래처코드=:거래처코드"));
    q.bind({{"일자", db::dateText(date)}, {"수지", directionCode(income)}, {"거래처코드", partner}}).open();
    Totals t;
    if (q.next()) {
        t.supply = q.value(0).toLongLong();
        t.quantity = q.value(1).toLongLong();
    }
    return t;
}

int PartnerDeals::cashSeqOf(const QDate& date, const QString& partner, bool income)
{
    return db::scalar(QStringLiteral("Select Max(금전출납순번) From T_거래 Where 일자=:일자 And 거래처코드=:거래처코드 And 수지=:수지"),
                      {{"일자", db::dateText(date)}, {"거래처코드", partner}, {"수지", directionCode(income)}})
        .toInt();
}

QString PartnerDeals::supplyText(const QString& quantity, const QString& price)
{
    const auto q = wholeNumber(quantity, kQuantityDigits);
    const auto p = wholeNumber(price, kMoneyDigits);
    if (!q || !p)
        return {};
    return QString::number(*q * *p);
}

QStringList PartnerDeals::cashFaults(int* checked)
{
    struct Dealing {
        QString day, partner;
        bool income = false;
        int cashSeq = 0;
        qint64 supply = 0;
    };
    QList<Dealing> dealings;
    {
        db::Query q(QStringLiteral("SELECT 일자, 거래처코드, 수지, 금전출납순번, Sum(공급가액) AS 합계 FROM T_거래 "
                                   "GROUP BY 일자, 거래처코드, 수지, 금전출납순번 ORDER BY 일자, 거래처코드, 수지"));
        q.open();
        while (q.next())
            dealings.append({q.str("일자"), q.str("거래처코드"), q.str("수지") == directionCode(true), int(q.integer("금전출납순번")),
                             q.integer("합계")});
    }
    if (checked)
        *checked = int(dealings.size());
    QStringList faults;
    QSet<QString> used;
    for (const Dealing& d : std::as_const(dealings)) {
        const QString what = QStringLiteral("거래 %1 거래처 %2 %3 (공급가액 합계 %4원)")
                                 .arg(d.day, d.partner, d.income ? QStringLiteral("입금") : QStringLiteral("출금"), moneyText(d.supply));
        db::Query line(QStringLiteral("SELECT 대항목, 입금액, 출금액 FROM T_금전출납 WHERE 일자 = :일자 AND 순번 = :순번"));
        line.bind({{"일자", d.day}, {"순번", d.cashSeq}}).open();
        if (!line.next()) {
            faults << what + QStringLiteral(" : 금전출납 순번 %1 의 줄이 없습니다.").arg(d.cashSeq);
            continue;
        }
        used.insert(d.day + u'/' + QString::number(d.cashSeq));
        const qint64 amount = d.income ? line.integer("입금액") : line.integer("출금액");
        const qint64 other = d.income ? line.integer("출금액") : line.integer("입금액");
        if (line.str("대항목") != CashBook::kPartnerItem)
            faults << what + QStringLiteral(" : 금전출납 순번 %1 은(는) 거래처출납관리 줄이 아닙니다.").arg(d.cashSeq);
        else if (amount != d.supply || other != 0)
            faults << what + QStringLiteral(" : 금전출납 순번 %1 의 금액 %2원이 합계와 다릅니다.").arg(d.cashSeq).arg(moneyText(amount + other));
    }
    db::Query lines(QStringLiteral("SELECT 일자, 순번, 입금액, 출금액 FROM T_금전출납 WHERE 대항목 = :대항목 ORDER BY 일자, 순번"));
    lines.bind("대항목", CashBook::kPartnerItem).open();
    while (lines.next())
        if (!used.contains(lines.str("일자") + u'/' + QString::number(lines.integer("순번"))))
            faults << QStringLiteral("금전출납 %1 순번 %2 (%3원) : 이 거래처출납관리 줄의 거래 내역이 없습니다.")
                          .arg(lines.str("일자"))
                          .arg(lines.integer("순번"))
                          .arg(moneyText(lines.integer("입금액") + lines.integer("출금액")));
    return faults;
}

PartnerDeals::Result PartnerDeals::check(const Entry& e)
{
    const struct {
        const QString& text;
        Field field;
        const char* missing;
    } required[] = {{e.item, Field::Item, "품목을 입력하세요."},
                    {e.standard, Field::Standard, "규격을 입력하세요."},
                    {e.quantity, Field::Quantity, "수량을 입력하세요."},
                    {e.price, Field::Price, "단가를 입력하세요."},
                    {e.supply, Field::Supply, "공급가액을 입력하세요."}};
    for (const auto& r : required)
        if (r.text.trimmed().isEmpty())
            return {QString::fromUtf8(r.missing), r.field};
    for (const auto& [column, label, value, field] :
         {std::tuple{QStringLiteral("품목"), QStringLiteral("품목"), e.item.trimmed(), Field::Item},
          std::tuple{QStringLiteral("규격"), QStringLiteral("규격"), e.standard.trimmed(), Field::Standard},
          std::tuple{QStringLiteral("적요"), QStringLiteral("비고"), e.memo, Field::Memo}})
        if (QString p = db::widthProblem(QStringLiteral("T_거래"), column, value, label); !p.isEmpty())
            return {p, field};
    if (!wholeNumber(e.quantity, kQuantityDigits))
        return {QStringLiteral("수량은 다섯 자리까지의 숫자로 입력하세요."), Field::Quantity};
    if (!wholeNumber(e.price, kMoneyDigits))
        return {QStringLiteral("단가는 숫자로 입력하세요."), Field::Price};
    if (!wholeNumber(e.supply, kMoneyDigits))
        return {QStringLiteral("공급가액은 숫자로 입력하세요."), Field::Supply};
    if (!e.tax.trimmed().isEmpty() && !wholeNumber(e.tax, kMoneyDigits))
        return {QStringLiteral("세액은 숫자로 입력하세요."), Field::Tax};
    return {};
}

namespace {

// Brings the partner's cash line of a date and direction in step with its goods lines: made when the
// first line needs one, its amount the sum of 공급가액, deleted with the last line.
int syncCashLine(const QDate& date, const QString& partner, bool income, int cashSeq)
{
    const QString day = db::dateText(date);
    const PartnerDeals::Totals t = PartnerDeals::totals(date, partner, income);
    const bool anyLine = !db::scalar(QStringLiteral("Select Top 1 순번 From T_거래 Where 일자=:일자 And 거래처코드=:거래처코드 And 수지=:수지"),
                                     {{"일자", day}, {"거래처코드", partner}, {"수지", PartnerDeals::directionCode(income)}})
                              .isNull();
    if (!anyLine) {
        if (cashSeq > 0)
            db::run(QStringLiteral("Delete From T_금전출납 Where 일자=:일자 And 순번=:순번 "), {{"일자", day}, {"순번", cashSeq}});
        return 0;
    }
    const bool exists = cashSeq > 0
        && !db::scalar(QStringLiteral("Select 순번 From T_금전출납 Where 일자=:일자 And 순번=:순번"), {{"일자", day}, {"순번", cashSeq}})
                .isNull();
    if (!exists) {
        const std::optional<Partner> p = Partners::find(partner);
        cashSeq = CashBook::nextSeq(date);
        db::run(QStringLiteral("Insert into T_금전출납 (일자,순번,대항목,소항목,적요) Values (:일자,:순번,:대항목,:소항목,:적요) "),
                {{"일자", day}, {"순번", cashSeq}, {"대항목", CashBook::kPartnerItem},
                 {"소항목", Partners::cashLineName(p ? p->name : QString())}, {"적요", partner}});
        db::run(QStringLiteral("update T_거래 set 금전출납순번 = :금전출납순번 where 일자=:일자 and 거래처코드=:거래처코드 and 수지=:수지"),
                {{"금전출납순번", cashSeq}, {"일자", day}, {"거래처코드", partner}, {"수지", PartnerDeals::directionCode(income)}});
    }
    db::run(QStringLiteral("update T_금전출납 set 입금액 = :입금액, 출금액 = :출금액 where 일자 = :일자 and 순번 = :순번 "),
            {{"입금액", income ? t.supply : 0}, {"출금액", income ? 0 : t.supply}, {"일자", day}, {"순번", cashSeq}});
    return cashSeq;
}

qint64 number(const QString& typed) { return wholeNumber(typed, kMoneyDigits).value_or(0); }

} // namespace

PartnerDeals::Result PartnerDeals::add(const QDate& date, const QString& partner, bool income, const Entry& e)
{
    if (partner.size() != Partners::kCodeLength || !Partners::find(partner))
        return {QStringLiteral("거래처를 선택하세요."), Field::Partner};
    if (Result r = check(e); !r.ok())
        return r;
    db::Transaction tx;
    if (const QString refusal = CashBook::closedMonthRefusal(date, CashBook::Action::Add); !refusal.isEmpty())
        return {refusal};
    const QString day = db::dateText(date);
    const int seq = db::scalar(QStringLiteral("Select Max(순번) From T_거래 Where 일자=:일자 and 거래처코드=:거래처코드 "),
                               {{"일자", day}, {"거래처코드", partner}})
                        .toInt() + 1;
    const int oldCash = cashSeqOf(date, partner, income);
    db::run(QStringLiteral(" insert into T_거래  (일자, 금전출납순번, 수지, 순번, 거래처코드, 품목, 규격, 수량, "
                           "  단가, 공급가액, 세액, 적요)  values (:일자, :금전출납순번, :수지, :순번, :거래처코드, :품목, :규격, :수량, "
                           "   :단가, :공급가액, :세액, :적요) "),
            {{"일자", day}, {"금전출납순번", oldCash}, {"수지", directionCode(income)}, {"순번", seq},
             {"거래처코드", partner}, {"품목", e.item.trimmed()}, {"규격", e.standard.trimmed()},
             {"수량", number(e.quantity)}, {"단가", number(e.price)}, {"공급가액", number(e.supply)},
             {"세액", number(e.tax)}, {"적요", e.memo}});
    const int cashSeq = syncCashLine(date, partner, income, oldCash);
    tx.commit();
    return {QString(), Field::None, seq, cashSeq};
}

PartnerDeals::Result PartnerDeals::update(const QDate& date, const QString& partner, int seq, const Entry& e)
{
    if (Result r = check(e); !r.ok())
        return r;
    db::Transaction tx;
    if (const QString refusal = CashBook::closedMonthRefusal(date, CashBook::Action::Edit); !refusal.isEmpty())
        return {refusal};
    const QString day = db::dateText(date);
    db::Query q(QStringLiteral("Select * From T_거래 Where 일자=:일자 And 순번=:순번 And 거래처코드=:거래처코드"));
    q.bind({{"일자", day}, {"순번", seq}, {"거래처코드", partner}}).open();
    if (!q.next())
        return {QStringLiteral("수정할 거래 내역이 없습니다.")};
    const DealLine old = readLine(q);
    q.close();
    db::run(QStringLiteral("update T_거래 set 품목 =:품목,규격 =:규격, 수량 =:수량, 단가 =:단가, 공급가액 =:공급가액, 세액 =:세액, 적요 =:적요 "
                           " where 일자=:일자 and 순번=:순번 and 거래처코드 =:거래처코드 "),
            {{"품목", e.item.trimmed()}, {"규격", e.standard.trimmed()}, {"수량", number(e.quantity)},
             {"단가", number(e.price)}, {"공급가액", number(e.supply)}, {"세액", number(e.tax)}, {"적요", e.memo},
             {"일자", day}, {"순번", seq}, {"거래처코드", partner}});
    const int cashSeq = syncCashLine(date, partner, old.income, old.cashSeq);
    tx.commit();
    return {QString(), Field::None, seq, cashSeq};
}

PartnerDeals::Result PartnerDeals::remove(const QDate& date, const QString& partner, int seq)
{
    db::Transaction tx;
    if (const QString refusal = CashBook::closedMonthRefusal(date, CashBook::Action::Delete); !refusal.isEmpty())
        return {refusal};
    const QString day = db::dateText(date);
    db::Query q(QStringLiteral("Select * From T_거래 Where 일자=:일자 And 순번=:순번 And 거래처코드=:거래처코드"));
    q.bind({{"일자", day}, {"순번", seq}, {"거래처코드", partner}}).open();
    if (!q.next())
        return {};
    const DealLine old = readLine(q);
    q.close();
    db::run(QStringLiteral("Delete From T_거래 Where 일자=:일자 And 순번=:순번 And 거래처코드=:거래처코드 "),
            {{"일자", day}, {"순번", seq}, {"거래처코드", partner}});
    syncCashLine(date, partner, old.income, old.cashSeq);
    tx.commit();
    return {};
}

QStringList PartnerDeals::goodsGroups()
{
    QStringList list;
    db::Query q(QStringLiteral("Select 구분코드+' '+구분이름 As 항목 From T_코드구분 Where 구분코드 Not Between '000' and '999' Order By 구분코드"));
    q.open();
    while (q.next())
        list.append(q.str("항목"));
    return list;
}

QStringList PartnerDeals::goodsOf(const QString& groupEntry)
{
    QStringList list;
    db::Query q(QStringLiteral("Select 상세이름 From T_코드상세 Where 구분코드=:구분코드 Order By 상세코드"));
    q.bind("구분코드", groupEntry.left(3)).open();
    while (q.next())
        list.append(q.str("상세이름"));
    return list;
}

QList<PartnerDeals::InquiryRow> PartnerDeals::inquiry(const Filter& f)
{
    auto contains = [](const QString& typed) {
        const QString t = typed.trimmed();
        return t.isEmpty() ? QStringLiteral("%") : QStringLiteral("%") + db::likeLiteral(t) + QStringLiteral("%");
    };
    QList<InquiryRow> rows;
    db::Query q(QStringLiteral("Select a.*, b.거래처명 As 거래처이름 From T_거래 a Left Join T_거래처 b On a.거래처코드 = b.거래처코드 "
                               "Where (a.일자 Between :일자1 And :일자2) And (a.거래처코드 like :거래처코드) "
                               "And (a.품목 like :품목 ESCAPE '\\') And (a.수지 like :수지) And (IIf(a.적요 Is Null, '', a.적요) like :적요 ESCAPE '\\') "
                               "order by a.일자 DESC, a.금전출납순번, a.순번 "));
    q.bind({{"일자1", db::dateText(f.from)}, {"일자2", db::dateText(f.to)},
            {"거래처코드", f.partner.isEmpty() ? QStringLiteral("%") : f.partner}, {"품목", contains(f.item)},
            {"수지", f.direction < 0 ? QStringLiteral("%") : QString::number(f.direction)}, {"적요", contains(f.memo)}})
        .open();
    while (q.next())
        rows.append({readLine(q), q.str("거래처이름")});
    return rows;
}
