#include "fitness/Measurements.h"

#include "db/Query.h"
#include "db/SchoolInfo.h"
#include "db/MemberStatus.h"
#include "report/Report.h"

using fitness::kItems;

namespace {

void bindDivision(db::Query& q, const DivisionFilter::Condition& c)
{
    q.add(c.sql);
    q.bind(QStringLiteral("buCode"), c.buCode);
    if (!c.buCode1.isEmpty())
        q.bind(QStringLiteral("buCode1"), c.buCode1);
}

Measurements::Row readRow(const db::Query& q)
{
    Measurements::Row r;
    r.no = q.str(QStringLiteral("회원번호"));
    r.name = q.str(QStringLiteral("회원명"));
    r.division = q.str(QStringLiteral("부명"));
    r.divisionCode = q.str(QStringLiteral("부별코드"));
    r.sex = q.str(QStringLiteral("성별"));
    r.date = q.str(QStringLiteral("측정일자"));
    for (int i = 1; i <= kItems; ++i)
        r.v[i - 1] = fitness::round1(q.real(fitness::itemCode(i)));
    r.v[kItems] = fitness::round1(q.real(QStringLiteral("비만도")));
    return r;
}

const QString kSelect = QStringLiteral(
    "SELECT a.회원번호, a.회원명, a.성별, c.부별코드, c.부명, b.측정일자, b.A01, b.A02, b.A03, b.A04, b.A05, b.A06, "
    "b.A07, b.A08, b.A09, b.A10, b.A11, b.A12, b.비만도 ");

} // namespace

QList<Measurements::Row> Measurements::forEntry(const QDate& day, const DivisionFilter::Condition& division)
{
    db::Query q(kSelect);
    q << QStringLiteral("FROM (T_회원 a LEFT JOIN T_체력측정 b ON a.회원번호 = b.회원번호) "
                        "LEFT JOIN T_부별코드 c ON a.부별코드 = c.부별코드 ")
      << QStringLiteral("WHERE ") + MemberStatus::active(QStringLiteral("a")) + QStringLiteral(" AND ")
             + MemberStatus::enrolledBy(QStringLiteral("a"), QStringLiteral(":ToDay")) + u' ';
    bindDivision(q, division);
    q << QStringLiteral("AND (b.측정일자 = (Select max(d.측정일자) From T_체력측정 d Where a.회원번호 = d.회원번호) "
                        "OR b.측정일자 Is Null) ")
      << QStringLiteral("Order by c.부별코드, a.회원명 ");
    q.bind(QStringLiteral("ToDay"), day);
    q.open();
    QList<Row> out;
    const QString dayText = db::dateText(day);
    while (q.next()) {
        Row r = readRow(q);
        if (r.date.isEmpty()) {
            r.v.fill(0);
            r.v[0] = 100.0;
            r.v[1] = 100.0;
        }
        r.date = dayText;
        out.append(r);
    }
    return out;
}

QList<Measurements::Row> Measurements::search(const QDate& from, const QDate& to, const DivisionFilter::Condition& division)
{
    db::Query q(kSelect);
    q << QStringLiteral("FROM (T_체력측정 b INNER JOIN T_회원 a ON a.회원번호 = b.회원번호) "
                        "LEFT JOIN T_부별코드 c ON a.부별코드 = c.부별코드 ")
      << QStringLiteral("WHERE ") + MemberStatus::active(QStringLiteral("a")) + u' ';
    bindDivision(q, division);
    q << QStringLiteral("AND b.측정일자 Between :DateFrom and :DateTo ")
      << QStringLiteral("Order by b.측정일자, c.부별코드, a.회원명 ");
    q.bind({{QStringLiteral("DateFrom"), from}, {QStringLiteral("DateTo"), to}});
    q.open();
    QList<Row> out;
    while (q.next())
        out.append(readRow(q));
    return out;
}

void Measurements::setValue(Row& row, int item, double value)
{
    row.v[item - 1] = fitness::round1(value);
    row.changed = true;
    if (item == 1 || item == 2)
        row.v[kItems] = fitness::obesityIndex(row.v[0], row.v[1], fitness::traineeOffset(row.sex));
}

int Measurements::save(const QList<Row>& rows)
{
    QString sets;
    QString cols, params;
    for (int i = 1; i <= kItems; ++i) {
        const QString c = fitness::itemCode(i);
        sets += QStringLiteral("  %1 = :%1, ").arg(c);
        cols += c + QStringLiteral(", ");
        params += u':' + c + QStringLiteral(", ");
    }
    const QString update = QStringLiteral("update T_체력측정 set ") + sets
                           + QStringLiteral("  비만도 = :비만도 where   회원번호 = :no and   측정일자 = :측정일자");
    const QString insert = QStringLiteral("Insert Into T_체력측정 (회원번호, 측정일자, ") + cols
                           + QStringLiteral("비만도) Values ( :no, :측정일자, ") + params + QStringLiteral(":비만도)");
    int written = 0;
    db::Transaction t;
    for (const Row& r : rows) {
        if (!r.changed)
            continue;
        auto bindAll = [&](db::Query& q) {
            q.bind({{QStringLiteral("no"), r.no}, {QStringLiteral("측정일자"), r.date}, {QStringLiteral("비만도"), r.v[kItems]}});
            for (int i = 1; i <= kItems; ++i)
                q.bind(fitness::itemCode(i), r.v[i - 1]);
        };
        db::Query u(update);
        bindAll(u);
        if (u.exec() == 0) {
            db::Query n(insert);
            bindAll(n);
            n.exec();
        }
        ++written;
    }
    t.commit();
    return written;
}

