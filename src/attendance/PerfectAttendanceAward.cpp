#include "attendance/PerfectAttendanceAward.h"

#include "db/Query.h"
#include "db/AwardWriter.h"
#include "report/PageLayout.h"
#include "report/Report.h"

PerfectAttendanceAward::PerfectAttendanceAward(QList<Member> members, const QDate& from, const QDate& to,
                                               const QDate& awardDate, const QString& remark)
    : m_members(std::move(members)), m_from(from), m_to(to), m_date(awardDate), m_remark(remark)
{
}

int PerfectAttendanceAward::months(const QDate& from, const QDate& to)
{
    return (to.year() * 12 + to.month()) - (from.year() * 12 + from.month()) + 1;
}

QString PerfectAttendanceAward::dateText(const QDate& d)
{
    return QStringLiteral("%1년 %2월 %3일").arg(d.year()).arg(d.month()).arg(d.day());
}

void PerfectAttendanceAward::record(qint64 firstSerial) const
{
    QList<AwardWriter::Award> awards;
    for (const Member& m : m_members)
        awards.append({m.memberNo, m_date, QStringLiteral("05"), QStringLiteral("개근상"), m_remark});
    AwardWriter::record(awards, firstSerial);
}

bool PerfectAttendanceAward::run(int destination, QWidget* parent) const
{
    db::Query school(QStringLiteral("SELECT 도장명, 관장명, 상장발부 FROM T_도장정보"));
    school.open();
    const bool has = school.next();
    const QString name = has ? school.str(QStringLiteral("도장명")).trimmed() : QString();
    const QString head = has ? school.str(QStringLiteral("관장명")).trimmed() : QString();
    school.close();
    const qint64 first = AwardWriter::nextSerial();
    const QString body = QStringLiteral("   위의 수련생은 %1 개월간 개근 하였으므").arg(months(m_from, m_to));

    report::PrintJob job;
    qint64 serial = first;
    int k = 0;
    for (const Member& m : m_members)
        job.add({{"seqno", QStringLiteral("%1").arg(++k, 10, 10, QChar(u'0'))},
                 {"구분1", QStringLiteral("개 근 상")},
                 {"f01", QString::number(serial++)},
                 {"f02", report::PageBuilder::spaced(m.name)},
                 {"f03", body},
                 {"f04", QStringLiteral("로 본 상장을 줌")},
                 {"f05", dateText(m_date)},
                 {"f06", name},
                 {"f07", head}});
    return job.run(QStringLiteral("개근상1.rpt"), QStringLiteral("개근상 발부"), destination, parent,
                   [this, first] { record(first); });
}
