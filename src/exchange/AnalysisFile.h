#pragma once
#include <QByteArray>
#include <QString>

// The analysis file for the central office: headcounts by division, rank and school grade with the
// school totals, the yearly movement counters and the reason logs. Numbers are six digits with
// leading zeros; texts are cut or padded to their byte widths; CP949, CR LF.
namespace AnalysisFile {

// "분석자료/" beside the program + the first 4 bytes of the school name + "_" + the head instructor
// + "_분석자료.txt" (blanks removed from both names).
QString path();
QByteArray build();
// Writes the file whole (the folder made when missing). False with the reason.
bool write(QString* error = nullptr);

QByteArray number(qint64 n); // "000012"

} // namespace AnalysisFile
