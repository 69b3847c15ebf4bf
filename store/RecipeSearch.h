#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

class RecipeStore;

// SearchRecipes over the whole store.
class RecipeSearch {
public:
    explicit RecipeSearch(RecipeStore &store);
    ~RecipeSearch();

    // lowerText: UTF-8, already lower-cased; mode 0 name/author, 1 + ingredients, 2 + preparation;
    // dimension "0" for all or "1" to "6". Names in index order.
    QList<QByteArray> SearchRecipes(QByteArrayView lowerText, int mode, QByteArrayView dimension);

private:
    RecipeStore &m_store;
};
