#include "exams/ResultSheet.h"

#include "db/Query.h"
#include "exams/ExamBatch.h"
#include "text/Cp949.h"
#include "db/SchoolInfo.h"

void ResultSheet::load(const QDate& date, int examNo)
{
    m_date = date;
    m_examNo = examNo;
    m_school = SchoolInfo::name();
    m_items.clear();
    {
        db::Query q(QStringLiteral("select 심사항목명 from T_심사항목 order by 심사항목코드"));
        q.open();
        while (q.next() && m_items.size() < ExamBatch::kItems)
            m_items.append(cp949::cut(q.str(QStringLiteral("심사항목명")), 6));
        while (m_items.size() < ExamBatch::kItems)
            m_items.append(QString());
    }
    m_lines.clear();
    db::Query q;
    q << "SELECT b.회원명, c.부명, d.급품명 AS 현급, e.급품명 AS 아래급, "
      << " a.E1, a.E2, a.E3, a.E4, a.E5, a.E6, a.출석률, a.승벌점, a.평균 "
      << " FROM (((T_심사 a INNER JOIN T_회원 b ON a.회원번호 = b.회원번호) "
      << "   LEFT JOIN T_부별코드 c ON b.부별코드 = c.부별코드) "
      << "   LEFT JOIN T_급품코드 d ON a.급품코드 = d.급품코드) "
      << "   LEFT JOIN T_급품코드 e ON e.급품코드 = Right('0' & Trim(Str(Val(a.급품코드) - 1)), 2 ) "
      << " WHERE a.승급일자 = :date AND a.심사명 = :num AND a.심사구분 = :kind "
      << " ORDER BY a.급품코드, c.부명, b.회원명";
    q.bind({{"date", date}, {"num", examNo}, {"kind", ExamBatch::kSchool}});
    q.open();
    while (q.next()) {
        Line l;
        l.name = q.str(QStringLiteral("회원명"));
        l.division = q.str(QStringLiteral("부명"));
        l.after = q.str(QStringLiteral("현급"));
        for (int k = 0; k < ExamBatch::kItems; ++k)
            l.scores[k] = int(q.integer(QStringLiteral("E%1").arg(k + 1)));
        l.attendance = int(q.integer(QStringLiteral("출석률")));
        l.merit = int(q.integer(QStringLiteral("승벌점")));
        const bool noAverage = q.isNull(QStringLiteral("평균"));
        l.average = int(q.integer(QStringLiteral("평균")));
        l.before = l.average < ExamBatch::kPassMark ? l.after : q.str(QStringLiteral("아래급"));
        l.verdict = verdict(l.average, noAverage, l.before);
        m_lines.append(l);
    }
}

bool ResultSheet::endsInDanbo(const QString& rankName)
{
    const QString t = rankName.trimmed();
    const QString danbo = QStringLiteral("단보");
    if (t.endsWith(danbo))
        return true;
    return t.size() > danbo.size() && t.chopped(1).endsWith(danbo) && t.back().unicode() < 0x80;
}

QString ResultSheet::verdict(int average, bool noAverage, const QString& before)
{
    if (endsInDanbo(before))
        return QStringLiteral("국기원");
    if (noAverage || average == 0)
        return QStringLiteral("심사불참");
    return average >= ExamBatch::kPassMark ? QStringLiteral("합") : QStringLiteral("불");
}

void ResultSheet::build(report::PageBuilder& pages) const
{
    using report::TextStyle;
    TextStyle title;
    title.size = 18;
    title.bold = true;
    title.align = Qt::AlignCenter;
    TextStyle head;
    head.size = 9;
    head.bold = true;
    head.align = Qt::AlignCenter;
    TextStyle cell;
    cell.size = 9;
    cell.align = Qt::AlignCenter;
    TextStyle plain;
    plain.size = 10;

    // Columns across a landscape A4 page inside 15 mm margins.
    const double left = 15, width = 267;
    QList<double> widths{12, 26, 30, 24, 24};
    for (int k = 0; k < ExamBatch::kItems; ++k)
        widths << 15;
    widths << 14 << 14 << 14 << 19;
    QStringList headings{QStringLiteral("No."), QStringLiteral("이 름"), QStringLiteral("부  명"), QStringLiteral("전  급"),
                         QStringLiteral("현  급")};
    headings << m_items;
    headings << QStringLiteral("출석") << QStringLiteral("승벌") << QStringLiteral("평균") << QStringLiteral("심사결과");
    const double rowH = 7, top = 42, bottom = 190;

    auto header = [&](double y) {
        pages.text(QRectF(left, 15, width, 10), QStringLiteral("심사 결과"), title);
        pages.text(QRectF(left, 28, 120, 7), QStringLiteral("심사 일자 : ") + m_date.toString(QStringLiteral("yyyy-MM-dd")), plain);
        TextStyle right = plain;
        right.align = Qt::AlignRight | Qt::AlignVCenter;
        pages.text(QRectF(left + width - 60, 28, 60, 7), QString::number(m_examNo) + QStringLiteral("회"), right);
        double x = left;
        pages.line(QPointF(left, y), QPointF(left + width, y), 0.4);
        for (int c = 0; c < headings.size(); ++c) {
            pages.text(QRectF(x, y, widths[c], rowH), headings[c], head);
            x += widths[c];
        }
        pages.line(QPointF(left, y + rowH), QPointF(left + width, y + rowH), 0.3);
    };
    auto footer = [&] {
        TextStyle s = plain;
        s.align = Qt::AlignCenter;
        s.bold = true;
        pages.text(QRectF(left, 195, width, 8), m_school, s);
    };

    pages.newPage();
    header(top);
    double y = top + rowH;
    int no = 0;
    for (const Line& l : m_lines) {
        if (y + rowH > bottom) {
            footer();
            pages.newPage();
            header(top);
            y = top + rowH;
        }
        QStringList values{QString::number(++no), l.name, l.division, l.before, l.after};
        for (int k = 0; k < ExamBatch::kItems; ++k)
            values << QString::number(l.scores[k]);
        values << QString::number(l.attendance) << QString::number(l.merit) << QString::number(l.average) << l.verdict;
        double x = left;
        for (int c = 0; c < values.size(); ++c) {
            pages.text(QRectF(x, y, widths[c], rowH), values[c], cell);
            x += widths[c];
        }
        y += rowH;
        pages.line(QPointF(left, y), QPointF(left + width, y), 0.1);
    }
    footer();
}
