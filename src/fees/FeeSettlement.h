#pragma once
#include <QDate>
#include <QList>
#include <QString>

#include "fees/LineEditing.h"
#include "text/Answer.h"

#include "ui/DivisionFilter.h"

// Page "수련비 정산" of the fee window: settles months that members never paid. Generation proposes a
// ticked line of amount 0 ("정산처리", dated today) for every unpaid month of a period after the
// member's enrolment month; recording writes the ticked lines through FeePayments, all or none. A line
// left at 0 makes the month exempt and has no cash-book line; a line raised above 0 is money received
// and gets its cash-book line as any payment does.
class FeeSettlement : public LineEditing<FeeSettlement> {
    friend class LineEditing<FeeSettlement>;

public:
    enum class State { Idle, Generated };

    struct Line {
        QString memberNo, name, division, bank;
        QDate payDate;
        QString amount = QStringLiteral("0"); // as typed
        QString month;                         // "yyyymm" as typed
        QString note;
        bool checked = true;
        bool isNew = false;                    // generated, not yet recorded: the only editable lines
    };

    State state() const { return m_state; }
    const QList<Line>& lines() const { return m_lines; }
    int count() const { return int(m_lines.size()); }
    bool editable(int i) const { return m_state == State::Generated && i >= 0 && i < count() && m_lines[i].isNew; }

    // Editing a generated line (setChecked, setAmount, setMonth, setNote): LineEditing.

    // "입     력": the unpaid months from..to (same year) of the active members matching name and division.
    Answer generate(const QDate& fromMonth, const QDate& toMonth, const QString& name, const DivisionFilter::Condition& division);
    // "확     인": checks every ticked line, then records them all in one transaction. Refused (nothing
    // written, the lines kept for correction) when a line is wrong or the save fails.
    Answer record();
    // "취     소", or leaving the page: the generated lines are dropped.
    void cancel();
    // "조     회": the recorded payments of the months from..to, settled or not.
    void list(const QDate& fromMonth, const QDate& toMonth, const QString& name, const DivisionFilter::Condition& division);

    // Where the window puts the keyboard after a refusal: the from-month box, or a line.
    bool focusOnFrom() const { return m_focusFrom; }
    int focusLine() const { return m_focusLine; }

private:
    State m_state = State::Idle;
    QList<Line> m_lines;
    bool m_focusFrom = false;
    int m_focusLine = -1;
};
