#pragma once
#include <QWidget>

#include "operations/Consultations.h"
#include "ui/ScreenPages.h"

class CodeCombo;
class DateEdit;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class ListModel;

// 입관상담: the register of visitors who came to ask about enrolment, its query and address labels.
class TfCon0010 : public QWidget, public IScreenPages {
    Q_OBJECT
public:
    enum Page { PgQuery = 0, PgEntry = 1 };
    enum class Mode { Browse, Insert, Edit, Delete };
    explicit TfCon0010(QWidget* parent = nullptr);

    int currentPage() const override;
    void selectPage(int index, bool runChange) override;

    void Btn_InsertClick();
    void Btn_EditClick();
    void Btn_DeleteClick();
    void Btn_SearchClick();
    void Btn_OkClick();
    void Btn_CancelClick();
    void Btn_DmClick();
    void PageControl1Change();

    Mode mode() const { return m_mode; }
    ListModel* results() const { return m_results; }
    void setCurrentResult(int row);
    Consultations::Record record() const;   // as the entry fields hold it
    void showRecord(const Consultations::Record& r);

    QLabel* Pan_Company = nullptr;
    QLabel* total_num = nullptr;
    QLabel* search_num = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Search = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Dm = nullptr;
    QPushButton* Btn_Exit = nullptr;
    // query
    QComboBox* com_Name = nullptr;
    QLineEdit* edt_Counsel = nullptr;
    QLineEdit* edt_School = nullptr;
    CodeCombo* com_Visit = nullptr;
    DateEdit* dtpk_CFrom = nullptr;
    DateEdit* dtpk_CTo = nullptr;
    QCheckBox* chk_CDate = nullptr;
    DateEdit* dtpk_FFrom = nullptr;
    DateEdit* dtpk_FTo = nullptr;
    QCheckBox* chk_FDate = nullptr;
    QTableView* grd_Result = nullptr;
    // entry
    QLineEdit* DBEdit_Name = nullptr;
    QLineEdit* DBEdit_Counsel = nullptr;
    DateEdit* DBEdit_CDate = nullptr;
    QLineEdit* DBEdit_School = nullptr;
    QComboBox* DBCom_Grade = nullptr;
    QLineEdit* DBEdit_Address = nullptr;
    QComboBox* DBCom_Zip = nullptr;
    CodeCombo* DBCom_Visit = nullptr;
    QLineEdit* DBEdit_Parent = nullptr;
    QLineEdit* DBEdit_Age = nullptr;
    QLineEdit* DBEdit_Phone = nullptr;
    DateEdit* DBEdit_FDate = nullptr;
    QPlainTextEdit* DBMemo = nullptr;

private:
    void chgEdBoxState(bool on);
    void chgButtonState();
    void refreshTotal();
    int selectedNo() const; // 순번 of the chosen result row, 0 when none

    ListModel* m_results = nullptr;
    Mode m_mode = Mode::Browse;
    int m_no = 0;            // the consultation on the entry tab
};
