#pragma once
#include <QDate>
#include <QWidget>

#include "members/Badges.h"
#include "ui/ScreenPages.h"

class DateEdit;
class DivisionFilter;
class ListModel;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;

// 뱃지일괄입력: hands out the next badge of many members at once (page 0), shows who holds what (page 1)
// and counts the badges to order (page 2).
class TfInp0020 : public QWidget, public IScreenPages {
    Q_OBJECT
public:
    enum Page { Issue = 0, Holdings = 1, Orders = 2 };
    explicit TfInp0020(QWidget* parent = nullptr);

    int currentPage() const override;
    void selectPage(int index, bool runChange) override;
    void PageControl1Change();

    void Btn_InsertClick();  // 입력: the proposals of an issue
    void Btn_QueryClick();   // 조회
    void Btn_ConfirmClick(); // 확인
    void Btn_CancelClick();  // 취소
    void Btn_PrintClick();   // 인쇄

    QList<Badges::Line>& lines() { return m_lines; }
    const QList<Badges::Holding>& holdings() const { return m_holdings; }
    const QList<Badges::Order>& orders() const { return m_orders; }
    ListModel* issueModel() const { return m_issueModel; }

    QTabWidget* PageControl1 = nullptr;
    QLabel* search_num = nullptr;
    QLabel* lbl_OrderTotal = nullptr;
    DateEdit* dtpk_Date = nullptr;
    DivisionFilter* Com_Bu = nullptr;
    QComboBox* Com_Name = nullptr;
    DateEdit* dtpk_Date1 = nullptr;
    DivisionFilter* Com_Bu1 = nullptr;
    QComboBox* Com_Name1 = nullptr;
    QRadioButton* rdo_Date = nullptr;
    QRadioButton* rdo_All = nullptr;
    QTableView* grid0 = nullptr;
    QTableView* grid1 = nullptr;
    QTableView* grid2 = nullptr;
    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Confirm = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Print = nullptr;
    QPushButton* Btn_Exit = nullptr;

private:
    QWidget* issuePage();
    QWidget* holdingsPage();
    QWidget* ordersPage();
    void idleButtons();
    void showLines(bool entering);
    void showFound(int n);
    void openMember(const QString& no);

    QList<Badges::Line> m_lines;
    QList<Badges::Holding> m_holdings;
    QList<Badges::Order> m_orders;
    ListModel* m_issueModel = nullptr;
    ListModel* m_holdingModel = nullptr;
    ListModel* m_orderModel = nullptr;
    bool m_entering = false;
    QDate m_issueDate; // the date the open lines were proposed for
};
