#pragma once
#include <QWidget>
#include <memory>

#include "operations/TrainingPlan.h"

class ListPanel;
class QCheckBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;

// 월간/주간/일간 수련계획표 작성: which main exercises each plan division carries, the generation of the
// plans for whole months and their output as weekly or daily plans, printed or as text files.
class TfPlanPrint : public QWidget {
    Q_OBJECT
public:
    explicit TfPlanPrint(QWidget* parent = nullptr);
    ~TfPlanPrint() override;

    void Btn_InsertClick();
    void Btn_EditClick();
    void Btn_DeleteClick();
    void Btn_SearchClick();
    void Btn_OkClick();
    void Btn_CancelClick();
    void Btn_PrintClick();      // "인     쇄" and "수련계획표 출력"
    void btn_MakeClick();       // "수련계획표 작성"

    ListPanel* panel(int division) const { return m_panels[division]; }
    QList<int> tickedCodes() const;
    TrainingPlan::Period period() const;

    QLabel* Pan_Company = nullptr;
    QLabel* total_num = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Search = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Print = nullptr;
    QPushButton* Btn_Exit = nullptr;
    QPushButton* btn_Make = nullptr;
    QPushButton* btn_Output = nullptr;
    QDateEdit* dtpk_From = nullptr;
    QDateEdit* dtpk_To = nullptr;
    QCheckBox* chk_Bu[4] = {};       // in plan-division order 유치부 .. 중고/일반
    QRadioButton* rb_Weekly = nullptr;
    QRadioButton* rb_Daily = nullptr;
    QRadioButton* rb_Form = nullptr;
    QRadioButton* rb_Forms = nullptr;
    QRadioButton* rb_File = nullptr;

private:
    void chgButtonState();
    ListPanel* active() const;

    std::unique_ptr<PlanSelection> m_selections[4];
    ListPanel* m_panels[4] = {};
};
