// The command-line companion of the program: backup, check, notice files and CSV lists.
#include "cli/Cli.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout), err(stderr);
    const int code = cli::run(app.arguments().mid(1), out, err);
    out.flush();
    err.flush();
    return code;
}
