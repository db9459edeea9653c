#pragma once
#include <QHash>
#include <QList>
#include <QWidget>

#include "members/PersonalRecord.h"

class ListModel;
class PersonalJournalPanel;
class QComboBox;
class QLabel;
class QTableView;

// The tabs of the personal screen below the member's fields. Most are one journal list; the pages
// here add what a tab shows beside its list (a month's points, the absence counts, the fee marks, the
// fitness comparison). Each page reads the screen's PersonalRecord; the screen says when to show.
namespace personal {
// The list of a tab that is nothing but its list, with its columns.
PersonalJournalPanel* journalTab(PersonalRecord* record, PersonalRecord::List list, QWidget* parent = nullptr);
} // namespace personal

// "신상명세서": the family beside the member's leave and withdrawal dates and his e-mail address.
class PersonalDetailsPage : public QWidget {
    Q_OBJECT
public:
    explicit PersonalDetailsPage(PersonalRecord* record, QWidget* parent = nullptr);

    PersonalJournalPanel* panel = nullptr;
    QHash<QString, QWidget*> fields; // member column -> its field
};

// "상벌점내역": the chosen month's points and each month's sum of the year.
class PersonalPointsPage : public QWidget {
    Q_OBJECT
public:
    explicit PersonalPointsPage(PersonalRecord* record, QWidget* parent = nullptr);
    void showSums();

    PersonalJournalPanel* panel = nullptr;
    QComboBox* com_PointYear = nullptr;
    QComboBox* com_PointMonth = nullptr;
    QList<QLabel*> lbl_PointMonths;
    QLabel* lbl_PointSum = nullptr;

signals:
    void chosen(); // a year or a month chosen

private:
    PersonalRecord* m_record;
};

// "체력측정": the measurements and the first one against the national figures and the school's.
class PersonalFitnessPage : public QWidget {
    Q_OBJECT
public:
    explicit PersonalFitnessPage(PersonalRecord* record, QWidget* parent = nullptr);
    void showComparison();

    PersonalJournalPanel* panel = nullptr;
    QTableView* grd_FitCompare = nullptr; // first measurement, national, change, school
    ListModel* comparison = nullptr;
    QLabel* lbl_A13 = nullptr;

private:
    PersonalRecord* m_record;
};

// "출석현황": the chosen month's absences, the absences of two years by month and the days checked in.
class PersonalAttendancePage : public QWidget {
    Q_OBJECT
public:
    explicit PersonalAttendancePage(PersonalRecord* record, QWidget* parent = nullptr);
    void showCounts(int year);
    void showCheckIns(); // the chosen month's days checked in at the door, of the days the school was open

    PersonalJournalPanel* panel = nullptr;
    QComboBox* com_AbsYear = nullptr;
    QComboBox* com_AbsMonth = nullptr;
    QTableView* grd_AbsCount = nullptr; // two years by twelve months
    ListModel* counts = nullptr;
    QLabel* lbl_CheckIns = nullptr;     // "출석체크 : 12일 / 운영 20일"

signals:
    void yearChosen();
    void monthChosen();

private:
    PersonalRecord* m_record;
};

// "수련비납부": the member's fee terms, the months paid in the chosen year and the payments.
class PersonalFeesPage : public QWidget {
    Q_OBJECT
public:
    explicit PersonalFeesPage(PersonalRecord* record, QWidget* parent = nullptr);
    void showMarks(int year);

    PersonalJournalPanel* panel = nullptr;
    QComboBox* com_FeeYear = nullptr;
    QList<QLabel*> lbl_FeeMonths;
    QHash<QString, QWidget*> fields; // member column -> its field

signals:
    void yearChosen();

private:
    PersonalRecord* m_record;
};
