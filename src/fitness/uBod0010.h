#pragma once
#include <QList>
#include <QWidget>

#include "fitness/Measurements.h"
#include "ui/ScreenPages.h"

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableView;
class ListModel;
class DivisionFilter;
class QChartView;

// "체력측정": the measurements of a division entered at once and searched, one member's item drawn
// over the measuring days, and the blank measuring sheet.
class TfBod0010 : public QWidget, public IScreenPages {
    Q_OBJECT
public:
    enum Page { PgInput = 0, PgGraph = 1, PgSheet = 2 };
    enum Column { ColNo, ColName, ColDivision, ColDate, ColFirstValue }; // values: ColFirstValue + 0 .. 12

    explicit TfBod0010(QWidget* parent = nullptr);
    ~TfBod0010() override;

    int currentPage() const override;
    void selectPage(int index, bool runChange) override;
    bool editing() const { return m_mode != Mode::Browse; }

    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Save = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Print = nullptr;
    QPushButton* Btn_Close = nullptr;
    QLabel* lbl_Total = nullptr;
    QLabel* lbl_Found = nullptr;
    QTabWidget* PageControl1 = nullptr;

    DivisionFilter* Com_bu = nullptr;
    QDateEdit* inDateFrom = nullptr;
    QDateEdit* inDateTo = nullptr;
    QDateEdit* inToday = nullptr;
    QTableView* grd_Measure = nullptr;
    ListModel* model = nullptr;

    DivisionFilter* com_bu1 = nullptr;
    QComboBox* dbcom_name = nullptr;
    QComboBox* dbcom_set = nullptr;
    QChartView* chart = nullptr;

    DivisionFilter* com_bu2 = nullptr;
    QDateEdit* indate2 = nullptr;
    QPushButton* BitBtn4 = nullptr;

    void PageControl1Change();
    void Btn_InsertClick();
    void Btn_EditClick();
    void Btn_QueryClick();
    void Btn_SaveClick();
    void Btn_CancelClick();
    void Btn_PrintClick();
    void BitBtn4Click();
    void com_bu1Change();
    void dbcom_setChange();
    Q_INVOKABLE void Set_BodSet(); // item captions again, after the item settings changed

    const QList<Measurements::Row>& rows() const { return m_rows; }
    int chartPoints() const;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    enum class Mode { Browse, Insert, Edit };
    QWidget* buildInputPage();
    QWidget* buildGraphPage();
    QWidget* buildSheetPage();
    void chgButtonState(bool editing);
    void chgEdBoxState(bool on);
    void showRows();
    QStringList rowTexts(const Measurements::Row& r) const;
    void cellEdited(int row, int column, const QString& text);
    void endEditing();

    Mode m_mode = Mode::Browse;
    int m_editRow = -1;
    QList<Measurements::Row> m_rows;
    QList<Measurements::Row> m_before; // as listed, for 취소
};
