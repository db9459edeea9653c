#pragma once
#include <QWidget>

#include "exams/ExamNotices.h"
#include "exams/ExamScreenParts.h"

class DivisionFilter;
class ListModel;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

// 심사결과통지서일괄발부: the result notices of the members' latest school examination, printed and
// written into the "심사결과" notice file.
class TfPriSimsaTongji : public QWidget {
    Q_OBJECT
public:
    explicit TfPriSimsaTongji(QWidget* parent = nullptr);

    void BitBtn0Click();   // 조회
    void btn_PrintClick(); // 발부
    void btn_EmailClick(); // 자료생성
    QList<ExamNotices::Notice>& rows() { return m_rows; }
    QAbstractItemModel* gridModel() const;
    ExamNotices::TextChoice textChoice() const;

    QLabel* Pan_Company = nullptr;
    QLabel* total_num = nullptr;
    QLabel* search_num = nullptr;
    QDateEdit* dtpk_SeungFromDate = nullptr;
    QDateEdit* dtpk_SeungToDate = nullptr;
    QCheckBox* chk_SeungDate = nullptr;
    DivisionFilter* Com_Bu = nullptr;
    QLineEdit* sim_num = nullptr;
    QComboBox* Com_Name = nullptr;
    QComboBox* cbo_Belt = nullptr;
    QRadioButton* opt_Info = nullptr;
    QRadioButton* opt_NotInfo = nullptr;
    QRadioButton* opt_InfoAll = nullptr;
    QRadioButton* rdo_Gen = nullptr;
    QRadioButton* opt_Forms = nullptr;
    QTableView* grid = nullptr;
    QPushButton* BitBtn0 = nullptr;
    QPushButton* btn_Print = nullptr;
    QPushButton* btn_Email = nullptr;
    QPushButton* btn_Exit = nullptr;

private:
    void clearList();
    void openMember(const QModelIndex& index);

    QList<ExamNotices::Notice> m_rows;
    ListModel* m_model = nullptr;
    void showRows();
    ExamScreenParts::Header m_header;
};
