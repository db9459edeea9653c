#pragma once
#include <QDate>
#include <QList>
#include <QString>

#include "ui/DivisionFilter.h"

class NoticeFile;
class QWidget;

// Page "영수증 발부" of the fee window: the payments received in a period, numbered receipts three to a
// sheet for the ticked ones, and the receipt data file for the online notification service.
class Receipts {
public:
    struct Line {
        QString memberNo, name, division, month, paidOn, email, mobile, note;
        qint64 amount = 0;
    };

    static QList<Line> list(const QDate& from, const QDate& to, const QString& name, const DivisionFilter::Condition& division);

    // Fills `print` with one receipt per line (in list order) and runs "영수증.rpt" (whole form) or
    // "영수증2.rpt" (pre-printed paper). Receipts are numbered from this month's receipt counter: the
    // preview shows the numbers the papers will carry, used only when the pages first go to the
    // printer or into a PDF. `footer` is the text printed at the foot of every receipt.
    static bool print(const QList<Line>& lines, const QString& footer, bool forms, int destination, QWidget* parent = nullptr);

    // The receipt data file: lines with an e-mail address and an amount other than 0.
    static NoticeFile dataFile(const QList<Line>& lines);
};
