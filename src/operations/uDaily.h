#pragma once
#include <QWidget>

#include "operations/DailyStatus.h"

class DateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// 일일 현황: a working date's enrolments, withdrawals, leaves, returns and absences, and the training
// content written for the day.
class TfDaily : public QWidget {
    Q_OBJECT
public:
    enum class Mode { Browse, Insert, Edit, Delete };
    explicit TfDaily(QWidget* parent = nullptr);

    void Btn_InsertClick();
    void Btn_EditClick();
    void Btn_DeleteClick();
    void Btn_SearchClick();
    void Btn_OkClick();
    void Btn_CancelClick();
    void Btn_PrintClick();
    void openKind(int kind); // the screen where records of that kind are made

    Mode mode() const { return m_mode; }
    DailyStatus::Content content() const;

    QLabel* Pan_Company = nullptr;
    QLabel* total_num = nullptr;
    DateEdit* dtpk_Date = nullptr;
    QLineEdit* edt_Names[DailyStatus::KindCount] = {};
    QLabel* lbl_Count[DailyStatus::KindCount] = {};
    QPushButton* btn_Open[DailyStatus::KindCount] = {};
    QLineEdit* edt_Colour[8] = {};
    QLineEdit* edt_Poom[8] = {};
    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Search = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Print = nullptr;
    QPushButton* Btn_Exit = nullptr;

private:
    void clearAll();
    void showContent();
    void chgEdBoxState(bool on);
    void chgButtonState();

    Mode m_mode = Mode::Browse;
};
