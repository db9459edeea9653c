#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// Lines of the cash book (T_금전출납): ordinary lines entered on the register page, fee lines written
// with fee payments (main item "수련비") and partner lines (main item "거래처출납관리").
struct CashLine {
    QDate date;
    int seq = 0;
    QString mainItem;   // 대항목
    QString subItem;    // 소항목
    qint64 income = 0;  // 입금액
    qint64 expense = 0; // 출금액
    QString memo;       // 적요
    QString feeLink;    // 수련비순번
};

class CashBook {
public:
    static inline const QString kFeeItem = QStringLiteral("수련비");
    static inline const QString kPartnerItem = QStringLiteral("거래처출납관리");

    struct Totals {
        qint64 income = 0;
        qint64 expense = 0;
        qint64 net() const { return income - expense; }
    };

    // A fee line carries the link to its fee payment; a line typed under "수련비" without one is an
    // ordinary line.
    static bool isFeeLink(const QString& feeLink);

    static QList<CashLine> linesOf(const QDate& date);
    static Totals dayTotals(const QDate& date);
    static int nextSeq(const QDate& date);

    static QStringList mainItems();                        // names of the categories 000..999
    static QStringList subItems(const QString& mainItem);  // details of the category with that name

    // Ordinary lines. Lines of a closed month (read inside the write) and lines without a valid date
    // are not changed: the refusal message is returned
    // (empty when done), as for a line that no longer exists and for a change of a fee line's amount
    // (fee lines change only through FeePayments). Database failures throw db::Error.
    enum class Action { Add, Edit, Delete };
    static QString closedMonthRefusal(const QDate& date, Action action);
    // A main item, sub item or memo longer than its column; empty when all fit.
    static QString textProblem(const QString& mainItem, const QString& subItem, const QString& memo);
    static QString addLine(const QDate& date, const QString& mainItem, const QString& subItem, bool income,
                           qint64 amount, const QString& memo, int* seq = nullptr);
    static QString updateLine(const QDate& date, int seq, const QString& mainItem, const QString& subItem,
                              bool income, qint64 amount, const QString& memo);
    // Deletes a line by its kind: a fee line with exactly its own fee payment, a partner line with its
    // transaction details, any other line alone. All in one transaction.
    static QString deleteLine(const QDate& date, int seq);

    // The fee payment a fee line belongs to, deleted with the line.
    static QString deleteFeeLine(const QDate& date, int seq);

    // The member panel of a fee line.
    struct Member {
        QString no, name, sex, division, rank, birth, phone;
        qint64 fee = 0;
    };
    struct Payment {
        QString month;
        QDate paid;
        qint64 amount = 0;
    };
    static Member memberOf(const QString& feeLink);
    static QList<Payment> paymentsOf(const QString& memberNo);

    // The password lock of the cash-book window: on when a password is stored and its flag is "1".
    static bool screenLocked();
    static bool passwordMatches(const QString& typed);

    // The school name for headings and printouts (empty while no school record exists).
    static QString schoolName();
};
