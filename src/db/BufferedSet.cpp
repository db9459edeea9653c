#include "db/BufferedSet.h"

#include "db/JetSql.h"

#include <QRegularExpression>

namespace db {

void BufferedSet::open(const QString& selectSql, Params params)
{
    Query q(selectSql);
    q.bind(params);
    q.open();
    m_columns.clear();
    m_index.clear();
    for (int i = 0; i < q.columnCount(); ++i) {
        m_columns.append(q.columnName(i));
        m_index.insert(q.columnName(i).toLower(), i);
    }
    m_rows.clear();
    m_deleted.clear();
    while (q.next()) {
        Row r;
        for (int i = 0; i < m_columns.size(); ++i)
            r.cur.append(q.value(i));
        r.orig = r.cur;
        m_rows.append(r);
    }
    m_saved = m_rows;
}

void BufferedSet::setStatements(const QString& insertSql, const QString& updateSql, const QString& deleteSql)
{
    m_insert = insertSql;
    m_update = updateSql;
    m_delete = deleteSql;
}

void BufferedSet::setParam(const QString& name, const QVariant& value) { m_extra.insert(name.toLower(), value); }

int BufferedSet::col(const QString& name) const
{
    const auto it = m_index.constFind(name.toLower());
    if (it == m_index.constEnd())
        throw Error(QStringLiteral("열 %1 이(가) 없습니다.").arg(name), QString());
    return it.value();
}

QVariant BufferedSet::value(int row, const QString& column) const { return m_rows[row].cur[col(column)]; }

QVariant BufferedSet::oldValue(int row, const QString& column) const { return m_rows[row].orig[col(column)]; }

void BufferedSet::setValue(int row, const QString& column, const QVariant& value)
{
    Row& r = m_rows[row];
    r.cur[col(column)] = value;
    if (r.state == State::Unchanged && r.cur != r.orig)
        r.state = State::Modified;
}

int BufferedSet::append()
{
    Row r;
    for (int i = 0; i < m_columns.size(); ++i)
        r.cur.append(QVariant());
    r.orig = r.cur;
    r.state = State::Inserted;
    m_rows.append(r);
    return m_rows.size() - 1;
}

void BufferedSet::remove(int row)
{
    Row r = m_rows.takeAt(row);
    if (r.state != State::Inserted)
        m_deleted.append(r);
}

void BufferedSet::forget(int row)
{
    const Row r = m_rows.takeAt(row);
    if (r.state == State::Inserted)
        return;
    for (int i = 0; i < m_saved.size(); ++i)
        if (m_saved[i].orig == r.orig) {
            m_saved.removeAt(i);
            break;
        }
}

QVariant BufferedSet::deletedValue(int i, const QString& column) const { return m_deleted[i].orig[col(column)]; }

bool BufferedSet::isDirty() const
{
    if (!m_deleted.isEmpty())
        return true;
    for (const Row& r : m_rows)
        if (r.state != State::Unchanged)
            return true;
    return false;
}

namespace {

bool sameValue(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() && b.isNull();
    if (a.typeId() == QMetaType::Double || b.typeId() == QMetaType::Double)
        return a.toDouble() == b.toDouble();
    return a.toString() == b.toString();
}

} // namespace

// Another desk may have saved the same row since it was read. Every column this update writes back
// must still hold the value that was read, or the save would silently undo the other desk's change;
// on the server the row stays locked (FOR UPDATE) from this check to the commit.
void BufferedSet::checkUnchanged(const QString& updateSql, const Row& row)
{
    static const QRegularExpression shape(QStringLiteral(R"(^\s*update\s+(\S+)\s+set\s+(.*?)\s+where\s+(.*)$)"),
                                          QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption
                                              | QRegularExpression::UseUnicodePropertiesOption);
    static const QRegularExpression assignment(QStringLiteral(R"((\w+)\s*=\s*:(\w+))"), QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch m = shape.match(updateSql);
    if (!m.hasMatch())
        return;
    QList<int> written;
    for (auto it = assignment.globalMatch(m.captured(2)); it.hasNext();) {
        const QRegularExpressionMatch a = it.next();
        const int c = m_index.value(a.captured(1).toLower(), -1);
        if (c >= 0 && a.captured(1).compare(a.captured(2), Qt::CaseInsensitive) == 0)
            written.append(c);
    }
    if (written.isEmpty())
        return;
    QStringList names;
    for (int c : std::as_const(written))
        names.append(m_columns[c]);
    Query q(QStringLiteral("SELECT ") + names.join(QStringLiteral(", ")) + QStringLiteral(" FROM ") + m.captured(1)
            + QStringLiteral(" WHERE ") + m.captured(3) + (onServer() ? QStringLiteral(" FOR UPDATE") : QString()));
    bindRow(q, row);
    q.open();
    bool found = false;
    while (q.next()) {
        found = true;
        for (int i = 0; i < written.size(); ++i)
            if (!sameValue(q.value(i), row.orig[written[i]]))
                throw Error(changedMessage(), updateSql);
    }
    if (!found)
        throw Error(changedMessage(), updateSql);
}

QString BufferedSet::changedMessage()
{
    return QStringLiteral("이 자료를 연 뒤에 다른 곳에서 고치거나 지웠습니다. 고친 내용은 저장하지 않았습니다.\n"
                          "다시 조회한 뒤 고치세요.");
}

void BufferedSet::bindRow(Query& q, const Row& row) const
{
    for (auto it = m_extra.constBegin(); it != m_extra.constEnd(); ++it)
        q.bind(it.key(), it.value());
    for (int i = 0; i < m_columns.size(); ++i) {
        q.bind(m_columns[i], row.cur[i]);
        q.bind(QStringLiteral("OLD_") + m_columns[i], row.orig[i]);
    }
}

void BufferedSet::runFor(const QString& sql, const Row& row)
{
    if (sql.isEmpty())
        return;
    if (&sql == &m_update)
        checkUnchanged(sql, row);
    Query q(sql);
    bindRow(q, row);
    q.exec();
}

void BufferedSet::apply()
{
    for (const Row& r : std::as_const(m_deleted))
        runFor(m_delete, r);
    for (const Row& r : std::as_const(m_rows)) {
        if (r.state == State::Inserted)
            runFor(m_insert, r);
        else if (r.state == State::Modified)
            runFor(m_update, r);
    }
}

void BufferedSet::markApplied()
{
    m_deleted.clear();
    for (Row& r : m_rows) {
        r.orig = r.cur;
        r.state = State::Unchanged;
    }
    m_saved = m_rows;
}

void BufferedSet::cancel()
{
    m_rows = m_saved;
    m_deleted.clear();
}

} // namespace db
