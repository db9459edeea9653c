#pragma once
#include <QDate>
#include <QList>
#include <QString>

#include "fitness/Fitness.h"
#include "ui/DivisionFilter.h"

namespace report { class PrintJob; }

// The measurement records of the trainees (T_체력측정): the batch entry of a division, the search, and
// the rows of the result list and the blank sheet ("cheryuk.rpt").
class Measurements {
public:
    struct Row {
        QString no, name, division, divisionCode, sex;
        QString date;            // the measuring day of the row
        fitness::Values v{};     // A01 .. A12, 비만도
        bool changed = false;    // typed into since it was listed
    };

    // Members to measure on `day`: attending, enrolled by then, in the division, ordered by division and
    // name; each row starts from the member's latest values (a member never measured: height and weight
    // 100, the rest 0) and carries the measuring day.
    static QList<Row> forEntry(const QDate& day, const DivisionFilter::Condition& division);
    // Stored measurements of attending members in the division, dated from .. to.
    static QList<Row> search(const QDate& from, const QDate& to, const DivisionFilter::Condition& division);

    // A value typed into a row (item 1 .. 12, 13 the obesity index). A new height or weight computes the
    // obesity index again.
    static void setValue(Row& row, int item, double value);

    // Writes the rows typed into, each by its key (회원번호, 측정일자): updated when the record exists,
    // inserted otherwise; all in one transaction. Rows nobody typed into are left alone. Returns the
    // rows written; throws db::Error (nothing written) when a statement fails.
    static int save(const QList<Row>& rows);

    // The division words of the printouts: "전체", "유치부", "초등부", "중고/일반", or the division's
    // name from the drop-down entry ("05) 초등3학년부" gives " 초등3학년부").
    static QString divisionLabel(int comboIndex, const QString& comboText);

    // "체력 측정결과표": one line per listed row.
    static void fillResultList(report::PrintJob& job, const QList<Row>& rows, const QString& divisionLabel);
    // "체력 측정표": one line per attending member enrolled by `day` in the division. Returns the lines.
    static int fillBlankSheet(report::PrintJob& job, const QDate& day, const DivisionFilter::Condition& division,
                              const QString& divisionLabel);


    // The graph page: members of a division by name (number, name), and one member's values of an
    // item over the measuring days.
    static QList<std::pair<QString, QString>> members(const DivisionFilter::Condition& division);
    static QList<std::pair<QDate, double>> series(const QString& memberNo, int item);
};
