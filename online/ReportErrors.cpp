#include "online/ReportErrors.h"

#include "common/Error.h"
#include "common/Platform.h"

#include <QCoreApplication>

void reportErrors(const Platform &platform, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const Error &error) {
        platform.showMessage(error.text());
    } catch (const std::exception &error) {
        platform.showMessage(QString::fromLocal8Bit(error.what()));
    }
}
