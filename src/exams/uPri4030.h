#pragma once
#include <QWidget>

#include "exams/NationalForm.h"

class DateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

// 심사신청서: the national application forms and the online application file of the applicants that
// the register page hands over (its listed rows and examination number), each time it opens or raises
// this window, so the form keeps working after that page is closed.
class TfPri4030 : public QWidget {
    Q_OBJECT
public:
    explicit TfPri4030(QWidget* parent = nullptr);

    // Invokable: the register page hands its rows over through the screen host without knowing this class.
    Q_INVOKABLE void setApplicants(const QList<NationalApplications::Application>& rows, const QString& examNo);
    const QList<NationalForm::Applicant>& applicants() const { return m_rows; }

    void btnPreviewClick();
    void btnPrintClick();
    void btnOnlineClick(); // 온라인 접수

    QLineEdit* Edt_YYYY = nullptr;
    QLineEdit* Edt_JudNo = nullptr;
    DateEdit* dateJ = nullptr;
    QLabel* lbl_Count = nullptr;
    QPushButton* btnPreview = nullptr;
    QPushButton* btnPrint = nullptr;
    QPushButton* btnOnline = nullptr;

private:
    void print(int destination);

    QList<NationalForm::Applicant> m_rows;
};
