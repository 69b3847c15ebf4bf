#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QWidget>

#include <optional>

struct AppContext;
class HtmlView;

// The "Rezepte" tab: every recipe of the store, filtered by category.
// The signals named after handlers fire from the tool button and from its popup entry alike;
// TForm1 connects them to the subsystem that does the work.
class CatalogueTab : public QWidget {
    Q_OBJECT
public:
    explicit CatalogueTab(AppContext &context, QWidget *parent = nullptr);

    void TntComboBox1Change(); // refill the value list for the chosen dimension, then filter
    void refreshList();        // RefreshRecipeLists: the list again, selection and page left alone

    std::optional<QByteArray> selectedName() const; // the selected entry, UTF-8
    void setNames(const QList<QByteArray> &names);  // the whole content of TntListBox1 (search results)
    HtmlView *view() const;                         // EmbeddedWB1

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

private:
    AppContext &m_context;
};

// The "Eigene Rezepte" tab: own recipes, or the favourites.
class OwnRecipesTab : public QWidget {
    Q_OBJECT
public:
    explicit OwnRecipesTab(AppContext &context, QWidget *parent = nullptr);

    void TntComboBox4Change(); // refill the value list for the chosen dimension, then filter
    void refreshList();        // RefreshRecipeLists: the list again, selection and page left alone

    std::optional<QByteArray> selectedName() const;
    HtmlView *view() const; // EmbeddedWB3

Q_SIGNALS:
    void ML1Click();
    void TntToolButton9Click();
    void TntToolButton7Click();
    void TntToolButton8Click();
    void TntToolButton1Click(); // TntToolButton6 runs the same handler as on the "Rezepte" tab
    void TntToolButton10Click();
    void InEditorladen2Click();
    void favouritesChanged(); // a favourite was removed here; the folder tree must be rebuilt

private:
    AppContext &m_context;
};
