#include "db/SchoolCopy.h"

#include "db/Database.h"
#include "db/Schema.h"

#include <QHash>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace db {

namespace {

const QString kSource = QStringLiteral("tamrin_copy_from");
const QString kTarget = QStringLiteral("tamrin_copy_to");

Dialect dialectOf(const QString& fileOrAddress) { return isServerAddress(fileOrAddress) ? Dialect::Postgres : Dialect::Sqlite; }

QStringList tablesOf(QSqlDatabase d, Dialect dialect)
{
    QSqlQuery q(d);
    q.exec(dialect == Dialect::Postgres
               ? QStringLiteral("SELECT table_name FROM information_schema.tables WHERE table_schema = current_schema() "
                                "AND table_type = 'BASE TABLE' ORDER BY table_name")
               : QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%' ORDER BY name"));
    QStringList out;
    while (q.next())
        out.append(q.value(0).toString());
    return out;
}

QStringList columnsOf(QSqlDatabase d, const QString& table)
{
    const QSqlRecord r = d.record(table);
    QStringList out;
    for (int i = 0; i < r.count(); ++i)
        out.append(r.fieldName(i));
    return out;
}

qint64 count(QSqlDatabase d, const QString& table, QString* error)
{
    QSqlQuery q(d);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM \"%1\"").arg(table)) || !q.next()) {
        *error = q.lastError().text();
        return -1;
    }
    return q.value(0).toLongLong();
}

QString literal(const QVariant& v)
{
    if (v.isNull())
        return QStringLiteral("NULL");
    QString t = v.typeId() == QMetaType::Double ? QString::number(v.toDouble(), 'g', 17) : v.toString();
    t.remove(QChar(0));
    t.replace(u'\'', QStringLiteral("''"));
    return u'\'' + t + u'\'';
}

// A table or column name as each engine knows it: quoted, so "1등급평가내용" and the server's lower-case
// names are taken as they are.
QString quoted(const QString& name) { return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"'; }

QString quotedList(const QStringList& names)
{
    QStringList out;
    for (const QString& n : names)
        out.append(quoted(n));
    return out.join(QStringLiteral(", "));
}

// Rows of one table into the target: many rows per statement on the server, one prepared statement on
// the file (where a statement costs no round trip). `cols` and `toCols` are the same columns as the
// source and the target name them.
bool copyRows(QSqlDatabase src, QSqlDatabase dst, Dialect to, const QString& fromTable, const QString& toTable,
              const QStringList& cols, const QStringList& toCols, QString* error)
{
    const QString table = quoted(toTable);
    const QString list = quotedList(toCols);
    QSqlQuery in(src);
    in.setForwardOnly(true);
    if (!in.exec(QStringLiteral("SELECT %1 FROM %2").arg(quotedList(cols), quoted(fromTable)))) {
        *error = in.lastError().text();
        return false;
    }
    QSqlQuery out(dst);
    if (to == Dialect::Sqlite) {
        QStringList marks;
        for (int i = 0; i < cols.size(); ++i)
            marks.append(QStringLiteral("?"));
        if (!out.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(table, list, marks.join(u',')))) {
            *error = out.lastError().text();
            return false;
        }
        while (in.next()) {
            for (int i = 0; i < cols.size(); ++i)
                out.bindValue(i, in.value(i));
            if (!out.exec()) {
                *error = out.lastError().text();
                return false;
            }
        }
        return true;
    }
    QStringList rows;
    auto flush = [&] {
        if (rows.isEmpty())
            return true;
        const bool ok = out.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES %3").arg(table, list, rows.join(u',')));
        if (!ok)
            *error = out.lastError().text();
        rows.clear();
        return ok;
    };
    while (in.next()) {
        QStringList values;
        for (int i = 0; i < cols.size(); ++i)
            values.append(literal(in.value(i)));
        rows.append(u'(' + values.join(u',') + u')');
        if (rows.size() >= 500 && !flush())
            return false;
    }
    return flush();
}

} // namespace

