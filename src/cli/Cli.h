#pragma once
#include <QString>
#include <QStringList>

class QTextStream;

// tamrin-cli: the office's routine jobs without the windows, on the same rules as the program.
//
//   tamrin-cli [--program-dir DIR] backup [FILE|FOLDER] [--keep N]
//   tamrin-cli check
//   tamrin-cli notices KIND [--division CODE] ...
//   tamrin-cli export LIST --csv FILE ...
//
// Exit codes: 0 done, 1 the work failed or the check found faults, 2 the command line was wrong,
// 3 the file was written but characters CP949 cannot hold became "?" (listed on the output).
namespace cli {

enum Exit { Ok = 0, Failed = 1, Usage = 2, CharactersLost = 3 };

// Runs one command line (without the program's name). Uses the open database when it is the one of
// the chosen program folder; otherwise opens it for the command and closes it after.
int run(const QStringList& args, QTextStream& out, QTextStream& err);

// The help of one command, or of the whole program for an empty or unknown name.
QString help(const QString& command = QString());

} // namespace cli
