#include "cashbook/CashPrint.h"

#include "cashbook/CashBook.h"
#include "db/Query.h"
#include "report/Report.h"

namespace {

QString orBlank(const QString& s) { return s.isEmpty() ? QStringLiteral(" ") : s; }

void fill(report::PrintJob& job, const CashPrint::PeriodList& l)
{
    const QString from = db::dateText(l.from), to = db::dateText(l.to), school = CashBook::schoolName();
    const QStringList t = l.totals.size() == 4 ? l.totals : QStringList{QString(), QString(), QString(), QString()};
    int n = 0;
    for (const QStringList& r : l.rows) {
        auto at = [&r](int i) { return i < r.size() ? r[i] : QString(); };
        job.add({{"발부일자", from}, {"입관일자", to}, {"가정통신1", orBlank(at(0))},
                 {"SeqNo", QStringLiteral("%1").arg(++n, 20, 10, QChar(u'0'))},
                 {"가정통신2", orBlank(at(2))}, {"가정통신3", orBlank(at(3))},
                 {"가정통신4", orBlank(at(4))}, {"가정통신5", at(5)}, {"가정통신6", orBlank(at(6))},
                 {"가정통신7", orBlank(at(7))}, {"가정통신8", t[0]}, {"가정통신9", t[1]}, {"가정통신10", t[2]},
                 {"가정통신11", t[3]}, {"회원명", school}});
    }
    // The end row carries the period, the totals and the school name as well.
    job.setEndRow(report::PrintJob::EndRow::None);
    job.add({{"seqno", 100000}, {"G01", "999"}, {"발부일자", from}, {"입관일자", to}, {"가정통신8", t[0]},
             {"가정통신9", t[1]}, {"가정통신10", t[2]}, {"가정통신11", t[3]}, {"회원명", school}});
}

} // namespace

bool CashPrint::printPeriodList(const PeriodList& list, int destination, QWidget* parent)
{
    report::PrintJob job;
    fill(job, list);
    return job.run(layoutFile(list.dateMode), windowTitle(list.dateMode), destination, parent);
}
