#pragma once
#include <QList>
#include <QString>

#include "ui/DivisionFilter.h"

class QWidget;

// Page "연말정산/세무서" of the fee window: for each ticked member a statement of the training fees paid
// in a year, for the parents' income-tax return ("납입증명.rpt").
class YearEndStatement {
public:
    struct Line {
        QString memberNo, enrolled, name, division, address, residentNo;
    };
    static QList<Line> list(const QString& name, const DivisionFilter::Condition& division);

    // What the person filing the return typed.
    struct Filer {
        QString parentName;  // empty: the father from the family table
        QString parentNo;    // 주민등록번호(납세번호)
        QString relation = QStringLiteral("자");
        QString hoursPerDay;
        QString daysPerWeek = QStringLiteral("5");
    };

    // "연도를 입력하세요." / "연도를 4자리로 입력하세요." for a year that is not four digits; empty when fine.
    static QString yearProblem(const QString& year);

    // One statement per ticked line; `positions` are the lines' places in the whole list (from 0).
    static bool print(const QList<Line>& ticked, const QList<int>& positions, const QString& year, const Filer& filer,
                      int destination, QWidget* parent = nullptr);
};
