#include "cashbook/MonthClosing.h"

#include "db/MonthKey.h"
#include "db/Clock.h"
#include "db/Query.h"
#include "db/ClosedMonth.h"
#include "text/Money.h"

namespace {

qint64 toMoney(const QVariant& v) { return v.isNull() ? 0 : v.toLongLong(); }

bool isWholeNumber(const QString& text, qint64* out)
{
    bool ok = false;
    const qint64 n = text.trimmed().remove(u',').toLongLong(&ok);
    if (ok && out)
        *out = n;
    return ok;
}

} // namespace

QString MonthClosing::lastClosed()
{
    const QString l = db::lastClosedMonth();
    return l == QStringLiteral("000000") ? QString() : l;
}

bool MonthClosing::isClosed(const QString& monthKey) { return db::isClosedMonth(monthKey); }

MonthClosing::GuardResult MonthClosing::guard()
{
    if (db::scalar(QStringLiteral("SELECT Count(*) FROM T_금전출납마감 ")).toInt() == 0)
        return {Guard::NeedOpening, {}};
    const QString l = lastClosed();
    // Rows without any closed month cannot carry a balance: the books must be started again.
    if (l.isEmpty())
        return {Guard::NeedOpening, {}};
    const QString p = monthkey::prevMonth(Clock::thisMonthKey());
    if (l >= p)
        return {Guard::Open, {}};
    return {Guard::NeedClosing, monthkey::nextMonth(l)};
}

Answer MonthClosing::GuardResult::answer(const QString& caption) const
{
    switch (state) {
    case Guard::Open: break;
    case Guard::NeedOpening: return Answer::refused(caption, QStringLiteral("금전출납 초기값설정을 먼저하세요"));
    case Guard::NeedClosing: return Answer::refused(caption, monthkey::dashed(month) + QStringLiteral(" 마감작업을 먼저하세요."));
    }
    return Answer::done();
}

QString MonthClosing::checkClose(const QString& m)
{
    const QString current = Clock::thisMonthKey();
    if (m >= current)
        return monthkey::dashed(monthkey::prevMonth(current)) + QStringLiteral(" 까지만 마감 작업 가능합니다.");
    if (db::scalar(QStringLiteral(" SELECT Count(*) FROM T_금전출납마감 "
                                  " WHERE  마감연월  =:마감연월 "
                                  " AND    마감여부 ='1'"), {{"마감연월", m}}).toInt() > 0)
        return monthkey::dashed(m) + QStringLiteral(" 이미 마감되었습니다.");
    if (db::scalar(QStringLiteral(" SELECT Count(*) "
                                  " FROM   T_금전출납마감 "
                                  " WHERE  마감연월  =:마감연월 "
                                  " AND    마감여부  =:마감여부 "), {{"마감연월", m}, {"마감여부", "0"}}).toInt() == 0)
        return QStringLiteral("이전월을 먼저 마감하세요.");
    // The open row is the month after the last closed one, unless the rows were written otherwise.
    const QString last = lastClosed();
    if (last.isEmpty() || m != monthkey::nextMonth(last))
        return QStringLiteral("이전월을 먼저 마감하세요.");
    return {};
}

void MonthClosing::close(const QString& m)
{
    // Checked and summed inside the transaction: another program on the file may have closed the
    // month or added a line to it a moment ago.
    db::Transaction tx;
    db::lockClosing();
    if (const QString refusal = checkClose(m); !refusal.isEmpty())
        throw ClosingRefused(refusal);
    const auto [income, expense] = monthTotals(m);
    db::run(QStringLiteral(" UPDATE T_금전출납마감 "
                           " SET 당월차변금액 =:당월차변금액,   "
                           "     당월대변금액 =:당월대변금액,   "
                           "     차변누계금액 =차변누계금액 + :당월차변금액, "
                           "     대변누계금액 =대변누계금액 + :당월대변금액, "
                           "     마감여부 =:마감여부 "
                           " WHERE  마감연월  =:마감연월 "),
            {{"당월차변금액", income}, {"당월대변금액", expense}, {"마감여부", "1"}, {"마감연월", m}});
    db::Query acc(QStringLiteral(" SELECT SUM(차변누계금액), SUM(대변누계금액) "
                                 " FROM   T_금전출납마감 "
                                 " WHERE  마감연월  =:마감연월 "));
    acc.bind("마감연월", m).open();
    qint64 accIncome = 0, accExpense = 0;
    if (acc.next()) {
        accIncome = toMoney(acc.value(0));
        accExpense = toMoney(acc.value(1));
    }
    acc.close();
    db::run(QStringLiteral("INSERT INTO T_금전출납마감 "
                           "(마감연월, 당월차변금액,  당월대변금액, 차변누계금액,  대변누계금액, 마감여부) "
                           " VALUES "
                           "(:마감연월, :당월차변금액,  :당월대변금액, :차변누계금액,  :대변누계금액, :마감여부) "),
            {{"마감연월", monthkey::nextMonth(m)}, {"당월차변금액", 0}, {"당월대변금액", 0},
             {"차변누계금액", accIncome}, {"대변누계금액", accExpense}, {"마감여부", "0"}});
    tx.commit();
}

