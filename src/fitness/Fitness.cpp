#include "fitness/Fitness.h"

#include "db/Query.h"
#include "text/Cp949.h"

#include <QLocale>
#include <cmath>

namespace fitness {

QString itemCode(int item) { return QStringLiteral("A%1").arg(item, 2, 10, QChar(u'0')); }

qint64 tenths(double v)
{
    // A small nudge keeps 13.55 (stored as 13.549999...) rounding up as it is written.
    const double scaled = v * 10.0;
    return qint64(scaled < 0 ? -std::floor(-scaled + 0.5 + 1e-7) : std::floor(scaled + 0.5 + 1e-7));
}

double round1(double v) { return double(tenths(v)) / 10.0; }

QString fmt1(double v)
{
    const qint64 t = tenths(v);
    const qint64 a = t < 0 ? -t : t;
    return (t < 0 ? QStringLiteral("-") : QString()) + QStringLiteral("%1.%2").arg(a / 10).arg(a % 10);
}

bool parseValue(const QString& text, double* out)
{
    const QString t = text.trimmed();
    if (t.isEmpty()) {
        *out = 0;
        return true;
    }
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return false;
    *out = v;
    return true;
}

QString sexCode(const QString& memberSex) { return memberSex.trimmed() == QStringLiteral("남") ? QStringLiteral("1") : QStringLiteral("0"); }

int birthYear(const QString& birthDate)
{
    bool ok = false;
    const int y = birthDate.left(4).toInt(&ok);
    return ok && birthDate.left(4).size() == 4 ? y : 0;
}

int referenceAge(const QString& birthDate, int year)
{
    const int b = birthYear(birthDate);
    return b ? year - b + 1 : 0;
}

int yearDifference(const QString& birthDate, int year)
{
    const int b = birthYear(birthDate);
    return b ? year - b : 0;
}

double exactObesityIndex(double height, double weight, int offset)
{
    const double standard = (height - offset) * 0.9;
    if (standard <= 0.000001)
        return 0;
    return weight / standard * 100.0;
}

double obesityIndex(double height, double weight, int offset) { return round1(exactObesityIndex(height, weight, offset)); }

int traineeOffset(const QString& memberSex) { return memberSex.trimmed() == QStringLiteral("남") ? 100 : 105; }

int adultOffset(const QString& sexCode) { return sexCode.trimmed() == QStringLiteral("0") ? 100 : 105; }

Band bandOf(double index)
{
    const double n = index < 0 ? -std::floor(-index + 0.5) : std::floor(index + 0.5);
    db::Query q(QStringLiteral("SELECT * FROM T_비만측정 ORDER BY FROM비만도"));
    q.open();
    while (q.next()) {
        if (std::floor(q.real(QStringLiteral("FROM비만도")) + 0.5) <= n && n <= std::floor(q.real(QStringLiteral("TO비만도")) + 0.5)) {
            Band b;
            b.code = q.str(QStringLiteral("비만코드"));
            b.verdict = q.str(QStringLiteral("평가"));
            for (int i = 1; i <= 24; ++i)
                b.lines.append(q.str(QStringLiteral("평가내용%1").arg(i)));
            return b;
        }
    }
    return {};
}

std::array<double, 10> gradeBounds(double mean, double interval)
{
    const double q = round1(interval);
    std::array<double, 10> b{};
    for (int k = 0; k < 10; ++k)
        b[k] = round1(mean + (5 - k) * q);
    return b;
}

int gradeOf(double x, const std::array<double, 10>& bounds)
{
    const qint64 v = tenths(x);
    if (v >= tenths(bounds[0]))
        return 1;
    if (v <= tenths(bounds[9]))
        return 10;
    for (int k = 1; k < 10; ++k)
        if (v >= tenths(bounds[k]))
            return k + 1;
    return 10;
}

namespace {

Grade gradeWith(int g, const QStringList& first, const QStringList& second)
{
    Grade out;
    if (g <= 0)
        return out;
    out.grade = g;
    out.label = QStringLiteral("(%1등급)").arg(g);
    out.name = QStringLiteral("%1등급").arg(g);
    out.sentence = first.value(g - 1);
    out.sentence2 = second.value(g - 1);
    return out;
}

} // namespace

TraineeGrades::TraineeGrades(int age, const QString& sexCode)
{
    db::Query q(QStringLiteral(" SELECT    * FROM      T_체력등급표 WHERE 연령 = :연령 AND 구분 = :구분 "));
    q.bind({{QStringLiteral("연령"), age}, {QStringLiteral("구분"), sexCode}});
    q.open();
    while (q.next()) {
        Row r;
        for (int k = 1; k <= 10; ++k) {
            r.bounds[k - 1] = q.real(QStringLiteral("%1등급").arg(k));
            r.first.append(q.str(QStringLiteral("%1등급평가내용").arg(k)));
            r.second.append(q.str(QStringLiteral("%1%1등급평가내용").arg(k)));
        }
        m_rows.insert(q.str(QStringLiteral("체력측정항목코드")), r);
    }
}

Grade TraineeGrades::grade(int item, std::optional<double> x) const
{
    const auto it = m_rows.constFind(itemCode(item));
    if (!x || it == m_rows.constEnd())
        return {};
    return gradeWith(gradeOf(*x, it->bounds), it->first, it->second);
}

int adultGradeOf(double x, const std::array<std::pair<double, double>, 5>& ranges)
{
    const qint64 v = tenths(x);
    for (int g = 0; g < 5; ++g)
        if (tenths(ranges[g].first) <= v && v <= tenths(ranges[g].second))
            return g + 1;
    return 0;
}

AdultGrades::AdultGrades(int age, const QString& sexCode)
{
    db::Query q(QStringLiteral(" SELECT * FROM T_성인체력등급표 WHERE 성별 = :성별 AND FROM연령 <= :연령 AND TO연령 >= :연령 "
                               " ORDER BY FROM연령 "));
    q.bind({{QStringLiteral("성별"), sexCode}, {QStringLiteral("연령"), age}});
    q.open();
    while (q.next()) {
        const QString item = q.str(QStringLiteral("성인체력측정항목코드"));
        if (m_rows.contains(item))
            continue; // overlapping bands: the youngest first
        Row r;
        for (int g = 1; g <= 5; ++g) {
            r.ranges[g - 1] = {q.real(QStringLiteral("FROM%1등급").arg(g)), q.real(QStringLiteral("TO%1등급").arg(g))};
            r.first.append(q.str(QStringLiteral("%1등급평가내용").arg(g)));
            r.second.append(q.str(QStringLiteral("%1%1등급평가내용").arg(g)));
        }
        m_rows.insert(item, r);
    }
}

Grade AdultGrades::grade(int item, std::optional<double> x) const
{
    const auto it = m_rows.constFind(itemCode(item));
    if (!x || it == m_rows.constEnd())
        return {};
    return gradeWith(adultGradeOf(*x, it->ranges), it->first, it->second);
}

QStringList itemLabels(int bytes)
{
    QStringList out;
    db::Query q(QStringLiteral("SELECT 측정항목명 FROM T_체력측정항목 ORDER BY 측정항목코드"));
    q.open();
    while (q.next() && out.size() < kItems)
        out.append(cp949::cut(q.str(QStringLiteral("측정항목명")).trimmed(), bytes));
    while (out.size() < kItems)
        out.append(QString());
    return out;
}

namespace {

Measurement read(db::Query& q, const QString& last = QStringLiteral("비만도"))
{
    Measurement m;
    if (last == QStringLiteral("비만도"))
        m.date = q.str(QStringLiteral("측정일자"));
    for (int i = 1; i <= kItems; ++i)
        m.v[i - 1] = q.real(itemCode(i));
    m.v[kItems] = q.real(last);
    return m;
}

Measurement oneOf(const QString& memberNo, const QString& pick)
{
    db::Query q(QStringLiteral("SELECT * FROM T_체력측정 WHERE 회원번호 = :no AND 측정일자 = (Select %1(측정일자) "
                               "From T_체력측정 where 회원번호 = :no)").arg(pick));
    q.bind(QStringLiteral("no"), memberNo);
    q.open();
    return q.next() ? read(q) : Measurement();
}

} // namespace

Measurement firstMeasurement(const QString& memberNo) { return oneOf(memberNo, QStringLiteral("Min")); }

Measurement latestMeasurement(const QString& memberNo) { return oneOf(memberNo, QStringLiteral("Max")); }

QList<Measurement> history(const QString& memberNo, int newest)
{
    QList<Measurement> out;
    db::Query q(QStringLiteral(" SELECT TOP %1 * FROM T_체력측정 WHERE  회원번호=:회원번호  ORDER BY 측정일자 DESC ").arg(newest));
    q.bind(QStringLiteral("회원번호"), memberNo);
    q.open();
    while (q.next())
        out.append(read(q));
    return out;
}

Measurement nationalValues(int age, const QString& sexCode)
{
    db::Query q(QStringLiteral("Select * From T_문체부 Where 연령=:연령  and    구분= :구분 "));
    q.bind({{QStringLiteral("연령"), age}, {QStringLiteral("구분"), sexCode}});
    q.open();
    if (!q.next())
        return {};
    Measurement m = read(q, QStringLiteral("A13"));
    m.date = QString::number(age); // found
    return m;
}

Values GroupAverages::of(const QString& year, const QString& memberSex)
{
    const QString sex = memberSex.trimmed();
    const bool bySex = sex == QStringLiteral("남") || sex == QStringLiteral("여");
    const QString key = year + u'|' + (bySex ? sex : QString());
    const auto hit = m_cache.constFind(key);
    if (hit != m_cache.constEnd())
        return *hit;
    db::Query q(QStringLiteral("Select "));
    for (int i = 1; i <= kItems; ++i)
        q << QStringLiteral("Sum(a.%1)/Count(a.%1) As Z%2, ").arg(itemCode(i)).arg(i, 2, 10, QChar(u'0'));
    q << QStringLiteral("Sum(a.비만도)/Count(a.비만도) As Z13 ")
      << QStringLiteral("From T_체력측정 a INNER JOIN T_회원 b ON a.회원번호=b.회원번호 ")
      << QStringLiteral("Where MID(b.생년월일,1,4)=:year ");
    if (bySex)
        q << QStringLiteral("AND  b.성별 = :sex ");
    q << QStringLiteral("and a.측정일자 = ( Select Max(측정일자) From T_체력측정 Where 회원번호=a.회원번호 ) ");
    q.bind(QStringLiteral("year"), year);
    if (bySex)
        q.bind(QStringLiteral("sex"), sex);
    q.open();
    Values v{};
    if (q.next())
        for (int i = 0; i <= kItems; ++i)
            v[i] = q.value(i).toDouble();
    m_cache.insert(key, v);
    return v;
}

} // namespace fitness
