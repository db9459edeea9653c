#pragma once
#include <QDate>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "db/BufferedSet.h"

// One member as the personal-management screen edits him: the member row and the lists of the tabs,
// each held in a buffered set and written only by save(). Nothing here knows a widget, so the save
// order, the all-or-nothing rule and the serial numbers are tested without a window.
//
//   PersonalRecord r;
//   r.load("202405001");
//   r.openList(PersonalRecord::Suggestions);
//   int row = r.addRow(PersonalRecord::Suggestions);      // 순번, 회원번호 and today's date set
//   r.setCell(PersonalRecord::Suggestions, row, "건의사항", "...");
//   if (auto p = r.check()) { /* show p->message, focus p->column */ }
//   r.save();                                             // one transaction; throws db::Error
class PersonalRecord {
public:
    // The lists of the screen, in the order a save writes them (after the member row).
    // Concentration is shown only; nothing writes it here.
    enum List { Family, Suggestions, Conduct, Awards, Exams, Absences, Fees, Fitness, Points, Badges, Notices, Concentration, ListCount };

    static bool handles(List l);
    static QString tableOf(List l);
    static QString dateColumnOf(List l); // empty for the family and the badges

    // --- the member -------------------------------------------------------------------------------
    // Reads the member and forgets every list. False (and nothing shown) when there is no such row.
    bool load(const QString& no);
    void clear();
    bool loaded() const { return m_loaded; }
    QString memberNo() const { return m_no; }
    bool hasName() const;
    bool onLeave() const;
    QVariant field(const QString& column) const;
    // An empty text where the row holds null keeps the null, so untouched fields stay as they were.
    void setField(const QString& column, const QVariant& value);
    // The member row's columns that a save writes.
    static QStringList editableColumns();

    // --- the lists --------------------------------------------------------------------------------
    // Reads the list of the shown member. A list that holds unsaved changes is kept as it is, so
    // showing its tab again loses nothing; `force` reads anyway. Returns whether it read.
    bool openList(List l, bool force = false);
    bool isOpen(List l) const { return m_lists[l].open; }
    const db::BufferedSet& rows(List l) const { return m_lists[l].set; }
    int count(List l) const { return m_lists[l].set.count(); }
    QVariant cell(List l, int row, const QString& column) const { return m_lists[l].set.value(row, column); }
    // Changes one value of a listed row; raises the list's flag when the value changes.
    void setCell(List l, int row, const QString& column, const QVariant& value);
    bool changed(List l) const; // flag raised or rows changed
    bool anyChange() const;     // the member row or any list

    // Whether the user may type into the cell while editing: a fee row keeps its month, date and
    // amount once stored; the identity of an examination and the fitness index are never typed.
    bool editable(List l, int row, const QString& column) const;

    // A new row: 순번 one above every 순번 the member has in the table (saved or listed), 회원번호 and,
    // for the journals, today's date. An absence gets today; a fee today, this month and the member's
    // monthly fee; a measurement today and zero values. -1 for lists without an add.
    int addRow(List l);
    // Marks a listed row deleted. False when there is no such row. Fee rows go by deleteFeeNow().
    bool deleteRow(List l, int row);
    // Back to the list as read; its flag drops.
    void cancelList(List l);
    int nextSerial(List l) const;

    // Award and point choosers: the item text "code)  name" goes to 비고2, the code to 상장코드 or
    // 벌점코드 (empty when the text has no ")"); a point row also gets the item's 벌점수.
    void chooseItem(List l, int row, const QString& itemText);
    static QString codeOf(const QString& itemText);
    static qint64 pointsOf(const QString& code); // 0 when the code is not listed
    static QStringList awardItems();             // "code)  name" of T_상장목록
    static QStringList pointItems();             // "code)  name" of T_벌점항목

    // The point rows of one month, by date (new rows not saved yet are shown in any month).
    QList<int> pointRows(int year, int month) const;
    struct PointSums {
        QStringList months; // 12 cells: the month's sum, empty without entries
        qint64 year = 0;    // the chosen year
        qint64 total = 0;   // every year
        QString summary() const; // "년 : n  누적 : m"
    };
    PointSums pointSums(int year) const; // from the saved rows

    // The absences of one month and the fees of one year as the tabs show them; new rows show in any.
    QList<int> absenceRows(int year, int month) const;
    QList<int> feeRows(int year) const;
    // Absences counted per month: [0] the year before `year`, [1] `year`.
    std::array<std::array<int, 12>, 2> absenceCounts(int year) const;
    // "V" under each month of `year` the member paid exactly once, empty otherwise.
    QStringList feeMarks(int year) const;

    // The lines below the measurements: the oldest one, the national row of the member's age and sex
    // with its obesity value, the change from the oldest to the newest, and the average of the latest
    // measurement of every member born in the same year and of the same sex. 13 texts each (A01 ..
    // A12, 비만도); the national and change rows are empty when there is nothing to show.
    struct FitnessComparison {
        QString firstDate;
        QStringList first, national, change, school;
        QString nationalA13;
    };
    FitnessComparison fitnessComparison() const;
    static QStringList examCriteria(); // the six item names of T_심사항목

    // Badges go strictly in code order: the first badge not held, or back the last one held.
    bool awardBadge(const QDate& day);
    bool takeBackBadge();

    // --- confirm, cancel, delete ------------------------------------------------------------------
    struct Problem {
        QString caption;
        QString message;
        QString column;     // the member field to focus, or the list's column
        List list = ListCount; // ListCount: a member field
        int row = -1;
    };
    // The first thing a save would refuse, or nothing.
    std::optional<Problem> check() const;

    // A stored fee row is deleted at once with its own cash-book line, not at 확인; a new row only
    // leaves the list. The problem is the refusal for a payment in a closed month.
    std::optional<Problem> feeDeleteProblem(int row) const;
    void deleteFeeNow(int row); // throws FeeError or db::Error; the list keeps its other changes

    // Writes the member row, then every list that changed, in the order of List, in one transaction:
    // all of it or nothing. A text longer than its column is refused first. On failure it throws
    // db::Error and keeps the buffered changes.
    void save();
    void cancel();

    // A bitmap of the member kept beside the program; false when the picture cannot be read or written.
    static bool storePhoto(const QString& memberNo, const QString& pictureFile);

    // Deletes the member with every row of his, counted and logged as a withdrawal of today, in one
    // transaction; the photo goes after the commit. Throws db::Error (nothing changed).
    static void deleteMember(const QString& no, const QDate& today);

    // Members that can be chosen: (회원번호, 회원명) of those not withdrawn, by name.
    static QList<QPair<QString, QString>> memberList();

private:
    struct ListData {
        db::BufferedSet set;
        bool open = false;
        bool flag = false;
    };
    void prepare(List l);
    void writeBadges();
    void writeExams();
    void writeAbsences();
    void writeFees();
    QList<int> rowsWithPrefix(List l, const QString& column, const QString& prefix) const;
    std::optional<Problem> checkList(List l) const;
    // A member field or a pending row's text longer than its column.
    std::optional<Problem> widthProblem() const;

    db::BufferedSet m_member;
    QString m_no;
    bool m_loaded = false;
    std::array<ListData, ListCount> m_lists;
};
