#pragma once
#include <QSharedPointer>
#include <QWidget>

#include "fees/FeeRegister.h"
#include "ui/ScreenPages.h"

class QComboBox;
class DivisionFilter;
class FeeMonthPage;
class FeeReceiptPage;
class FeeSettlePage;
class FeeUnpaidPage;
class FeeYearEndPage;
class QDateEdit;
class MemberChooser;
class MemberNames;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class FeeLinesModel;

// "수련비": the fee window. Page 0 "납부등록/조회" registers, lists and deletes payments; pages 1 to 5
// (monthly status, unpaid list and notices, receipts, settlement, year-end statement) are classes of
// their own that this window shows and drives from its shared toolbar.
class TfFee0010 : public QWidget, public IScreenPages {
    Q_OBJECT
public:
    enum Page { PageRegister = 0, PageMonth = 1, PageUnpaid = 2, PageReceipt = 3, PageSettle = 4, PageYearEnd = 5 };
    // Grid columns of page 0.
    enum Column { ColNo, ColName, ColDivision, ColPayDay, ColDate, ColBank, ColAmount, ColMonth, ColNote, ColCheck, ColCount };

    explicit TfFee0010(QWidget* parent = nullptr);

    // Menu entries choose the page.
    int currentPage() const override;
    void selectPage(int index, bool runChange) override;
    FeeRegister& register0() { return m_register; }

    void FormCreate();
    void PageControl1Change();
    void Btn_InsertClick();
    void Btn_OkClick();
    void Btn_QueryClick();
    void Btn_DeleteClick();
    void Btn_CancelClick();
    void Btn_PasswordOkClick();
    void Btn_PrintClick();
    void btn_EmailClick();
    void btn_ExitClick();

    QTabWidget* PageControl1 = nullptr;
    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Print = nullptr;
    QPushButton* btn_Email = nullptr;
    QPushButton* btn_Exit = nullptr;
    QLineEdit* edt_PassWord = nullptr;
    QPushButton* Btn_PasswordOk = nullptr;
    QLabel* Pan_Company = nullptr;
    QLabel* total_num = nullptr;
    QLabel* search_num = nullptr;
    MemberChooser* com_Name = nullptr; // finds members as the name is typed
    DivisionFilter* com_bu = nullptr;
    QDateEdit* dtpk_NabbuFromDate = nullptr;
    QDateEdit* dtpk_NabbuToDate = nullptr;
    QTableView* DBCtrlGrid1 = nullptr;
    FeeMonthPage* pageMonth = nullptr;
    FeeUnpaidPage* pageUnpaid = nullptr;
    FeeReceiptPage* pageReceipt = nullptr;
    FeeSettlePage* pageSettle = nullptr;
    FeeYearEndPage* pageYearEnd = nullptr;

    bool locked() const { return m_locked; }

protected:
    bool event(QEvent* e) override;

private:
    void buildUi();
    void setLocked(bool on);
    void chgButtonState();
    void showLines();
    void showCount();
    void applyFocus();
    void setCurrentCell(int row, int column);
    FeeRegister::Division division() const;

    FeeRegister m_register;
    FeeLinesModel* m_model = nullptr;
    QSharedPointer<MemberNames> m_names; // the name boxes' list, shared with the name field
    bool m_locked = false;
    int m_page = PageRegister;
};
