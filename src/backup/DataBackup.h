#pragma once
#include <QString>

#include "text/Answer.h"

// "자료보관": a consistent copy of the open database to a file the user chooses.
class DataBackup {
public:
    // The name the database goes by in messages and file names ("Tamrin2000").
    static QString alias();
    static QString suggestedFile();   // ProgramDir + "backup/" + alias + ".db"
    static QString fileFilter();      // the save dialog's filter

    // Copies the open database to `target` (replacing it) and checks the copy before it takes the name;
    // an existing file of that name is kept when anything fails.
    static bool copyTo(const QString& target, QString* error = nullptr);

    // The menu item once the user chose where: copies and answers the success or failure message. A
    // name without a kind gets ".db"; an empty name (the dialog cancelled) does nothing.
    static Answer backUp(QString target);
};
