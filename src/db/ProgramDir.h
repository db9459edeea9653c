#pragma once
#include <QString>

// The program folder: Data/, report/, images/, backup/ and the exchange folders live beneath it.
// Defaults to the executable's folder; tests point it at a temporary folder.
class ProgramDir {
public:
    static QString path();                       // ends with "/"
    static QString file(const QString& relative); // path() + relative
    static void set(const QString& dir);
    static void ensureFolders();                 // creates the standard subfolders when missing
                                                 // (the notice folders: NoticeFile::ensureFolders)
    static QString databaseFile();               // Data/Tamrin2000.db
};
