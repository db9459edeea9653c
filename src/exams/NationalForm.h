#pragma once
#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "stats/NationalApplications.h"

class QWidget;
namespace report { class PrintJob; }

// The national poom/dan application of the applicants of one examination of the register: the printed
// form ("심사신청서.rpt") and the online application file of the "심사접수" folder.
namespace NationalForm {

using Applicant = NationalApplications::Application;

// The rank names printed on the form: what the applicant holds and what he applies for ("" when the
// applied-for rank has no name on the form).
QString heldRankText(const QString& rankName);
QString appliedRankText(const QString& rankName);
// The two-digit codes of the online record; "" for a rank outside the table.
QString heldRankCode(const QString& rankName);
QString appliedRankCode(const QString& rankName);
// The school's dan ("7단") as "07"; two blanks when it does not end in "단".
QString danCode(const QString& dan);
// "1" for a poom candidate of at most 14 (this year minus birth year plus 1), else "2".
QString category(const QString& rankName, const QString& birthDate, int thisYear);

// Fills print with one form per applicant (F01 ... F22); the caller runs the layout.
int fillForm(const QList<Applicant>& rows, const QString& examNo, const QDate& applied, report::PrintJob& job);
bool printForm(const QList<Applicant>& rows, const QString& examNo, const QDate& applied, int destination,
               QWidget* parent = nullptr);

// The online application file: header line and one 306-byte record per applicant, CR LF between them.
struct OnlineFile {
    QString path;          // ProgramDir + "심사접수/<도장명>-<관장명>-<구>-<year>-<exam>.txt"
    QByteArray bytes;
    QStringList unmapped;  // applicants whose rank has no code (fields 15 and 18 left blank)
};
constexpr int kRecordBytes = 306;
OnlineFile onlineFile(const QList<Applicant>& rows, const QString& examNo, const QString& year);
// Writes it whole; false with the reason.
bool writeOnlineFile(const OnlineFile& file, QString* error = nullptr);

} // namespace NationalForm
