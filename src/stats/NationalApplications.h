#pragma once
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "stats/GeneralQueries.h"

namespace report { class PrintJob; }

// The register of poom and dan applications to the national headquarters (T_국기원승품), page 9 of
// 종합관리: listing, candidates of a new examination, the confirm that also records the certificate in
// the examination history, deletion and the receipt (접수증).
namespace NationalApplications {

struct Application {
    QString memberNo;
    QString name;
    QString birthDate;
    QString rankCode;      // the rank applied for
    QString divisionCode;
    QString divisionName;
    QString rankName;
    bool include = true;   // "Check": written on confirm
    QString examNo;        // 심사명, a whole number
    QString examDate;      // "YYYY-MM-DD"
    QString applicantNo;   // 응심번호
    QString certificateNo; // 단증번호, empty until known
};

struct Filter {
    QString name;
    int divisionIndex = 0; // the DivisionFilter's index and text
    QString divisionText;
    QString rankCode;      // "" for every rank
    QString examNo;        // as typed
    bool byDate = false;   // "심 사 일 자"
    QDate examDate;
};

// The names present in the register, for the name drop-down.
QStringList registeredNames();

// The register rows under the filter. False (nothing read) when the examination number is not a
// whole number.
bool query(const Filter& f, QList<Application>* out, tot::Problem* problem = nullptr);

// Members who may apply to examination `examNo` held on `examDate`: attending poom and dan holders
// without an application for their current rank, with the examination filled in and the applicant
// and certificate numbers cleared. False with a message when the number is missing or not whole.
bool candidates(const Filter& f, const QString& examNo, const QDate& examDate, QList<Application>* out,
                tot::Problem* problem = nullptr);

// What confirm would refuse: an included row without a whole examination number or a date.
tot::Problem check(const QList<Application>& rows);

// When the "국기원" examination record is written: with a certificate number (the register page), or
// always (the batch Dan-number input, which records the examination as passed).
enum class Record { WithCertificate, Always };

// One application: the register row by (회원번호, 급품코드), and the member's "국기원" examination
// record, found by its promotion date (the date stored with the register row when there is one, so a
// corrected date moves it) and brought up to date, or added. Runs inside the caller's transaction when
// there is one; throws db::Error and writes nothing when a statement fails.
void save(const Application& a, Record record = Record::WithCertificate);
// Every included row, in list order, in one transaction. Returns the number written.
int confirm(const QList<Application>& rows, Record record = Record::WithCertificate);
// Deletes the row as it was read.
void remove(const Application& a);

// The receipt: `examName` is the page's examination number field.
tot::Problem checkReceipt(const QString& examName, const QList<Application>& rows);
// 17 applicants a page, rank counters per page, filler lines to the end of the last page.
int fillReceipt(const QList<Application>& rows, report::PrintJob& job);
bool printReceipt(const QList<Application>& rows, int destination, class QWidget* parent = nullptr);

constexpr int kReceiptLines = 17;

} // namespace NationalApplications
