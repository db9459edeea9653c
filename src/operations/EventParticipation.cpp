#include "operations/EventParticipation.h"

#include "db/Clock.h"
#include "db/CodeTables.h"
#include "db/MemberStatus.h"

namespace EventParticipation {

QStringList eventItems()
{
    QStringList out;
    db::Query q("SELECT 행사코드 + ')  ' + 행사명 AS Disp From T_행사목록 ORDER BY 행사코드");
    q.open();
    while (q.next())
        out.append(q.str("Disp"));
    return out;
}

QList<QStringList> find(const Filter& f)
{
    db::Query q("SELECT a.회원번호, a.회원명, a.학년, a.전화번호, b.부명, c.급품명, d.참가일자,d.비고, e.행사명 "
                "FROM T_회원 AS a , T_부별코드 AS b, T_급품코드 AS c, T_행사참가 AS d, T_행사목록 AS e "
                "WHERE a.부별코드 = b.부별코드 AND a.급품코드 = c.급품코드 AND a.회원번호 = d.회원번호 "
                "AND d.행사코드 = e.행사코드 AND a.퇴관일 is null AND a.휴관일 is null ");
    if (!f.name.isEmpty())
        q.add("AND a.회원명 = :name ").bind("name", f.name);
    q.add(f.gradeSql);
    if (f.gradeSql.contains(":Year"))
        q.bind("Year", f.grade.trimmed());
    q.add(f.divisionSql);
    if (f.divisionSql.contains(":buCode"))
        q.bind("buCode", f.buCode).bind("buCode1", f.buCode1);
    if (!f.eventCode.isEmpty())
        q.add("AND d.행사코드 = :event ").bind("event", f.eventCode);
    if (f.byDate)
        q.add("AND d.참가일자 Between :from AND :end ").bind("from", f.from).bind("end", f.to);
    q.add("ORDER BY b.부명, e.행사명, d.참가일자 ");
    q.open();
    QList<QStringList> out;
    while (q.next())
        out.append({q.str("회원번호"), q.str("회원명"), q.str("행사명"), q.str("참가일자"), q.str("부명"), q.str("학년"),
                    q.str("급품명"), q.str("전화번호"), q.str("비고")});
    return out;
}

int recordsOfActiveMembers()
{
    return db::scalar("SELECT count(*) FROM T_행사참가 d INNER JOIN T_회원 a ON a.회원번호 = d.회원번호 WHERE "
                      + MemberStatus::active("a")).toInt();
}

int activeMembers() { return db::scalar("SELECT count(*) FROM T_회원 WHERE " + MemberStatus::active()).toInt(); }

QList<QStringList> candidates(const QString& divisionSql, const QString& buCode, const QString& buCode1)
{
    db::Query q("SELECT a.회원번호, a.회원명, a.학년, a.전화번호, b.부명, c.급품명 FROM T_회원 AS a , T_부별코드 AS b, "
                "T_급품코드 AS c WHERE a.부별코드 = b.부별코드 AND a.급품코드 = c.급품코드 AND a.퇴관일 is null AND 휴관일 is null ");
    q.add(divisionSql);
    if (divisionSql.contains(":buCode"))
        q.bind("buCode", buCode).bind("buCode1", buCode1);
    q.add(" ORDER BY b.부명, a.회원명");
    q.open();
    QList<QStringList> out;
    while (q.next())
        out.append({q.str("회원번호"), q.str("회원명"), q.str("학년"), q.str("전화번호"), q.str("부명"), q.str("급품명")});
    return out;
}

db::SaveResult addBatch(const QList<BatchLine>& lines, const QString& eventItem, const QDate& date)
{
    if (codes::codeOf(eventItem).trimmed().isEmpty())
        return db::SaveResult::check(-1, "행사명", "행사명은 필수입력 입니다.");
    if (!date.isValid())
        return db::SaveResult::check(-1, "참가일자", "참가일자는 필수입력 입니다.");
    try {
        db::Transaction t;
        db::Query max("SELECT MAX(순번) AS num FROM T_행사참가 WHERE 회원번호 = :no ");
        db::Query ins("INSERT INTO T_행사참가 (회원번호,순번,참가일자,행사코드,비고,비고2)VALUES( :id, :num, :date, :e_code, :con, :con2)");
        for (const BatchLine& l : lines) {
            max.bind("no", l.memberNo).open();
            const int num = (max.next() ? int(max.integer("num")) : 0) + 1;
            max.close();
            ins.bind("id", l.memberNo).bind("num", num).bind("date", date).bind("e_code", codes::codeOf(eventItem))
                .bind("con", l.remark).bind("con2", eventItem);
            ins.exec();
        }
        t.commit();
    } catch (const db::Error& e) {
        return db::SaveResult::refused(QStringLiteral("저장 에러 입니다.\n") + e.message());
    }
    return db::SaveResult::done();
}

} // namespace EventParticipation

MemberEvents::MemberEvents()
{
    m_rows.setStatements(
        "INSERT INTO T_행사참가 (회원번호,순번,참가일자,행사코드,비고,비고2) VALUES (:회원번호, :순번, :참가일자, :행사코드, :비고, :비고2)",
        "UPDATE T_행사참가 SET 참가일자 = :참가일자, 행사코드 = :행사코드, 비고 = :비고, 비고2 = :비고2 "
        "WHERE 회원번호 = :OLD_회원번호 AND 순번 = :OLD_순번",
        "DELETE FROM T_행사참가 WHERE 회원번호 = :OLD_회원번호 AND 순번 = :OLD_순번");
}

void MemberEvents::setMember(const QString& memberNo)
{
    m_member = memberNo;
    load();
}

void MemberEvents::load()
{
    m_rows.open("SELECT * FROM T_행사참가 WHERE 회원번호 = :no ORDER BY 순번 desc", {{"no", m_member}});
}

int MemberEvents::append()
{
    // Stored rows, and rows added before this "확인", all count: two new records never share a number.
    int top = db::scalar("SELECT MAX(순번) FROM T_행사참가 WHERE 회원번호 = :no", {{"no", m_member}}).toInt();
    for (int r = 0; r < m_rows.count(); ++r)
        top = std::max(top, m_rows.value(r, "순번").toInt());
    const int row = m_rows.append();
    m_rows.setValue(row, "회원번호", m_member);
    m_rows.setValue(row, "순번", top + 1);
    m_rows.setValue(row, "참가일자", Clock::todayText());
    return row;
}

bool MemberEvents::editable(int, const QString& field) const
{
    return field == QStringLiteral("비고2") || field == QStringLiteral("참가일자") || field == QStringLiteral("비고");
}

void MemberEvents::edit(int row, const QString& field, const QVariant& value)
{
    m_rows.setValue(row, field, value);
    if (field == QStringLiteral("비고2"))
        m_rows.setValue(row, "행사코드", codes::codeOf(value.toString()));
}

db::SaveResult MemberEvents::save()
{
    for (int row = 0; row < m_rows.count(); ++row) {
        if (m_rows.state(row) == db::BufferedSet::State::Unchanged)
            continue;
        if (m_rows.value(row, "행사코드").toString().trimmed().isEmpty())
            return db::SaveResult::check(row, "비고2", "행사명은 필수입력 입니다.");
        if (!db::parseDate(m_rows.value(row, "참가일자")).isValid())
            return db::SaveResult::check(row, "참가일자", "참가일자는 필수입력 입니다.");
    }
    return write();
}
