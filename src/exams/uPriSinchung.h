#pragma once
#include <QWidget>

#include "exams/ExamPaperwork.h"
#include "exams/ExamScreenParts.h"

class DateEdit;
class DivisionFilter;
class ListModel;
class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class QTimeEdit;

// 승급심사신청서 인쇄: the school's promotion-examination application form in four kinds and two styles.
class TfPriSinchung : public QWidget {
    Q_OBJECT
public:
    explicit TfPriSinchung(QWidget* parent = nullptr);

    void BitBtn0Click(); // 조회
    void BitBtn1Click(); // 인쇄

    QList<ExamPaperwork::Trainee>& rows() { return m_rows; }
    ExamPaperwork::Application application() const;

    DateEdit* sim_date = nullptr;
    QTimeEdit* sim_time = nullptr;
    QLineEdit* sim_num = nullptr;
    QLineEdit* sim_place = nullptr;
    QLineEdit* Edt_Dobok = nullptr;
    QLineEdit* Edit_SimsaFee = nullptr;
    QLineEdit* msk_JumsuMM = nullptr;
    QLineEdit* msk_JumsuDD = nullptr;
    QPlainTextEdit* sim_Main = nullptr;
    QCheckBox* chk_SeungBul = nullptr;
    DivisionFilter* Com_Bu = nullptr;
    QRadioButton* Rd1 = nullptr;
    QRadioButton* Rd2 = nullptr;
    QRadioButton* Rd3 = nullptr;
    QRadioButton* Rd4 = nullptr;
    QRadioButton* rdo_ReportType1 = nullptr;
    QRadioButton* rdo_ReportType2 = nullptr;
    QTableView* grid = nullptr;
    QPushButton* BitBtn0 = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* btn_Exit = nullptr;

private:
    void openMember(int row);

    QList<ExamPaperwork::Trainee> m_rows;
    ListModel* m_model = nullptr;
    ExamScreenParts::Header m_header;
};