QString Measurements::divisionLabel(int comboIndex, const QString& comboText)
{
    return comboIndex > 4 ? comboText.mid(3) : comboText.trimmed();
}

namespace {

QList<std::pair<QString, QVariant>> heading(const QString& title, const QString& label, const QString& school,
                                            const QStringList& labels)
{
    QList<std::pair<QString, QVariant>> line = {{QStringLiteral("f40"), title},
                                                {QStringLiteral("f01"), label},
                                                {QStringLiteral("association"), school}};
    for (int i = 1; i <= kItems; ++i)
        line.append({fitness::itemCode(i), labels.value(i - 1)});
    return line;
}

} // namespace

void Measurements::fillResultList(report::PrintJob& job, const QList<Row>& rows, const QString& divisionLabel)
{
    job.setEndRow(report::PrintJob::EndRow::Fitness);
    const QStringList labels = fitness::itemLabels();
    const QString school = SchoolInfo::name();
    for (const Row& r : rows) {
        auto line = heading(QStringLiteral("체력 측정결과표"), divisionLabel, school, labels);
        line.append({{QStringLiteral("f02"), r.date},
                     {QStringLiteral("f03"), r.name},
                     {QStringLiteral("f04"), r.division},
                     {QStringLiteral("f05"), r.divisionCode}});
        for (int i = 0; i <= kItems; ++i)
            line.append({QStringLiteral("f%1").arg(6 + i, 2, 10, QChar(u'0')), fitness::fmt1(r.v[i])});
        job.add(line);
    }
}

int Measurements::fillBlankSheet(report::PrintJob& job, const QDate& day, const DivisionFilter::Condition& division,
                                 const QString& divisionLabel)
{
    job.setEndRow(report::PrintJob::EndRow::Fitness);
    const QStringList labels = fitness::itemLabels();
    const QString school = SchoolInfo::name();
    db::Query q(QStringLiteral("SELECT a.회원명, c.부별코드, c.부명 FROM T_회원 a LEFT JOIN T_부별코드 c ON a.부별코드 = c.부별코드 WHERE "));
    q << MemberStatus::active(QStringLiteral("a")) + QStringLiteral(" AND ")
             + MemberStatus::enrolledBy(QStringLiteral("a"), QStringLiteral(":day")) + u' ';
    bindDivision(q, division);
    q << QStringLiteral(" ORDER BY c.부별코드, a.회원명");
    q.bind(QStringLiteral("day"), day);
    q.open();
    int n = 0;
    while (q.next()) {
        auto line = heading(QStringLiteral("체력 측정표"), divisionLabel, school, labels);
        line.append({{QStringLiteral("f02"), db::dateText(day)},
                     {QStringLiteral("f03"), q.str(QStringLiteral("회원명"))},
                     {QStringLiteral("f04"), q.str(QStringLiteral("부명"))},
                     {QStringLiteral("f05"), q.str(QStringLiteral("부별코드"))}});
        job.add(line);
        ++n;
    }
    return n;
}


QList<std::pair<QString, QString>> Measurements::members(const DivisionFilter::Condition& division)
{
    db::Query q(QStringLiteral("SELECT a.회원번호, a.회원명 FROM T_회원 a WHERE ") + MemberStatus::notWithdrawn(QStringLiteral("a")) + u' ');
    bindDivision(q, division);
    q << QStringLiteral(" ORDER BY a.회원명, a.회원번호");
    q.open();
    QList<std::pair<QString, QString>> out;
    while (q.next())
        out.append({q.str(QStringLiteral("회원번호")), q.str(QStringLiteral("회원명"))});
    return out;
}

QList<std::pair<QDate, double>> Measurements::series(const QString& memberNo, int item)
{
    db::Query q(QStringLiteral("SELECT 측정일자, %1 FROM T_체력측정 WHERE 회원번호 = :no ORDER BY 측정일자").arg(fitness::itemCode(item)));
    q.bind(QStringLiteral("no"), memberNo);
    q.open();
    QList<std::pair<QDate, double>> out;
    while (q.next())
        out.append({q.date(QStringLiteral("측정일자")), q.real(fitness::itemCode(item))});
    return out;
}
