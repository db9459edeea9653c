#include "fees/FeePayments.h"

#include "db/Concurrency.h"
#include "db/MonthKey.h"
#include "db/Query.h"
#include "db/ClosedMonth.h"
#include "text/Money.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QRegularExpression>

namespace {

QString memberLabel(const QString& name, const QString& memberNo)
{
    return name.isEmpty() ? memberNo : QStringLiteral("%1(%2)").arg(name, memberNo);
}

QString monthLabel(const QString& month)
{
    return FeePayments::isValidMonth(month) ? QStringLiteral("%1년 %2월분").arg(month.left(4), month.mid(4, 2))
                                            : QStringLiteral("'%1'").arg(month);
}

std::optional<QString> memberName(const QString& memberNo)
{
    db::Query q("SELECT 회원명 FROM T_회원 WHERE 회원번호 = :회원번호");
    q.bind("회원번호", memberNo).open();
    if (!q.next())
        return std::nullopt;
    return q.str("회원명");
}

QString textOrEmpty(const QVariant& v) { return v.isNull() ? QString() : v.toString(); }

// The fee link holds the member and the fee 순번 but not the month, so two payments of one member
// with equal 순번 (different months) paid on the same day share it. Their cash-book lines are told
// apart here: the payments of that member, 순번 and day in month order take, one by one, the first
// free line that carries their own amount and note, then any line still free. The answer is the
// 순번 of the cash-book line of each month; a payment without a line is absent.
struct Payment {
    QString month;
    qint64 amount;
    QString note;
};
struct Line {
    int seq;
    qint64 amount;
    QString note;
    bool taken = false;
};

QHash<QString, int> pairUp(const QList<Payment>& payments, QList<Line>& lines)
{
    QHash<QString, int> result;
    for (const Payment& p : payments) {
        for (Line& l : lines) {
            if (!l.taken && l.amount == p.amount && l.note == p.note) {
                l.taken = true;
                result.insert(p.month, l.seq);
                break;
            }
        }
    }
    for (const Payment& p : payments) {
        if (result.contains(p.month))
            continue;
        for (Line& l : lines) {
            if (!l.taken) {
                l.taken = true;
                result.insert(p.month, l.seq);
                break;
            }
        }
    }
    return result;
}

QHash<QString, int> cashLinesOf(const QString& memberNo, int seq, const QString& day)
{
    QList<Payment> payments;
    {
        db::Query q("SELECT 년월분, 납부액, 비고 FROM T_수련비납부 "
                    "WHERE 회원번호 = :회원번호 AND 순번 = :순번 AND 납부일자 = :납부일자 ORDER BY 년월분");
        q.bind({{"회원번호", memberNo}, {"순번", seq}, {"납부일자", day}}).open();
        while (q.next())
            payments.append({q.str("년월분"), q.integer("납부액"), textOrEmpty(q.value("비고"))});
    }
    QList<Line> lines;
    {
        db::Query q("SELECT 순번, 입금액, 적요 FROM T_금전출납 WHERE 일자 = :일자 AND 수련비순번 = :수련비순번 ORDER BY 순번");
        q.bind({{"일자", day}, {"수련비순번", FeePayments::feeLink(memberNo, seq)}}).open();
        while (q.next())
            lines.append({int(q.integer("순번")), q.integer("입금액"), textOrEmpty(q.value("적요"))});
    }
    return pairUp(payments, lines);
}

} // namespace

QString FeePayments::feeLink(const QString& memberNo, int seq)
{
    return memberNo + u'-' + QStringLiteral("%1").arg(seq, 4, 10, QLatin1Char('0'));
}

bool FeePayments::parseFeeLink(const QString& link, QString* memberNo, int* seq)
{
    static const QRegularExpression re(QStringLiteral("^(.{9})-(\\d{4})$"));
    const auto m = re.match(link.trimmed());
    if (!m.hasMatch())
        return false;
    if (memberNo)
        *memberNo = m.captured(1);
    if (seq)
        *seq = m.captured(2).toInt();
    return true;
}

bool FeePayments::isValidMonth(const QString& month)
{
    return monthkey::isMonthKey(month) && month.left(4).toInt() >= 1900;
}

bool FeePayments::isClosed(const QDate& payDate) { return db::isClosedDay(payDate); }

QString FeePayments::closedEntryMessage()
{
    const QString closed = db::lastClosedMonth();
    return QStringLiteral("납부일자는 마감월 이후 이어야 합니다.") + u'\n' + closed.left(4) + u'-' + closed.right(2)
        + QStringLiteral(" 월 이후로 입력하세요.");
}

