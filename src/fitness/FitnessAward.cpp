#include "fitness/FitnessAward.h"

#include "db/Query.h"
#include "db/AwardWriter.h"

const QString FitnessAward::kAwardCode = QStringLiteral("03");

FitnessAward::FitnessAward(Fields f) : m_f(std::move(f)), m_number(AwardWriter::nextSerial())
{
    db::Query q(QStringLiteral("SELECT 도장명, 관장명 FROM T_도장정보"));
    q.open();
    if (q.next()) {
        m_school = q.str(QStringLiteral("도장명")).trimmed();
        m_head = q.str(QStringLiteral("관장명")).trimmed();
    }
}

QStringList FitnessAward::body() const
{
    if (!m_f.withCompetition)
        return {QStringLiteral("              위의  수련생은  체력평가 대회에서"), QStringLiteral("우수한 평가를 받았으므로 본 상장을"),
                QStringLiteral("주어 칭찬함")};
    if (m_f.forms) // the number lands in the blank of the pre-printed text
        return {QStringLiteral("   ") + m_f.competition.trimmed() + QStringLiteral("  ")};
    return {QStringLiteral("  위의 수련생은  ") + QStringLiteral("제 ") + m_f.competition.trimmed() + QStringLiteral(" 회")
                + QStringLiteral("체력평가"),
            QStringLiteral("대회에서 우수한 평가를 받았으므로 본"), QStringLiteral(" 상장을 주어 칭찬함")};
}

void FitnessAward::build(report::PageBuilder& pages) const
{
    pages.newPage();
    const bool full = !m_f.forms;
    report::TextStyle big;
    big.size = 36;
    big.bold = true;
    big.align = Qt::AlignCenter;
    big.family = QStringLiteral("NanumMyeongjo");
    report::TextStyle line;
    line.size = 16;
    line.family = QStringLiteral("NanumMyeongjo");
    report::TextStyle small = line;
    small.size = 13;

    pages.text(QRectF(25, 25, 80, 8), (full ? QStringLiteral("제 ") : QString()) + QString::number(m_number)
                                          + (full ? QStringLiteral(" 호") : QString()), small);
    if (full)
        pages.text(QRectF(25, 45, 160, 25), QStringLiteral("상      장"), big);
    pages.text(QRectF(110, 85, 80, 9), (full ? QStringLiteral("종 목 : ") : QString()) + m_f.itemName, line);
    pages.text(QRectF(110, 95, 80, 9), (full ? QStringLiteral("학 년 : ") : QString()) + m_f.schoolYear, line);
    pages.text(QRectF(110, 105, 80, 9), (full ? QStringLiteral("성 명 : ") : QString()) + report::PageBuilder::spaced(m_f.memberName),
               line);
    if (full || m_f.withCompetition) {
        double y = 135;
        for (const QString& l : body()) {
            if (full || !l.trimmed().isEmpty())
                pages.text(QRectF(30, y, 150, 10), l, line);
            y += 16;
        }
    }
    report::TextStyle center = line;
    center.align = Qt::AlignCenter;
    pages.text(QRectF(25, 210, 160, 10),
               QStringLiteral("%1년 %2월 %3일").arg(m_f.date.year()).arg(m_f.date.month()).arg(m_f.date.day()), center);
    if (full) {
        report::TextStyle school = center;
        school.size = 20;
        school.bold = true;
        pages.text(QRectF(25, 235, 160, 12), m_school, school);
        pages.text(QRectF(25, 250, 160, 10), QStringLiteral("관 장   ") + m_head, center);
    }
}

void FitnessAward::record() const
{
    AwardWriter::record({{m_f.memberNo, m_f.date, kAwardCode, m_f.itemName, m_f.remark}}, m_number, true);
}

bool FitnessAward::run(int destination, QWidget* parent) const
{
    return PageLayout::run(destination, QStringLiteral("체력측정 시상"), parent, [this] { record(); });
}
