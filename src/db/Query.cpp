#include "db/Query.h"

#include "db/Clock.h"
#include "db/JetSql.h"
#include "db/Concurrency.h"

#include <QSqlError>
#include <QRegularExpression>
#include <QSqlRecord>

namespace db {

QSqlDatabase connection() { return QSqlDatabase::database(kConnection, false); }

namespace {
Dialect g_dialect = Dialect::Sqlite;

bool execute(QSqlQuery& q, const QString& serverText)
{
    return g_dialect == Dialect::Postgres ? q.exec(serverText) : q.exec();
}

// A failed statement as the error callers catch; two desks in each other's way as ConflictError.
Error failure(const QSqlQuery& q, const QString& sql)
{
    const QString code = q.lastError().nativeErrorCode();
    if (g_dialect == Dialect::Postgres && (code == QLatin1String("40001") || code == QLatin1String("40P01")))
        throw ConflictError(q.lastError().text(), sql);
    return Error(q.lastError().text(), sql);
}

QVariant clockValue(const QString& name)
{
    if (name == kClockDate)
        return Clock::todayText();
    if (name == kClockNow)
        return Clock::now().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
    return Clock::now().toString(QStringLiteral("hh:mm:ss"));
}

// A value written into a statement for the server. Texts and numbers alike go in quoted: an untyped
// literal takes the type of the column it meets, as SQLite's affinity does ('5' into a whole-number
// column, 202403 against a text month). Beside an operator a number stays a number.
QString serverLiteral(const QVariant& raw, bool arithmetic)
{
    const QVariant v = toDbValue(raw);
    if (v.isNull())
        return QStringLiteral("NULL");
    QString text;
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        text = QString::number(v.toLongLong());
        if (arithmetic)
            return text;
        break;
    case QMetaType::Double:
    case QMetaType::Float:
        text = QString::number(v.toDouble(), 'g', 17);
        if (arithmetic)
            return u'(' + text + u')';
        break;
    default:
        text = v.toString();
    }
    text.remove(QChar(0));
    text.replace(u'\'', QStringLiteral("''"));
    return u'\'' + text + u'\'';
}
} // namespace

Dialect dialect() { return g_dialect; }

void setDialect(Dialect d) { g_dialect = d; }

QString dateText(const QDate& d) { return d.isValid() ? d.toString(QStringLiteral("yyyy-MM-dd")) : QString(); }

QDate parseDate(const QVariant& v)
{
    if (v.typeId() == QMetaType::QDate)
        return v.toDate();
    if (v.typeId() == QMetaType::QDateTime)
        return v.toDateTime().date();
    const QString t = v.toString();
    // "YYYY-MM-DD" read directly: lists parse thousands of these.
    if (t.size() >= 10 && t[4] == u'-' && t[7] == u'-') {
        bool y = false, m = false, d = false;
        const QDate date(QStringView(t).left(4).toInt(&y), QStringView(t).mid(5, 2).toInt(&m), QStringView(t).mid(8, 2).toInt(&d));
        return y && m && d ? date : QDate();
    }
    return QDate::fromString(t.left(10), QStringLiteral("yyyy-MM-dd"));
}

QString likeLiteral(const QString& typed)
{
    QString out;
    for (QChar c : typed) {
        if (c == u'%' || c == u'_' || c == u'\\')
            out += u'\\';
        out += c;
    }
    return out;
}

