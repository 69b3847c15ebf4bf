#pragma once

#include <QWidget>

struct AppContext;

// The "Rezepte" tab: every recipe of the store, filtered by category.
class CatalogueTab : public QWidget {
    Q_OBJECT
public:
    explicit CatalogueTab(AppContext &context, QWidget *parent = nullptr);

    void TntComboBox1Change(); // refill the value list for the chosen dimension, then filter
    void refreshList(); // RefreshRecipeLists: the list again, selection and page left alone

private:
    AppContext &m_context;
};

// The "Eigene Rezepte" tab: own recipes or the favourites.
class OwnRecipesTab : public QWidget {
    Q_OBJECT
public:
    explicit OwnRecipesTab(AppContext &context, QWidget *parent = nullptr);

    void TntComboBox4Change(); // refill the value list for the chosen dimension, then filter
    void refreshList(); // RefreshRecipeLists: the list again, selection and page left alone

private:
    AppContext &m_context;
};
