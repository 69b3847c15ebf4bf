#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <memory>

class RecipeStore;

// SearchRecipes over the whole store. The lower-cased texts are gathered at the first search and
// then kept in step with the store's additions and deletions.
class RecipeSearch {
public:
    explicit RecipeSearch(RecipeStore &store);
    ~RecipeSearch();
    RecipeSearch(const RecipeSearch &) = delete;
    RecipeSearch &operator=(const RecipeSearch &) = delete;

    // lowerText: UTF-8, already lower-cased; mode 0 name/author, 1 + ingredients, 2 + preparation;
    // dimension "0" for all or "1" to "6". Names in index order.
    QList<QByteArray> SearchRecipes(QByteArrayView lowerText, int mode, QByteArrayView dimension);

    // Bytes of lower-cased text held, and whether it is gathered yet.
    qint64 heldTextBytes() const;
    bool isPrepared() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
