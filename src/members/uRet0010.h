#pragma once
#include <QWidget>

#include "members/Retirement.h"
#include "ui/ScreenPages.h"

class DivisionFilter;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;
class ListModel;

// 퇴관처리: withdrawal, leave and return of members in batches. The event button opens the
// candidates of the page, the user picks a reason (or ticks a line), "확     인" writes the batch.
class TfRet0010 : public QWidget, public IScreenPages {
    Q_OBJECT
public:
    explicit TfRet0010(QWidget* parent = nullptr);

    int currentPage() const override;
    void selectPage(int index, bool runChange) override;

    void btnInsertClick();  // opens a batch on the current page
    void btnDeleteClick();  // page 0: removes a withdrawn member; page 1: withdraws the listed members on leave
    void btnSearchClick();  // lists withdrawn, on-leave or absent members
    void btnOkClick();
    void btnCancelClick();
    void PageControl1Change();

    bool batchOpen() const { return m_open >= 0; }
    const QList<Retirement::Line>& lines(int page) const { return m_lines[page]; }

    // Controls, named as the screen has always named them.
    QLabel* Pan_Company = nullptr;
    QLabel* total_num = nullptr;
    QLabel* search_num = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QPushButton* btnInsert = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnSearch = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnExit = nullptr;

    DivisionFilter* Com_bu = nullptr;
    DivisionFilter* com_bu1 = nullptr;
    DivisionFilter* com_bu2 = nullptr;
    QLineEdit* edName = nullptr;
    QLineEdit* edName1 = nullptr;
    QLineEdit* edName2 = nullptr;
    QDateEdit* inToday = nullptr;
    QDateEdit* inToday1 = nullptr;
    QDateEdit* inToday2 = nullptr;
    QCheckBox* chkDelete = nullptr;
    QDateEdit* delDateFrom = nullptr;
    QDateEdit* DelDateTo = nullptr;
    QCheckBox* chkRetire = nullptr;
    QDateEdit* retDatefrom = nullptr;
    QDateEdit* retDateto = nullptr;
    QRadioButton* rbo_rsBack = nullptr; // 휴관->복관
    QRadioButton* rbo_rtBack = nullptr; // 퇴관->복관
    QTableView* DBCtrlGrid1 = nullptr;
    QTableView* DBCtrlGrid2 = nullptr;
    QTableView* DBCtrlGrid3 = nullptr;

    static constexpr int kReasonColumn = 7; // pages 0 and 1
    static constexpr int kCheckColumn = 8;  // page 2

private:
    QWidget* buildPage(int page);
    QTableView* grid(int page) const;
    ListModel* model(int page) const { return m_models[page]; }
    DivisionFilter* division(int page) const;
    QDateEdit* eventDate(int page) const;
    Retirement::Filter filter(int page) const;
    Retirement::ReturnKind returnKind() const;
    void showLines(int page, const QList<Retirement::Line>& lines);
    void showRows(int page); // the page's lines as they are now
    void setEditable(int page, bool on);
    void reasonChosen(int page, int row, const QString& text);
    void checkChanged(int row, bool checked);
    void setBatchButtons(bool open);
    void updateCaptions();
    void relabelDateColumns();
    void refreshTotal();
    void chkDeleteClick();
    void chkRetireClick();

    int m_open = -1;                     // page whose batch is open
    Retirement::ReturnKind m_openKind = Retirement::FromLeave;
    bool m_retireListed = false;         // page 1 shows a leave-period listing that "퇴     관" may withdraw
    bool m_withdrawnListed = false;      // page 0 shows a listing of withdrawn members
    QList<Retirement::Line> m_lines[3];
    QList<Retirement::Line> m_read[3];   // the lines as read, for "취     소"
    QStringList m_reasons;
    ListModel* m_models[3] = {nullptr, nullptr, nullptr};
    bool m_editable[3] = {false, false, false}; // the reasons may be chosen
};
