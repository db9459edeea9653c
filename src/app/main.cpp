#include "app/Application.h"
#include "app/uMain.h"

int main(int argc, char** argv)
{
    Application app(argc, argv);
    TfMain w;
    if (!w.databaseReady())
        return 1;
    w.show();
    return app.exec();
}