QString FeePayments::closedDeleteMessage()
{
    return QStringLiteral("마감된 자료는 삭제 할 수 없습니다.") + QStringLiteral("\n\n") + QStringLiteral("마감취소후 작업하세요.");
}

QString FeePayments::entryProblem(const QString& memberNo, const QString& month, const QString& amount, QSet<QString>& batch, bool* onAmount)
{
    static const QRegularExpression wholeWon(QStringLiteral("^\\d{1,12}$"));
    QString problem;
    if (onAmount)
        *onAmount = false;
    if (!isValidMonth(month)) {
        problem = QStringLiteral("년월분은 yyyymm 형식의 올바른 연월로 입력하세요.");
    } else if (isPaid(memberNo, month)) {
        problem = QStringLiteral("이미 납부된 월입니다.");
    } else if (batch.contains(memberNo + month)) {
        problem = QStringLiteral("같은 월이 두 줄에 있습니다.");
    } else if (!wholeWon.match(amount.trimmed()).hasMatch()) {
        problem = QStringLiteral("수련비는 0 이상의 숫자로 입력하세요.");
        if (onAmount)
            *onAmount = true;
    }
    batch.insert(memberNo + month);
    return problem;
}

QString FeePayments::batchRefusal(const QStringList& problems)
{
    return QStringLiteral("다음 줄을 고친 후 다시 확인하세요. 아무것도 저장하지 않았습니다.") + QStringLiteral("\n\n") + problems.join(u'\n');
}

bool FeePayments::isPaid(const QString& memberNo, const QString& month)
{
    return db::scalar("SELECT count(*) FROM T_수련비납부 WHERE 회원번호 = :회원번호 AND 년월분 = :month",
                      {{"회원번호", memberNo}, {"month", month}})
               .toInt()
        > 0;
}

std::optional<FeePayment> FeePayments::find(const QString& memberNo, const QString& month)
{
    db::Query q("SELECT * FROM T_수련비납부 WHERE 회원번호 = :회원번호 AND 년월분 = :month");
    q.bind({{"회원번호", memberNo}, {"month", month}}).open();
    if (!q.next())
        return std::nullopt;
    FeePayment p;
    p.memberNo = q.str("회원번호");
    p.month = q.str("년월분");
    p.seq = int(q.integer("순번"));
    p.payDate = q.date("납부일자");
    p.amount = q.integer("납부액");
    p.note = q.str("비고");
    q.close();
    p.cashSeq = cashLinesOf(p.memberNo, p.seq, db::dateText(p.payDate)).value(p.month, 0);
    return p;
}

int FeePayments::nextSeq(const QString& month)
{
    db::lockNumbers(QStringLiteral("수련비납부"));
    return db::scalarText("Select Max(순번) as 최고 From T_수련비납부 Where 년월분=:년월분", {{"년월분", month}}).toInt() + 1;
}

int FeePayments::nextCashSeq(const QDate& day)
{
    db::lockNumbers(QStringLiteral("금전출납"));
    return db::scalarText("Select Max(순번) From T_금전출납 Where 일자= :일자", {{"일자", db::dateText(day)}}).toInt() + 1;
}

int FeePayments::cashLineOf(const QString& memberNo, const QString& month)
{
    const auto p = find(memberNo, month);
    return p ? p->cashSeq : 0;
}

