#pragma once

#include <QString>

struct Platform;
class FavouriteNames;
class LanguageTexts;
class RecipeDisplay;
class RecipeSearch;
class RecipeStore;

// The program-wide state a tab or window works on; Program owns every piece.
struct AppContext {
    Platform &platform;
    QString dataDir; // ends with '/'
    RecipeStore &store;
    LanguageTexts &texts;
    FavouriteNames &favourites;
    RecipeDisplay &display;
    RecipeSearch &search;
};
