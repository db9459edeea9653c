#pragma once
#include <QList>
#include <QWidget>

#include "fitness/NationalValues.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class ListModel;

// "문체부 체력값 설정": the national mean values per age of one sex and the grade interval per item;
// confirming derives the ten-grade bounds of every listed age.
class TfMunche : public QWidget {
    Q_OBJECT
public:
    explicit TfMunche(QWidget* parent = nullptr);

    QRadioButton* rb1 = nullptr;           // 남자
    QRadioButton* RadioButton1 = nullptr;  // 여자
    QTableView* grd_National = nullptr;
    ListModel* model = nullptr;
    QList<QLineEdit*> edt_A;               // edt_A01 .. edt_A12
    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Save = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Close = nullptr;

    void Btn_InsertClick();
    void Btn_EditClick();
    void Btn_DeleteClick();
    void Btn_QueryClick();
    void Btn_SaveClick();
    void Btn_CancelClick();
    void rbClick();

    bool editing() const { return m_editing; }
    QString sexCode() const;
    const QList<NationalValues::Row>& rows() const { return m_rows; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void load();
    void showRows();
    QStringList rowTexts(const NationalValues::Row& r) const;
    void cellEdited(int row, int column, const QString& text);
    void chgButtonState(bool editing);
    void chgEdBoxState(bool on);

    bool m_editing = false;
    int m_editRow = -1; // -1 with editing: every row (after 입력 only the new one is open)
    QList<NationalValues::Row> m_rows;
    QList<int> m_removed;
};
