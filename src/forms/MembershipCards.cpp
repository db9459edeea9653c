#include "forms/MembershipCards.h"

#include "db/Query.h"
#include "db/SchoolInfo.h"
#include "db/MemberNumber.h"
#include "report/Report.h"

#include <QFile>
#include <QImage>

namespace MembershipCards {

namespace {

const QString kSelect = QStringLiteral("SELECT a.회원명, a.회원번호, a.생년월일, b.부명 FROM T_회원 a, T_부별코드 b "
                                       "WHERE a.퇴관일 IS NULL AND a.부별코드 = b.부별코드 ");

void addRows(report::PrintJob& job, const QString& divisionCode, int* count)
{
    db::Query q(kSelect);
    if (!divisionCode.isEmpty())
        q.add(QStringLiteral("AND a.부별코드 = :bu ")).bind("bu", divisionCode);
    q.add(QStringLiteral("ORDER BY a.회원명 "));
    q.open();
    const QString school = SchoolInfo::name();
    int n = 0;
    while (q.next()) {
        const int page = n / 3 + 1;
        ++n;
        job.add({{"발부일자", QStringLiteral("%1").arg(page, 8, 10, QChar(u'0'))},
                 {"seqno", n},
                 {"f01", q.str("회원번호")},
                 {"f02", q.str("회원명")},
                 {"f03", q.str("부명")},
                 {"f04", db::dateText(q.date("생년월일"))},
                 {"f05", school}});
    }
    job.setEndRow(report::PrintJob::EndRow::Card);
    *count = n;
}

} // namespace

bool find(const QString& memberNo, Member* out)
{
    db::Query q(kSelect + QStringLiteral("AND a.회원번호 = :no "));
    q.bind("no", memberNo).open();
    if (!q.next())
        return false;
    *out = {q.str("회원번호"), q.str("회원명"), q.str("부명"), db::dateText(q.date("생년월일"))};
    return true;
}

bool printDivision(const QString& divisionCode, bool forms, int destination, QWidget* parent)
{
    report::PrintJob job;
    int n = 0;
    addRows(job, divisionCode, &n);
    return job.run(forms ? QStringLiteral("관원증2.rpt") : QStringLiteral("관원증1.rpt"), QStringLiteral("관원증 발부"), destination,
                   parent);
}

SingleCard::SingleCard(Member m, bool forms) : m_m(std::move(m)), m_forms(forms), m_school(SchoolInfo::name()) {}

void SingleCard::build(report::PageBuilder& pages) const
{
    pages.newPage();
    const bool full = !m_forms;
    report::TextStyle title;
    title.size = 22;
    title.bold = true;
    title.align = Qt::AlignCenter;
    report::TextStyle plain;
    plain.size = 11;
    report::TextStyle center = plain;
    center.align = Qt::AlignCenter;
    // One card of 90 × 60 mm at the top left of the page.
    const double x = 20, y = 20;
    if (full) {
        pages.box(QRectF(x, y, 90, 60), 0.3);
        pages.text(QRectF(x + 3, y + 2, 50, 5), QStringLiteral("No. ") + m_m.no, plain);
        pages.text(QRectF(x, y + 8, 90, 10), QStringLiteral("관 원 증"), title);
    } else {
        pages.text(QRectF(x + 3, y + 2, 50, 5), m_m.no, plain);
    }
    // The number as a barcode in the free top-right corner, for the scanner at the door.
    pages.barcode(QRectF(x + 55, y + 1.5, 33, 6), m_m.no);
    const std::pair<QString, QString> lines[] = {{QStringLiteral("성      명 : "), m_m.name},
                                                 {QStringLiteral("소      속 : "), m_m.division},
                                                 {QStringLiteral("생년월일 : "), m_m.birth}};
    double ly = y + 21;
    for (const auto& [caption, value] : lines) {
        pages.text(QRectF(x + 4, ly, 56, 6), (full ? caption : QString()) + value, plain);
        ly += 7;
    }
    if (full) {
        pages.text(QRectF(x + 4, ly + 1, 60, 5), QStringLiteral("     위 사람은 본 체육관의 수련생임을"), plain);
        pages.text(QRectF(x + 4, ly + 6, 60, 5), QStringLiteral("증명합니다."), plain);
        pages.text(QRectF(x, y + 53, 90, 6), m_school, center);
    }
    // The photograph: the member's picture when there is one, otherwise an empty frame.
    const QRectF photo(x + 64, y + 20, 22, 28);
    const QString path = MemberNumber::photoPath(m_m.no);
    QImage image;
    if (QFile::exists(path))
        image.load(path);
    if (!image.isNull())
        pages.image(photo, image);
    else if (full)
        pages.text(photo, QStringLiteral("사   진"), center);
    if (full)
        pages.box(photo, 0.2);
}

} // namespace MembershipCards
