#pragma once

#include <QIcon>

// Small drawn pictures for the planner's tool buttons (24 by 24, as the tool bars use).
QIcon calendarIcon();
QIcon printerIcon();
