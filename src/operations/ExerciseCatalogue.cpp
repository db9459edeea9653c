#include "operations/ExerciseCatalogue.h"

namespace {

// A whole number typed into a cell; the value is stored as a number once it passed.
bool whole(db::BufferedSet& rows, int row, const QString& field)
{
    bool ok = false;
    const int n = rows.value(row, field).toString().trimmed().toInt(&ok);
    if (ok)
        rows.setValue(row, field, n);
    return ok;
}

bool blank(db::BufferedSet& rows, int row, const QString& field)
{
    return rows.value(row, field).toString().trimmed().isEmpty();
}

} // namespace

const QStringList& MainExercises::kinds()
{
    static const QStringList k = {"매일고정", "매일반복", "주기반복"};
    return k;
}

MainExercises::MainExercises(const QString& division) : m_division(division)
{
    // The division is one of the four fixed names, never typed: it goes in as a literal.
    m_rows.setStatements(
        QStringLiteral("INSERT INTO T_주운동코드 (부명, 주운동코드, 반복구분, 주운동명, 범위) "
                       "VALUES ('%1', :주운동코드, :반복구분, :주운동명, :범위)").arg(division),
        QStringLiteral("UPDATE T_주운동코드 SET 반복구분 = :반복구분, 주운동명 = :주운동명, 범위 = :범위 "
                       "WHERE 부명 = '%1' AND 주운동코드 = :OLD_주운동코드").arg(division),
        QStringLiteral("DELETE FROM T_주운동코드 WHERE 부명 = '%1' AND 주운동코드 = :OLD_주운동코드").arg(division));
}

void MainExercises::load()
{
    m_rows.open(QStringLiteral("SELECT * FROM T_주운동코드 WHERE 부명='%1' ORDER BY 주운동코드").arg(m_division));
    m_removed.clear();
}

void MainExercises::remove(int row)
{
    if (m_rows.state(row) != db::BufferedSet::State::Inserted)
        m_removed.append(m_rows.oldValue(row, "주운동코드"));
    m_rows.remove(row);
}

bool MainExercises::editable(int row, const QString& field) const
{
    return field != QStringLiteral("주운동코드") || m_rows.state(row) == db::BufferedSet::State::Inserted;
}

void MainExercises::cancel()
{
    m_rows.cancel();
    m_removed.clear();
}

db::SaveResult MainExercises::save()
{
    for (int row = 0; row < m_rows.count(); ++row) {
        if (m_rows.state(row) == db::BufferedSet::State::Unchanged)
            continue;
        if (blank(m_rows, row, "주운동코드"))
            return db::SaveResult::check(row, "주운동코드", "코드를 입력하세요.");
        if (!whole(m_rows, row, "주운동코드"))
            return db::SaveResult::check(row, "주운동코드", "코드를 숫자로 입력하세요.");
        if (!kinds().contains(m_rows.value(row, "반복구분").toString()))
            return db::SaveResult::check(row, "반복구분", "구분을 선택하세요.");
        if (blank(m_rows, row, "주운동명"))
            return db::SaveResult::check(row, "주운동명", "주운동명을 입력하세요.");
        if (blank(m_rows, row, "범위"))
            return db::SaveResult::check(row, "범위", "반복범위를 입력하세요.");
        if (!whole(m_rows, row, "범위"))
            return db::SaveResult::check(row, "범위", "반복범위를 숫자로 입력하세요.");
    }
    const db::SaveResult r = write([this] {
        for (const QVariant& code : std::as_const(m_removed))
            db::run(QStringLiteral("DELETE FROM T_세부운동코드 WHERE 부명 = '%1' AND 주운동코드 = :주운동코드").arg(m_division),
                    {{"주운동코드", code}});
    });
    if (r.saved)
        m_removed.clear();
    return r;
}

SubExercises::SubExercises(const QString& division) : m_division(division)
{
    m_rows.setStatements(
        QStringLiteral("INSERT INTO T_세부운동코드 (부명, 주운동코드, 세부운동코드, 세부운동명) "
                       "VALUES ('%1', :주운동코드, :세부운동코드, :세부운동명)").arg(division),
        QStringLiteral("UPDATE T_세부운동코드 SET 세부운동명 = :세부운동명 "
                       "WHERE 부명 = '%1' AND 주운동코드 = :OLD_주운동코드 AND 세부운동코드 = :OLD_세부운동코드").arg(division),
        QStringLiteral("DELETE FROM T_세부운동코드 "
                       "WHERE 부명 = '%1' AND 주운동코드 = :OLD_주운동코드 AND 세부운동코드 = :OLD_세부운동코드").arg(division));
}

void SubExercises::setMain(const QVariant& mainCode)
{
    m_main = mainCode;
    load();
}

void SubExercises::load()
{
    m_rows.open(QStringLiteral("SELECT * FROM T_세부운동코드 WHERE 부명='%1' AND 주운동코드 = :주운동코드 "
                               "ORDER BY 주운동코드,세부운동코드").arg(m_division),
                {{"주운동코드", m_main.isNull() ? QVariant(-1) : m_main}});
}

int SubExercises::append()
{
    const int row = m_rows.append();
    m_rows.setValue(row, "주운동코드", m_main);
    return row;
}

bool SubExercises::editable(int row, const QString& field) const
{
    if (m_main.isNull())
        return false;
    return field != QStringLiteral("세부운동코드") || m_rows.state(row) == db::BufferedSet::State::Inserted;
}

db::SaveResult SubExercises::save()
{
    for (int row = 0; row < m_rows.count(); ++row) {
        if (m_rows.state(row) == db::BufferedSet::State::Unchanged)
            continue;
        if (blank(m_rows, row, "세부운동코드"))
            return db::SaveResult::check(row, "세부운동코드", "코드를 입력하세요.");
        if (!whole(m_rows, row, "세부운동코드"))
            return db::SaveResult::check(row, "세부운동코드", "코드를 숫자로 입력하세요.");
        if (blank(m_rows, row, "세부운동명"))
            return db::SaveResult::check(row, "세부운동명", "세부운동명을 입력하세요.");
    }
    return write();
}
