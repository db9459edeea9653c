#include "fitness/NationalValues.h"

#include "db/CodeTables.h"
#include "db/Query.h"

#include <QSet>

using fitness::itemCode;
using fitness::kItems;

QList<NationalValues::Row> NationalValues::load(const QString& sexCode)
{
    QList<Row> out;
    db::Query q(QStringLiteral("select * from T_문체부 where 구분 = :구분 order by 연령"));
    q.bind(QStringLiteral("구분"), sexCode);
    q.open();
    while (q.next()) {
        Row r;
        r.age = int(q.integer(QStringLiteral("연령")));
        r.storedAge = r.age;
        for (int i = 1; i <= kItems + 1; ++i)
            r.v[i - 1] = fitness::round1(q.real(itemCode(i)));
        out.append(r);
    }
    return out;
}

QStringList NationalValues::intervals()
{
    QStringList out;
    db::Query q(QStringLiteral("select * from T_비교기준값"));
    q.open();
    const bool found = q.next();
    for (int i = 1; i <= kItems; ++i)
        out.append(found ? fitness::fmt1(q.real(itemCode(i))) : QStringLiteral("0"));
    return out;
}

std::optional<NationalValues::Refusal> NationalValues::save(const QString& sexCode, QList<Row>& rows,
                                                            const QList<int>& removedAges, const QStringList& intervalTexts)
{
    std::array<double, kItems> interval{};
    for (int i = 0; i < kItems; ++i) {
        const QString t = intervalTexts.value(i).trimmed();
        if (t.isEmpty())
            return Refusal{i + 1, -1, QStringLiteral("기준값을 입력하세요.")};
        if (!fitness::parseValue(t, &interval[i]))
            return Refusal{i + 1, -1, QStringLiteral("기준값은 숫자로 입력하세요.")};
        interval[i] = fitness::round1(interval[i]);
    }
    QSet<int> ages;
    for (int r = 0; r < rows.size(); ++r) {
        if (!rows[r].age || *rows[r].age <= 0)
            return Refusal{0, r, QStringLiteral("연령을 입력하세요.")};
        if (ages.contains(*rows[r].age))
            return Refusal{0, r, QStringLiteral("%1세의 값이 두 줄에 있습니다. 한 줄로 입력하세요.").arg(*rows[r].age)};
        ages.insert(*rows[r].age);
    }

    for (Row& r : rows)
        r.v[kItems] = fitness::obesityIndex(r.v[0], r.v[1], sexCode == QStringLiteral("1") ? 100 : 105);

    QString sets, cols, params;
    for (int i = 1; i <= kItems + 1; ++i) {
        sets += QStringLiteral("%1%2 = :%2").arg(i > 1 ? QStringLiteral(", ") : QString(), itemCode(i));
        cols += QStringLiteral(", ") + itemCode(i);
        params += QStringLiteral(", :") + itemCode(i);
    }
    QString bounds, boundCols, boundParams;
    for (int k = 1; k <= 10; ++k) {
        bounds += QStringLiteral("%1[%2등급] = :g%2").arg(k > 1 ? QStringLiteral(", ") : QString()).arg(k);
        boundCols += QStringLiteral(", [%1등급]").arg(k);
        boundParams += QStringLiteral(", :g%1").arg(k);
    }

    db::Transaction t;
    for (int age : removedAges)
        db::run(QStringLiteral("delete from T_문체부 where  연령 = :OLD_연령 and  구분 = :OLD_구분"),
                {{QStringLiteral("OLD_연령"), age}, {QStringLiteral("OLD_구분"), sexCode}});
    for (const Row& r : rows) {
        db::Query q;
        if (r.storedAge)
            q << QStringLiteral("update T_문체부 set 연령 = :연령, ") + sets
                     + QStringLiteral(" where   연령 = :OLD_연령 and   구분 = :OLD_구분");
        else
            q << QStringLiteral("insert into T_문체부 (연령, 구분") + cols + QStringLiteral(") values (:연령, :구분") + params
                     + u')';
        q.bind({{QStringLiteral("연령"), *r.age}, {QStringLiteral("구분"), sexCode}, {QStringLiteral("OLD_구분"), sexCode}});
        if (r.storedAge)
            q.bind(QStringLiteral("OLD_연령"), *r.storedAge);
        for (int i = 1; i <= kItems + 1; ++i)
            q.bind(itemCode(i), r.v[i - 1]);
        q.exec();
    }
    // A moved age (a row whose age was changed) must not leave the rows of the new age stale: every
    // listed age is derived again.
    for (const Row& r : rows) {
        for (int i = 1; i <= kItems; ++i) {
            const std::array<double, 10> b = fitness::gradeBounds(r.v[i - 1], interval[i - 1]);
            auto bindKey = [&](db::Query& q) {
                q.bind({{QStringLiteral("연령"), *r.age}, {QStringLiteral("체력측정항목코드"), itemCode(i)},
                        {QStringLiteral("구분"), sexCode}});
                for (int k = 1; k <= 10; ++k)
                    q.bind(QStringLiteral("g%1").arg(k), b[k - 1]);
            };
            db::Query u(QStringLiteral("UPDATE T_체력등급표 SET ") + bounds
                        + QStringLiteral(" WHERE 연령=:연령   AND   체력측정항목코드=:체력측정항목코드 AND   구분=:구분"));
            bindKey(u);
            if (u.exec() == 0) {
                db::Query n(QStringLiteral(" INSERT INTO T_체력등급표 (연령, 체력측정항목코드, 구분") + boundCols
                            + QStringLiteral(") VALUES (:연령, :체력측정항목코드, :구분") + boundParams + u')');
                bindKey(n);
                n.exec();
            }
        }
    }
    db::Query iv;
    if (db::scalar(QStringLiteral("select count(*) from T_비교기준값")).toInt() == 0)
        iv << QStringLiteral(" INSERT INTO T_비교기준값 (") + cols.mid(2).replace(QStringLiteral(", A13"), QString())
                  + QStringLiteral(") VALUES (") + params.mid(2).replace(QStringLiteral(", :A13"), QString()) + u')';
    else
        iv << QStringLiteral("UPDATE T_비교기준값 SET ") + QString(sets).replace(QStringLiteral(", A13 = :A13"), QString());
    for (int i = 1; i <= kItems; ++i)
        iv.bind(itemCode(i), interval[i - 1]);
    iv.exec();
    t.commit();
    return std::nullopt;
}

