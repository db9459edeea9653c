#include "operations/CalendarList.h"

#include <QDate>
#include <QHash>

const QString CalendarList::kHolidays = QStringLiteral("공휴일");

const QStringList& CalendarList::divisionKinds()
{
    static const QStringList kinds = {"유치부", "초등부유급자", "초등부유품자", "중고일반"};
    return kinds;
}

CalendarList::CalendarList(const QString& kind) : m_kind(kind)
{
    // The kind is one of the fixed names above, never typed: it goes in as a literal as it always has.
    m_rows.setStatements(
        QStringLiteral("insert into T_공휴행사일 (공휴행사구분명, 공휴행사일, 공휴행사명) values ('%1', :공휴행사일, :공휴행사명)").arg(kind),
        QStringLiteral("update T_공휴행사일 set 공휴행사명 = :공휴행사명 where 공휴행사구분명='%1' and 공휴행사일= :OLD_공휴행사일").arg(kind),
        QStringLiteral("delete from T_공휴행사일 where 공휴행사구분명='%1' and 공휴행사일= :OLD_공휴행사일").arg(kind));
}

void CalendarList::load()
{
    m_rows.open(QStringLiteral("SELECT * FROM T_공휴행사일 WHERE 공휴행사구분명='%1' ORDER BY 공휴행사일").arg(m_kind));
}

bool CalendarList::editable(int row, const QString& field) const
{
    if (field == QStringLiteral("공휴행사명"))
        return true;
    return field == QStringLiteral("공휴행사일") && m_rows.state(row) == db::BufferedSet::State::Inserted;
}

bool CalendarList::isDate(const QString& text)
{
    return text.size() == 10 && QDate::fromString(text, QStringLiteral("yyyy-MM-dd")).isValid();
}

db::SaveResult CalendarList::save()
{
    const bool holidays = m_kind == kHolidays;
    const QString field = QStringLiteral("공휴행사일");
    QHash<QString, int> seen;
    for (int row = 0; row < m_rows.count(); ++row) {
        const QString date = m_rows.value(row, field).toString().trimmed();
        // Rows read as stored are only looked at for a date entered twice.
        if (m_rows.state(row) == db::BufferedSet::State::Unchanged) {
            seen.insert(date, row);
            continue;
        }
        if (date.isEmpty())
            return db::SaveResult::check(row, field, holidays ? "휴무일을 입력하세요." : "행사일자를 입력하세요.");
        // A date that is no day (2024-02-30) would never meet the plan's days: it is not stored.
        if (!isDate(date))
            return db::SaveResult::check(row, field, holidays ? "날짜 형식을 확인하세요." : "행사일자 형식을 확인하세요.");
        if (!holidays && m_rows.value(row, "공휴행사명").toString().trimmed().isEmpty())
            return db::SaveResult::check(row, "공휴행사명", "행사명을 입력하세요.");
        if (seen.contains(date))
            return db::SaveResult::check(row, field, date + " 은(는) 이미 등록된 날짜입니다.");
        seen.insert(date, row);
        if (m_rows.value(row, field).toString() != date)
            m_rows.setValue(row, field, date);
    }
    return write();
}
