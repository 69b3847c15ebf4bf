#pragma once

#include <QByteArray>
#include <QList>

// The credits that scroll in the info window: narrow text, one entry per line.
QList<QByteArray> creditLines();
