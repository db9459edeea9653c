#pragma once
#include <QWidget>

#include "members/DanNumbers.h"

class ApplicationModel;
class CodeCombo;
class DateEdit;
class DivisionFilter;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// 단증번호 일괄입력: enters many members' national examination (number, date, applicant number) and
// later their certificate numbers.
class TfrmDanNoInput : public QWidget {
    Q_OBJECT
public:
    explicit TfrmDanNoInput(QWidget* parent = nullptr);

    void Btn_InsertClick();  // 입력: new lines for the chosen examination and rank
    void Btn_EditClick();    // 수정: the listed rows become editable
    void Btn_DeleteClick();  // 삭제: the current row leaves the register
    void Btn_QueryClick();   // 조회: the register rows
    void Btn_ConfirmClick(); // 확인
    void Btn_CancelClick();  // 취소

    QList<DanNumbers::Application>& rows() { return m_rows; }
    ApplicationModel* model() const { return m_model; }

    QLabel* Pan_Company = nullptr;
    QLabel* total_num = nullptr;
    QLabel* search_num = nullptr;
    QComboBox* Com_Name = nullptr;
    DivisionFilter* Com_Bu = nullptr;
    QComboBox* Com_Belt = nullptr;
    QLineEdit* examname = nullptr;
    QCheckBox* chk_Date = nullptr;
    DateEdit* examdate = nullptr;
    QTableView* grid = nullptr;
    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Confirm = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Exit = nullptr;

private:
    enum class Mode { Idle, Entering, Listed, Editing };
    void setMode(Mode m);
    NationalApplications::Filter filter() const;
    void showRows();
    void refuse(const tot::Problem& p);
    void openMember(int row);

    Mode m_mode = Mode::Idle;
    QList<DanNumbers::Application> m_rows;
    QList<DanNumbers::Application> m_read; // as listed, for 취소 and the stored key of 삭제
    ApplicationModel* m_model = nullptr;
};
