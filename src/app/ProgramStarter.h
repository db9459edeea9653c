#pragma once
#include <QString>
#include <QStringList>
#include <functional>

// Starts another program without waiting for it (the restore program, the main program again).
// Tests replace the starter to see what would have been started.
class ProgramStarter {
public:
    using Starter = std::function<bool(const QString& program, const QStringList& arguments)>;
    static bool start(const QString& program, const QStringList& arguments = {});
    static void install(Starter s); // an empty function restores the real one

    // Executable files of the program folder, with the platform's ending.
    static QString mainProgram();    // "Tamrin"
    static QString restoreProgram(); // "back_Pro"
};
