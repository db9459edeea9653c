#include "fitness/Obesity.h"

#include "db/CodeTables.h"
#include "db/Query.h"
#include "db/SchoolInfo.h"
#include "fitness/Fitness.h"
#include "report/Report.h"
#include "text/Cp949.h"

QString Obesity::ageText(const QString& eightDigits, const QDate& today)
{
    const QString d = eightDigits.trimmed();
    const QDate birth = QDate::fromString(d, QStringLiteral("yyyyMMdd"));
    if (d.size() != 8 || !birth.isValid())
        return QStringLiteral("0");
    int age = today.year() - birth.year();
    if (today.toString(QStringLiteral("MMdd")) < birth.toString(QStringLiteral("MMdd")))
        --age;
    return QString::number(age);
}

Obesity::Result Obesity::evaluate(double height, double weight, const QString& sex)
{
    Result r;
    const int offset = fitness::traineeOffset(sex);
    r.noStandard = (height - offset) * 0.9 <= 0;
    const double exact = fitness::exactObesityIndex(height, weight, offset);
    r.index = fitness::round1(exact);
    if (r.noStandard)
        return r;
    const fitness::Band b = fitness::bandOf(exact);
    r.verdict = b.verdict;
    r.lines = b.lines;
    return r;
}

void Obesity::fill(report::PrintJob& job, const Sheet& s)
{
    QList<std::pair<QString, QVariant>> line = {
        {QStringLiteral("A01"), s.name},   {QStringLiteral("A03"), s.age},   {QStringLiteral("A04"), s.sex},
        {QStringLiteral("A05"), s.height}, {QStringLiteral("A06"), s.weight}, {QStringLiteral("A07"), s.index},
        {QStringLiteral("A08"), s.verdict}, {QStringLiteral("association"), SchoolInfo::name()}};
    for (int i = 0; i < 9; ++i)
        line.append({QStringLiteral("f%1").arg(5 + i, 2, 10, QChar(u'0')), s.lines.value(i)});
    for (int i = 0; i < 15; ++i)
        line.append({QStringLiteral("가정통신%1").arg(i + 1), s.lines.value(9 + i)});
    job.add(line);
}

QStringList Obesity::bandItems()
{
    QStringList out;
    db::Query q(QStringLiteral("SELECT 비만코드, FROM비만도, TO비만도 FROM T_비만측정 ORDER BY FROM비만도"));
    q.open();
    while (q.next())
        out.append(codes::itemText(q.str(QStringLiteral("비만코드")),
                                   QStringLiteral("%1-%2").arg(q.str(QStringLiteral("FROM비만도")), q.str(QStringLiteral("TO비만도")))));
    return out;
}

QStringList Obesity::bandLines(const QString& code)
{
    QStringList out;
    db::Query q(QStringLiteral(" SELECT * FROM  T_비만측정  WHERE 비만코드 = :비만코드 "));
    q.bind(QStringLiteral("비만코드"), code);
    q.open();
    const bool found = q.next();
    for (int i = 1; i <= 24; ++i)
        out.append(found ? q.str(QStringLiteral("평가내용%1").arg(i)) : QString());
    return out;
}

void Obesity::saveBandLines(const QString& code, const QStringList& lines)
{
    db::Query q(QStringLiteral(" UPDATE T_비만측정  SET "));
    for (int i = 1; i <= 24; ++i) {
        q << QStringLiteral("%1평가내용%2 = :l%2").arg(i > 1 ? QStringLiteral(", ") : QString()).arg(i);
        q.bind(QStringLiteral("l%1").arg(i), cp949::cut(lines.value(i - 1), 110));
    }
    // Exactly this band: band "1" must not overwrite band "10".
    q << QStringLiteral(" WHERE 비만코드 = :비만코드 ");
    q.bind(QStringLiteral("비만코드"), code);
    db::Transaction t;
    q.exec();
    t.commit();
}
