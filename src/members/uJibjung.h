#pragma once
#include <QList>
#include <QWidget>

#include "members/ConcentrationBatch.h"

class DateEdit;
class DivisionFilter;
class ListModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// "집중도  일괄입력": own visual and auditory scores of a test date for many members; the age, rank and
// overall averages of the date are computed from every score of that day.
class TfJibjung : public QWidget {
    Q_OBJECT
public:
    enum Col { ColTick, ColNo, ColName, ColDivision, ColRank, ColDate, ColVisual, ColVisualAge, ColVisualRank, ColAuditory,
               ColAuditoryAge, ColAuditoryRank, ColTotal, ColTotalAge, ColTotalRank, ColCount };

    explicit TfJibjung(QWidget* parent = nullptr);

    void Btn_InsertClick();
    void Btn_QueryClick();
    void Btn_EditClick();
    void Btn_DeleteClick();
    bool Btn_OkClick();
    void Btn_CancelClick();

    QList<ConcentrationBatch::Line>& lines() { return m_lines; }
    bool editing() const { return m_editing; }

    DivisionFilter* Com_bu = nullptr;
    QLineEdit* edt_Name = nullptr;
    DateEdit* dtpk_Date = nullptr;
    QTableView* grid = nullptr;
    QLabel* lbl_Total = nullptr;
    QLabel* lbl_Found = nullptr;
    QLabel* lbl_Visual = nullptr;
    QLabel* lbl_Auditory = nullptr;
    QLabel* lbl_Overall = nullptr;
    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Print = nullptr;
    QPushButton* Btn_Close = nullptr;

private:
    enum class Mode { Idle, Listed, Entering };
    void showLines();
    void setMode(Mode mode, bool editing);
    void showOverall(const ConcentrationBatch::Overall& o);
    QString cell(int row, int column) const;

    QList<ConcentrationBatch::Line> m_lines;
    ListModel* m_model = nullptr;
    Mode m_mode = Mode::Idle;
    bool m_editing = false;
};
