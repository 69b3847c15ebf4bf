#pragma once

#include <QString>

// A control that carries its member's name, so tests and the language table find it.
template <typename T> T *named(T *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}
