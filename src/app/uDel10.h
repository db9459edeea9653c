#pragma once
#include <QWidget>

#include "backup/PeriodDeletion.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// " 기간별 삭제": deletes withdrawn members, fee payments or daily-status records of a period, or empties
// the cash book.
class TfDel10 : public QWidget {
    Q_OBJECT
public:
    explicit TfDel10(QWidget* parent = nullptr);

    bool edt_FromDateExit();
    bool edt_ToDateExit();
    void KindClick();
    void Btn_DeleteClick();
    void Btn_CloseClick();
    PeriodDeletion::Kind chosenKind() const;

    QLabel* lbl_Date = nullptr;
    QLineEdit* edt_FromDate = nullptr;
    QLabel* lbl_Tilde = nullptr;
    QLineEdit* edt_ToDate = nullptr;
    QRadioButton* rb_Withdrawn = nullptr;
    QRadioButton* rb_CashAll = nullptr;
    QRadioButton* rb_Fees = nullptr;
    QRadioButton* rb_Daily = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Close = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool checkDate(QLineEdit* edit);
    QButtonGroup* m_kinds = nullptr;
};
