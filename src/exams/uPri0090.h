#pragma once
#include <QWidget>

class DateEdit;
class DivisionFilter;
class QPushButton;
class QRadioButton;
class SchoolYearFilter;

// 심사 채점표 인쇄: the blank scoring sheet of a school examination.
class TfPri0090 : public QWidget {
    Q_OBJECT
public:
    explicit TfPri0090(QWidget* parent = nullptr);

    void btnPreviewClick();
    void btnPrintClick();

    DivisionFilter* Com_Bu = nullptr;
    SchoolYearFilter* Com_Year = nullptr;
    DateEdit* dtpk_SimsaDate = nullptr;
    QRadioButton* rdo_GubSort = nullptr;
    QRadioButton* rdo_PumSort = nullptr;
    QPushButton* btnPreview = nullptr;
    QPushButton* btnPrint = nullptr;

private:
    void run(int destination);
};
