#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <array>

class LanguageTexts;
class RecipeStore;

// Values per dimension box position; position 6 is the own-recipes box's favourites entry.
inline constexpr std::array<int, 7> CategoryValueCounts = {6, 8, 6, 21, 3, 23, 0};

// The language text of a dimension (value -1) or of one of its values, UTF-8.
// Outside the table: an empty text.
QByteArray CategoryLabel(const LanguageTexts &texts, int dimension, int value);

// The bit string of a value list: '1' per ticked value, '0' per other, in list order.
QByteArray CategoryBitString(const QList<bool> &ticks);

// True when both have '1' at the same position within the shorter length.
bool BitsOverlap(QByteArrayView a, QByteArrayView b);

// Names of the matching records in index order; "-1" for dimension or categories means any.
QList<QByteArray> FilterRecipes(const RecipeStore &store, QByteArrayView dimension,
                                QByteArrayView categories, bool ownOnly);
