#pragma once
#include <QWidget>
#include <memory>

#include "operations/ExerciseCatalogue.h"

class ListPanel;
class QLabel;
class QPushButton;
class QTabWidget;

// 주운동/세부운동 등록: per plan division the main exercises and, below, the sub-exercises of the one
// chosen. The toolbar acts on the list last used.
class TfMainTrain : public QWidget {
    Q_OBJECT
public:
    explicit TfMainTrain(QWidget* parent = nullptr);
    ~TfMainTrain() override;

    void Btn_InsertClick();
    void Btn_EditClick();
    void Btn_DeleteClick();
    void Btn_SearchClick();
    void Btn_OkClick();
    void Btn_CancelClick();

    ListPanel* mainPanel(int division) const { return m_main[division]; }
    ListPanel* subPanel(int division) const { return m_sub[division]; }
    ListPanel* active() const { return m_active; }

    QLabel* Pan_Company = nullptr;
    QLabel* total_num = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Search = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Exit = nullptr;

private:
    void chgButtonState();
    void showSubsOf(int division, int mainRow);

    std::unique_ptr<MainExercises> m_mains[4];
    std::unique_ptr<SubExercises> m_subs[4];
    ListPanel* m_main[4] = {};
    ListPanel* m_sub[4] = {};
    ListPanel* m_active = nullptr;
};
