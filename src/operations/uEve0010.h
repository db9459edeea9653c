#pragma once
#include <QPointer>
#include <QWidget>

#include "operations/EventParticipation.h"
#include "operations/uEve0020.h"

class DateEdit;
class DivisionFilter;
class ListPanel;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTableView;
class SchoolYearFilter;
class ListModel;

// 행사관리: who took part in which event, with a query tab, an entry tab for one member and a batch
// tab for one event and many members; "발     부" prints participation certificates.
class TfEve0010 : public QWidget {
    Q_OBJECT
public:
    enum Page { PgQuery = 0, PgMember = 1, PgBatch = 2 };
    explicit TfEve0010(QWidget* parent = nullptr);
    ~TfEve0010() override;

    void Btn_InsertClick();
    void Btn_EditClick();
    void Btn_DeleteClick();
    void Btn_SearchClick();
    void Btn_OkClick();
    void Btn_CancelClick();
    void Btn_PrintClick();
    void PageControl1Change();
    void openMember(const QString& memberNo); // the entry tab on one member (double-click on a result)

    ListModel* results() const { return m_results; }
    ListModel* batch() const { return m_batch; }
    ListPanel* records() const { return m_records; }
    MemberEvents& memberEvents() { return m_memberEvents; }
    TfEve0020* certificates() const { return m_certificates; }

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
    QPushButton* Btn_Print = nullptr;
    QPushButton* Btn_Exit = nullptr;
    // query tab
    QComboBox* com_Name = nullptr;
    SchoolYearFilter* com_Year = nullptr;
    DivisionFilter* com_Bu = nullptr;
    QComboBox* com_Event = nullptr;
    DateEdit* dtpk_From = nullptr;
    DateEdit* dtpk_To = nullptr;
    QCheckBox* chk_Date = nullptr;
    QTableView* grd_Result = nullptr;
    // entry tab
    QComboBox* com_Member = nullptr;
    // batch tab
    DivisionFilter* com_Bu2 = nullptr;
    QComboBox* com_Event2 = nullptr;
    DateEdit* dtpk_Date2 = nullptr;
    QLineEdit* edt_Remark2 = nullptr;
    QTableView* grd_Batch = nullptr;

private:
    void chgButtonState();
    void refreshTotal();
    void loadMember();

    MemberEvents m_memberEvents;
    ListPanel* m_records = nullptr;
    ListModel* m_results = nullptr;
    ListModel* m_batch = nullptr;
    bool m_memberLoaded = false;
    QPointer<TfEve0020> m_certificates;
};
