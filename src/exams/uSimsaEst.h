#pragma once
#include <QWidget>

#include "exams/ExamNotices.h"
#include "exams/ExamScreenParts.h"

class DivisionFilter;
class ListModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// 심사결과 평가입력: one evaluation sentence per member of an examination.
class TfSimsaEst : public QWidget {
    Q_OBJECT
public:
    explicit TfSimsaEst(QWidget* parent = nullptr);

    void Btn_InsertClick();
    void Btn_EditClick();
    void Btn_SearchClick();
    void Btn_OkClick();
    void Btn_CancelClick();
    bool editing() const { return m_editing; }
    QList<ExamNotices::Evaluation>& rows() { return m_rows; }
    QAbstractItemModel* gridModel() const;

    enum Column { ColNo, ColName, ColDivision, ColGrade, ColRank, ColDate, ColSentence, ColSelect, ColumnCount };

    QLabel* Pan_Company = nullptr;
    QLabel* total_num = nullptr;
    QLabel* search_num = nullptr;
    DivisionFilter* Com_bu = nullptr;
    QLineEdit* edt_Name = nullptr;
    QLineEdit* edt_SimsaName = nullptr;
    QTableView* grid = nullptr;
    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Search = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Exit = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool list();
    void chgButtonState(bool editing);

    QList<ExamNotices::Evaluation> m_rows;
    QList<ExamNotices::Evaluation> m_listed; // as read, for "취     소"
    ListModel* m_model = nullptr;
    void showRows();
    ExamScreenParts::Header m_header;
    bool m_editing = false;
};
