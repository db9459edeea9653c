#include "fitness/Adults.h"

#include "db/Query.h"
#include "db/SchoolInfo.h"
#include "fitness/Fitness.h"
#include "report/Report.h"
#include "text/Cp949.h"

#include <QHash>
#include <QSet>

using fitness::itemCode;
using fitness::kAdultItems;

namespace {

QString valueColumns(const QString& alias)
{
    QString out;
    for (int i = 1; i <= kAdultItems; ++i)
        out += QStringLiteral(", %1.%2").arg(alias, itemCode(i));
    return out + QStringLiteral(", %1.비만도").arg(alias);
}

Adults::Row readRow(const db::Query& q)
{
    Adults::Row r;
    r.no = int(q.integer(QStringLiteral("성인번호")));
    r.name = q.str(QStringLiteral("성명"));
    r.traineeName = q.str(QStringLiteral("수련생명"));
    r.birthDate = q.str(QStringLiteral("생년월일"));
    r.sex = q.str(QStringLiteral("성별"));
    r.date = q.str(QStringLiteral("측정일자"));
    r.storedDate = r.date;
    for (int i = 1; i <= kAdultItems; ++i)
        r.v[i - 1] = fitness::round1(q.real(itemCode(i)));
    r.v[kAdultItems] = fitness::round1(q.real(QStringLiteral("비만도")));
    return r;
}

QStringList firstColumn(const QString& sql)
{
    QStringList out;
    db::Query q(sql);
    q.open();
    while (q.next())
        out.append(q.value(0).toString());
    return out;
}

QString contains(const QString& name) { return u'%' + db::likeLiteral(name.trimmed()) + u'%'; }

} // namespace

int Adults::nextNo() { return db::scalar(QStringLiteral("SELECT MAX(성인번호) AS No FROM T_성인")).toInt() + 1; }

std::optional<Adults::Adult> Adults::find(int no)
{
    db::Query q(QStringLiteral("select * from T_성인 where 성인번호 = :no"));
    q.bind(QStringLiteral("no"), no);
    q.open();
    if (!q.next())
        return std::nullopt;
    Adult a;
    a.no = no;
    a.name = q.str(QStringLiteral("성명"));
    a.relation = q.str(QStringLiteral("관계"));
    a.sex = q.str(QStringLiteral("성별"));
    a.birthDate = q.str(QStringLiteral("생년월일"));
    a.traineeName = q.str(QStringLiteral("수련생명"));
    a.note = q.str(QStringLiteral("비고"));
    return a;
}

QStringList Adults::names() { return firstColumn(QStringLiteral("SELECT 성명 FROM T_성인 ORDER BY 성명")); }

int Adults::count() { return db::scalar(QStringLiteral("SELECT count(*) FROM T_성인")).toInt(); }

QString Adults::save(const Adult& a, bool isNew)
{
    if (a.name.trimmed().isEmpty())
        return QStringLiteral("이름을 입력하세요.");
    if (!QDate::fromString(a.birthDate, QStringLiteral("yyyy-MM-dd")).isValid())
        return QStringLiteral("생년월일을 0000-00-00 형식으로 바르게 입력하세요.");
    db::Query q(isNew ? QStringLiteral("insert into T_성인 (성인번호, 성명, 관계, 성별, 생년월일, 수련생명, 비고) "
                                       "values (:성인번호, :성명, :관계, :성별, :생년월일, :수련생명, :비고)")
                      : QStringLiteral("update T_성인 set 성명 = :성명, 관계 = :관계, 성별 = :성별, 생년월일 = :생년월일, "
                                       "수련생명 = :수련생명, 비고 = :비고 where 성인번호 = :성인번호"));
    q.bind({{QStringLiteral("성인번호"), a.no}, {QStringLiteral("성명"), a.name.trimmed()}, {QStringLiteral("관계"), a.relation},
            {QStringLiteral("성별"), a.sex}, {QStringLiteral("생년월일"), a.birthDate},
            {QStringLiteral("수련생명"), a.traineeName.trimmed()}, {QStringLiteral("비고"), a.note}});
    db::Transaction t;
    q.exec();
    t.commit();
    return QString();
}

