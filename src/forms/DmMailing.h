#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include "ui/DivisionFilter.h"
#include "ui/SchoolYearFilter.h"

class NoticeFile;
class QWidget;

// "DM 발송": members found by status and many filters, their address labels for mailing (24 to a
// page) and the mailing-list file "통신문" for those with an e-mail address.
namespace DmMailing {

enum Status { Current = 0, OnLeave = 1, Withdrawn = 2 };

// A ticked range: "MM-dd" for birthdays, "yyyy-MM-dd" for dates. An empty start is today, an empty
// end the start.
struct Range {
    bool on = false;
    QString from, to;
};

struct Filter {
    Status status = Current;
    QString name, school, address; // contained
    DivisionFilter::Condition division;
    int rankIndex = 0; // "", "전체", "1품", "2품", "3품", then the ranks
    QString rankText;
    SchoolYearFilter::Condition grade;
    int regionCode = -1; // -1: any region
    Range self, father, mother;
    Range enrolled, returned, withdrawn, leave;
};

struct Row {
    QString memberNo, name, division, rank, school, grade;
    QString enrolled, returned, withdrawn, leave; // by the status listed
    QString birthday, fatherBirthday, guardian, motherBirthday;
    QString region, address, zip, email;
    bool ticked = true;
};

// The range with its empty ends filled in.
Range completed(Range r, bool monthDay);
// A ticked range whose ends are not real month-days or dates: the message for the user, else empty.
QString rangeProblem(const Range& r, bool monthDay);

QStringList names(Status status); // the name list of the members of a status
QList<Row> query(const Filter& f);

// The ticked rows' labels through "dm.rpt"; false when nothing is ticked or the job did not run.
bool printLabels(const QList<Row>& rows, int destination, QWidget* parent = nullptr);
// The mailing list "통신문" of the ticked rows with an e-mail address.
NoticeFile mailingFile(const QList<Row>& rows);

} // namespace DmMailing