// ---- evaluation sentences ----

QString EvaluationTexts::table() const
{
    return m_kind == Kind::Trainee ? QStringLiteral("T_체력등급표") : QStringLiteral("T_성인체력등급표");
}
QString EvaluationTexts::itemColumn() const
{
    return m_kind == Kind::Trainee ? QStringLiteral("체력측정항목코드") : QStringLiteral("성인체력측정항목코드");
}
QString EvaluationTexts::sexColumn() const { return m_kind == Kind::Trainee ? QStringLiteral("구분") : QStringLiteral("성별"); }
QString EvaluationTexts::ageColumn() const { return m_kind == Kind::Trainee ? QStringLiteral("연령") : QStringLiteral("FROM연령"); }

QVariant EvaluationTexts::ageValue(const QString& age) const
{
    // An adult band "20~29" is addressed by its first two characters.
    return (m_kind == Kind::Trainee ? age : age.left(2)).trimmed().toInt();
}

QStringList EvaluationTexts::items() const
{
    QStringList out;
    db::Query q(m_kind == Kind::Trainee
                    ? QStringLiteral("SELECT 측정항목코드, 측정항목명 FROM T_체력측정항목 ORDER BY 측정항목코드")
                    : QStringLiteral("SELECT 성인체력측정항목코드, 성인체력측정항목명 FROM T_성인체력측정항목 ORDER BY 성인체력측정항목코드"));
    q.open();
    while (q.next())
        out.append(codes::itemText(q.value(0).toString(), q.value(1).toString()));
    return out;
}

