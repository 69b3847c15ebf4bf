#pragma once

#include "common/Error.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

// The 18 lines of a recipe record in "RezList.dat".
enum RecordField : int {
    FieldName = 0,
    FieldAuthor = 1,
    FieldDimension = 2,
    FieldCategories = 3,
    FieldLanguage = 4,
    FieldOwn = 5,
    FieldReserved6 = 6,
    FieldPreparationOffset = 7,
    FieldPreparationLength = 8,
    FieldIngredientsOffset = 9,
    FieldIngredientsLength = 10,
    FieldPictureOffset = 11,
    FieldPictureBlocks = 12,
    FieldPictureTail = 13,
    FieldReserved14 = 14,
    FieldReserved15 = 15,
    FieldReserved16 = 16,
    FieldReserved17 = 17,
    RecordLineCount = 18,
};

// What AddRecipe takes. Texts are bytes (UTF-8 for name, author and the two texts).
struct NewRecipe {
    QByteArray ingredients, preparation, name, author, dimension, categories, language;
    bool hasPicture = false; // picture taken from "temp2.jpg" in the data directory
    bool own = false;
};

// What ReadRecipe hands back.
struct StoredRecipe {
    QByteArray preparation, ingredients;
    bool hasPicture = false;
    QByteArray name, author, dimension, categories, language;
};

// What changed in the index, for those who keep something derived from it.
struct StoreChange {
    enum Kind { Reloaded, Added, Removed };
    Kind kind;
    int record; // the added record (the last one) or the position the removed one had; -1 for Reloaded
};

// Raised when another running copy holds "Rezepte.dat".
class StoreLockedError : public Error {
public:
    using Error::Error;
};

// The recipe store: "RezList.dat" (index), "Rezepte.dat" (data, appended to), "DelRez.dat".
// Lookups by name compare bytes and act on the first record of that name.
class RecipeStore {
public:
    explicit RecipeStore(const QString &dataDir); // dataDir ends with '/'
    ~RecipeStore();
    RecipeStore(const RecipeStore &) = delete;
    RecipeStore &operator=(const RecipeStore &) = delete;

    // The store's steps of LoadStore, in the order the caller runs them.
    void loadIndex();        // "RezList.dat"; a damaged file keeps its complete records (see damageReport)
    void openData();         // "Rezepte.dat", created when missing, held with an exclusive lock
    void loadDeletedNames(); // "DelRez.dat"

    // Non-empty after loadIndex met a damaged "RezList.dat": what was kept and where the copy is.
    QString damageReport() const;

    const QString &dataDir() const;

    // Records in index order.
    int recordCount() const;
    QByteArrayView line(int record, int field) const;
    qint32 numberField(int record, int field) const; // throws Error naming the recipe when not a number
    std::optional<int> findFirst(QByteArrayView name) const;

    bool isNameFree(QByteArrayView name) const;
    void addRecipe(const NewRecipe &recipe);
    std::optional<QByteArray> readIngredients(QByteArrayView name) const;
    std::optional<QByteArray> readAuthor(QByteArrayView name) const;
    std::optional<StoredRecipe> readRecipe(QByteArrayView name); // writes "temp2.jpg", deletes "temp.jpg"
    bool deleteRecipe(QByteArrayView name);                      // false when no record has the name

    // Pieces of a record's data.
    QByteArray preparationOf(int record) const;
    QByteArray ingredientsOf(int record) const;
    std::optional<QByteArray> pictureOf(int record) const; // nullopt without picture

    // "DelRez.dat".
    const QList<QByteArray> &deletedNames() const;
    bool isDeleted(QByteArrayView name) const; // ignores letter case
    void clearDeletedNames();

    // Called after every change of the index, in the order of registration.
    int addChangeListener(std::function<void(const StoreChange &)> listener);
    void removeChangeListener(int id);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
