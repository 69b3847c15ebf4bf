#pragma once

#include "common/Error.h"
#include "common/Platform.h"

#include <exception>

// Runs one handler of this folder's controls as the program's error report does: an error that
// escapes it becomes a message box with its text, and the program goes on.
template <typename Handler> void reportingErrors(const Platform &platform, Handler &&handler)
{
    try {
        handler();
    } catch (const Error &error) {
        platform.showMessage(error.text());
    } catch (const std::exception &error) {
        platform.showMessage(QString::fromLocal8Bit(error.what()));
    }
}
