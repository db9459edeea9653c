#pragma once
#include <QList>
#include <QWidget>

#include "members/JournalBatch.h"

class DateEdit;
class DivisionFilter;
class ListModel;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

// The frame of the four journal batch windows (conduct, suggestions, notices, points): one line per
// current member of a division enrolled by the entry date, entries typed or chosen on the lines, and
// one confirmation that records every filled line with its date.
class JournalBatchScreen : public QWidget {
    Q_OBJECT
public:
    void Btn_InsertClick();
    void Btn_QueryClick();
    bool Btn_OkClick();
    void Btn_CancelClick();

    QList<JournalBatch::Line>& lines() { return m_lines; }
    bool entering() const { return m_entering; }
    // An entry typed or chosen on a line, as the grid stores it.
    void setEntry(int row, const QString& text);

    DivisionFilter* Com_bu = nullptr;
    QLineEdit* edt_Name = nullptr;
    DateEdit* dtpk_From = nullptr;
    DateEdit* dtpk_To = nullptr;
    QTableView* grid = nullptr;
    QLabel* lbl_Total = nullptr;
    QLabel* lbl_Found = nullptr;
    QPushButton* Btn_Insert = nullptr;
    QPushButton* Btn_Edit = nullptr;
    QPushButton* Btn_Delete = nullptr;
    QPushButton* Btn_Query = nullptr;
    QPushButton* Btn_Ok = nullptr;
    QPushButton* Btn_Cancel = nullptr;
    QPushButton* Btn_Print = nullptr;
    QPushButton* Btn_Close = nullptr;

protected:
    // `dateCaption`: "기록 일자 :" …; `entryCaption`: the title of the entry column.
    JournalBatchScreen(JournalBatch::Kind kind, const QString& objectName, const QString& caption, const QString& dateCaption,
                       const QString& entryCaption, QWidget* parent);

private:
    enum Col { ColNo, ColName, ColDivision, ColGrade, ColRank, ColClass, ColEntry, ColCode, ColPoints, ColDate, ColCount };
    void showLines();
    void setEntering(bool on);
    QString cell(int row, int column) const;

    JournalBatch::Kind m_kind;
    QList<JournalBatch::Line> m_lines;
    ListModel* m_model = nullptr;
    bool m_entering = false;
};