FeePayment FeePayments::add(const QString& memberNo, const QString& month, const QDate& payDate, qint64 amount,
                            const QString& note, CashLine cash)
{
    const auto name = memberName(memberNo);
    if (!name)
        throw FeeError(FeeError::Kind::NoMember, QStringLiteral("회원번호 %1 의 회원이 없습니다.").arg(memberNo));
    const QString who = memberLabel(*name, memberNo);
    if (!isValidMonth(month))
        throw FeeError(FeeError::Kind::BadMonth,
                       QStringLiteral("%1 : 년월분 '%2' 은(는) 올바른 연월이 아닙니다.\n년월분은 yyyymm 형식으로 입력하세요.")
                           .arg(who, month));
    if (!payDate.isValid())
        throw FeeError(FeeError::Kind::BadDate,
                       QStringLiteral("%1 %2 : 납부일자가 없거나 바른 날짜가 아닙니다.\n납부일자를 YYYY-MM-DD 형식의 바른 날짜로 입력하세요.")
                           .arg(who, monthLabel(month)));
    if (amount < 0)
        throw FeeError(FeeError::Kind::BadAmount,
                       QStringLiteral("%1 %2 : 수련비는 0 이상의 금액으로 입력하세요.").arg(who, monthLabel(month)));
    // The closing state and the paid month are read inside the write: another program on the file
    // may have closed the month or taken the payment a moment ago.
    db::Transaction tx;
    if (isClosed(payDate))
        throw FeeError(FeeError::Kind::ClosedMonth, closedEntryMessage());
    if (isPaid(memberNo, month))
        throw FeeError(FeeError::Kind::AlreadyPaid,
                       QStringLiteral("%1 회원의 %2 수련비는 이미 납부되어 있습니다.").arg(who, monthLabel(month)));

    FeePayment p{memberNo, month, 0, payDate, amount, note, 0};
    p.seq = nextSeq(month);
    db::Query ins("Insert Into T_수련비납부 (회원번호, 년월분,순번,납부일자, 납부액, 비고) "
                  "Values (:no, :month,:순번 ,:date, :Fee, :etc) ");
    ins.bind({{"no", memberNo}, {"month", month}, {"순번", p.seq}, {"date", payDate}, {"Fee", amount}, {"etc", note}});
    ins.exec();
    if (cash == CashLine::Write) {
        p.cashSeq = nextCashSeq(payDate);
        db::Query line("INSERT INTO T_금전출납 ( 일자,순번, 대항목, 소항목,입금액,출금액,적요, 수련비순번)"
                       "VALUES(:일자,:순번,:대항목,:소항목,:입금액, :출금액, :적요,:수련비순번) ");
        line.bind({{"일자", db::dateText(payDate)},
                   {"순번", p.cashSeq},
                   {"대항목", QStringLiteral("수련비")},
                   {"소항목", *name},
                   {"입금액", amount},
                   {"출금액", 0},
                   {"적요", note},
                   {"수련비순번", feeLink(memberNo, p.seq)}});
        line.exec();
    }
    tx.commit();
    return p;
}

void FeePayments::update(const QString& memberNo, const QString& month, qint64 amount, const QString& note)
{
    db::Transaction tx;
    const auto p = find(memberNo, month);
    if (!p)
        throw FeeError(FeeError::Kind::NotFound,
                       QStringLiteral("%1 의 %2 수련비 납부 자료가 없습니다.").arg(memberNo, monthLabel(month)));
    if (amount < 0)
        throw FeeError(FeeError::Kind::BadAmount, QStringLiteral("수련비는 0 이상의 금액으로 입력하세요."));
    if (isClosed(p->payDate)) // the note too: a closed month's register stays as it was closed
        throw FeeError(FeeError::Kind::ClosedMonth,
                       QStringLiteral("마감된 자료는 수정 할 수 없습니다.") + QStringLiteral("\n\n") + QStringLiteral("마감취소후 작업하세요."));
    db::run("UPDATE T_수련비납부 SET 납부액 = :납부액, 비고 = :비고 WHERE 회원번호 = :회원번호 AND 년월분 = :년월분",
            {{"납부액", amount}, {"비고", note}, {"회원번호", memberNo}, {"년월분", month}});
    if (p->cashSeq > 0)
        db::run("UPDATE T_금전출납 SET 입금액=:입금액, 적요=:적요 Where 일자=:일자 AND 순번=:순번",
                {{"입금액", amount}, {"적요", note}, {"일자", db::dateText(p->payDate)}, {"순번", p->cashSeq}});
    tx.commit();
}

void FeePayments::remove(const QString& memberNo, const QString& month)
{
    db::Transaction tx;
    const auto p = find(memberNo, month);
    if (!p)
        throw FeeError(FeeError::Kind::NotFound,
                       QStringLiteral("%1 의 %2 수련비 납부 자료가 없습니다.").arg(memberNo, monthLabel(month)));
    if (isClosed(p->payDate))
        throw FeeError(FeeError::Kind::ClosedMonth, closedDeleteMessage());
    db::run("DELETE FROM T_수련비납부 WHERE 회원번호 = :회원번호 AND 년월분 = :년월분",
            {{"회원번호", memberNo}, {"년월분", month}});
    if (p->cashSeq > 0)
        db::run("DELETE FROM T_금전출납 WHERE 일자 = :일자 AND 순번 = :순번",
                {{"일자", db::dateText(p->payDate)}, {"순번", p->cashSeq}});
    tx.commit();
}

