#pragma once
#include <QDate>
#include <QWidget>

#include "cashbook/CashBook.h"
#include "cashbook/CashCategories.h"
#include "cashbook/CashInquiry.h"
#include "cashbook/Partners.h"
#include "ui/ScreenPages.h"

class QCalendarWidget;
class QComboBox;
class QDateEdit;
class QTableView;
class ListModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTabWidget;
class DealPage;
class PartnerInquiryPanel;
class PartnerRegisterPage;

// The cash book "금전출납": register page, transaction details, partners, categories and the period
// lists (cash lines by date or item, goods lines by partner). The window and its toolbar live in
// uMon0010.cpp; the register, categories and inquiry pages in CashRegisterPage.cpp, CashCodesPage.cpp
// and CashInquiryPage.cpp. Every list shows the lines the rules returned, read in place.
class TfMon0010 : public QWidget, public IScreenPages {
    Q_OBJECT
public:
    enum Page { PgRegister = 0, PgDeal = 1, PgPartner = 2, PgCodes = 3, PgInquiry = 4 };

    explicit TfMon0010(QWidget* parent = nullptr);

    // Selects a page from outside and runs the page change, as the menu does.
    void showPage(int page) { selectPage(page, true); }
    int currentPage() const override;
    void selectPage(int index, bool runChange) override;

    // Toolbar
    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Save = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Print = nullptr;
    QPushButton* Btn_Close = nullptr;
    QLineEdit* edt_PassWord = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QLabel* lbl_SchoolName = nullptr;
    QLabel* lbl_Found = nullptr;
    QTabWidget* PgCtr = nullptr;

    // Register page
    QDateEdit* dtpk_Date = nullptr;
    QCalendarWidget* Calendar = nullptr;
    QPushButton* btn_PrevMonth = nullptr;
    QPushButton* btn_NextMonth = nullptr;
    QLabel* lbl_Month = nullptr;
    QLabel* lbl_InTotal = nullptr;
    QLabel* lbl_OutTotal = nullptr;
    QLabel* lbl_DayTotal = nullptr;
    QTableView* grd_Lines = nullptr;
    QComboBox* com_MainItem = nullptr;
    QComboBox* com_SubItem = nullptr;
    QComboBox* com_InType = nullptr;
    QStackedWidget* pnl_Lower = nullptr;
    QLineEdit* edt_Amount = nullptr;
    QLineEdit* edt_Memo = nullptr;
    QPushButton* btn_AddNext = nullptr;
    QPushButton* btn_DayPrint = nullptr;
    QLabel* lbl_Member = nullptr;
    QTableView* grd_Payments = nullptr;
    QPushButton* btn_ToFee = nullptr;
    QTableView* grd_Deals = nullptr;
    QPushButton* btn_ToDeal = nullptr;

    // Transaction details and partner pages
    DealPage* pg_Deal = nullptr;
    PartnerRegisterPage* pg_Partner = nullptr;

    // Categories page
    QTableView* grd_Category = nullptr;
    QLineEdit* edt_CatCode = nullptr;
    QLineEdit* edt_CatName = nullptr;
    QPushButton* btn_CatAdd = nullptr;
    QPushButton* btn_CatEdit = nullptr;
    QPushButton* btn_CatDelete = nullptr;
    QPushButton* btn_CatOk = nullptr;
    QPushButton* btn_CatCancel = nullptr;
    QTableView* grd_Detail = nullptr;
    QLineEdit* edt_DetCode = nullptr;
    QLineEdit* edt_DetName = nullptr;
    QPushButton* btn_DetAdd = nullptr;
    QPushButton* btn_DetEdit = nullptr;
    QPushButton* btn_DetDelete = nullptr;
    QPushButton* btn_DetOk = nullptr;
    QPushButton* btn_DetCancel = nullptr;

