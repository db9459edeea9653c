#include "report/AddressLabels.h"

#include "report/Report.h"

namespace report {

void fillAddressLabels(PrintJob& job, const QList<AddressLabel>& labels, LabelRowNumber rowNumber)
{
    constexpr int kPerPage = 24;
    for (int i = 0; i < labels.size(); ++i) {
        const AddressLabel& l = labels[i];
        const int page = i / kPerPage + 1;
        const int row = (i % kPerPage) / 2 + 1;
        const QString r = rowNumber == LabelRowNumber::ThreeDigits ? QStringLiteral("%1").arg(row, 3, 10, QChar(u'0'))
                                                                   : QString::number(row);
        const QString to = " (" + l.name + ") 귀하";
        if (i % 2 == 0)
            job.exec("INSERT INTO print (seqno,  f01, 가정통신1, f03, f04, f05 ) VALUES (:seqno,:f01,:가정통신1,:f03,:f04,:f05 )",
                     {{"seqno", page}, {"f01", r}, {"가정통신1", l.address}, {"f03", l.addressee}, {"f04", to}, {"f05", l.zip}});
        else
            job.exec(" UPDATE  print  SET  가정통신2 =:가정통신2, 구분3 =:구분3, 구분4=:구분4, 구분5=:구분5  WHERE seqno =:seqno AND   f01 =:f01",
                     {{"가정통신2", l.address}, {"구분3", l.addressee}, {"구분4", to}, {"구분5", l.zip}, {"seqno", page}, {"f01", r}});
    }
}

} // namespace report
