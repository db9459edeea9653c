#pragma once
#include "ui/ListModel.h"
#include <QWidget>

#include "exams/ExamBatch.h"

class DivisionFilter;
class QAbstractItemModel;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;
class SchoolYearFilter;

// 심사결과/심사채점: lists the candidates of one examination, takes the item scores, decides who is
// promoted and commits the ranks and records. The rules live in ExamBatch.
class TfInp0011 : public QWidget {
    Q_OBJECT
public:
    explicit TfInp0011(QWidget* parent = nullptr);
    ~TfInp0011() override;

    void btnInsertClick();
    void btnsearchClick();
    void btnOkClick();
    void btnCancelClick();
    void Button1Click(); // 심사 결과 발표

    ExamBatch& batch() { return m_batch; }
    ExamBatch::Mode mode() const;
    QAbstractItemModel* gridModel() const;

    enum Column { ColNo, ColName, ColDivision, ColDate, ColBefore, ColE1, ColAttendance = ColE1 + 6, ColMerit, ColAverage,
                  ColTarget, ColSelect, ColumnCount };

    QLabel* Pan_Company = nullptr;
    QLabel* total_num = nullptr;
    QLabel* search_num = nullptr;
    DivisionFilter* com_bu = nullptr;
    SchoolYearFilter* Com_Year = nullptr;
    QLineEdit* edt_num = nullptr;
    QDateEdit* inToday1 = nullptr;
    QRadioButton* rbgenUp = nullptr;   // 일괄
    QRadioButton* rbEvalUp = nullptr;  // 채점
    QRadioButton* rbDanbo = nullptr;   // 단보
    QCheckBox* chk_SeungBul = nullptr; // 상벌포함
    QRadioButton* rdo_GubSort = nullptr;
    QRadioButton* rdo_PumSort = nullptr;
    QTableView* DBCtrlGrid2 = nullptr;
    QPushButton* btnInsert = nullptr;
    QPushButton* btnEdit = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnsearch = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnExit = nullptr;
    QPushButton* Button1 = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ExamBatch::Filter filter(bool withYear) const;
    void openRows(bool search);
    void setModes(bool enabled);
    void chgButtonState(bool editing);
    void showCount();

    ExamBatch m_batch;
    ListModel* m_model = nullptr;
    static QList<ListModel::Column> gridColumns();
    QString codeOfRank(const QString& name) const;
    void showRows();
};