void Adults::remove(int no)
{
    db::Transaction t;
    db::run(QStringLiteral("delete from T_성인체력측정 where 성인번호 = :no"), {{QStringLiteral("no"), no}});
    db::run(QStringLiteral("delete from T_성인 where 성인번호 = :no"), {{QStringLiteral("no"), no}});
    t.commit();
}

int Adults::age(const QString& birthDate, int year) { return fitness::referenceAge(birthDate, year); }

QString Adults::birthAndAge(const QString& birthDate, int year)
{
    return birthDate + u'/' + QString::number(age(birthDate, year));
}

QList<Adults::Row> Adults::search(const QString& name, bool byDate, const QDate& from, const QDate& to)
{
    db::Query q(QStringLiteral(" SELECT a.성인번호, a.성명,a.수련생명,a.성별, a.생년월일, r.측정일자") + valueColumns(QStringLiteral("r")));
    q << QStringLiteral(" FROM T_성인 a RIGHT JOIN T_성인체력측정 r ON a.성인번호= r.성인번호")
      << QStringLiteral(" WHERE  a.성인번호 IS NOT NULL  ");
    if (byDate) {
        q << QStringLiteral(" AND    r.측정일자 Between :EstFromDate and :EstToDate ");
        q.bind({{QStringLiteral("EstFromDate"), from}, {QStringLiteral("EstToDate"), to}});
    }
    if (!name.trimmed().isEmpty()) {
        q << QStringLiteral("AND a.성명 Like :name ESCAPE '\\' ");
        q.bind(QStringLiteral("name"), contains(name));
    }
    q << QStringLiteral("ORDER BY a.생년월일 asc , a.성명, r.측정일자  ");
    q.open();
    QList<Row> out;
    while (q.next())
        out.append(readRow(q));
    return out;
}

QList<Adults::Row> Adults::batchSearch(const QString& name, const QDate& from, const QDate& to)
{
    db::Query q(QStringLiteral("SELECT b.성인번호, b.성명, b.수련생명, b.성별, b.생년월일, a.측정일자") + valueColumns(QStringLiteral("a")));
    q << QStringLiteral(" FROM T_성인체력측정 a INNER JOIN T_성인 b ON a.성인번호 = b.성인번호 ")
      << QStringLiteral(" WHERE b.성명 Like :name ESCAPE '\\' AND a.측정일자 Between :from and :to ")
      << QStringLiteral("ORDER BY a.측정일자, b.성명");
    q.bind({{QStringLiteral("name"), contains(name)}, {QStringLiteral("from"), from}, {QStringLiteral("to"), to}});
    q.open();
    QList<Row> out;
    while (q.next())
        out.append(readRow(q));
    return out;
}

QList<Adults::Row> Adults::forEntry(const QString& name, const QDate& day)
{
    db::Query q(QStringLiteral("SELECT b.성인번호, b.성명, b.수련생명, b.성별, b.생년월일 FROM T_성인 b "
                               "WHERE b.성명 Like :name ESCAPE '\\'  ORDER BY b.성명"));
    q.bind(QStringLiteral("name"), contains(name));
    q.open();
    QList<Row> out;
    while (q.next()) {
        Row r;
        r.no = int(q.integer(QStringLiteral("성인번호")));
        r.name = q.str(QStringLiteral("성명"));
        r.traineeName = q.str(QStringLiteral("수련생명"));
        r.sex = q.str(QStringLiteral("성별"));
        r.birthDate = q.str(QStringLiteral("생년월일"));
        r.date = db::dateText(day);
        out.append(r);
    }
    return out;
}

void Adults::setValue(Row& row, int item, double value)
{
    row.v[item - 1] = fitness::round1(value);
    row.changed = true;
    if (item == 1 || item == 2)
        row.v[kAdultItems] = fitness::obesityIndex(row.v[0], row.v[1], fitness::adultOffset(row.sex));
}

