#pragma once
#include <QWidget>

#include "exams/ExamSettings.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// 심사결과 안내문 내용: the notice text of each rank, laid out as a sample letter.
class TfSimsaInfoCode : public QWidget {
    Q_OBJECT
public:
    explicit TfSimsaInfoCode(QWidget* parent = nullptr);

    void Btn_InsertClick();
    void Btn_EditClick();
    void Btn_DeleteClick();
    void Btn_OkClick();
    void Btn_CancelClick();
    bool editing() const { return m_editing; }
    NoticeTexts& texts() { return m_texts; }
    void selectRecord(int row);

    QListWidget* lst_Record = nullptr;
    QLabel* lbl_Code = nullptr;
    QComboBox* dbcbo_LevelRemark = nullptr;
    QLineEdit* edt[NoticeTexts::kPieces] = {};
    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Exit = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void fillList(int select);
    void showRecord();
    void chgEdBoxState(bool on);
    void chgButtonState(bool editing);

    NoticeTexts m_texts;
    bool m_editing = false;
    bool m_filling = false;
};