QVariant toDbValue(const QVariant& v)
{
    if (v.isNull())
        return QVariant(QMetaType(QMetaType::QString));
    switch (v.typeId()) {
    case QMetaType::QDate:
        // A cleared date field is no date: null, so "퇴관일 Is Null" still finds the row.
        return v.toDate().isValid() ? QVariant(dateText(v.toDate())) : QVariant(QMetaType(QMetaType::QString));
    case QMetaType::QDateTime:
        return v.toDateTime().isValid() ? QVariant(v.toDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")))
                                        : QVariant(QMetaType(QMetaType::QString));
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return v;
    }
}

Query::Query() : m_q(connection()) {}

Query::Query(const QString& sql) : m_sql(sql), m_q(connection()) {}

Query& Query::add(const QString& piece)
{
    m_sql += piece;
    return *this;
}

void Query::clear()
{
    close();
    m_sql.clear();
    m_params.clear();
}

Query& Query::bind(const QString& name, const QVariant& value)
{
    QString key = name.startsWith(u':') ? name.mid(1) : name;
    m_params.insert(key.toLower(), value);
    return *this;
}

Query& Query::bind(Params params)
{
    for (const auto& p : params)
        bind(p.first, p.second);
    return *this;
}

void Query::prepareAndBind()
{
    const TranslatedSql& t = translateJet(m_sql, g_dialect);
    auto valueOf = [&](const QString& name) {
        if (name.startsWith(u'@'))
            return clockValue(name);
        const auto it = m_params.constFind(name.toLower());
        if (it == m_params.constEnd())
            throw Error(QStringLiteral("매개변수 :%1 의 값이 없습니다.").arg(name), m_sql);
        return it.value();
    };
    if (g_dialect == Dialect::Postgres) {
        // The server's prepared statements fix each parameter's type before they see a value; written
        // in, the values take their types as Jet's do. The text to send is kept where a prepared
        // statement's would be.
        QString text = t.pieces.value(0);
        for (int i = 0; i < t.params.size(); ++i)
            text += serverLiteral(valueOf(t.params[i]), t.arithmetic.value(i)) + t.pieces.value(i + 1);
        m_prepared = text;
        // The whole result in one answer: a forward-only read is streamed row by row, and the next
        // statement on the connection (a lookup made while a list is read) would cut it short.
        m_q.setForwardOnly(false);
        return;
    }
    if (m_prepared != m_sql || !m_q.isValid()) {
        m_q.finish();
        m_q.setForwardOnly(true);
        if (!m_q.prepare(t.sql))
            throw Error(m_q.lastError().text(), m_sql);
        m_prepared = m_sql;
    }
    for (int i = 0; i < t.params.size(); ++i)
        m_q.bindValue(i, toDbValue(valueOf(t.params[i])));
}

Query& Query::open()
{
    m_q.finish();
    prepareAndBind();
    if (!execute(m_q, m_prepared))
        throw failure(m_q, m_sql);
    readColumns();
    return *this;
}

void Query::readColumns()
{
    // Looking a column up by name through record() builds the whole record each time: read it once.
    const QSqlRecord rec = m_q.record();
    m_columns.clear();
    m_columnIndex.clear();
    m_exactIndex.clear();
    for (int i = 0; i < rec.count(); ++i) {
        m_columns.append(rec.fieldName(i));
        if (!m_exactIndex.contains(rec.fieldName(i)))
            m_exactIndex.insert(rec.fieldName(i), i);
        const QString key = rec.fieldName(i).toLower();
        if (!m_columnIndex.contains(key)) // the first of two equal names, as record() finds it
            m_columnIndex.insert(key, i);
    }
}

int Query::exec()
{
    m_q.finish();
    prepareAndBind();
    if (!execute(m_q, m_prepared))
        throw failure(m_q, m_sql);
    const int n = m_q.numRowsAffected();
    m_q.finish();
    return n;
}

bool Query::next() { return m_q.next(); }

void Query::close() { m_q.finish(); }

int Query::columnCount() const { return int(m_columns.size()); }

QString Query::columnName(int i) const { return m_columns.value(i); }

int Query::columnIndex(const QString& name) const
{
    if (const auto it = m_exactIndex.constFind(name); it != m_exactIndex.constEnd())
        return it.value();
    const int i = m_columnIndex.value(name.toLower(), -1);
    if (i < 0 && name.contains(u'.')) // "a.회원번호": the engine names the column without its table
        return m_columnIndex.value(name.section(u'.', -1).toLower(), -1);
    return i;
}

QVariant Query::value(int i) const { return m_q.value(i); }

QVariant Query::value(const QString& column) const
{
    const int i = columnIndex(column);
    if (i < 0)
        throw Error(QStringLiteral("열 %1 이(가) 없습니다.").arg(column), m_sql);
    return m_q.value(i);
}

QString Query::str(const QString& column) const
{
    const QVariant v = value(column);
    if (v.typeId() == QMetaType::Double) {
        const double d = v.toDouble();
        if (d == qint64(d))
            return QString::number(qint64(d));
    }
    return v.toString();
}

qint64 Query::integer(const QString& column) const
{
    const QVariant v = value(column);
    if (v.typeId() == QMetaType::QString)
        return qint64(jet::val(v.toString()));
    return v.toLongLong();
}

double Query::real(const QString& column) const { return value(column).toDouble(); }

QDate Query::date(const QString& column) const { return parseDate(value(column)); }

bool Query::isNull(const QString& column) const { return value(column).isNull(); }

QVariant Query::lastInsertId() const { return m_q.lastInsertId(); }

QVariant scalar(const QString& sql, Params params)
{
    Query q(sql);
    q.bind(params);
    q.open();
    return q.next() ? q.value(0) : QVariant();
}

QString scalarText(const QString& sql, Params params)
{
    const QVariant v = scalar(sql, params);
    if (v.isNull())
        return QStringLiteral("0");
    if (v.typeId() == QMetaType::Double) {
        const double d = v.toDouble();
        return d == qint64(d) ? QString::number(qint64(d)) : QString::number(d, 'f', 4).remove(QRegularExpression("0+$"));
    }
    return v.toString();
}

int run(const QString& sql, Params params)
{
    Query q(sql);
    q.bind(params);
    return q.exec();
}

namespace {
int g_depth = 0; // open transactions; inner ones are savepoints so services can run inside a caller's transaction
}

Transaction::Transaction() : m_level(g_depth + 1)
{
    if (m_level == 1) {
        if (!connection().transaction())
            throw Error(connection().lastError().text(), QStringLiteral("BEGIN"));
    } else {
        run(QStringLiteral("SAVEPOINT tamrin_sp%1").arg(m_level));
    }
    g_depth = m_level;
}

Transaction::~Transaction()
{
    if (m_done)
        return;
    g_depth = m_level - 1;
    if (m_level == 1) {
        connection().rollback();
    } else {
        try {
            run(QStringLiteral("ROLLBACK TO tamrin_sp%1").arg(m_level));
            run(QStringLiteral("RELEASE tamrin_sp%1").arg(m_level));
        } catch (const Error&) {
        }
    }
}

void Transaction::commit()
{
    if (m_level == 1) {
        if (!connection().commit())
            throw Error(connection().lastError().text(), QStringLiteral("COMMIT"));
    } else {
        run(QStringLiteral("RELEASE tamrin_sp%1").arg(m_level));
    }
    m_done = true;
    g_depth = m_level - 1;
}

bool Transaction::active() { return g_depth > 0; }

void dropTempTable()
{
    // A failed statement spoils a server's open transaction: ask first instead of catching.
    run(QStringLiteral("Drop Table If Exists T_Temp"));
}

void createTempTable(const QString& columnsJet)
{
    dropTempTable();
    run(QStringLiteral("Create Table T_Temp") + columnsJet);
}

bool tableExists(const QString& table)
{
    if (g_dialect == Dialect::Postgres)
        return scalar(QStringLiteral("SELECT count(*) FROM pg_catalog.pg_tables WHERE tablename = lower(:t) "
                                     "AND (schemaname = current_schema() OR schemaname = (SELECT nspname FROM pg_catalog.pg_namespace "
                                     "WHERE oid = pg_catalog.pg_my_temp_schema()))"),
                      {{"t", table}})
                   .toInt()
            > 0;
    return scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name = :t"), {{"t", table}}).toInt() > 0;
}

} // namespace db
