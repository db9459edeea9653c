#pragma once
#include <QList>
#include <QString>

namespace report {

class PrintJob;

// Address labels two to a row and twelve rows to a page (24 a page), as "dm.rpt" prints them: the
// left label of a row inserts the row (seqno = page, f01 = row within the page; 가정통신1, f03, f04,
// f05), the right label completes it (가정통신2, 구분3, 구분4, 구분5).
struct AddressLabel {
    QString address;    // 주소
    QString addressee;  // the parent or guardian
    QString name;       // printed as " (name) 귀하"
    QString zip;        // 우편번호
};

enum class LabelRowNumber {
    Plain,      // "1", "2" ...
    ThreeDigits // "001", "002" ...
};

void fillAddressLabels(PrintJob& job, const QList<AddressLabel>& labels, LabelRowNumber rowNumber = LabelRowNumber::Plain);

} // namespace report