QString Adults::saveBatch(const QList<Row>& rows, const QList<Row>& removed)
{
    QString sets, cols, params;
    for (int i = 1; i <= kAdultItems; ++i) {
        sets += QStringLiteral("%1 = :%1, ").arg(itemCode(i));
        cols += itemCode(i) + QStringLiteral(", ");
        params += u':' + itemCode(i) + QStringLiteral(", ");
    }
    auto filled = [](const Row& r) {
        for (int i = 0; i < kAdultItems; ++i)
            if (r.v[i] != 0)
                return true;
        return false;
    };
    // Refusals first, so nothing is written.
    QSet<QString> seen;
    for (const Row& r : rows) {
        if (!r.storedDate.isEmpty() || !filled(r))
            continue;
        const QString key = QString::number(r.no) + u'|' + r.date;
        const bool stored = db::scalar(QStringLiteral("SELECT count(*) FROM T_성인체력측정 WHERE 성인번호 = :no AND 측정일자 = :d"),
                                       {{QStringLiteral("no"), r.no}, {QStringLiteral("d"), r.date}}).toInt() > 0;
        if (stored || seen.contains(key))
            return QStringLiteral("%1(%2번) 님은 %3 에 측정한 자료가 이미 있습니다.\n그 날의 자료는 조회해서 수정하세요.")
                .arg(r.name).arg(r.no).arg(r.date);
        seen.insert(key);
    }
    auto bindValues = [](db::Query& q, const Row& r) {
        for (int i = 1; i <= kAdultItems; ++i)
            q.bind(itemCode(i), r.v[i - 1]);
        q.bind(QStringLiteral("비만도"), r.v[kAdultItems]);
    };
    db::Transaction t;
    for (const Row& r : removed)
        if (!r.storedDate.isEmpty())
            db::run(QStringLiteral("DELETE FROM T_성인체력측정 WHERE  성인번호 = :OLD_성인번호 AND 측정일자 = :OLD_측정일자"),
                    {{QStringLiteral("OLD_성인번호"), r.no}, {QStringLiteral("OLD_측정일자"), r.storedDate}});
    for (const Row& r : rows) {
        if (!r.storedDate.isEmpty()) {
            if (!r.changed)
                continue;
            db::Query u(QStringLiteral("UPDATE T_성인체력측정 SET ") + sets
                        + QStringLiteral("비만도 = :비만도 WHERE  성인번호 = :OLD_성인번호 AND 측정일자 = :OLD_측정일자"));
            bindValues(u, r);
            u.bind({{QStringLiteral("OLD_성인번호"), r.no}, {QStringLiteral("OLD_측정일자"), r.storedDate}});
            u.exec();
        } else if (filled(r)) {
            db::Query n(QStringLiteral("INSERT INTO T_성인체력측정 (성인번호, 측정일자, ") + cols
                        + QStringLiteral("비만도) VALUES (:no, :d, ") + params + QStringLiteral(":비만도)"));
            bindValues(n, r);
            n.bind({{QStringLiteral("no"), r.no}, {QStringLiteral("d"), r.date}});
            n.exec();
        }
    }
    t.commit();
    return QString();
}

// ---- grade ranges ----

QList<Adults::Range> Adults::ranges(const QString& item, const QString& sexCode)
{
    db::Query q(QStringLiteral("SELECT * FROM T_성인체력등급표 WHERE 성인체력측정항목코드 = :item AND 성별 = :sex ORDER BY FROM연령"));
    q.bind({{QStringLiteral("item"), item}, {QStringLiteral("sex"), sexCode}});
    q.open();
    QList<Range> out;
    while (q.next()) {
        Range r;
        r.fromAge = int(q.integer(QStringLiteral("FROM연령")));
        r.toAge = int(q.integer(QStringLiteral("TO연령")));
        r.storedFromAge = r.fromAge;
        for (int g = 1; g <= 5; ++g) {
            r.v[2 * g - 2] = fitness::round1(q.real(QStringLiteral("FROM%1등급").arg(g)));
            r.v[2 * g - 1] = fitness::round1(q.real(QStringLiteral("TO%1등급").arg(g)));
        }
        out.append(r);
    }
    return out;
}

