#pragma once
#include <QWidget>

#include "exams/ExamPaperwork.h"
#include "exams/ExamScreenParts.h"

class DateEdit;
class DivisionFilter;
class ListModel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QTimeEdit;

// 심사 안내문 인쇄: the invitation of the parents to a school examination, printed and written as the
// "심사안내문" notice file.
class TfPri0050 : public QWidget {
    Q_OBJECT
public:
    explicit TfPri0050(QWidget* parent = nullptr);

    void BitBtn0Click();   // 조회
    void btn_PrintClick(); // 발부
    void btn_FileClick();  // 자료생성

    QList<ExamPaperwork::Trainee>& rows() { return m_rows; }
    ExamPaperwork::Invitation invitation() const;

    DateEdit* sim_date = nullptr;
    QTimeEdit* sim_time = nullptr;
    QLineEdit* sim_num = nullptr;
    QLineEdit* sim_place = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPlainTextEdit* sim_Main = nullptr;
    DivisionFilter* Com_Bu = nullptr;
    QRadioButton* rdo_Gen = nullptr;
    QRadioButton* rdo_Forms = nullptr;
    QTableView* grid = nullptr;
    QPushButton* BitBtn0 = nullptr;
    QPushButton* btn_Print = nullptr;
    QPushButton* btn_File = nullptr;
    QPushButton* btn_Exit = nullptr;

private:
    void openMember(int row);

    QList<ExamPaperwork::Trainee> m_rows;
    ListModel* m_model = nullptr;
    ExamScreenParts::Header m_header;
};
