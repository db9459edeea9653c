#pragma once
#include <QString>

class QWidget;

// The start of the program looks at the database file before anyone works on it: a damaged file is
// reported and the newest automatic copy that passes the integrity check is offered in its place (the
// damaged file is kept as a safety copy in "backup").
class StartCheck {
public:
    // The newest copy of "자동 보관" that opens and passes the integrity check; empty when none does.
    static QString newestGoodCopy();

    // Opens dbMain on `file` and checks it. When the file is damaged, says so and offers the newest good
    // automatic copy; true when the database is open at the end (on the copy when the user took it, or
    // on the damaged file when the user chose to go on with it).
    static bool openChecked(const QString& file, QWidget* parent, QString* error);
};
