#include "app/Application.h"
#include "app/uMain.h"
#include "app/uSplash.h"
#include "attendance/CheckInStation.h"
#include "db/ProgramDir.h"
#include "db/SchoolInfo.h"
#include "ui/DisplayScale.h"

#include <QElapsedTimer>
#include <QThread>

int main(int argc, char** argv)
{
    {
        // The school's display scale must be known before the application object exists.
        QCoreApplication probe(argc, argv);
        DisplayScale::applyBeforeStart(SchoolInfo::displayScaleIn(ProgramDir::databaseFile()));
    }
    Application app(argc, argv);
    // The PC at the door: the check-in window alone, full screen, in kiosk mode.
    if (app.arguments().contains(QStringLiteral("--checkin")))
        return CheckInStation::run();
    QElapsedTimer shown;
    auto* splash = new TfrmSplash;
    splash->show();
    splash->repaint();
    app.processEvents();
    shown.start();
    Application::setTitle(QStringLiteral("Tamrin2010"));
    TfMain w;
    // Long enough to be seen on a fast start.
    while (shown.elapsed() < 1200) {
        app.processEvents(QEventLoop::ExcludeUserInputEvents, 50);
        QThread::msleep(20);
    }
    splash->hide();
    delete splash;
    if (!w.databaseReady())
        return 1;
    w.show();
    return app.exec();
}
