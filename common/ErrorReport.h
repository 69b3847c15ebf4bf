#pragma once

#include "common/Platform.h"

#include <functional>

// The default error report: runs a handler; an exception that escapes it becomes a message box
// with its text, and the program goes on.
void runReportingErrors(const Platform &platform, const std::function<void()> &handler);