Adults::Range Adults::newRange()
{
    Range r;
    r.v[9] = 9999;
    return r;
}

QString Adults::saveRanges(const QString& item, const QString& sexCode, const QList<Range>& rows, const QList<int>& removedFromAges)
{
    QSet<int> ages;
    for (const Range& r : rows) {
        if (r.toAge < r.fromAge)
            return QStringLiteral("연령 %1~%2 : 끝 연령이 시작 연령보다 작습니다.").arg(r.fromAge).arg(r.toAge);
        if (ages.contains(r.fromAge))
            return QStringLiteral("연령 %1 부터의 등급표가 두 줄에 있습니다. 한 줄로 입력하세요.").arg(r.fromAge);
        ages.insert(r.fromAge);
    }
    QString sets, cols, params;
    for (int g = 1; g <= 5; ++g) {
        sets += QStringLiteral(", FROM%1등급 = :f%1, TO%1등급 = :t%1").arg(g);
        cols += QStringLiteral(", FROM%1등급, TO%1등급").arg(g);
        params += QStringLiteral(", :f%1, :t%1").arg(g);
    }
    db::Transaction t;
    for (int from : removedFromAges)
        db::run(QStringLiteral("DELETE FROM T_성인체력등급표 WHERE 성인체력측정항목코드 = :item AND   성별 = :OLD_성별 AND   FROM연령 = :OLD_FROM연령"),
                {{QStringLiteral("item"), item}, {QStringLiteral("OLD_성별"), sexCode}, {QStringLiteral("OLD_FROM연령"), from}});
    for (const Range& r : rows) {
        db::Query q;
        if (r.storedFromAge)
            q << QStringLiteral("UPDATE T_성인체력등급표 SET FROM연령 = :from, TO연령 = :to") + sets
                     + QStringLiteral(" WHERE 성인체력측정항목코드 = :item AND   성별 = :OLD_성별 AND   FROM연령 = :OLD_FROM연령");
        else
            q << QStringLiteral("INSERT INTO T_성인체력등급표 (성인체력측정항목코드, 성별, FROM연령, TO연령") + cols
                     + QStringLiteral(") VALUES (:item, :OLD_성별, :from, :to") + params + u')';
        q.bind({{QStringLiteral("item"), item}, {QStringLiteral("OLD_성별"), sexCode}, {QStringLiteral("from"), r.fromAge},
                {QStringLiteral("to"), r.toAge}});
        if (r.storedFromAge)
            q.bind(QStringLiteral("OLD_FROM연령"), *r.storedFromAge);
        for (int g = 1; g <= 5; ++g) {
            q.bind(QStringLiteral("f%1").arg(g), r.v[2 * g - 2]);
            q.bind(QStringLiteral("t%1").arg(g), r.v[2 * g - 1]);
        }
        q.exec();
    }
    t.commit();
    return QString();
}

// ---- items ----

QStringList Adults::itemNames()
{
    return firstColumn(QStringLiteral("select 성인체력측정항목명 from T_성인체력측정항목 order by 성인체력측정항목코드"));
}

QStringList Adults::itemCodes()
{
    return firstColumn(QStringLiteral("select 성인체력측정항목코드 from T_성인체력측정항목 order by 성인체력측정항목코드"));
}

void Adults::saveItemNames(const QStringList& codes, const QStringList& names)
{
    db::Transaction t;
    for (int i = 0; i < codes.size(); ++i)
        db::run(QStringLiteral("update T_성인체력측정항목 set 성인체력측정항목명 = :name where 성인체력측정항목코드 = :code"),
                {{QStringLiteral("name"), names.value(i).trimmed()}, {QStringLiteral("code"), codes[i]}});
    t.commit();
}

// ---- printouts ----

