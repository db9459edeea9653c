#include "db/ProgramDir.h"

#include <QCoreApplication>
#include <QDir>

namespace {
QString g_dir;
}

QString ProgramDir::path()
{
    QString d = g_dir.isEmpty() ? QCoreApplication::applicationDirPath() : g_dir;
    if (!d.endsWith('/'))
        d += '/';
    return d;
}

QString ProgramDir::file(const QString& relative) { return path() + relative; }

void ProgramDir::set(const QString& dir) { g_dir = dir; }

void ProgramDir::ensureFolders()
{
    QDir root(path());
    for (const char* sub : {"Data", "report", "images", "backup", "수련계획", "입관자료", "퇴관자료", "인터넷통보자료", "심사접수"})
        root.mkpath(QString::fromUtf8(sub));
}

QString ProgramDir::databaseFile() { return file(QStringLiteral("Data/Tamrin2000.db")); }
