#pragma once
#include <QString>

// Which database the program opens: the embedded file beside the program (이 PC, the default) or a
// PostgreSQL server shared by several desks (서버). Kept in Tamrin.ini beside the program, never in
// the database it points to. No password is kept: libpq reads it from its own password or service file.
struct DatabaseChoice {
    bool server = false;
    QString host;   // a name or address, or the folder of the server's local socket ("/var/run/postgresql")
    int port = 5432;
    QString database;
    QString user;

    static QString settingsFile();          // ProgramDir + "Tamrin.ini"
    static DatabaseChoice load();            // the default (이 PC) when nothing is kept
    bool save(QString* error = nullptr) const;

    // The address openDatabase takes: the embedded file's path or "postgresql://user@host:port/database".
    QString address() const;
    // Empty when the server fields can be used; otherwise what is missing, in Korean.
    QString problem() const;
};
