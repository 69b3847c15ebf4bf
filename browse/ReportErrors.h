#pragma once

#include "common/Error.h"
#include "common/Platform.h"

#include <QCoreApplication>

#include <exception>

// Runs a handler connected to a control: an error that escapes it is shown in a message box
// and the program goes on, so no exception travels through Qt's event handling.
template <typename Handler> void reportErrors(const Platform &platform, Handler &&handler)
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
