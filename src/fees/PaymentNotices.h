#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "fees/UnpaidList.h"

class NoticeFile;
class QWidget;

// The payment notices of the unpaid page: seven kinds of letter, each in a whole-form layout and a
// data-only layout for pre-printed paper, filled into `print` one row per member; and the notice data
// file for the school's online notification service. Besides the fee status of the year a notice
// carries the member's rank and its training content, last month's absences and daily-life records,
// concentration scores, merit points, a letter text and, for "측정표", fitness results.
class PaymentNotices {
public:
    enum Kind { Measure, Letter, Guide, Bill, Overdue, Focus, Receipt }; // 측정표 통신문 안내문 통지서 미납통지 집중도 영수증
    enum class LetterChoice { None, Personal, Group, Individual };        // -, 개인전체공지, 전체공지, 개인개별공지

    struct KindInfo {
        QString caption;    // "측정표"
        QString fullLayout; // "fee11.rpt" (형식출력)
        QString formsLayout;// "fee12.rpt" (Forms출력)
        QString title;      // "납부통지서(측정표)"
        int perSheet;       // members sharing one seqno
    };
    static const KindInfo& info(Kind kind);

    struct Options {
        QDate reference;   // 현재 일자
        QDate issued;      // 발행날짜
        int daysToPay = 3; // the deadline is the issue date + this many days
        Kind kind = Measure;
        bool forms = false;
        LetterChoice letter = LetterChoice::None;
        QString letterText; // the letter box, one paragraph a line
    };

    // The letter text of a choice (T_가정통신문.개인 or 단체), and writing it back. Nothing is read or
    // written for "개인개별공지" or no choice.
    static QString loadLetter(LetterChoice choice);
    static bool saveLetter(LetterChoice choice, const QString& text);

    // Fills `print` for the members (in list order) and runs the kind's layout. Kind "영수증" numbers
    // each member from the notice counter of this month: the preview shows the numbers the papers will
    // carry, and they are used only when the pages first go to the printer or into a PDF.
    static bool print(const QStringList& memberNos, const Options& o, int destination, QWidget* parent = nullptr);

    // The notice data file for the ticked lines that have an e-mail address.
    static NoticeFile dataFile(const QList<UnpaidList::Line>& lines, const Options& o);

    // The letter's lines as they go into 가정통신1..16: at most 16, each cut to 110 bytes of CP949
    // without splitting a syllable.
    static QStringList letterLines(const QString& text);
};
