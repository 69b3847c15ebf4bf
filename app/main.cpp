#include "app/GuardedApplication.h"
#include "app/Program.h"

#include <unistd.h>

int main(int argc, char *argv[]) {
    // Chromium refuses to start its sandbox for the root user; there the views run without it.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    GuardedApplication application(argc, argv);
    Program program(Platform::real(QString::fromLocal8Bit(argv[0])));
    if (!program.isRunning())
        return 1;
    return application.exec();
}