QString MonthClosing::checkCancel(const QString& m)
{
    if (db::scalar(QStringLiteral(" SELECT Count(*) FROM T_금전출납마감 "
                                  " WHERE  마감연월    =:마감연월 "
                                  " AND    마감여부 ='1'"), {{"마감연월", m}}).toInt() == 0)
        return monthkey::dashed(m) + QStringLiteral("은 마감처리된 월이 아니므로 취소할수 없습니다.");
    if (db::scalar(QStringLiteral(" SELECT Count(*) FROM T_금전출납마감 "
                                  " WHERE  마감연월    >:마감연월 "
                                  " AND    마감여부 ='1'"), {{"마감연월", m}}).toInt() > 0)
        return monthkey::dashed(m) + QStringLiteral(" 이후월부터 순차적으로 마감취소 하세요.");
    // The opening month carries the starting figures and has no month of its own to reopen;
    // cancelling it would leave the books without any closed month.
    if (db::scalarText(QStringLiteral(" SELECT MIN(마감연월) FROM T_금전출납마감 ")) == m)
        return monthkey::dashed(m) + QStringLiteral("은 금전출납 초기값 월이므로 마감취소 할수 없습니다.");
    return {};
}

void MonthClosing::cancel(const QString& m)
{
    db::Transaction tx;
    db::lockClosing();
    if (const QString refusal = checkCancel(m); !refusal.isEmpty())
        throw ClosingRefused(refusal);
    db::run(QStringLiteral(" UPDATE T_금전출납마감 "
                           " SET 차변누계금액 = 차변누계금액 - 당월차변금액,   "
                           "     대변누계금액 = 대변누계금액 - 당월대변금액,   "
                           "     당월차변금액 = 0, "
                           "     당월대변금액 = 0, "
                           "     마감여부 ='0'"
                           " WHERE  마감연월   =:마감연월 "), {{"마감연월", m}});
    db::run(QStringLiteral(" DELETE FROM T_금전출납마감 "
                           " WHERE  마감연월  > :마감연월 "), {{"마감연월", m}});
    tx.commit();
}

std::optional<MonthClosing::Opening> MonthClosing::opening()
{
    db::Query q(QStringLiteral("SELECT * FROM  T_금전출납마감 ORDER BY 마감연월"));
    q.open();
    if (!q.next())
        return std::nullopt;
    return Opening{q.str("마감연월"), q.integer("차변누계금액"), q.integer("대변누계금액")};
}

bool MonthClosing::openingEditable()
{
    const auto o = opening();
    return !o
        || db::scalar(QStringLiteral("SELECT Count(*) FROM T_금전출납마감 WHERE 마감여부 = '1' AND 마감연월 > :마감연월"),
                      {{"마감연월", o->month}})
                   .toInt()
            == 0;
}

QString MonthClosing::checkOpening(const QString& month, const QString& income, const QString& expense, Field* field)
{
    auto fail = [field](Field f, const QString& text) {
        if (field)
            *field = f;
        return text;
    };
    const QString m = month.trimmed();
    if (m.isEmpty())
        return fail(Field::Month, QStringLiteral("시작년월일을 입력하세요."));
    if (m.size() != 6)
        return fail(Field::Month, QStringLiteral("시작년월일을 6자리로 입력하세요."));
    if (!monthkey::isMonthKey(m))
        return fail(Field::Month, QStringLiteral("시작년월을 바른 년월(YYYYMM)로 입력하세요."));
    // An opening in the future would close every month up to it.
    if (const QString current = Clock::thisMonthKey(); m > current)
        return fail(Field::Month, QStringLiteral("시작년월은 현재월(%1)보다 뒤일 수 없습니다.").arg(monthkey::dashed(current)));
    if (income.trimmed().isEmpty())
        return fail(Field::Income, QStringLiteral("입금 누계를 입력하세요."));
    if (!isWholeNumber(income, nullptr))
        return fail(Field::Income, QStringLiteral("입금 누계를 숫자로 입력하세요."));
    if (expense.trimmed().isEmpty())
        return fail(Field::Expense, QStringLiteral("출금 누계를 입력하세요."));
    if (!isWholeNumber(expense, nullptr))
        return fail(Field::Expense, QStringLiteral("출금 누계를 숫자로 입력하세요."));
    const QVariant first = db::scalar(QStringLiteral(" SELECT MIN(일자) FROM T_금전출납 "));
    if (!first.isNull()) {
        const QString firstMonth = first.toString().left(4) + first.toString().mid(5, 2);
        if (!(firstMonth > m))
            return fail(Field::Month, monthkey::dashed(firstMonth) + QStringLiteral(" 이전으로 입력하세요."));
    }
    if (field)
        *field = Field::None;
    return {};
}

