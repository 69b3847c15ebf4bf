#pragma once

#include <QIcon>

// The printer picture of the print buttons.
QIcon printIcon();
