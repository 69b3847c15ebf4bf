#pragma once

#include "common/LanguageTexts.h"
#include "store/Database.h"
#include "tests/support/TempDataDir.h"

#include <QByteArray>
#include <QList>
#include <memory>

// A data folder and a store loaded from it the way start-up does.
struct StoreFolder {
    TempDataDir dir{false};
    std::unique_ptr<RecipeStore> store;

    RecipeStore &open()
    {
        store = std::make_unique<RecipeStore>(dir.path());
        store->openData();
        store->loadIndex();
        store->loadDeletedNames();
        return *store;
    }
    qint64 size(const QString &name) const { return dir.read(name).size(); }
};

inline NewRecipe sampleRecipe(const QByteArray &name, const QByteArray &author = "Anna")
{
    NewRecipe r;
    r.name = name;
    r.author = author;
    r.ingredients = "200 g flour\r\n2 eggs";
    r.preparation = "Mix " + name + ".\r\nBake.";
    r.dimension = "4";
    r.categories = "010000000000000000001";
    r.language = "English";
    r.own = true;
    return r;
}

// The 18 lines a record of this recipe carries in the index, CR LF after each.
inline QByteArray recordBytes(const NewRecipe &r, qint64 offset, qint64 pictureBytes)
{
    const qint64 ing = offset + r.preparation.size();
    const qint64 pic = ing + r.ingredients.size();
    const bool p = pictureBytes >= 0;
    const QList<QByteArray> lines = {r.name,
                                     r.author,
                                     r.dimension,
                                     r.categories,
                                     r.language,
                                     r.own ? "True" : "False",
                                     "",
                                     QByteArray::number(offset),
                                     QByteArray::number(r.preparation.size()),
                                     QByteArray::number(ing),
                                     QByteArray::number(r.ingredients.size()),
                                     p ? QByteArray::number(pic) : "-1",
                                     p ? QByteArray::number(pictureBytes / 256) : "-1",
                                     p ? QByteArray::number(pictureBytes % 256) : "-1",
                                     "-1",
                                     "-1",
                                     "False",
                                     "False"};
    QByteArray out;
    for (const QByteArray &line : lines)
        out += line + "\r\n";
    return out;
}

// Language texts whose line i reads "t<i>", from a file in the folder.
inline LanguageTexts numberedTexts(const TempDataDir &dir)
{
    QByteArray file;
    for (int i = 0; i < LanguageTexts::kCount; ++i)
        file += "t" + QByteArray::number(i) + "\r\n";
    dir.write("Numbered.txt", "\xEF\xBB\xBF" + file);
    LanguageTexts texts;
    texts.load(dir.file("Numbered.txt"));
    return texts;
}
