#pragma once
#include <QString>

#include "text/Answer.h"

// The start of the program looks at the database file before anyone works on it: a damaged file is
// reported and the newest automatic copy that passes the integrity check is offered in its place (the
// damaged file is kept as a safety copy in "backup").
class StartCheck {
public:
    // The newest copy of "자동 보관" that opens and passes the integrity check; empty when none does.
    static QString newestGoodCopy();

    // Opens dbMain on `file` and checks it. When the file is damaged, `ask` offers the newest good
    // automatic copy. Done when the database is open at the end (on the copy when the user took it, or
    // on the damaged file when the user chose to go on with it); the messages say what happened, the
    // last one why nothing is open.
    static Answer openChecked(const QString& file, const Ask& ask);
};
