#pragma once
#include <QWidget>

#include "exams/ExamSettings.h"

class QPushButton;
class ListModel;
class QTableView;

// 심사 항목 설정: the names of the six scored items.
class TfExamSet : public QWidget {
    Q_OBJECT
public:
    explicit TfExamSet(QWidget* parent = nullptr);

    void Btn_EditClick();
    void Btn_OkClick();
    void Btn_CancelClick();
    void Btn_SearchClick();
    bool editing() const { return m_editing; }

    QTableView* grid = nullptr;
    ListModel* model = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Search = nullptr;
    QPushButton* Btn_Exit = nullptr;

private:
    void fill();
    void chgEdBoxState(bool on);
    void chgButtonState(bool editing);

    ExamItems m_items;
    bool m_editing = false;
};
