#pragma once

#include <QPixmap>

// The program's logo, drawn rather than shipped: a saffron crocus beside the name.
QPixmap saffinLogo();
