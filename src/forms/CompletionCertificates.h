#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "ui/DivisionFilter.h"

class QWidget;

// Completion certificates (수료증): issued to the ticked members of a list, numbered on from
// T_도장정보.수료증발부, printed through "수료증1.rpt"/"수료증2.rpt", and recorded (register rows,
// counter and the five text lines) in one transaction when the pages first go to the printer or a PDF.
// A preview shows the numbers to come and records nothing.
namespace CompletionCertificates {

struct Row {
    QString memberNo, name, division, rank, birth, grade, classNo;
    QString remark;
    bool ticked = true;
};
// Current members (neither withdrawn nor on leave), optionally one by name, of a division entry.
QList<Row> query(const DivisionFilter::Condition& division, const QString& name);

QStringList storedLines();   // 수료증내용1..5
qint64 lastNumber();         // 수료증발부: the last number issued

// Fills print with the ticked rows numbered from lastNumber() + 1 and runs the layout; records as above.
bool issue(const QList<Row>& rows, const QStringList& lines, bool forms, int destination, QWidget* parent = nullptr);
// The record alone (what issue runs when the pages go out); throws db::Error writing nothing.
void record(const QList<Row>& rows, const QStringList& lines, qint64 firstNumber, const QDate& day);

// The register of issued certificates.
struct Issued {
    qint64 number = 0;
    QString memberNo, name, date, remark;
};
QList<Issued> find(const QString& namePrefix, bool byDate, const QDate& from, const QDate& to);
void remove(qint64 number);

} // namespace CompletionCertificates
