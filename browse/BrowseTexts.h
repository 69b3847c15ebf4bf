#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

class LanguageTexts;

// The value labels for a dimension box position; none where the position names no dimension
// (no entry chosen, or the favourites entry).
QStringList valueLabelsAt(const LanguageTexts &texts, int position);

// The category bit string of a check list: '1' per ticked item, '0' per other, in item order.
QByteArray categoryBits(const QList<bool> &ticks);

// The count shown in a recipe tab's status bar, as the narrow status bar can show it.
QString recipeCountText(int count, const LanguageTexts &texts);
