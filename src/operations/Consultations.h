#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "report/AddressLabels.h"

namespace report { class PrintJob; }

// Enrolment consultations (T_입관상담): visitors who came to ask, the query of the register, one
// consultation at a time, and their address labels.
namespace Consultations {

struct Record {
    int no = 0;               // 순번
    QString consultDate;      // 상담일자 "YYYY-MM-DD"
    QString expectedDate;     // 예상입관일
    QString name, parent;
    QVariant age;             // whole number or null
    QString school, grade, address, zip, phone, motive, counsellor, memo;
};

struct Filter {
    QString name;            // part of the name
    QString counsellor;      // start of it
    QString school;          // start of it
    QString motiveCode;
    bool byConsultDate = false;
    QDate consultFrom, consultTo;
    bool byExpectedDate = false;
    QDate expectedFrom, expectedTo;
};

// Result columns, as the list shows them after its running number.
enum Column { Name, Counsellor, ConsultDate, Motive, School, Grade, Phone, ExpectedDate, No, Address, Parent, Zip };
QList<QStringList> find(const Filter& f);
int total();
QStringList names();     // every visitor's name, for the name filter
QStringList grades();    // "", "유치 4" ... "일반부"

int nextNo();            // the highest 순번 + 1, 1 for an empty register
bool load(int no, Record* out);
void insert(const Record& r);
void update(const Record& r);
void remove(int no);

// The labels of the given result rows, in list order.
QList<report::AddressLabel> labels(const QList<QStringList>& rows);

} // namespace Consultations
