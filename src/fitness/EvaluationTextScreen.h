#pragma once
#include <QList>
#include <QWidget>

#include "fitness/NationalValues.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The two evaluation sentences per grade of one item, age and sex: ten grades for the trainees
// ("체력측정결과평가 내용"), five for the adults ("성인체력측정평가 내용").
class EvaluationTextScreen : public QWidget {
    Q_OBJECT
public:
    EvaluationTextScreen(EvaluationTexts::Kind kind, const QString& caption, const QString& spacedTitle, QWidget* parent = nullptr);

    QComboBox* Cbo_EstimateCode = nullptr;
    QComboBox* cbo_Age = nullptr;
    QRadioButton* rdo_Male = nullptr;
    QRadioButton* rdo_FeMale = nullptr;
    QList<QLabel*> lbl_Bound;      // trainees: "(12.5)" beside each grade
    QList<QLineEdit*> Edt_Level;   // Edt_Level1 .. n: the first sentence of each grade
    QList<QLineEdit*> Edt_Level2;  // Edt_Level11 .. nn: the second
    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Save = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Close = nullptr;

    void Cbo_EstimateCodeChange();
    void cbo_AgeChange();
    void Btn_InsertClick();
    void Btn_EditClick();
    void Btn_QueryClick();
    void Btn_SaveClick();
    void Btn_CancelClick();

    bool editing() const { return m_editing; }
    QString itemCode() const;
    QString sexCode() const;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    bool checkChoice();
    void fillAges();
    void loadRow();
    void clearBoxes();
    void chgButtonState(bool editing);
    void chgEdBoxState(bool on);

    EvaluationTexts m_texts;
    bool m_editing = false;
};