QStringList EvaluationTexts::ages(const QString& item, const QString& sexCode) const
{
    QStringList out;
    if (m_kind == Kind::Trainee) {
        db::Query q(QStringLiteral("SELECT DISTINCT 연령 FROM T_체력등급표 WHERE 체력측정항목코드 = :item AND 구분 = :sex ORDER BY 연령"));
        q.bind({{QStringLiteral("item"), item}, {QStringLiteral("sex"), sexCode}});
        q.open();
        while (q.next())
            out.append(q.str(QStringLiteral("연령")));
    } else {
        db::Query q(QStringLiteral("SELECT DISTINCT FROM연령, TO연령 FROM T_성인체력등급표 WHERE 성인체력측정항목코드 = :item "
                                   "ORDER BY FROM연령, TO연령"));
        q.bind(QStringLiteral("item"), item);
        q.open();
        while (q.next())
            out.append(QStringLiteral("%1~%2").arg(q.integer(QStringLiteral("FROM연령")), 2, 10, QChar(u'0'))
                           .arg(q.integer(QStringLiteral("TO연령")), 2, 10, QChar(u'0')));
    }
    return out;
}

EvaluationTexts::Entry EvaluationTexts::load(const QString& item, const QString& age, const QString& sexCode) const
{
    Entry e;
    db::Query q(QStringLiteral(" SELECT    *  FROM      %1 WHERE %2 = :item AND %3 = :sex AND %4 = :age ")
                    .arg(table(), itemColumn(), sexColumn(), ageColumn()));
    q.bind({{QStringLiteral("item"), item}, {QStringLiteral("sex"), sexCode}, {QStringLiteral("age"), ageValue(age)}});
    q.open();
    e.found = q.next();
    for (int g = 1; g <= grades(); ++g) {
        e.first.append(e.found ? q.str(QStringLiteral("%1등급평가내용").arg(g)) : QString());
        e.second.append(e.found ? q.str(QStringLiteral("%1%1등급평가내용").arg(g)) : QString());
        if (m_kind == Kind::Trainee)
            e.bounds.append(e.found ? q.real(QStringLiteral("%1등급").arg(g)) : 0.0);
    }
    return e;
}

void EvaluationTexts::save(const QString& item, const QString& age, const QString& sexCode, const QStringList& first,
                           const QStringList& second) const
{
    QString sets, cols, params;
    for (int g = 1; g <= grades(); ++g) {
        sets += QStringLiteral("%1[%2등급평가내용] = :s%2, [%2%2등급평가내용] = :t%2").arg(g > 1 ? QStringLiteral(", ") : QString()).arg(g);
        cols += QStringLiteral(", [%1등급평가내용], [%1%1등급평가내용]").arg(g);
        params += QStringLiteral(", :s%1, :t%1").arg(g);
    }
    auto bindAll = [&](db::Query& q) {
        q.bind({{QStringLiteral("item"), item}, {QStringLiteral("sex"), sexCode}, {QStringLiteral("age"), ageValue(age)}});
        for (int g = 1; g <= grades(); ++g) {
            q.bind(QStringLiteral("s%1").arg(g), first.value(g - 1));
            q.bind(QStringLiteral("t%1").arg(g), second.value(g - 1));
        }
    };
    db::Transaction t;
    db::Query u(QStringLiteral("UPDATE  %1  SET %5  WHERE  %2 =:item   AND    %3 =:sex   AND    %4 =:age  ")
                    .arg(table(), itemColumn(), sexColumn(), ageColumn(), sets));
    bindAll(u);
    if (u.exec() == 0) {
        db::Query n;
        if (m_kind == Kind::Trainee) {
            n << QStringLiteral("INSERT INTO  T_체력등급표 (연령, 체력측정항목코드, 구분") + cols
                     + QStringLiteral(") VALUES (:age, :item, :sex") + params + u')';
        } else {
            // A band that one sex lacks gets its age span and the open upper range of a new row.
            n << QStringLiteral("INSERT INTO  T_성인체력등급표 (성인체력측정항목코드, 성별, FROM연령, TO연령, TO5등급") + cols
                     + QStringLiteral(") VALUES (:item, :sex, :age, :toAge, 9999") + params + u')';
            n.bind(QStringLiteral("toAge"), age.section(u'~', 1).trimmed().toInt());
        }
        bindAll(n);
        n.exec();
    }
    t.commit();
}
