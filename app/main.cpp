#include "app/GuardedApplication.h"
#include "app/Program.h"

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    GuardedApplication application(argc, argv);
    Program program(Platform::real(QString::fromLocal8Bit(argv[0])));
    if (!program.isRunning())
        return 1;
    return application.exec();
}