namespace {

QList<Adults::Listed> listed(db::Query& q)
{
    QList<Adults::Listed> out;
    q.open();
    while (q.next()) {
        Adults::Listed l;
        l.no = int(q.integer(QStringLiteral("성인번호")));
        l.name = q.str(QStringLiteral("성명"));
        l.traineeName = q.str(QStringLiteral("수련생명"));
        l.birthDate = q.str(QStringLiteral("생년월일"));
        l.sex = q.str(QStringLiteral("성별"));
        out.append(l);
    }
    return out;
}

} // namespace

QList<Adults::Listed> Adults::measured(const QString& name, bool byDate, const QDate& from, const QDate& to)
{
    db::Query q(QStringLiteral(" SELECT distinct a.성인번호, a.성명,a.수련생명,a.생년월일,a.성별 "
                               " FROM T_성인 a INNER JOIN T_성인체력측정 r ON a.성인번호= r.성인번호 WHERE 1 = 1 "));
    if (byDate) {
        q << QStringLiteral(" AND    r.측정일자 Between :EstFromDate and :EstToDate ");
        q.bind({{QStringLiteral("EstFromDate"), from}, {QStringLiteral("EstToDate"), to}});
    }
    if (!name.trimmed().isEmpty()) {
        q << QStringLiteral("AND a.성명 Like :name ESCAPE '\\' ");
        q.bind(QStringLiteral("name"), contains(name));
    }
    q << QStringLiteral(" ORDER BY a.생년월일, a.성명");
    return listed(q);
}

QList<Adults::Listed> Adults::all()
{
    db::Query q(QStringLiteral("SELECT 성인번호, 성명, 수련생명, 생년월일, 성별 FROM T_성인 ORDER BY 생년월일, 성명"));
    return listed(q);
}

namespace {

QList<Adults::Values> measurementsOf(int no, int newest, bool ascending, QStringList* dates)
{
    db::Query q(QStringLiteral("SELECT TOP %1 * FROM T_성인체력측정 WHERE 성인번호 = :no ORDER BY 측정일자 %2")
                    .arg(newest).arg(ascending ? QStringLiteral("asc") : QStringLiteral("desc")));
    q.bind(QStringLiteral("no"), no);
    q.open();
    QList<Adults::Values> out;
    while (q.next()) {
        Adults::Values v{};
        for (int i = 1; i <= kAdultItems; ++i)
            v[i - 1] = q.real(itemCode(i));
        v[kAdultItems] = q.real(QStringLiteral("비만도"));
        out.append(v);
        dates->append(q.str(QStringLiteral("측정일자")));
    }
    return out;
}

Adults::Values averages(const QString& year, const QString& sex, QHash<QString, Adults::Values>& cache)
{
    const QString key = year + u'|' + sex;
    if (cache.contains(key))
        return cache.value(key);
    db::Query q(QStringLiteral("Select "));
    for (int i = 1; i <= kAdultItems; ++i)
        q << QStringLiteral("Sum(a.%1)/Count(a.%1) As Z%2, ").arg(itemCode(i)).arg(i);
    q << QStringLiteral("Sum(a.비만도)/Count(a.비만도) As Z9 From T_성인체력측정 a INNER JOIN T_성인 b ON a.성인번호=b.성인번호 "
                        "Where MID(b.생년월일,1,4)=:year AND b.성별 = :sex "
                        "and a.측정일자 = ( Select Max(측정일자) From T_성인체력측정 Where 성인번호=a.성인번호 ) ");
    q.bind({{QStringLiteral("year"), year}, {QStringLiteral("sex"), sex}});
    q.open();
    Adults::Values v{};
    if (q.next())
        for (int i = 0; i <= kAdultItems; ++i)
            v[i] = q.value(i).toDouble();
    cache.insert(key, v);
    return v;
}

} // namespace

