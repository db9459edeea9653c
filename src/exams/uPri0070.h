#pragma once
#include <QWidget>

#include "exams/ExamScreenParts.h"
#include "exams/RankCertificates.h"

class DateEdit;
class DivisionFilter;
class ListModel;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

// 급증 발부: lists the attending trainees and issues numbered rank certificates to the ticked ones.
class TfPri0070 : public QWidget {
    Q_OBJECT
public:
    explicit TfPri0070(QWidget* parent = nullptr);

    void BitBtn0Click();   // 조회
    void btn_PrintClick(); // 발부: takes the numbers, then shows the certificates

    QList<RankCertificates::Line>& lines() { return m_lines; }

    QComboBox* Com_name = nullptr;
    DivisionFilter* Com_Bu = nullptr;
    QLineEdit* Edit1 = nullptr;
    DateEdit* indate = nullptr;
    QRadioButton* rdo_Gen = nullptr;
    QRadioButton* rdo_Forms = nullptr;
    QTableView* grid = nullptr;
    QPushButton* BitBtn0 = nullptr;
    QPushButton* btn_Print = nullptr;
    QPushButton* btn_Exit = nullptr;

private:
    void openMember(int row);

    QList<RankCertificates::Line> m_lines;
    ListModel* m_model = nullptr;
    ExamScreenParts::Header m_header;
};
