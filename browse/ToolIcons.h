#pragma once

#include <QIcon>

// The 24 by 24 pictures of the recipe tabs' tool bars, drawn rather than shipped as files.
enum class ToolIcon { Favourite, ShoppingList, Calendar, AuthorSearch, Search, Print, Delete };

QIcon toolIcon(ToolIcon kind);