void Adults::fillResults(report::PrintJob& job, const QList<Listed>& ticked, const QDate& today)
{
    QStringList names = itemNames();
    const QString school = SchoolInfo::name();
    static const char* const avgColumns[] = {"가정통신11", "가정통신12", "가정통신13", "가정통신14", "가정통신15",
                                             "관장명",     "발부일자",   "입관일자",   "미납년도"};
    static const char* const sentenceColumns[] = {"F01", "F02", "F03", "F04", "F05", "F06", "F07", "F08",
                                                  "F09", "F10", "F11", "F12", "F23", "F25", "F27", "F29"};
    static const char* const history[] = {"B", "C", "D", "E"};
    QHash<QString, Values> cache;
    for (int p = 0; p < ticked.size(); ++p) {
        const Listed& a = ticked[p];
        QStringList firstDate, latestDates;
        const QList<Values> first = measurementsOf(a.no, 1, true, &firstDate);
        const QList<Values> latest = measurementsOf(a.no, 4, false, &latestDates);
        const Values f = first.value(0), l = latest.value(0);
        QList<std::pair<QString, QVariant>> line = {{QStringLiteral("seqno"), p},
                                                    {QStringLiteral("회원번호"), QString::number(a.no)},
                                                    {QStringLiteral("회원명"), a.name},
                                                    {QStringLiteral("F14"), firstDate.value(0)},
                                                    {QStringLiteral("association"), school}};
        for (int i = 0; i < kAdultItems; ++i)
            line.append({QStringLiteral("구분%1").arg(i + 1), names.value(i).trimmed()});
        for (int i = 0; i <= kAdultItems; ++i) {
            line.append({QStringLiteral("A%1").arg(i + 1, 2, 10, QChar(u'0')), fitness::fmt1(f[i])});
            line.append({QStringLiteral("N%1").arg(i + 1, 2, 10, QChar(u'0')), fitness::fmt1(l[i] - f[i])});
        }
        const Values avg = averages(a.birthDate.left(4), a.sex, cache);
        for (int i = 0; i <= kAdultItems; ++i)
            line.append({QString::fromUtf8(avgColumns[i]), fitness::fmt1(avg[i])});
        const fitness::AdultGrades grades(age(a.birthDate, today.year()), a.sex);
        for (int i = 1; i <= kAdultItems; ++i) {
            const fitness::Grade g = grades.grade(i, latest.isEmpty() ? std::nullopt : std::optional<double>(l[i - 1]));
            line.append({QString::fromUtf8(sentenceColumns[2 * i - 2]), g.sentence});
            line.append({QString::fromUtf8(sentenceColumns[2 * i - 1]), g.sentence2});
            line.append({QStringLiteral("K%1").arg(i, 2, 10, QChar(u'0')), g.label});
            line.append({QStringLiteral("F%1").arg(30 + i), g.name});
        }
        for (int j = 0; j < latest.size(); ++j) {
            line.append({QStringLiteral("F%1").arg(15 + j), latestDates[j]});
            for (int i = 0; i <= kAdultItems; ++i)
                line.append({QStringLiteral("%1%2").arg(QString::fromUtf8(history[j])).arg(i + 1, 2, 10, QChar(u'0')),
                             fitness::fmt1(latest[j][i])});
        }
        job.add(line);
    }
}

void Adults::fillSheet(report::PrintJob& job, const QList<Listed>& ticked, const QDate& today)
{
    const QStringList names = itemNames();
    const QString school = SchoolInfo::name();
    for (int p = 0; p < ticked.size(); ++p) {
        const Listed& a = ticked[p];
        QList<std::pair<QString, QVariant>> line = {{QStringLiteral("seqno"), p + 1},
                                                    {QStringLiteral("f02"), db::dateText(today)},
                                                    {QStringLiteral("f03"), a.name},
                                                    {QStringLiteral("f04"), QString::number(age(a.birthDate, today.year()))},
                                                    {QStringLiteral("f05"), a.traineeName},
                                                    {QStringLiteral("association"), school}};
        for (int i = 0; i < kAdultItems; ++i)
            line.append({QStringLiteral("A%1").arg(i + 1, 2, 10, QChar(u'0')), cp949::cut(names.value(i).trimmed(), 6)});
        job.add(line);
    }
}
