#pragma once
#include <QList>
#include <QWidget>

#include "fitness/Adults.h"

class QComboBox;
class QPushButton;
class QRadioButton;
class QTableView;
class ListModel;

// "성인체력측정등급표": the five value ranges of an adult item per sex and age band.
class TfAdultLevel : public QWidget {
    Q_OBJECT
public:
    explicit TfAdultLevel(QWidget* parent = nullptr);

    QComboBox* Com_AdultCode = nullptr;
    QRadioButton* chk_Male = nullptr;
    QRadioButton* chk_FeMale = nullptr;
    QTableView* grd_Level = nullptr;
    ListModel* model = nullptr;
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
    bool editing() const { return m_editing; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    QString item() const;
    QString sexCode() const;
    bool checkItem();
    void load();
    QStringList texts(const Adults::Range& r) const;
    void cellEdited(int row, int column, const QString& text);
    void setEditing(bool on, int row);

    bool m_editing = false;
    int m_editRow = -1;
    QList<Adults::Range> m_rows;
    QList<int> m_removed;
};
