#include "attendance/CheckInStation.h"

#include "attendance/uCheckIn.h"
#include "db/Database.h"
#include "db/ProgramDir.h"
#include "ui/Dialogs.h"

#include <QApplication>

namespace CheckInStation {

int run()
{
    ProgramDir::ensureFolders();
    QString error;
    if (!db::openDatabase(ProgramDir::databaseFile(), &error)) {
        Dialogs::error(QStringLiteral("오류"), error);
        return 1;
    }
    auto* w = new TfCheckIn;
    w->setKiosk(true);
    w->showFullScreen();
    const int code = QApplication::exec();
    db::closeDatabase();
    return code;
}

} // namespace CheckInStation