    // Inquiry page
    QRadioButton* rdo_Date = nullptr;
    QRadioButton* rdo_Item = nullptr;
    QRadioButton* rdo_Partner = nullptr;
    QDateEdit* dtpk_From = nullptr;
    QDateEdit* dtpk_To = nullptr;
    QLabel* lbl_QMain = nullptr;
    QLabel* lbl_QSub = nullptr;
    QComboBox* com_QMain = nullptr;
    QComboBox* com_QSub = nullptr;
    QTableView* grd_Inquiry = nullptr;
    QLabel* lbl_QIn = nullptr;
    QLabel* lbl_QOut = nullptr;
    QLabel* lbl_QDiff = nullptr;
    QLabel* lbl_QCurrent = nullptr;
    QPushButton* btn_ListPrint = nullptr;
    QStackedWidget* stk_Inquiry = nullptr;
    PartnerInquiryPanel* pnl_PartnerInquiry = nullptr;

    // Handlers
    Q_INVOKABLE void Refresh(); // the cash book changed elsewhere: entry dropped, day and inquiry read again
    void PgCtrChange();
    void Btn_InsertClick();
    void Btn_EditClick();
    void Btn_DeleteClick();
    void Btn_QueryClick();
    void Btn_SaveClick();
    void Btn_CancelClick();
    void Btn_PrintClick();
    void btn_DayPrintClick();
    void btn_ListPrintClick();
    void Btn_OkClick();
    void btn_AddNextClick();
    void btn_PrevMonthClick();
    void btn_NextMonthClick();
    void btn_ToFeeClick();
    void btn_ToDealClick();
    void btn_CatAddClick();
    void btn_CatEditClick();
    void btn_CatDeleteClick();
    void btn_CatOkClick();
    void btn_CatCancelClick();
    void btn_DetAddClick();
    void btn_DetEditClick();
    void btn_DetDeleteClick();
    void btn_DetOkClick();
    void btn_DetCancelClick();
    void ModeChange();

    QDate registerDate() const;
    bool locked() const { return m_locked; }
    bool inEntry() const { return m_entry != Entry::None; }
    bool dateMode() const;
    bool partnerMode() const;
    const CashInquiry::Result& inquiryResult() const { return m_result; }
    // The grid of the inquiry as shown, for the period list.
    QString inquiryCell(int row, int column) const;
    int inquiryRows() const; // all rows, also those the view has not fetched yet
    QStringList inquiryTotals() const;   // 입금총액, 출금총액, 잔액, 현잔 as shown

    // Columns of the day's lines and of the period list.
    enum LineCol { ColSeq, ColMain, ColSub, ColIn, ColOut, ColMemo, ColLink };
    enum InqCol { QDateCol, QSeq, QMain, QSub, QIn, QOut, QBal, QMemo };

private:
    enum class Entry { None, New, Edit };
    enum class ListState { Browse, Add, Edit };

    QWidget* buildRegisterPage();
    QWidget* buildCodesPage();
    QWidget* buildInquiryPage();
    void setLocked(bool on);
    void setToolbar(bool insert, bool edit, bool del, bool query, bool save, bool cancel);
    void chgEdBoxState(bool on);
    void chgButtonState(bool editing);
    void setRegisterDate(const QDate& d);
    void loadDay();
    void showTotals();
    void selectLine(int row);
    void loadSubItems(const QString& mainItem);
    void showLowerPanel(int row);
    const CashLine* lineAt(int row) const; // null on the empty row of a day without lines
    void pageEntryChanged(bool editing);
    int selectedRow() const;
    bool saveEntry();
    void endEntry();
    void showStatus(const QString& text);

    void loadCategories();
    void loadDetails();
    void setCatState(ListState s);
    void setDetState(ListState s);
    QString currentCategory() const;

    void clearInquiry();
    void showInquiry(bool byDate);
    void loadQueryItems();
    void loadQuerySubItems();

    bool m_locked = false;
    bool m_loading = false;
    Entry m_entry = Entry::None;
    ListState m_cat = ListState::Browse;
    ListState m_det = ListState::Browse;
    QList<CashLine> m_dayLines;
    QList<CashBook::Payment> m_payments;
    QList<DealLine> m_deals;
    QList<CashCategories::Code> m_categories;
    QList<CashCategories::Code> m_details;
    CashInquiry::Result m_result;
    bool m_itemMode = false; // the period list by item: no running balance
    ListModel* m_lines = nullptr;
    ListModel* m_paymentList = nullptr;
    ListModel* m_dealList = nullptr;
    ListModel* m_categoryList = nullptr;
    ListModel* m_detailList = nullptr;
    ListModel* m_inquiry = nullptr;
};
