#include "app/uMain.h"

#include "db/Database.h"
#include "db/ProgramDir.h"
#include "ui/Dialogs.h"

TfMain::TfMain(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("탐린 도장관리"));
    resize(1024, 740);
    ProgramDir::ensureFolders();
    QString error;
    m_ready = db::openDatabase(ProgramDir::databaseFile(), &error);
    if (!m_ready)
        Dialogs::error(QStringLiteral("오류"), error, this);
}

TfMain::~TfMain() { db::closeDatabase(); }
