#pragma once
#include <QHash>
#include <QList>
#include <QPair>
#include <QWidget>

#include "members/PersonalRecord.h"
#include "ui/ScreenPages.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QStackedWidget;
class QTableView;
class PersonalAttendancePage;
class PersonalFeesPage;
class PersonalFitnessPage;
class PersonalPointsPage;
class QToolButton;
class PersonalJournalPanel;
class MemberChooser;

// "개인관리": one member with his details, family, status and the journal tabs. List screens show a
// member with TfPer0020::showMember(no); the menu chooses the tab.
class TfPer0020 : public QWidget, public IScreenPages {
    Q_OBJECT
public:
    enum Tab {
        TabDetails = 0, TabSuggestions, TabConduct, TabExams, TabAwards, TabFitness, TabAttendance, TabFees, TabBadges,
        TabPoints, TabConcentration, TabNotices, TabCount
    };

    explicit TfPer0020(QWidget* parent = nullptr);
    ~TfPer0020() override;

    // Sets SelectedMemberNo and opens the screen on that member (or brings it to the front).
    static TfPer0020* showMember(const QString& no);

    int currentPage() const override;
    void selectPage(int index, bool runChange) override;

    // Handlers, callable from tests.
    Q_INVOKABLE void FormActivate() { Refill(); } // the screen host calls it on every opening
    void FormCreate();
    void Refill(bool force = false); // shows SelectedMemberNo unless it is shown already
    void TabControl1Change();
    void Name_ChangeClick(const QString& no); // a member chosen in the name chooser
    void btn_ChooseClick();
    void btn_NextClick();
    void btn_PrevClick();
    void Btn_EditClick();
    void Btn_OkClick();
    void Btn_CancelClick();
    void Btn_DeleteClick();
    void btn_ExitClick();
    void PhotoAttachClick();
    void ListAddClick(PersonalRecord::List l);
    void ListDeleteClick(PersonalRecord::List l);
    void ListCancelClick(PersonalRecord::List l);
    void PointYearMonthChange();
    void AbsenceYearChange();
    void AbsenceMonthChange();
    void FeeYearChange();

    PersonalRecord& record() { return m_record; }
    bool editing() const { return m_editing; }
    QString shownMember() const { return m_lastShown; }
    PersonalJournalPanel* panel(PersonalRecord::List l) const { return m_panels.value(l); }
    QWidget* fieldWidget(const QString& column) const { return m_fields.value(column); }
    void setFieldText(const QString& column, const QString& text); // types into a member field

    QTabWidget* TabControl1 = nullptr;
    QLabel* Pan_Company = nullptr;
    QLabel* lbl_No = nullptr;
    QLabel* img_Photo = nullptr;
    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* btn_Exit = nullptr;
    QPushButton* btn_Prev = nullptr;
    QPushButton* btn_Next = nullptr;
    QPushButton* btn_Choose = nullptr;
    MemberChooser* Name_Change = nullptr;
    QComboBox* com_PointYear = nullptr;
    QComboBox* com_PointMonth = nullptr;
    QList<QLabel*> lbl_PointMonths;
    QLabel* lbl_PointSum = nullptr;
    QComboBox* com_AbsYear = nullptr;
    QComboBox* com_AbsMonth = nullptr;
    QTableView* grd_AbsCount = nullptr; // two years by twelve months
    QLabel* lbl_CheckIns = nullptr;       // "출석체크 : 12일 / 운영 20일"
    QComboBox* com_FeeYear = nullptr;
    QList<QLabel*> lbl_FeeMonths;
    QTableView* grd_FitCompare = nullptr; // first measurement, national, change, school
    QLabel* lbl_A13 = nullptr;

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void buildUi();
    QWidget* buildFields();
    void deleteFeeRow();
    void loadLists();
    void loadMemberList();
    void showFields();
    void collectFields();
    void showPhoto();
    void showList(PersonalRecord::List l, bool toLast);
    void loadStops(bool keepValue);
    void loadTimes(bool keepValue);
    void chgEdBoxState();
    void chgButtonState();
    void setEditing(bool on);
    void moveTo(int index);
    bool confirmLeavingEdits();
    void focusProblem(const PersonalRecord::Problem& p);
    static PersonalRecord::List listOfTab(int tab);

    PersonalRecord m_record;
    QString m_lastShown;
    QString m_picture;
    bool m_editing = false;
    bool m_refilling = false;
    QList<QPair<QString, QString>> m_members;
    int m_position = -1;
    QHash<QString, QWidget*> m_fields; // member column -> its field
    QHash<int, PersonalJournalPanel*> m_panels;
    PersonalPointsPage* m_points = nullptr;
    PersonalFitnessPage* m_fitness = nullptr;
    PersonalAttendancePage* m_attendance = nullptr;
    PersonalFeesPage* m_fees = nullptr;
    QComboBox* com_Course = nullptr;
    QComboBox* com_Place = nullptr;
    QComboBox* com_Time = nullptr;
    QComboBox* com_Zip = nullptr;
};
