#pragma once
#include <QList>
#include <QString>

#include "ui/DivisionFilter.h"
#include "ui/SchoolYearFilter.h"

class QWidget;

// The roster "수련생 명부": members not withdrawn (those on leave included) by division, grade and rank,
// printed with a title of the user's choice through "수련명부.rpt".
namespace Roster {

struct Row {
    QString memberNo, division, name, rank, phone, grade;
    bool ticked = true;
};
struct Filter {
    DivisionFilter::Condition division;
    SchoolYearFilter::Condition grade;
    int rankIndex = 0;       // "", "전체", "1품", "2품", "3품", then the ranks
    QString rankText, rankToText;
};
QList<Row> query(const Filter& f);

// The ticked rows counted 1, 2, 3 … with the division entry's name and the title.
bool print(const QList<Row>& rows, const QString& divisionEntry, const QString& title, int destination,
           QWidget* parent = nullptr);

} // namespace Roster
