#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <utility>

#include "db/DbError.h"
#include "ui/DivisionFilter.h"
#include "ui/SchoolYearFilter.h"

// A batch the records do not allow (a member already examined under another number on that date).
// Derived from db::Error so the save rolls back as usual; message() is Korean, fit for the user.
class ExamRefused : public db::Error {
public:
    explicit ExamRefused(const QString& message) : db::Error(message, QString()) {}
};

// The school's promotion examination as the batch screen runs it: the candidates of one examination
// number and promotion date are listed (or the records of a number searched), scored, and committed
// as rank updates and T_심사 records in one transaction. No widgets: the screen and the tests call it.
class ExamBatch {
public:
    enum class Mode { Batch, Scoring, Danbo }; // 일괄, 채점, 단보
    enum class Sort { LowFirst, HighFirst };   // 유급자순, 유품자순
    enum class State { Idle, Insert, Search };

    static constexpr int kItems = 6;
    static constexpr int kPassMark = 60;
    static const QString kSchool; // "체육관"

    struct Filter {
        DivisionFilter::Condition division = DivisionFilter::conditionFor(0, QString(), QStringLiteral("T_회원.부별코드"));
        SchoolYearFilter::Condition year; // listing only
        Sort sort = Sort::LowFirst;
    };

    struct Row {
        QString label;                 // 번호 after a listing, 회원번호 after a search
        QString memberNo, name, division, enrolled;
        QString date;                  // 승급일자 "YYYY-MM-DD"
        QString rankCode, rankName;    // 전 급: the rank held before this examination
        int scores[kItems] = {};
        int average = 0;               // 심사평균
        int examNo = 0;
        int attendance = 0;            // 출석률: minus the absences of the month before the date
        int merit = 0;                 // 승벌점 of that month
        QString target, targetName;    // Ugrd, 다음급 (현 급)
        bool selected = false;         // 평가
        // The record the row came from (relisting, search); empty for a candidate not yet recorded.
        QString storedDate, storedRank;
        bool recorded() const { return !storedRank.isEmpty() || !storedDate.isEmpty(); }
    };

    struct Rank {
        QString code, name;
    };

    // The calendar month before a promotion date, first and last day.
    static std::pair<QDate, QDate> monthBefore(const QDate& promotion);
    // 출석률 and 승벌점 of a member for the month before a date.
    static int attendanceFigure(const QString& memberNo, const QDate& promotion);
    static int meritPoints(const QString& memberNo, const QDate& promotion);

    // The scoring-mode average before rounding: the positive scores and the attendance figure (and the
    // merit points with 상벌포함) summed and divided by the number of positive scores, then the
    // attendance figure once more, and in 채점 with 상벌포함 the merit points once more.
    static double rawAverage(const int scores[kItems], int attendance, int merit, Mode mode, bool withMerit);
    static int rounded(double average); // "##0": nearest whole number, halves away from zero
    static int batchAverage(const int scores[kItems]); // 일괄: the positive scores only
    static bool passes(int roundedAverage) { return roundedAverage >= kPassMark; }

    ExamBatch();

    State state() const { return m_state; }
    Mode mode() const { return m_mode; }
    const QList<Row>& rows() const { return m_rows; }
    const Row& row(int i) const { return m_rows[i]; }
    int count() const { return int(m_rows.size()); }
    const QList<Rank>& ranks() const { return m_ranks; }
    QString rankName(const QString& code) const;

    // "입     력": the active candidates of the filters for the number and date. A member recorded
    // for this number and date shows his stored scores and keeps the rank of that record as target.
    // Returns the number of rows; with none the screen stays idle.
    int list(int examNo, const QDate& date, Mode mode, const Filter& filter);
    // "조     회": the school records of the number; each row keeps its stored date.
    int search(int examNo, Mode mode, const Filter& filter);
    void cancel();

    // Grid edits (insert and search states only).
    void setScore(int row, int item, int value);
    bool setDate(int row, const QString& date); // false for a text that is not a date
    void setTarget(int row, const QString& code);
    void setSelected(int row, bool on);
    // A click on the row's 선택 box: toggles it and, in 채점 and 단보, scores the row.
    void click(int row, bool withMerit);
    // The average, and for a candidate not yet recorded the target. A row read from a record keeps the
    // record's rank: the examination already moved him as far as it does, whatever the new scores.
    void score(int row, bool withMerit);

    // "확     인": every selected row raises (or keeps) the member's rank and writes its record, all in
    // one transaction. Throws db::Error and writes nothing when a statement fails; the rows stay.
    // Throws ExamRefused (nothing written) when a selected member already holds a school record of
    // another number on the row's date: a member is examined once a day.
    // Returns the number of rows written.
    int commit();

private:
    void loadRanks();
    QString nextCode(const QString& code) const;
    QString prevCode(const QString& code) const;
    void fromRecord(Row& r, const QString& recordedRank, int recordedAverage) const;
    void refuseSecondExamOfTheDay() const; // throws ExamRefused

    State m_state = State::Idle;
    Mode m_mode = Mode::Batch;
    QList<Row> m_rows;
    QList<Rank> m_ranks;
};
