#pragma once
#include <QDate>
#include <QList>
#include <QString>

#include "db/Query.h"
#include "ui/DivisionFilter.h"

// The rules of the absence entry page ("결석자 입력"): the day's lines of every current member, the
// stored absences of a period, and the held changes that "확     인" writes together. The window shows
// the lines and calls these; tests drive them without widgets.
class AbsenceEntry {
public:
    enum class State {
        Idle,       // no work list
        Shown,      // a work list, nothing open for editing
        Entering,   // the day's lines are open for new absences
        Correcting  // stored lines are open for correction and deletion
    };

    struct Line {
        QString memberNo, name, rank, division, phone, year, klass;
        QString reason;       // as chosen: "06)  무단결석"; empty on a line without absence
        QString note;         // 비고: who reported it
        QDate date;           // 결석일자
        QDate stored;         // the stored absence's date (결석일자1), null when the line has none
        QString storedReason; // as read, to see what was corrected
        QString storedNote;
    };

    struct Filter {
        DivisionFilter::Condition division;
        QString name; // prefix of 회원명
    };

    State state() const { return m_state; }
    bool editing() const { return m_state == State::Entering || m_state == State::Correcting; }
    const QList<Line>& lines() const { return m_lines; }
    int count() const { return int(m_lines.size()); }
    QDate day() const { return m_day; } // the day fixed by "입     력", null after a period listing

    // "입     력": every current member of the selection enrolled on or before `day`, once, with that
    // day's stored absence when he has one. The day is fixed here: new absences take it.
    void generate(const Filter& f, const QDate& day);
    // "조     회": the stored absences of the period.
    void listPeriod(const Filter& f, const QDate& from, const QDate& to);
    // "수     정": opens the lines for correction.
    void beginCorrection();

    // Editing an open line. A reason on a line without a stored absence dates it on the fixed day.
    void setReason(int i, const QString& reasonText);
    void setNote(int i, const QString& note);
    // "출석체크 반영": every open line of the fixed day without a stored absence, without a reason chosen
    // yet and whose member did not check in that day gets `reasonText`; confirmed like a typed absence.
    // Returns how many lines were proposed (0 when the lines are not open for entry).
    int proposeFromCheckIns(const QString& reasonText);
    // "삭     제": the line leaves the list; a stored absence is deleted on confirm.
    void removeLine(int i);

    // "확     인": new absences (with their penalties), corrections and deletions in one transaction.
    // False with the engine's message when it failed: then nothing was written and the lines stay.
    bool confirm(QString* error = nullptr);
    // "취     소": drops the held changes; with nothing open, closes the work list.
    void cancel();

    static QStringList noteChoices(); // 본인, 부모, 친척, 기타

private:
    void open(const QString& sql, const Filter& f, db::Params dates);

    State m_state = State::Idle;
    QDate m_day;
    QList<Line> m_lines;
    QList<Line> m_saved;   // the lines as last read or written
    QList<Line> m_deleted; // stored lines removed from the list
};
