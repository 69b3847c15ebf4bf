#pragma once

#include <functional>

struct Platform;

// Runs a control's handler under the program's error report: an error that escapes it is shown
// through the platform's message hook, and the program goes on.
void reportErrors(const Platform &platform, const std::function<void()> &handler);