void FeePayments::removeByCashLine(const QDate& day, int cashSeq)
{
    const QString dayText = db::dateText(day);
    db::Transaction tx;
    db::Query q("SELECT 수련비순번 FROM T_금전출납 WHERE 일자 = :일자 AND 순번 = :순번");
    q.bind({{"일자", dayText}, {"순번", cashSeq}}).open();
    if (!q.next())
        throw FeeError(FeeError::Kind::NotFound, QStringLiteral("삭제할 금전출납 자료가 없습니다."));
    const QString link = q.str("수련비순번");
    q.close();
    QString memberNo;
    int seq = 0;
    if (!parseFeeLink(link, &memberNo, &seq))
        throw FeeError(FeeError::Kind::NotFeeLine, QStringLiteral("수련비 납부로 기록된 금전출납 자료가 아닙니다."));
    if (isClosed(day))
        throw FeeError(FeeError::Kind::ClosedMonth, closedDeleteMessage());

    QString month;
    const QHash<QString, int> lines = cashLinesOf(memberNo, seq, dayText);
    for (auto it = lines.constBegin(); it != lines.constEnd(); ++it) {
        if (it.value() == cashSeq)
            month = it.key();
    }
    db::run("DELETE FROM T_금전출납 WHERE 일자 = :일자 AND 순번 = :순번", {{"일자", dayText}, {"순번", cashSeq}});
    if (!month.isEmpty())
        db::run("DELETE FROM T_수련비납부 WHERE 회원번호 = :회원번호 AND 년월분 = :년월분",
                {{"회원번호", memberNo}, {"년월분", month}});
    tx.commit();
}

QStringList FeePayments::linkFaults(int* checked)
{
    // Every fee row and every fee line at once, grouped by link and day, paired as find() pairs them.
    struct Group {
        QList<Payment> payments;
        QList<Line> lines;
    };
    QMap<std::pair<QString, QString>, Group> groups;
    int rows = 0;
    {
        db::Query q("SELECT 회원번호, 년월분, 순번, 납부일자, 납부액, 비고 FROM T_수련비납부 ORDER BY 회원번호, 년월분");
        q.open();
        while (q.next()) {
            const QString key = feeLink(q.str("회원번호"), int(q.integer("순번")));
            groups[{key, q.str("납부일자")}].payments.append({q.str("년월분"), q.integer("납부액"), textOrEmpty(q.value("비고"))});
            ++rows;
        }
    }
    {
        db::Query q("SELECT 일자, 순번, 입금액, 적요, 수련비순번 FROM T_금전출납 WHERE 수련비순번 Is Not Null ORDER BY 일자, 순번");
        q.open();
        while (q.next()) {
            const QString link = q.str("수련비순번").trimmed();
            if (parseFeeLink(link, nullptr, nullptr))
                groups[{link, q.str("일자")}].lines.append({int(q.integer("순번")), q.integer("입금액"), textOrEmpty(q.value("적요"))});
        }
    }
    if (checked)
        *checked = rows;
    QStringList faults;
    for (auto it = groups.begin(); it != groups.end(); ++it) {
        const QString& link = it.key().first;
        const QString& day = it.key().second;
        QList<Line>& lines = it.value().lines;
        const QHash<QString, int> paired = pairUp(it.value().payments, lines);
        const QString memberNo = link.left(9);
        for (const Payment& p : std::as_const(it.value().payments)) {
            const QString row = QStringLiteral("%1 %2 (%3, %4원)").arg(memberNo, monthLabel(p.month), day, moneyText(p.amount));
            if (!paired.contains(p.month)) {
                if (p.amount != 0)
                    faults << row + QStringLiteral(" : 금전출납에 이 납부의 줄이 없습니다.");
                continue;
            }
            const int seq = paired.value(p.month);
            for (const Line& l : std::as_const(lines))
                if (l.seq == seq && l.amount != p.amount)
                    faults << row + QStringLiteral(" : 금전출납 %1 순번 %2 의 입금액 %3원이 납부액과 다릅니다.")
                                        .arg(day)
                                        .arg(seq)
                                        .arg(moneyText(l.amount));
        }
        for (const Line& l : std::as_const(lines))
            if (!l.taken)
                faults << QStringLiteral("금전출납 %1 순번 %2 (수련비순번 %3, %4원) : 이 줄의 수련비 납부 자료가 없습니다.")
                              .arg(day)
                              .arg(l.seq)
                              .arg(link, moneyText(l.amount));
    }
    return faults;
}
