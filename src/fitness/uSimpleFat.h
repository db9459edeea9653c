#pragma once
#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// "비만도 측정": the obesity index of one person on the spot, with its band's text and a one-page
// printout. Nothing is stored.
class TfSimpleFat : public QWidget {
    Q_OBJECT
public:
    explicit TfSimpleFat(QWidget* parent = nullptr);

    QLineEdit* edt_Name = nullptr;
    QRadioButton* Opt_Male = nullptr;
    QRadioButton* Opt_FeMale = nullptr;
    QLineEdit* Msk_Birthday = nullptr;
    QLineEdit* Edt_year = nullptr;
    QLineEdit* Edt_Height = nullptr;
    QLineEdit* Edt_Weight = nullptr;
    QLineEdit* Edt_Fat = nullptr;
    QLineEdit* Edt_Estimate = nullptr;
    QPlainTextEdit* mem_List = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Print = nullptr;
    QPushButton* Btn_Close = nullptr;

    void Msk_BirthdayExit();
    void Btn_QueryClick();
    void Btn_PrintClick();

private:
    bool readNumber(QLineEdit* field, const QString& blankMessage, const QString& word, double* out);
};
