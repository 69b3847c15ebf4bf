#include "app/GuardedApplication.h"
#include "app/Program.h"

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    GuardedApplication application(argc, argv);
    // The real path of the executable, also when it was started through PATH or a link.
    Program program(Platform::real(QCoreApplication::applicationFilePath()));
    if (!program.isRunning())
        return 1;
    return application.exec();
}
