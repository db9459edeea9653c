#pragma once
#include <QDate>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>
#include <stdexcept>

// A fee rule the user broke: the Korean text and caption to show in the error box. Nothing was written.
class FeeError : public std::runtime_error {
public:
    enum class Kind {
        BadMonth,      // not a real month "yyyymm"
        BadDate,       // no valid payment date
        BadAmount,     // a negative amount
        ClosedMonth,   // the payment date lies in a closed cash-book month
        AlreadyPaid,   // the member already has a row for that month
        NoMember,      // no such member
        NotFound,      // no fee row (or cash-book line) to change or delete
        NotFeeLine     // a cash-book line that is not a fee line
    };
    FeeError(Kind kind, const QString& message, const QString& caption = QStringLiteral("오류"))
        : std::runtime_error(message.toStdString()), m_kind(kind), m_message(message), m_caption(caption) {}
    Kind kind() const { return m_kind; }
    QString message() const { return m_message; }
    QString caption() const { return m_caption; }

private:
    Kind m_kind;
    QString m_message;
    QString m_caption;
};

// One row of T_수련비납부 and, when it has one, the cash-book line that belongs to it.
struct FeePayment {
    QString memberNo;
    QString month;       // "yyyymm"
    int seq = 0;         // 순번 within the month
    QDate payDate;
    qint64 amount = 0;
    QString note;
    int cashSeq = 0;     // 순번 of its T_금전출납 line on payDate, 0 when it has none
};

// The one way fee rows are written and deleted: every screen that records or removes a payment
// (fee window, enrolment, personal fee tab, settlement, cash book) goes through here, so a fee row
// and its cash-book line always move together and closed months stay as they were closed.
//
// Each operation runs in its own db::Transaction, which becomes a savepoint when the caller already
// holds one (enrolment saves the member and the first payment together), and reads the closing state
// inside it. Broken rules throw FeeError before anything is written; database failures throw db::Error
// after the rollback.
class FeePayments {
public:
    enum class CashLine { Write, None }; // settlement rows (amount 0) are written without a cash-book line

    // "202403001-0007": the text in T_금전출납.수련비순번 that ties a cash-book line to its fee row.
    static QString feeLink(const QString& memberNo, int seq);
    // The member number and 순번 of a link; false when the text is not a fee link.
    static bool parseFeeLink(const QString& link, QString* memberNo, int* seq);

    static bool isValidMonth(const QString& month);           // six digits, a real month
    static bool isClosed(const QDate& payDate);               // in a closed month, read now (db::isClosedDay)
    static QString closedEntryMessage();                      // the refusal of a new payment in a closed month
    static QString closedDeleteMessage();                     // the refusal of a deletion in a closed month

    static bool isPaid(const QString& memberNo, const QString& month);
    static std::optional<FeePayment> find(const QString& memberNo, const QString& month);
    static int nextSeq(const QString& month);                 // max 순번 of the month + 1
    static int nextCashSeq(const QDate& day);                 // max 순번 of the cash-book date + 1

    // The checks every ticked line of a batch passes before anything is written (payment page,
    // settlement): a real month, not paid, not twice in the batch
    // (`batch` collects member + month), a whole amount of 0 or more. The problem's text, empty when
    // the line is fine; *onAmount tells whether the amount is at fault.
    static QString entryProblem(const QString& memberNo, const QString& month, const QString& amount, QSet<QString>& batch, bool* onAmount = nullptr);
    // The box text that refuses a batch: every problem line ("name(number) month : problem").
    static QString batchRefusal(const QStringList& problems);

    // Records the payment of one month: the fee row (순번 = next of the month) and, unless told
    // otherwise, its cash-book income line on payDate. Refused (FeeError) for a month that is not real,
    // a month the member already paid, an unknown member, a negative amount, or a payment date in a
    // closed month.
    static FeePayment add(const QString& memberNo, const QString& month, const QDate& payDate, qint64 amount,
                          const QString& note, CashLine cash = CashLine::Write);

    // Changes amount and note of a recorded payment and of its own cash-book line. Refused for a
    // payment dated in a closed month.
    static void update(const QString& memberNo, const QString& month, qint64 amount, const QString& note);

    // Deletes the payment of that member and month and exactly its own cash-book line.
    // Refused for a payment dated in a closed month.
    static void remove(const QString& memberNo, const QString& month);

    // Deletes a cash-book fee line together with the fee row it belongs to (the fee row may already be
    // gone; then only the line goes). Refused for a line in a closed month.
    static void removeByCashLine(const QDate& day, int cashSeq);

    // The 순번 of the cash-book line that belongs to the payment, 0 when it has none.
    static int cashLineOf(const QString& memberNo, const QString& month);

    // The books' own check: where fee rows and fee lines of the cash book do not pair up one to one as
    // add() writes them (a fee row without its line, unless its amount is 0; a line whose amount is not
    // its row's; a fee line without a fee row). One Korean text per fault; *checked = the fee rows read.
    static QStringList linkFaults(int* checked = nullptr);
};
