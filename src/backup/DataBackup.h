#pragma once
#include <QString>

class QWidget;

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

    // The menu item: save dialog, copy, and the success or failure message.
    static void run(QWidget* parent);
};
