#pragma once
#include <QList>
#include <QWidget>

#include "fitness/FitnessResults.h"

class QBoxLayout;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;
class DivisionFilter;
class ListModel;

// The trainee list of the two result printouts: name and division filters, the print style, the list
// with a tick box per row (all ticked after a search), "총 원" and "검색인원". A double click opens the
// member's personal management.
class FitnessResultScreen : public QWidget {
    Q_OBJECT
public:
    QComboBox* Com_Name = nullptr;
    DivisionFilter* Com_Bu = nullptr;
    QRadioButton* Rd1 = nullptr; // 형식출력
    QRadioButton* Rd2 = nullptr; // Forms출력
    QTableView* lst_Members = nullptr;
    ListModel* model = nullptr;
    QLabel* lbl_Total = nullptr;
    QLabel* lbl_Found = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Print = nullptr;
    QPushButton* Btn_Close = nullptr;

    void Btn_QueryClick();
    void lst_MembersDblClick(int row);
    QList<FitnessResults::Member> ticked() const;
    const QList<FitnessResults::Member>& members() const { return m_members; }

protected:
    // evaluation: the longer list of the evaluation sheet (school year, second age, e-mail, mobile).
    FitnessResultScreen(const QString& caption, const QString& spacedTitle, bool evaluation, QWidget* parent);
    QBoxLayout* options() const { return m_options; } // where a screen adds its own choices
    QBoxLayout* toolbar() const { return m_toolbar; }

private:
    bool m_evaluation;
    QBoxLayout* m_options = nullptr;
    QBoxLayout* m_toolbar = nullptr;
    QList<FitnessResults::Member> m_members;
};
