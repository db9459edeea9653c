#pragma once
#include <QWidget>

class QComboBox;
class QPlainTextEdit;
class QPushButton;

// "비만평가 내역": the evaluation text of each obesity band, 24 lines.
class TfFat : public QWidget {
    Q_OBJECT
public:
    explicit TfFat(QWidget* parent = nullptr);

    QComboBox* Com_Fat = nullptr;
    QPlainTextEdit* mem_Text = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Save = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Close = nullptr;

    void Com_FatChange();
    void Btn_EditClick();
    void Btn_QueryClick();
    void Btn_SaveClick();
    void Btn_CancelClick();
    bool editing() const { return m_editing; }

private:
    QString code() const;
    void chgButtonState(bool editing);
    bool m_editing = false;
};
