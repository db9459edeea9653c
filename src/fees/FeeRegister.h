#pragma once
#include <QDate>
#include <QList>
#include <QPair>
#include <QString>

#include "fees/LineEditing.h"
#include "text/Answer.h"
#include <QStringList>
#include <QVariant>

// The rules of the payment page of the fee window ("납부등록/조회"): generate the unpaid months of a
// period, tick and adjust the lines, confirm them through FeePayments, list the payments of a period
// and delete one. The window shows the lines and calls these; tests drive them without widgets.
class FeeRegister : public LineEditing<FeeRegister> {
    friend class LineEditing<FeeRegister>;

public:
    enum class State { Idle, Entering, Showing };
    enum class Focus { None, FromDate, Amount, Month };

    struct Line {
        QString memberNo;
        QString name;
        QString division;      // 부명
        QString memberPayDay;  // the member's usual day of payment
        QString bank;          // 납부은행
        QDate payDate;
        QString amount;        // as typed
        QString month;         // "yyyymm" as typed
        QString note;
        bool checked = false;
        bool isNew = false;    // generated and not yet confirmed: the only lines that can be edited
    };

    // The division part of the member condition: SQL on T_회원.부별코드 and its parameter values.
    struct Division {
        QString sql;
        QList<QPair<QString, QVariant>> params;
    };

    State state() const { return m_state; }
    const QList<Line>& lines() const { return m_lines; }
    int count() const { return int(m_lines.size()); }
    bool editable(int i) const { return i >= 0 && i < count() && m_lines[i].isNew && m_state == State::Entering; }

    // Editing a generated line (setChecked, setAmount, setMonth, setNote): LineEditing.

    // "입     력": the unpaid months of the period for the active members matching name and division.
    Answer generate(const QDate& from, const QDate& to, const QString& name, const Division& division);
    // "확     인": saves the ticked generated lines, each with its cash-book line. Refused when a line is
    // wrong (nothing written); done otherwise, telling each line the payments refused.
    Answer confirm();
    // "조     회": the payments whose payment date lies in the period.
    void list(const QDate& from, const QDate& to, const QString& name, const Division& division);
    // "삭     제": the payment of line i with its own cash-book line, once `ask` agreed.
    Answer remove(int i, const Ask& ask);
    // "취     소": back to idle, dropping generated lines or the listing.
    void cancel();
    // Moving to another page while lines wait: they are dropped as by cancel.
    void discardGenerated();

    // Where the window puts the keyboard after a refusal.
    Focus focus() const { return m_focus; }
    int focusLine() const { return m_focusLine; }

    // Header of the window.
    static QString schoolName();
    // The fee-screen lock of the school record.
    static bool screenLocked();
    static bool passwordMatches(const QString& typed);

private:
    QString lineLabel(const Line& l, const QString& month) const;
    Answer checkLines();
    void setFocus(Focus f, int line = -1)
    {
        m_focus = f;
        m_focusLine = line;
    }

    State m_state = State::Idle;
    QList<Line> m_lines;
    Focus m_focus = Focus::None;
    int m_focusLine = -1;
};
