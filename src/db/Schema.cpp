#include "db/Schema.h"

#include "db/Query.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace db {

namespace {

const QString kProbe = QStringLiteral("tamrin_schema_probe");

QString tableOf(const QString& stmt, const QRegularExpression& re)
{
    const auto m = re.match(stmt);
    return m.hasMatch() ? m.captured(1) : QString();
}

struct Column {
    QString name, type, dflt;
};

QList<Column> columnsOf(QSqlDatabase d, const QString& table)
{
    QList<Column> out;
    QSqlQuery q(d);
    q.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table));
    while (q.next())
        out.append({q.value(1).toString(), q.value(2).toString(), q.value(4).toString()});
    return out;
}

qint32 fingerprint(const QStringList& texts)
{
    QCryptographicHash h(QCryptographicHash::Sha1);
    for (const QString& t : texts)
        h.addData(t.toUtf8());
    const QByteArray r = h.result();
    qint32 v = 0;
    for (int i = 0; i < 4; ++i)
        v = (v << 8) | quint8(r[i]);
    return (v & 0x7fffffff) | 1; // never 0, the version of an empty file
}

} // namespace

QStringList Schema::builtInTexts()
{
    QStringList out;
    QDir dir(QStringLiteral(":/schema"));
    const QStringList files = dir.entryList({QStringLiteral("*.sql")}, QDir::Files, QDir::Name);
    for (const QString& f : files) {
        QFile file(dir.filePath(f));
        if (file.open(QIODevice::ReadOnly))
            out.append(QString::fromUtf8(file.readAll()));
    }
    return out;
}

QStringList Schema::statements(const QString& text)
{
    QStringList out;
    QString cur;
    for (const QString& rawLine : text.split(u'\n')) {
        QString line = rawLine;
        const int comment = line.indexOf(QStringLiteral("--"));
        if (comment >= 0 && line.left(comment).count(u'\'') % 2 == 0)
            line = line.left(comment);
        cur += line + u'\n';
        if (line.trimmed().endsWith(u';')) {
            const QString s = cur.trimmed();
            if (s.size() > 1)
                out.append(s.left(s.size() - 1).trimmed());
            cur.clear();
        }
    }
    if (!cur.trimmed().isEmpty())
        out.append(cur.trimmed());
    return out;
}

bool Schema::ensure(QString* error) { return ensure(builtInTexts(), error); }

bool Schema::ensure(const QStringList& texts, QString* error)
{
    QSqlDatabase d = connection();
    const qint32 version = fingerprint(texts);
    {
        QSqlQuery q(d);
        if (q.exec(QStringLiteral("PRAGMA user_version")) && q.next() && q.value(0).toInt() == version)
            return true;
    }
    static const QRegularExpression createRe(QStringLiteral(R"(^\s*CREATE\s+TABLE\s+(?:IF\s+NOT\s+EXISTS\s+)?["\[]?([^\s"\]\(]+))"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression insertRe(QStringLiteral(R"(^\s*INSERT\s+INTO\s+["\[]?([^\s"\]\(]+))"),
                                             QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression indexRe(QStringLiteral(R"(^\s*CREATE\s+(UNIQUE\s+)?INDEX\s+(?!IF\s))"),
                                            QRegularExpression::CaseInsensitiveOption);

    QSet<QString> existing;
    {
        QSqlQuery q(d);
        q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"));
        while (q.next())
            existing.insert(q.value(0).toString());
    }
    QSet<QString> created;
    bool ok = true;
    QString failure;
    {
        QSqlDatabase probe = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), kProbe);
        probe.setDatabaseName(QStringLiteral(":memory:"));
        probe.open();
        d.transaction();
        QSqlQuery q(d);
        for (const QString& text : texts) {
            for (QString stmt : statements(text)) {
                const QString createTable = tableOf(stmt, createRe);
                const QString insertTable = tableOf(stmt, insertRe);
                if (!createTable.isEmpty()) {
                    if (!existing.contains(createTable)) {
                        if (!q.exec(stmt)) { ok = false; failure = q.lastError().text() + "\n" + stmt; break; }
                        existing.insert(createTable);
                        created.insert(createTable);
                    } else {
                        // Add the columns an older file lacks.
                        QSqlQuery pq(probe);
                        pq.exec(QStringLiteral("DROP TABLE IF EXISTS \"%1\"").arg(createTable));
                        if (!pq.exec(stmt)) { ok = false; failure = pq.lastError().text() + "\n" + stmt; break; }
                        QSet<QString> have;
                        for (const Column& c : columnsOf(d, createTable))
                            have.insert(c.name.toLower());
                        for (const Column& c : columnsOf(probe, createTable)) {
                            if (have.contains(c.name.toLower()))
                                continue;
                            QString alter = QStringLiteral("ALTER TABLE \"%1\" ADD COLUMN \"%2\" %3").arg(createTable, c.name, c.type);
                            if (!c.dflt.isEmpty())
                                alter += QStringLiteral(" DEFAULT ") + c.dflt;
                            if (!q.exec(alter)) { ok = false; failure = q.lastError().text() + "\n" + alter; break; }
                        }
                        if (!ok) break;
                    }
                } else if (!insertTable.isEmpty()) {
                    if (created.contains(insertTable) && !q.exec(stmt)) { ok = false; failure = q.lastError().text() + "\n" + stmt; break; }
                } else {
                    if (indexRe.match(stmt).hasMatch())
                        stmt.replace(QRegularExpression(QStringLiteral("INDEX\\s+"), QRegularExpression::CaseInsensitiveOption),
                                     QStringLiteral("INDEX IF NOT EXISTS "));
                    if (!q.exec(stmt)) { ok = false; failure = q.lastError().text() + "\n" + stmt; break; }
                }
            }
            if (!ok) break;
        }
        if (ok)
            ok = q.exec(QStringLiteral("PRAGMA user_version = %1").arg(version));
        if (ok)
            ok = d.commit();
        else
            d.rollback();
        probe.close();
    }
    QSqlDatabase::removeDatabase(kProbe);
    if (!ok && error)
        *error = QStringLiteral("자료 파일의 구조를 만들 수 없습니다.\n%1").arg(failure);
    return ok;
}

} // namespace db
