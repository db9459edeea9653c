#include "operations/ShuttleList.h"

#include "db/CodeTables.h"

namespace {

const QString kCourseSelect = QStringLiteral("select * from T_코스코드 order by 코스코드");
const QString kStopSelect = QStringLiteral("SELECT  * FROM    T_장소코드 order by 코스코드,장소코드");
const QString kTimeSelect = QStringLiteral("select * from T_시간코드 Order by 코스코드, 시간");

struct Required {
    QString field;
    QString message;
};

// What a row must hold before it is written, in the order the user meets the fields.
QList<Required> required(ShuttleList::Tab tab)
{
    switch (tab) {
    case ShuttleList::Course: return {{"코스코드", "코스코드를 입력하세요."}};
    case ShuttleList::Stop: return {{"코스이름비고", "코스를 선택하세요."}, {"장소코드", "장소코드를 입력하세요."}};
    case ShuttleList::Time:
        return {{"코스이름비고", "코스를 선택하세요."}, {"장소비고", "장소를 선택하세요."}, {"시간", "시간을 입력하세요."}};
    }
    return {};
}

} // namespace

ShuttleList::ShuttleList(Tab tab) : m_tab(tab)
{
    if (tab == Course)
        m_rows.setStatements(
        "insert into T_코스코드 (코스코드, 코스이름) values (:코스코드, :코스이름)",
        "update T_코스코드 set 코스코드 = :코스코드, 코스이름 = :코스이름 where 코스코드 = :OLD_코스코드",
        "delete from T_코스코드 where 코스코드 = :OLD_코스코드");
    else if (tab == Stop)
        m_rows.setStatements(
        "insert into T_장소코드 (코스코드,장소코드, 장소,코스이름비고) values (:코스코드, :장소코드, :장소,:코스이름비고)",
        "update T_장소코드 set 장소 = :장소, 코스이름비고 = :코스이름비고 where 코스코드 = :OLD_코스코드 AND 장소코드 = :OLD_장소코드",
        "delete from T_장소코드 where 코스코드 = :OLD_코스코드 AND 장소코드 = :OLD_장소코드");
    else
        m_rows.setStatements(
        "insert into T_시간코드 (코스코드, 장소코드, 시간, 코스이름비고,장소비고) values (:코스코드, :장소코드, :시간, :코스이름비고,:장소비고)",
        "update T_시간코드 set 시간 = :시간, 코스이름비고= :코스이름비고, 장소비고= :장소비고 "
        "where 코스코드 = :OLD_코스코드 and 장소코드 = :OLD_장소코드 and 시간 = :OLD_시간",
        "delete from T_시간코드 where 코스코드 = :OLD_코스코드 and 장소코드 = :OLD_장소코드 and 시간 = :OLD_시간");
}

void ShuttleList::load()
{
    m_rows.open(m_tab == Course ? kCourseSelect : m_tab == Stop ? kStopSelect : kTimeSelect);
}

bool ShuttleList::editable(int row, const QString& field) const
{
    if (m_rows.state(row) == db::BufferedSet::State::Inserted)
        return true;
    // A stored row keeps its key: the codes, and the course and stop it belongs to.
    static const QStringList keys = {"코스코드", "장소코드", "코스이름비고"};
    if (m_tab == Time && field == QStringLiteral("장소비고"))
        return false;
    return !keys.contains(field);
}

QStringList ShuttleList::courseItems()
{
    QStringList out{QString()};
    db::Query q(kCourseSelect);
    q.open();
    while (q.next())
        out.append(itemText(q.str("코스코드"), q.str("코스이름")));
    return out;
}

QStringList ShuttleList::stopItems(const QString& courseCode)
{
    QStringList out{QString()};
    db::Query q(" select * from T_장소코드 WHERE 코스코드 =:코스코드 Order by 코스코드,장소코드 ");
    q.bind("코스코드", courseCode);
    q.open();
    while (q.next())
        out.append(itemText(q.str("장소코드"), q.str("장소")));
    return out;
}

void ShuttleList::edit(int row, const QString& field, const QVariant& value)
{
    const QString text = value.toString();
    m_rows.setValue(row, field, text);
    if (field == QStringLiteral("코스이름비고")) {
        m_rows.setValue(row, "코스코드", codes::codeOf(text));
        if (m_tab == Time) { // the stop chosen belonged to the other course
            m_rows.setValue(row, "장소코드", QVariant());
            m_rows.setValue(row, "장소비고", QVariant());
        }
    } else if (m_tab == Time && field == QStringLiteral("장소비고")) {
        m_rows.setValue(row, "장소코드", codes::codeOf(text));
    }
}

db::SaveResult ShuttleList::save()
{
    for (int row = 0; row < m_rows.count(); ++row) {
        if (m_rows.state(row) == db::BufferedSet::State::Unchanged)
            continue;
        for (const Required& need : required(m_tab))
            if (m_rows.value(row, need.field).toString().trimmed().isEmpty())
                return db::SaveResult::check(row, need.field, need.message);
    }
    const db::SaveResult r = write();
    return r.saved ? r : db::SaveResult::refused(QStringLiteral("중복된 코드가 존재합니다."));
}

void ShuttleList::remove(int row)
{
    db::BufferedSet& s = m_rows;
    if (s.state(row) == db::BufferedSet::State::Inserted) {
        s.remove(row);
        return;
    }
    const QString course = s.oldValue(row, "코스코드").toString();
    {
        db::Transaction t;
        if (m_tab == Course) {
            db::run(" DELETe  from T_장소코드   WHERE   코스코드 = :코스코드  ", {{"코스코드", course}});
            db::run(" DELETe  from T_시간코드   WHERE   코스코드 = :코스코드  ", {{"코스코드", course}});
            db::run("delete from T_코스코드 where 코스코드 = :OLD_코스코드", {{"OLD_코스코드", course}});
        } else if (m_tab == Stop) {
            const QString stop = s.oldValue(row, "장소코드").toString();
            db::run(" DELETe  from T_시간코드   WHERE   코스코드 = :코스코드   AND     장소코드 = :장소코드  ",
                    {{"코스코드", course}, {"장소코드", stop}});
            db::run("delete from T_장소코드 where 코스코드 = :OLD_코스코드 AND 장소코드 = :OLD_장소코드",
                    {{"OLD_코스코드", course}, {"OLD_장소코드", stop}});
        } else {
            db::run("delete from T_시간코드 where 코스코드 = :OLD_코스코드 and 장소코드 = :OLD_장소코드 and 시간 = :OLD_시간",
                    {{"OLD_코스코드", course}, {"OLD_장소코드", s.oldValue(row, "장소코드")}, {"OLD_시간", s.oldValue(row, "시간")}});
        }
        t.commit();
    }
    load();
}
