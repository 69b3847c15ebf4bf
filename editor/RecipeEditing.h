#pragma once

#include "store/Database.h"

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

// The category bit string of a value list: '1' for a marked value, '0' for an unmarked one.
// With no value marked the recipe belongs to every value, so the string is all '1'.
QByteArray storedCategoryBits(const QList<bool> &marks);

// A text field's text as the store keeps it: UTF-8 with CR LF line breaks.
QByteArray storedText(const QString &fieldText);

// A stored text as a text field takes it (line breaks as '\n').
QString fieldText(QByteArrayView stored);

// A picture file of any format the toolkit reads (JPEG through libjpeg), as opaque 24-bit RGB.
// Throws Error naming the file when it cannot be read.
QImage loadPictureFile(const QString &path);

// Stores the recipe, replacing the first stored recipe of its name. A picture (none when null) is
// written to "temp.jpg" as JPEG and scaled to "temp2.jpg" before the store is touched, and the old
// record goes only after the new one is in: whatever fails, the stored recipe is still there.
void saveRecipe(RecipeStore &store, const QString &dataDir, NewRecipe recipe, const QImage &picture);
