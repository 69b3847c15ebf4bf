#pragma once

#include "browse/RecipeBrowserTab.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

#include <optional>

struct AppContext;
class HtmlView;

// The "Rezepte" tab: every recipe of the store, filtered by category.
// The signals named after handlers fire from the tool button and from its popup entry alike;
// TForm1 connects them to the subsystem that does the work.
// selectedName(), view(), setNames() and refreshList() come from RecipeBrowserTab.
class CatalogueTab : public RecipeBrowserTab {
    Q_OBJECT
public:
    explicit CatalogueTab(AppContext &context, QWidget *parent = nullptr);

    void TntComboBox1Change();    // refill the value list for the chosen dimension, then filter
    void TntToolButton45Click();  // delete the selected recipe

    // Shows the recipe here with its dimension chosen in TntComboBox1; the recipe stays on display.
    void openRecipe(QByteArrayView name);

Q_SIGNALS:
    void ML2Click();             // add to the favourites
    void TntToolButton3Click();  // ingredients to the shopping list
    void TntButton70Click();     // put on the dish calendar
    void TntToolButton4Click();  // more recipes of the shown recipe's author
    void TntToolButton1Click();  // bring up the search dialog
    void TntToolButton52Click(); // print
    void InEditorladen1Click();  // load into the editor

protected:
    QList<QByteArray> filteredNames() const override;
};

// The "Eigene Rezepte" tab: own recipes, or the favourites.
class OwnRecipesTab : public RecipeBrowserTab {
    Q_OBJECT
public:
    explicit OwnRecipesTab(AppContext &context, QWidget *parent = nullptr);

    static constexpr int kFavouritesPosition = 6; // the favourites entry of TntComboBox4

    void TntComboBox4Change(); // refill the value list for the chosen dimension, then filter
    void TntToolButton14Click(); // delete the recipe, or on the favourites entry the favourite

Q_SIGNALS:
    void ML1Click();
    void TntToolButton9Click();
    void TntToolButton7Click();
    void TntToolButton8Click();
    void TntToolButton1Click(); // TntToolButton6 runs the same handler as on the "Rezepte" tab
    void TntToolButton10Click();
    void InEditorladen2Click();
    void favouritesChanged(); // a favourite was removed here; the folder tree must be rebuilt

protected:
    QList<QByteArray> filteredNames() const override;

private:
    bool onFavourites() const { return dimensionPosition() >= kFavouritesPosition; }
};
