#include "operations/Consultations.h"

#include "db/Query.h"
#include "db/TextWidths.h"

namespace Consultations {

QList<QStringList> find(const Filter& f)
{
    db::Query q(" SELECT a.수련생명,a.상담자,a.상담일자,b.사유명, a.학교,a.학년,a.전화번호,a.예상입관일,a.순번, a.주소, a.부모명,a.우편번호 "
                "FROM T_입관상담 a LEFT JOIN T_입관동기 b ON a.방문동기= b.사유코드 WHERE a.순번 <> 0 ");
    // Typed texts match as typed: a "%" or "_" in them is no wildcard.
    if (!f.name.isEmpty())
        q.add("AND a.수련생명 Like :name ESCAPE '\\' ").bind("name", "%" + db::likeLiteral(f.name) + "%");
    if (!f.counsellor.isEmpty())
        q.add("AND a.상담자 Like :counsel ESCAPE '\\' ").bind("counsel", db::likeLiteral(f.counsellor) + "%");
    if (!f.school.isEmpty())
        q.add("AND a.학교 Like :school ESCAPE '\\' ").bind("school", db::likeLiteral(f.school) + "%");
    if (!f.motiveCode.isEmpty())
        q.add("AND a.방문동기 Like :visit ").bind("visit", f.motiveCode + "%");
    if (f.byConsultDate)
        q.add("AND a.상담일자   BETWEEN :c_from AND :c_to ").bind("c_from", f.consultFrom).bind("c_to", f.consultTo);
    if (f.byExpectedDate)
        q.add("AND a.예상입관일 BETWEEN :f_from AND :f_to ").bind("f_from", f.expectedFrom).bind("f_to", f.expectedTo);
    q.add("ORDER BY 순번 ");
    q.open();
    QList<QStringList> out;
    while (q.next())
        out.append({q.str("수련생명"), q.str("상담자"), q.str("상담일자"), q.str("사유명"), q.str("학교"), q.str("학년"),
                    q.str("전화번호"), q.str("예상입관일"), q.str("순번"), q.str("주소"), q.str("부모명"), q.str("우편번호")});
    return out;
}

int total() { return db::scalar("SELECT count(*) FROM T_입관상담").toInt(); }

QStringList names()
{
    QStringList out;
    db::Query q("SELECT 수련생명 from T_입관상담 ORDER BY 수련생명");
    q.open();
    while (q.next())
        if (!out.contains(q.str("수련생명")))
            out.append(q.str("수련생명"));
    return out;
}

QStringList grades()
{
    QStringList g{QString()};
    for (int i = 4; i <= 7; ++i)
        g << QStringLiteral("유치 %1").arg(i);
    for (int i = 1; i <= 6; ++i)
        g << QStringLiteral("초등 %1").arg(i);
    for (int i = 1; i <= 3; ++i)
        g << QStringLiteral("중등 %1").arg(i);
    for (int i = 1; i <= 3; ++i)
        g << QStringLiteral("고등 %1").arg(i);
    g << QStringLiteral("대학교") << QStringLiteral("일반부");
    return g;
}

int nextNo() { return db::scalarText("SELECT MAX(순번) AS No FROM T_입관상담").toInt() + 1; }

bool load(int no, Record* r)
{
    db::Query q("SELECT * FROM T_입관상담 WHERE 순번 = :no");
    q.bind("no", no).open();
    if (!q.next())
        return false;
    *r = Record{no, q.str("상담일자"), q.str("예상입관일"), q.str("수련생명"), q.str("부모명"), q.value("나이"),
                q.str("학교"), q.str("학년"), q.str("주소"), q.str("우편번호"), q.str("전화번호"), q.str("방문동기"),
                q.str("상담자"), q.str("상담내역")};
    return true;
}

namespace {
// The window stops typing at these widths; whoever else writes is refused here.
void checkWidths(const Record& r)
{
    const std::pair<const char16_t*, const QString*> texts[] = {{u"수련생명", &r.name}, {u"부모명", &r.parent}, {u"학년", &r.grade},
                                                                {u"주소", &r.address},  {u"우편번호", &r.zip},  {u"전화번호", &r.phone},
                                                                {u"상담자", &r.counsellor}};
    for (const auto& [column, text] : texts)
        if (QString p = db::widthProblem(QStringLiteral("T_입관상담"), QString::fromUtf16(column), *text); !p.isEmpty())
            throw db::Error(p, QStringLiteral("T_입관상담"));
}

void bindAll(db::Query& q, const Record& r)
{
    auto text = [](const QString& s) { return s.isEmpty() ? QVariant() : QVariant(s); };
    q.bind("순번", r.no).bind("상담일자", text(r.consultDate)).bind("예상입관일", text(r.expectedDate))
        .bind("수련생명", r.name).bind("부모명", r.parent).bind("나이", r.age).bind("학교", r.school).bind("학년", r.grade)
        .bind("주소", r.address).bind("우편번호", r.zip).bind("전화번호", r.phone).bind("방문동기", r.motive)
        .bind("상담자", r.counsellor).bind("상담내역", r.memo);
}
} // namespace

void insert(const Record& r)
{
    checkWidths(r);
    db::Query q("INSERT INTO T_입관상담 (순번, 상담일자, 예상입관일, 수련생명, 부모명, 나이, 학교, 학년, 주소, 우편번호, 전화번호, "
                "방문동기, 상담자, 상담내역) VALUES (:순번, :상담일자, :예상입관일, :수련생명, :부모명, :나이, :학교, :학년, :주소, "
                ":우편번호, :전화번호, :방문동기, :상담자, :상담내역)");
    bindAll(q, r);
    q.exec();
}

void update(const Record& r)
{
    checkWidths(r);
    db::Query q("UPDATE T_입관상담 SET 상담일자 = :상담일자, 예상입관일 = :예상입관일, 수련생명 = :수련생명, 부모명 = :부모명, "
                "나이 = :나이, 학교 = :학교, 학년 = :학년, 주소 = :주소, 우편번호 = :우편번호, 전화번호 = :전화번호, "
                "방문동기 = :방문동기, 상담자 = :상담자, 상담내역 = :상담내역 WHERE 순번 = :순번");
    bindAll(q, r);
    q.exec();
}

void remove(int no) { db::run("DELETE FROM T_입관상담 WHERE 순번 = :no", {{"no", no}}); }

QList<report::AddressLabel> labels(const QList<QStringList>& rows)
{
    QList<report::AddressLabel> out;
    for (const QStringList& r : rows)
        out.append({r.value(Address), r.value(Parent), r.value(Name), r.value(Zip)});
    return out;
}

} // namespace Consultations
