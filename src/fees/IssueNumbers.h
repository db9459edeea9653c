#pragma once
#include <QDate>
#include <QString>
#include <functional>

// The monthly issue numbers of payment notices (T_통지서발급번호) and receipts (T_영수증발급번호).
// Each calendar month of issue has its own row holding the last number given out; numbering starts
// at 0001 in every new month. A paper carries 발부월 + "-" + the four-digit number ("03-0005").
//
// Numbers are taken in two steps, so a preview can show them without using them:
//
//   const int last = IssueNumbers::last(IssueNumbers::Receipt, today);   // numbers last+1, last+2 ...
//   ... fill print with IssueNumbers::text(today, last + k) ...
//   job.run(..., IssueNumbers::takeWhenPrinted(IssueNumbers::Receipt, today, last, count));
class IssueNumbers {
public:
    enum Kind { Notice, Receipt };

    // The last number issued in the month of `day`; 0 when none (no row yet).
    static int last(Kind kind, const QDate& day);
    // "mm-nnnn" for number n in the month of `day`.
    static QString text(const QDate& day, int number);
    // Records that `count` numbers after `expectedLast` were used in the month of `day` (making the
    // month's row when it is the first). Throws db::Error, writing nothing, when the month's counter
    // is no longer at `expectedLast`: the papers would carry numbers that another run already used.
    static void take(Kind kind, const QDate& day, int expectedLast, int count);
    // The same as the record of a print run: taken when the pages first go out; a failure is shown as
    // "저장 에러 입니다." with the engine's message, and nothing goes out. Empty for no numbers.
    static std::function<void()> takeWhenPrinted(Kind kind, const QDate& day, int expectedLast, int count);

private:
    static QString table(Kind kind);
};
