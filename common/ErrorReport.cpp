#include "common/ErrorReport.h"

#include "common/Error.h"

#include <QCoreApplication>

void runReportingErrors(const Platform &platform, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const Error &error) {
        platform.showMessage(error.text());
    } catch (const std::exception &error) {
        platform.showMessage(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        platform.showMessage(QCoreApplication::translate("ErrorReport", "An unexpected error occurred."));
    }
}
