#pragma once
#include <QWidget>

#include "exams/ExamSettings.h"

class QLineEdit;
class QListWidget;
class QPushButton;

// 급별 수련 내용: what a trainee of each rank trains, quoted by the result notices.
class TfTrSet : public QWidget {
    Q_OBJECT
public:
    explicit TfTrSet(QWidget* parent = nullptr);

    void Btn_EditClick();
    void Btn_SearchClick();
    void Btn_OkClick();
    void Btn_CancelClick();
    bool editing() const { return m_editing; }
    void selectRank(int row);

    QListWidget* lst_Rank = nullptr;
    QLineEdit* edt[7] = {};
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Search = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;

private:
    void showRank();
    void chgEdBoxState(bool on);
    void chgButtonState(bool editing);

    TrainingContent m_content;
    bool m_editing = false;
    bool m_filling = false;
};
