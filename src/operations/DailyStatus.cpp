#include "operations/DailyStatus.h"

#include "db/Query.h"
#include "report/Report.h"

namespace DailyStatus {

namespace {

QStringList namesOf(const QString& sql, const QString& param, const QDate& d)
{
    db::Query q(sql);
    q.bind(param, d);
    q.open();
    QStringList out;
    while (q.next())
        out.append(q.str("회원명"));
    return out;
}

QString col(const char* group, int i) { return QString::fromUtf8(group) + QString::number(i); }

} // namespace

Movements read(const QDate& d)
{
    Movements m;
    m.names[Enrolled] = namesOf("SELECT 회원명 FROM T_회원 WHERE 입관일= :입관일", "입관일", d);
    m.names[Withdrawn] = namesOf("SELECT 회원명 FROM T_회원 WHERE 퇴관일= :퇴관일", "퇴관일", d);
    m.names[Leave] = namesOf("SELECT 회원명 FROM T_회원 WHERE 휴관일= :휴관일", "휴관일", d);
    m.names[Returned] = namesOf(QStringLiteral("SELECT 회원명 FROM T_회원") + " WHERE 복관일휴= :복관일 " + " OR    복관일퇴= :복관일 ",
                                "복관일", d);
    m.names[Absent] = namesOf("SELECT T_회원.회원명 FROM T_결석 LEFT JOIN T_회원 ON T_결석.회원번호 =T_회원.회원번호 "
                              "WHERE 결석일자= :결석일자", "결석일자", d);
    return m;
}

QString nameBox(const QStringList& names)
{
    QString out;
    for (const QString& n : names)
        out += n + u'/';
    return out;
}

bool load(const QDate& d, Content* c)
{
    db::Query q("SELECT * FROM T_일일현황 WHERE 일자= :일자");
    q.bind("일자", d).open();
    c->colour.clear();
    c->poom.clear();
    const bool found = q.next();
    for (int i = 1; i <= 8; ++i) {
        c->colour.append(found ? q.str(col("유급자수련내용", i)) : QString());
        c->poom.append(found ? q.str(col("유품자수련내용", i)) : QString());
    }
    return found;
}

void save(const QDate& d, const Content& c)
{
    QStringList cols, sets, params;
    for (const char* g : {"유급자수련내용", "유품자수련내용"})
        for (int i = 1; i <= 8; ++i) {
            cols << col(g, i);
            sets << col(g, i) + " =:" + col(g, i);
            params << ":" + col(g, i);
        }
    db::Transaction t;
    const bool exists = db::scalar("SELECT count(*) FROM T_일일현황 WHERE 일자= :일자", {{"일자", d}}).toInt() > 0;
    db::Query q(exists ? "UPDATE  T_일일현황 SET " + sets.join(" , ") + " WHERE 일자 =:일자"
                       : "INSERT INTO  T_일일현황 ( 일자, " + cols.join(", ") + " ) ValueS ( :일자, " + params.join(", ") + " )");
    q.bind("일자", d);
    for (int i = 1; i <= 8; ++i) {
        q.bind(col("유급자수련내용", i), c.colour.value(i - 1));
        q.bind(col("유품자수련내용", i), c.poom.value(i - 1));
    }
    q.exec();
    t.commit();
}

void remove(const QDate& d) { db::run("DELETE  FROM T_일일현황 WHERE 일자= :일자", {{"일자", d}}); }

void fillSheet(report::PrintJob& job, const QDate& d, const QString counts[KindCount], const QString boxes[KindCount],
               const Content& c, const QString& school)
{
    const QString f02 = "입 관 : " + counts[Enrolled] + "  " + "퇴 관 : " + counts[Withdrawn] + "  " + "휴 관 : " + counts[Leave]
                        + "  " + "복 관 : " + counts[Returned] + "  " + "결 석 : " + counts[Absent];
    QList<std::pair<QString, QVariant>> row = {{"f01", db::dateText(d)}, {"f02", f02}};
    for (int k = 0; k < KindCount; ++k)
        row.append({QStringLiteral("f%1").arg(3 + k, 2, 10, QChar(u'0')), boxes[k].trimmed()});
    for (int i = 0; i < 6; ++i)
        row.append({QStringLiteral("f%1").arg(8 + i, 2, 10, QChar(u'0')), c.colour.value(i).trimmed()});
    row.append({"가정통신9", c.colour.value(6).trimmed()});
    row.append({"가정통신10", c.colour.value(7).trimmed()});
    for (int i = 0; i < 8; ++i)
        row.append({"가정통신" + QString::number(i + 1), c.poom.value(i).trimmed()});
    row.append({"association", school});
    job.add(row);
}

} // namespace DailyStatus