namespace {
void requireOpeningEditable()
{
    if (!MonthClosing::openingEditable())
        throw ClosingRefused(QStringLiteral("1회 이상 마감된 경우에는 수정 불가능 합니다."));
}
}

void MonthClosing::saveOpening(const QString& month, qint64 income, qint64 expense)
{
    db::Transaction tx;
    db::lockClosing();
    requireOpeningEditable();
    if (const QString refusal = checkOpening(month, QString::number(income), QString::number(expense), nullptr);
        !refusal.isEmpty())
        throw ClosingRefused(refusal);
    // Until the month after it is closed the chain holds only the opening and the open month after it,
    // so the whole table is replaced: the opening month closed, the month after it open with the same
    // accumulated figures.
    db::run(QStringLiteral(" DELETE FROM  T_금전출납마감 "));
    const QString ins = QStringLiteral("INSERT INTO T_금전출납마감 "
                                       "(마감연월, 당월차변금액,  당월대변금액, 차변누계금액,  대변누계금액, 마감여부) "
                                       " VALUES "
                                       "(:마감연월, :당월차변금액,  :당월대변금액, :차변누계금액,  :대변누계금액, :마감여부) ");
    db::run(ins, {{"마감연월", month.trimmed()}, {"당월차변금액", 0}, {"당월대변금액", 0},
                  {"차변누계금액", income}, {"대변누계금액", expense}, {"마감여부", "1"}});
    db::run(ins, {{"마감연월", monthkey::nextMonth(month.trimmed())}, {"당월차변금액", 0}, {"당월대변금액", 0},
                  {"차변누계금액", income}, {"대변누계금액", expense}, {"마감여부", "0"}});
    tx.commit();
}

void MonthClosing::removeOpening()
{
    db::Transaction tx;
    db::lockClosing();
    requireOpeningEditable();
    db::run(QStringLiteral(" DELETE FROM  T_금전출납마감 "));
    tx.commit();
}

MonthClosing::Totals MonthClosing::monthTotals(const QString& m)
{
    db::Query sums(QStringLiteral(" SELECT SUM(입금액), SUM(출금액) "
                                  " FROM   T_금전출납 "
                                  " WHERE   일자  >=:FromDate "
                                  " AND     일자  <=:ToDate "));
    sums.bind({{"FromDate", db::dateText(monthkey::firstDay(m))}, {"ToDate", db::dateText(monthkey::lastDay(m))}}).open();
    Totals t;
    if (sums.next()) {
        t.income = toMoney(sums.value(0));
        t.expense = toMoney(sums.value(1));
    }
    return t;
}

QStringList MonthClosing::chainFaults(int* checked)
{
    struct Row {
        QString month;
        qint64 income, expense, accIncome, accExpense;
        bool closed;
    };
    QList<Row> rows;
    {
        db::Query q(QStringLiteral("SELECT * FROM  T_금전출납마감 ORDER BY 마감연월"));
        q.open();
        while (q.next())
            rows.append({q.str("마감연월"), q.integer("당월차변금액"), q.integer("당월대변금액"), q.integer("차변누계금액"),
                         q.integer("대변누계금액"), q.str("마감여부") == QStringLiteral("1")});
    }
    if (checked)
        *checked = int(rows.size());
    QStringList faults;
    auto money = [](qint64 a, qint64 b) { return QStringLiteral("입금 %1원, 출금 %2원").arg(moneyText(a), moneyText(b)); };
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const Row& r = rows[i];
        const QString month = monthkey::dashed(r.month);
        if (!r.closed && i + 1 < rows.size())
            faults << month + QStringLiteral(" : 마감되지 않은 월 뒤에 다른 월이 있습니다.");
        if (i == 0)
            continue; // the opening month holds the starting figures, not lines of its own
        const Row& before = rows[i - 1];
        if (r.month != monthkey::nextMonth(before.month))
            faults << month + QStringLiteral(" : %1 다음 월이 아닙니다.").arg(monthkey::dashed(before.month));
        if (r.closed) {
            const Totals lines = monthTotals(r.month);
            if (lines.income != r.income || lines.expense != r.expense)
                faults << month + QStringLiteral(" : 마감 당월 금액(%1)이 금전출납 줄의 합계(%2)와 다릅니다.")
                                      .arg(money(r.income, r.expense), money(lines.income, lines.expense));
        }
        if (r.accIncome != before.accIncome + r.income || r.accExpense != before.accExpense + r.expense)
            faults << month + QStringLiteral(" : 누계(%1)가 전월 누계(%2)에 당월 금액을 더한 값과 다릅니다.")
                                  .arg(money(r.accIncome, r.accExpense), money(before.accIncome, before.accExpense));
    }
    return faults;
}
