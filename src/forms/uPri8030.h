#pragma once
#include <QList>
#include <QWidget>

#include "forms/Roster.h"

class DivisionFilter;
class ListModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class SchoolYearFilter;

// "수련생 명부": the roster by division, grade and rank, printed under a title of the user's choice.
class TfPri8030 : public QWidget {
    Q_OBJECT
public:
    explicit TfPri8030(QWidget* parent = nullptr);

    DivisionFilter* com_bu = nullptr;
    SchoolYearFilter* com_Year = nullptr;
    QComboBox* com_FromBelt = nullptr;
    QComboBox* com_ToBelt = nullptr;
    QLineEdit* edt_Title = nullptr;
    QTableView* grd_List = nullptr;
    QLabel* lbl_Total = nullptr;
    QLabel* lbl_Found = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Print = nullptr;
    QPushButton* Btn_Close = nullptr;

    void Btn_QueryClick();
    bool Btn_PrintClick(int destination = 0);
    QList<Roster::Row>& rows() { return m_rows; }

private:
    QList<Roster::Row> m_rows;
    ListModel* m_model = nullptr;
};
