#include "app/ProgramStarter.h"

#include "db/ProgramDir.h"

#include <QProcess>

namespace {
ProgramStarter::Starter g_starter;

QString executable(const QString& name)
{
#ifdef Q_OS_WIN
    return ProgramDir::file(name + QStringLiteral(".exe"));
#else
    return ProgramDir::file(name);
#endif
}
}

bool ProgramStarter::start(const QString& program, const QStringList& arguments)
{
    if (g_starter)
        return g_starter(program, arguments);
    return QProcess::startDetached(program, arguments, ProgramDir::path());
}

void ProgramStarter::install(Starter s) { g_starter = std::move(s); }

QString ProgramStarter::mainProgram() { return executable(QStringLiteral("Tamrin")); }

QString ProgramStarter::restoreProgram() { return executable(QStringLiteral("back_Pro")); }