CopyResult copySchool(const QString& from, const QString& to, bool replace)
{
    CopyResult r;
    const Dialect fromD = dialectOf(from), toD = dialectOf(to);
    if (!openSide(from, kSource, &r.error))
        return closeSide(kSource), r;
    if (!openSide(to, kTarget, &r.error)) {
        closeSide(kSource);
        closeSide(kTarget);
        return r;
    }
    {
        QSqlDatabase src = QSqlDatabase::database(kSource, false);
        QSqlDatabase dst = QSqlDatabase::database(kTarget, false);
        bool writing = false;
        auto copy = [&]() -> bool {
            const QStringList fromTables = tablesOf(src, fromD);
            if (!fromTables.contains(QStringLiteral("T_회원"), Qt::CaseInsensitive)) {
                r.error = QStringLiteral("옮길 자료가 없습니다 (회원 표가 없습니다): ") + (toD == fromD ? from : describeServer(from));
                return false;
            }
            // One moment of the source, even while desks write to it.
            src.transaction();
            if (fromD == Dialect::Postgres) {
                QSqlQuery b(src);
                b.exec(QStringLiteral("SET TRANSACTION ISOLATION LEVEL REPEATABLE READ, READ ONLY"));
            }
            if (!Schema::ensureOn(dst, toD, Schema::builtInTexts(), &r.error))
                return false;
            QHash<QString, QString> targetTables; // lower-case name -> the target's own name
            for (const QString& t : tablesOf(dst, toD))
                targetTables.insert(t.toLower(), t);
            for (const char* busy : {"T_회원", "T_수련비납부", "T_금전출납"}) {
                const QString name = QString::fromUtf8(busy);
                const qint64 n = count(dst, targetTables.value(name.toLower(), name), &r.error);
                if (n != 0 && !(replace && n > 0)) {
                    if (n > 0)
                        r.error = QStringLiteral("대상에 이미 자료가 있습니다 (%1 %2줄). 빈 데이터베이스로 옮기세요.").arg(name).arg(n);
                    return false;
                }
            }
            if (!dst.transaction()) {
                r.error = dst.lastError().text();
                return false;
            }
            writing = true;
            static const QSet<QString> skipped = {"print", "t_temp", "tamrin_schema"};
            for (const QString& table : fromTables) {
                const QString key = table.toLower();
                if (skipped.contains(key) || !targetTables.contains(key))
                    continue;
                const QString toTable = targetTables.value(key);
                QHash<QString, QString> targetCols;
                for (const QString& c : columnsOf(dst, quoted(toTable)))
                    targetCols.insert(c.toLower(), c);
                QStringList cols, toCols;
                for (const QString& c : columnsOf(src, quoted(table)))
                    if (targetCols.contains(c.toLower())) {
                        cols.append(c);
                        toCols.append(targetCols.value(c.toLower()));
                    }
                QSqlQuery del(dst);
                if (!del.exec(QStringLiteral("DELETE FROM ") + quoted(toTable))) { // the seed codes of the new target
                    r.error = del.lastError().text();
                    return false;
                }
                if (!cols.isEmpty() && !copyRows(src, dst, toD, table, toTable, cols, toCols, &r.error)) {
                    r.error = table + QStringLiteral(": ") + r.error;
                    return false;
                }
                const qint64 had = count(src, table, &r.error), has = count(dst, toTable, &r.error);
                if (had < 0 || has < 0)
                    return false;
                if (had != has) {
                    r.error = QStringLiteral("%1 의 줄 수가 다릅니다: 원본 %2, 대상 %3").arg(table).arg(had).arg(has);
                    return false;
                }
                r.tables.append({table, has});
            }
            if (toD == Dialect::Postgres) {
                // Identity columns continue after the copied numbers.
                QSqlQuery q(dst);
                q.exec(QStringLiteral("SELECT table_name, column_name FROM information_schema.columns "
                                      "WHERE table_schema = current_schema() AND is_identity = 'YES'"));
                QList<std::pair<QString, QString>> ids;
                while (q.next())
                    ids.append({q.value(0).toString(), q.value(1).toString()});
                for (const auto& [t, c] : ids) {
                    QSqlQuery s(dst);
                    if (!s.exec(QStringLiteral("SELECT setval(pg_get_serial_sequence('%1', '%2'), coalesce(max(%3), 0) + 1, false) FROM %4")
                                    .arg(quoted(t), c, quoted(c), quoted(t)))) {
                        r.error = s.lastError().text();
                        return false;
                    }
                }
            }
            writing = false;
            if (!dst.commit()) {
                r.error = dst.lastError().text();
                return false;
            }
            return true;
        };
        r.ok = copy();
        if (!r.ok) {
            if (writing)
                dst.rollback();
            r.tables.clear();
        }
        src.rollback();
    }
    closeSide(kSource);
    closeSide(kTarget);
    return r;
}

} // namespace db
