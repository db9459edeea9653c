#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// Business partners (T_거래처). A partner's code is the key its dealings and cash lines carry, so a
// partner with dealings keeps its code and stays in the register.
struct Partner {
    QString code;     // 거래처코드, four characters
    QString name;     // 거래처명
    QString bizNo;    // 사업자번호
    QString owner;    // 성명
    QString address;  // 주소
    QString zip;      // 우편번호
    QString bizType;  // 업태
    QString bizItem;  // 종목
    QString phone1;   // 전화1
    QString phone2;   // 전화2
};

namespace Partners {

constexpr int kCodeLength = 4;

enum class Field { None, Code, Name };
struct Refusal {
    QString message; // empty when done
    Field field = Field::None;
    bool ok() const { return message.isEmpty(); }
};

QList<Partner> all();                               // by code
std::optional<Partner> find(const QString& code);
bool hasDealings(const QString& code);

// A new partner (oldCode empty) or a changed one. Refused: a code that is not four characters, an
// empty name, a code taken by another partner, a new code for a partner with dealings.
Refusal save(const Partner& p, const QString& oldCode = QString());
Refusal remove(const QString& code);

// Drop-down entries: code, the separator, name; the code is the first four characters of an entry.
QStringList entries(const QString& separator);
QString codeOf(const QString& entry);
// The name a partner's cash line carries as 소항목 (at most 29 characters).
QString cashLineName(const QString& name);

} // namespace Partners

// The goods lines of dealings (T_거래) and the one cash-book line per partner, date and direction that
// carries the sum of their 공급가액: the first line makes it, later lines change its amount, the last
// one deleted takes it away. Every change is one transaction; a month the cash book has closed is
// refused with the cash book's messages.
struct DealLine {
    QDate date;
    int cashSeq = 0;    // 금전출납순번
    bool income = false; // 수지 "0" income, "1" expense
    int seq = 0;        // 순번 per date and partner
    QString partner;    // 거래처코드
    QString item;       // 품목
    QString standard;       // 규격
    qint64 quantity = 0;
    qint64 price = 0;   // 단가
    qint64 supply = 0;  // 공급가액
    qint64 tax = 0;     // 세액
    QString memo;       // 적요 (비고)
};

namespace PartnerDeals {

// What the user typed, checked before anything is written.
struct Entry {
    QString item, standard, quantity, price, supply, tax, memo;
};
enum class Field { None, Partner, Item, Standard, Quantity, Price, Supply, Tax, Memo };
struct Result {
    QString message; // empty when done
    Field field = Field::None;
    int seq = 0;     // the goods line written
    int cashSeq = 0; // its cash line
    bool ok() const { return message.isEmpty(); }
};

inline QString directionCode(bool income) { return income ? QStringLiteral("0") : QStringLiteral("1"); }

QList<DealLine> lines(const QDate& date, const QString& partner, bool income);
QList<DealLine> linesOfCashLine(const QDate& date, int cashSeq);
struct Totals {
    qint64 quantity = 0;
    qint64 supply = 0;
};
Totals totals(const QDate& date, const QString& partner, bool income);
int cashSeqOf(const QDate& date, const QString& partner, bool income); // 0 when there is none

// 수량 × 단가 as text when both are whole numbers, otherwise empty (the field keeps its value).
QString supplyText(const QString& quantity, const QString& price);

// The books' own check: each dealing's cash line (per partner, date and direction) holds the sum of its
// goods lines' 공급가액, and every partner cash line has goods lines. One Korean text per fault;
// *checked = the dealings read.
QStringList cashFaults(int* checked = nullptr);

Result check(const Entry& e);
Result add(const QDate& date, const QString& partner, bool income, const Entry& e);
Result update(const QDate& date, const QString& partner, int seq, const Entry& e);
Result remove(const QDate& date, const QString& partner, int seq);

// Goods groups (categories outside "000"-"999") as "code name", and the goods names of one group.
QStringList goodsGroups();
QStringList goodsOf(const QString& groupEntry);

// The partner inquiry over a period: newest date first, then by cash line and line number.
struct Filter {
    QDate from, to;
    QString partner;     // code, empty for all
    QString item;        // part of the goods name, empty for all
    int direction = -1;  // -1 all, 0 income, 1 expense
    QString memo;        // part of the remark, empty for all
};
struct InquiryRow {
    DealLine line;
    QString partnerName;
};
QList<InquiryRow> inquiry(const Filter& f);

} // namespace PartnerDeals
