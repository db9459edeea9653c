// The restore program: puts a backup copy back in place of the database while the main program is closed.
#include "app/Application.h"
#include "app/uRestore.h"

int main(int argc, char** argv)
{
    Application app(argc, argv);
    TfRestore w;
    w.show();
    return app.exec();
}
