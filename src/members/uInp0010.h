#pragma once
#include <QList>
#include <QWidget>

#include "members/GradeFeeBatch.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class CheckedCellDelegate;
class DivisionFilter;
class ListModel;

// "부/학년/반/수련비 일괄입력": division, class, next school grade and fee of a division's members.
class TfInp0010 : public QWidget {
    Q_OBJECT
public:
    enum Col { ColSelect, ColNo, ColName, ColEnrolled, ColPhone, ColOldDivision, ColGrade, ColNextGrade, ColDivision, ColClass, ColFee };

    explicit TfInp0010(QWidget* parent = nullptr);

    void Btn_InsertClick();
    void Btn_QueryClick();
    void Btn_OkClick();
    void Btn_CancelClick();

    const QList<GradeFeeBatch::Line>& lines() const { return m_lines; }
    bool editing() const { return m_editing; }

    DivisionFilter* Com_bu = nullptr;
    QCheckBox* chk_Grade = nullptr;
    QCheckBox* chk_Fee = nullptr;
    QLineEdit* edt_Fee = nullptr;
    ListModel* model = nullptr;
    QTableView* grid = nullptr;
    QLabel* lbl_Found = nullptr;
    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Close = nullptr;

private:
    void show(const QList<GradeFeeBatch::Line>& lines);
    void cellEdited(int row, int column, const QString& text);
    void setEditing(bool on);
    void resetBoxes();

    QList<GradeFeeBatch::Line> m_lines;
    QList<QPair<QString, QString>> m_divisions; // code, name
    CheckedCellDelegate* m_cells = nullptr;
    bool m_editing = false;
};
