#include "db/DatabaseChoice.h"

#include "db/ProgramDir.h"

#include <QSettings>
#include <QUrl>

QString DatabaseChoice::settingsFile() { return ProgramDir::file(QStringLiteral("Tamrin.ini")); }

DatabaseChoice DatabaseChoice::load()
{
    QSettings s(settingsFile(), QSettings::IniFormat);
    DatabaseChoice c;
    c.server = s.value(QStringLiteral("database/engine")).toString() == QLatin1String("postgresql");
    c.host = s.value(QStringLiteral("database/host")).toString();
    c.port = s.value(QStringLiteral("database/port"), 5432).toInt();
    c.database = s.value(QStringLiteral("database/name")).toString();
    c.user = s.value(QStringLiteral("database/user")).toString();
    return c;
}

bool DatabaseChoice::save(QString* error) const
{
    QSettings s(settingsFile(), QSettings::IniFormat);
    s.setValue(QStringLiteral("database/engine"), server ? QStringLiteral("postgresql") : QStringLiteral("file"));
    s.setValue(QStringLiteral("database/host"), host.trimmed());
    s.setValue(QStringLiteral("database/port"), port);
    s.setValue(QStringLiteral("database/name"), database.trimmed());
    s.setValue(QStringLiteral("database/user"), user.trimmed());
    s.sync();
    if (s.status() != QSettings::NoError) {
        if (error)
            *error = QStringLiteral("설정 파일을 저장할 수 없습니다: ") + settingsFile();
        return false;
    }
    return true;
}

QString DatabaseChoice::address() const
{
    if (!server)
        return ProgramDir::databaseFile();
    // A host that is a folder is the server's local socket there, as libpq and psql read it.
    const bool socket = host.trimmed().startsWith(u'/');
    const QString h = host.trimmed().isEmpty() || socket ? QStringLiteral("localhost") : host.trimmed();
    QString a = QStringLiteral("postgresql://");
    if (!user.trimmed().isEmpty())
        a += QString::fromUtf8(QUrl::toPercentEncoding(user.trimmed())) + u'@';
    a += h;
    if (port > 0)
        a += u':' + QString::number(port);
    a += u'/' + QString::fromUtf8(QUrl::toPercentEncoding(database.trimmed()));
    if (socket)
        a += QStringLiteral("?host=") + QString::fromUtf8(QUrl::toPercentEncoding(host.trimmed()));
    return a;
}

QString DatabaseChoice::problem() const
{
    if (!server)
        return {};
    if (database.trimmed().isEmpty())
        return QStringLiteral("서버의 데이터베이스 이름을 입력하세요.");
    if (port < 1 || port > 65535)
        return QStringLiteral("포트는 1 에서 65535 사이의 숫자입니다.");
    return {};
}
