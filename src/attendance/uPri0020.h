#pragma once
#include <QWidget>

#include "attendance/AttendanceBook.h"

class DivisionFilter;
class QPushButton;
class QRadioButton;
class SchoolYearFilter;

// "출석부 인쇄/입관일자": the attendance book with the enrolment date; TfPri0022 is the same window
// for the book with the birthdays of the month.
class TfPri0020 : public QWidget {
    Q_OBJECT
public:
    explicit TfPri0020(QWidget* parent = nullptr) : TfPri0020(AttendanceBook::Variant::EnrolmentDate, parent) {}

    AttendanceBook::Options options() const;
    void btnPreviewClick();
    void btnPrintClick();

    QRadioButton* Rdo_Bu = nullptr;
    QRadioButton* Rdo_Year = nullptr;
    DivisionFilter* Com_Bu = nullptr;
    SchoolYearFilter* Com_Year = nullptr;
    QRadioButton* rdo_sort_gub = nullptr;
    QRadioButton* rdo_sort_name = nullptr;
    QRadioButton* Rb1 = nullptr;
    QRadioButton* Rb2 = nullptr;
    QPushButton* btnPreview = nullptr;
    QPushButton* btnPrint = nullptr;

protected:
    TfPri0020(AttendanceBook::Variant variant, QWidget* parent);

private:
    void modeChanged();

    AttendanceBook::Variant m_variant;
};
