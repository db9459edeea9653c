#pragma once
#include <QList>
#include <QWidget>

#include "fitness/Adults.h"
#include "ui/ScreenPages.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;
class DateEdit;
class ListModel;

// "성인기초체력측정": the adults measured besides the trainees. Their measurements searched, their
// register, the batch entry of a measuring day, the result sheets and the blank measuring sheet.
class TfAdultResult : public QWidget, public IScreenPages {
    Q_OBJECT
public:
    enum Page { PgResults = 0, PgRegister = 1, PgBatch = 2, PgPrint = 3, PgSheet = 4 };
    enum BatchColumn { BcName, BcTrainee, BcDate, BcFirstValue }; // values: BcFirstValue + 0 .. 8

    explicit TfAdultResult(QWidget* parent = nullptr);

    int currentPage() const override;
    void selectPage(int index, bool runChange) override;
    bool editing() const { return m_mode != Mode::Browse; }

    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Save = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Print = nullptr;
    QPushButton* Btn_Close = nullptr;
    QLabel* lbl_Total = nullptr;
    QLabel* lbl_Found = nullptr;
    QTabWidget* PageControl1 = nullptr;

    // 기초체력 측정결과
    QComboBox* cbo_AdultName = nullptr;
    QDateEdit* dtpk_FromDate = nullptr;
    QDateEdit* dtpk_ToDate = nullptr;
    QCheckBox* chk_Date = nullptr;
    QTableView* lst_Result = nullptr;
    ListModel* resultModel = nullptr;
    // 기초체력 신상자료입력
    QLineEdit* edt_Name = nullptr;
    QLineEdit* edt_TraineeName = nullptr;
    QRadioButton* rdo_SexMale = nullptr;
    QRadioButton* rdo_SexFeMale = nullptr;
    QRadioButton* rdo_RelMember = nullptr;
    QRadioButton* rdo_RelIlban = nullptr;
    DateEdit* edt_Birth = nullptr;
    QPlainTextEdit* edt_Note = nullptr;
    QLabel* lbl_No = nullptr;
    // 측정결과 일괄입력
    QComboBox* cbo_AdultBatchName = nullptr;
    QDateEdit* dtpk_BatchFromdate = nullptr;
    QDateEdit* dtpk_BatchTodate = nullptr;
    QDateEdit* dtpk_BatchDate = nullptr;
    QTableView* grd_Batch = nullptr;
    ListModel* batchModel = nullptr;
    // 측정결과 일괄출력
    QComboBox* cbo_EstimateAdultName = nullptr;
    QDateEdit* dtpk_EstFromDate = nullptr;
    QDateEdit* dtpk_EstToDate = nullptr;
    QCheckBox* chk_EstDate = nullptr;
    QTableView* lst_Estimate = nullptr;
    ListModel* estimateModel = nullptr;
    // 측정표 출력
    QTableView* lst_Sheet = nullptr;
    ListModel* sheetModel = nullptr;

    void PageControl1Change();
    void Btn_InsertClick();
    void Btn_EditClick();
    void Btn_DeleteClick();
    void Btn_QueryClick();
    void Btn_SaveClick();
    void Btn_CancelClick();
    void Btn_PrintClick();
    void openAdult(int no); // a double click on the first or fourth page's list

    int shownAdult() const { return m_adult.no; }
    const QList<Adults::Row>& batchRows() const { return m_batch; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    enum class Mode { Browse, NewAdult, EditAdult, DeleteAdult, Batch };
    QWidget* buildResultsPage();
    QWidget* buildRegisterPage();
    QWidget* buildBatchPage();
    QWidget* buildPrintPage();
    QWidget* buildSheetPage();
    void fillNames();
    void setButtons();
    void showAdult(const Adults::Adult& a);
    void setRegisterEditable(bool on);
    int selectedAdult() const;
    void showBatch();
    QStringList batchTexts(const Adults::Row& r) const;
    void batchEdited(int row, int column, const QString& text);
    void saveRegister();
    void saveBatch();
    void endEditing();
    void nothingFound();

    Mode m_mode = Mode::Browse;
    int m_batchRow = -1; // -1: every row open (a new batch)
    Adults::Adult m_adult;
    QList<Adults::Row> m_found;
    QList<Adults::Row> m_batch, m_batchBefore, m_removed;
    QList<Adults::Listed> m_estimate, m_sheet;
};
