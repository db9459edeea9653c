#pragma once
#include <QWidget>

#include "exams/ExamPaperwork.h"

class ListModel;
class QLineEdit;
class QPushButton;
class QTableView;

// 급별심사 내용: what a trainee of each rank shows in each examination item, and the four evaluation
// area names of the application forms.
class TfSimsaSinchungCode : public QWidget {
    Q_OBJECT
public:
    explicit TfSimsaSinchungCode(QWidget* parent = nullptr);

    void Btn_EditClick();    // 수정
    void Btn_QueryClick();   // 조회
    void Btn_ConfirmClick(); // 확인
    void Btn_CancelClick();  // 취소

    QList<ExamPaperwork::RankContent>& rows() { return m_rows; }
    ListModel* model() const { return m_model; }

    QLineEdit* edt_EstList[4] = {};
    QTableView* grid = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Confirm = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Exit = nullptr;

private:
    void chgEdBoxState(bool on);
    void chgButtonState(bool editing);
    void load();

    QList<ExamPaperwork::RankContent> m_rows;
    ListModel* m_model = nullptr;
    bool m_editing = false;
};
