#pragma once
#include <QWidget>

#include "attendance/AbsenceEntry.h"
#include "attendance/AbsenceReports.h"
#include "attendance/PerfectAttendanceAward.h"
#include "ui/ScreenPages.h"

class DateEdit;
class DivisionFilter;
class ListModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;

// "출석 관리": page 0 enters and corrects the absences of a day, page 1 lists the absences of a period
// (printout and e-mail file), page 2 counts absences per member, page 3 finds perfect attendance and
// hands the ticked members to the award window.
class TfAtt0010 : public QWidget, public IScreenPages {
    Q_OBJECT
public:
    enum Page { PageEntry = 0, PageDaily = 1, PageCounts = 2, PagePerfect = 3 };

    explicit TfAtt0010(QWidget* parent = nullptr);

    int currentPage() const override;
    void selectPage(int index, bool runChange) override;

    void FormCreate();
    void PageControl1Change();
    void btnInsertClick();
    void btnEditClick();
    void btnDeleteClick();
    void btn_CheckInClick(); // "출석체크 반영"
    void btnRefreshClick();
    void btnOkClick();
    void btnCancelClick();
    void BitBtn1Click();
    void Btn_EmailClick();
    void openMember(int page, int row);

    // What the award window takes: the ticked lines, the period, the award date and the remark.
    PerfectAttendanceAward awardOfTicked() const;

    AbsenceEntry& entry() { return m_entry; }
    QList<AbsenceReports::DailyLine>& dailyLines() { return m_daily; }
    QList<AbsenceReports::CountLine>& countLines() { return m_counts; }
    QList<AbsenceReports::PerfectLine>& perfectLines() { return m_perfect; }

    QTabWidget* PageControl1 = nullptr;
    QLabel* Pan_Company = nullptr;
    QLabel* total_num = nullptr;
    QLabel* search_num = nullptr;
    QPushButton* btnInsert = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnRefresh = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* btnExit = nullptr;
    // page 0
    DivisionFilter* Com_bu = nullptr;
    QLineEdit* edName = nullptr;
    DateEdit* dtpk_FromDate = nullptr;
    DateEdit* dtpk_ToDate = nullptr;
    QTableView* DBCtrlGrid1 = nullptr;
    QComboBox* com_CheckInReason = nullptr;
    QPushButton* btn_CheckIn = nullptr;
    // page 1
    DivisionFilter* com_buDays = nullptr;
    QLineEdit* edNameDays = nullptr;
    DateEdit* dtpk_FromGyulDate = nullptr;
    DateEdit* dtpk_ToGyulDate = nullptr;
    QPushButton* Btn_Email = nullptr;
    QTableView* lvDays = nullptr;
    // page 2
    DivisionFilter* com_buAll = nullptr;
    QLineEdit* edNameAll = nullptr;
    DateEdit* AllDateFrom = nullptr;
    DateEdit* AllDateTo = nullptr;
    DateEdit* AllToday = nullptr;
    QRadioButton* rbGyul1 = nullptr;
    QRadioButton* rbGyul2 = nullptr;
    QLineEdit* edAbsDay = nullptr;
    QTableView* lvAll = nullptr;
    // page 3
    DivisionFilter* com_bu3 = nullptr;
    QLineEdit* edNamePer = nullptr;
    DateEdit* inDateFrom = nullptr;
    DateEdit* inDateTo = nullptr;
    DateEdit* inToday3 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QTableView* lvPerfect = nullptr;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void buildUi();
    QWidget* buildEntryPage();
    QWidget* buildDailyPage();
    QWidget* buildCountsPage();
    QWidget* buildPerfectPage();
    void setButtons();
    void showEntryLines();
    void closeGridEditor();
    void showTotal();
    void showFound(int n);
    QString school() const;

    AbsenceEntry m_entry;
    QList<AbsenceReports::DailyLine> m_daily;
    QDate m_dailyFrom, m_dailyTo;
    QList<AbsenceReports::CountLine> m_counts;
    QList<AbsenceReports::PerfectLine> m_perfect;
    QDate m_perfectFrom, m_perfectTo;
    ListModel* m_entryModel = nullptr;
    ListModel* m_dailyModel = nullptr;
    ListModel* m_countsModel = nullptr;
    ListModel* m_perfectModel = nullptr;
    class CheckedCellDelegate* m_entryCells = nullptr;
};
