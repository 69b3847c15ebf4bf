#include "app/GuardedApplication.h"
#include "app/Program.h"

#include <unistd.h>

int main(int argc, char *argv[]) {
    // Chromium refuses to start its sandbox for the root user; there the views run without it.
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    GuardedApplication application(argc, argv);
    // The real path of the executable, also when it was started through PATH or a link.
    Program program(Platform::real(QCoreApplication::applicationFilePath()));
    if (!program.isRunning())
        return 1;
    return application.exec();
}
