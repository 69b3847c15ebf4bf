#include "browse/RecipeTabs.h"

#include "browse/ToolIcons.h"
#include "store/AppContext.h"
#include "store/Categories.h"
#include "store/Database.h"
#include "store/Favourites.h"
#include "store/RecipePage.h"

#include <QAction>
#include <QComboBox>
#include <QToolButton>

namespace {

const RecipeBrowserNames kCatalogueNames = {"TntTabSheet1",    "Panel2",        "TntComboBox1",
                                            "SpeedButton1",    "TntCheckListBox1", "TntListBox1",
                                            "TntPopupMenu4",   "EmbeddedWB1",   "StatusBar1"};
const RecipeBrowserNames kOwnNames = {"TntTabSheet8",  "Panel11",     "TntComboBox4",
                                      "SpeedButton3",  "TntCheckListBox4", "TntListBox2",
                                      "TntPopupMenu5", "EmbeddedWB3", "StatusBar2"};

QByteArray dimensionText(int position) { return QByteArray::number(position + 1); }

} // namespace

CatalogueTab::CatalogueTab(AppContext &context, QWidget *parent)
    : RecipeBrowserTab(context, parent, kCatalogueNames, RecipeDisplay::CatalogueView)
{
    connect(addToolButton("ML2", ToolIcon::Favourite, "Favoriten"), &QToolButton::clicked, this,
            &CatalogueTab::ML2Click);
    connect(addToolButton("TntToolButton3", ToolIcon::ShoppingList, "Einkaufsliste"), &QToolButton::clicked, this,
            &CatalogueTab::TntToolButton3Click);
    connect(addToolButton("TntButton70", ToolIcon::Calendar, "Kalender"), &QToolButton::clicked, this,
            &CatalogueTab::TntButton70Click);
    connect(addToolButton("TntToolButton4", ToolIcon::AuthorSearch, "Mehr Rezepte dieses Autors"),
            &QToolButton::clicked, this, &CatalogueTab::TntToolButton4Click);
    connect(addToolButton("TntToolButton1", ToolIcon::Search, "Suchen"), &QToolButton::clicked, this,
            &CatalogueTab::TntToolButton1Click);
    connect(addToolButton("TntToolButton52", ToolIcon::Print, "Drucken"), &QToolButton::clicked, this,
            &CatalogueTab::TntToolButton52Click);
    connect(addToolButton("TntToolButton45", ToolIcon::Delete, "Löschen"), &QToolButton::clicked, this,
            [this] { reporting([this] { TntToolButton45Click(); }); });

    connect(addPopupEntry("Favoriten1", "Favoriten"), &QAction::triggered, this, &CatalogueTab::ML2Click);
    connect(addPopupEntry("Einkaufsliste1", "Einkaufsliste"), &QAction::triggered, this,
            &CatalogueTab::TntToolButton3Click);
    connect(addPopupEntry("Calender1", "Kalender"), &QAction::triggered, this, &CatalogueTab::TntButton70Click);
    connect(addPopupEntry("Drucken1", "Drucken"), &QAction::triggered, this, &CatalogueTab::TntToolButton52Click);
    connect(addPopupEntry("InEditorladen1", "In Editor laden"), &QAction::triggered, this,
            &CatalogueTab::InEditorladen1Click);
}

void CatalogueTab::TntComboBox1Change() { dimensionChange(); }

void CatalogueTab::TntToolButton45Click() { deleteSelectedRecipe(); }

QList<QByteArray> CatalogueTab::filteredNames() const
{
    return FilterRecipes(m_context.store, dimensionText(dimensionPosition()), categoryBitString(), false);
}

void CatalogueTab::openRecipe(QByteArrayView name)
{
    const std::optional<int> record = m_context.store.findFirst(name);
    if (!record)
        return;
    bool isNumber = false;
    const int dimension = m_context.store.line(*record, FieldDimension).toByteArray().toInt(&isNumber);
    // A recipe filed under no known dimension leaves the box without an entry and the lists empty.
    const bool known = isNumber && dimension >= 1 && dimension <= m_dimensionBox->count();
    m_dimensionBox->setCurrentIndex(known ? dimension - 1 : -1);
    TntComboBox1Change();
    m_context.display.ShowRecipe(name, RecipeDisplay::CatalogueView);
    selectEntry(name);
}

OwnRecipesTab::OwnRecipesTab(AppContext &context, QWidget *parent)
    : RecipeBrowserTab(context, parent, kOwnNames, RecipeDisplay::OwnView)
{
    connect(addToolButton("ML1", ToolIcon::Favourite, "Favoriten"), &QToolButton::clicked, this,
            &OwnRecipesTab::ML1Click);
    connect(addToolButton("TntToolButton9", ToolIcon::ShoppingList, "Einkaufsliste"), &QToolButton::clicked, this,
            &OwnRecipesTab::TntToolButton9Click);
    connect(addToolButton("TntToolButton7", ToolIcon::Calendar, "Kalender"), &QToolButton::clicked, this,
            &OwnRecipesTab::TntToolButton7Click);
    connect(addToolButton("TntToolButton8", ToolIcon::AuthorSearch, "Mehr Rezepte dieses Autors"),
            &QToolButton::clicked, this, &OwnRecipesTab::TntToolButton8Click);
    connect(addToolButton("TntToolButton6", ToolIcon::Search, "Suchen"), &QToolButton::clicked, this,
            &OwnRecipesTab::TntToolButton1Click);
    connect(addToolButton("TntToolButton10", ToolIcon::Print, "Drucken"), &QToolButton::clicked, this,
            &OwnRecipesTab::TntToolButton10Click);
    connect(addToolButton("TntToolButton14", ToolIcon::Delete, "Löschen"), &QToolButton::clicked, this,
            [this] { reporting([this] { TntToolButton14Click(); }); });

    connect(addPopupEntry("Favoriten2", "Favoriten"), &QAction::triggered, this, &OwnRecipesTab::ML1Click);
    connect(addPopupEntry("Einkaufsliste2", "Einkaufsliste"), &QAction::triggered, this,
            &OwnRecipesTab::TntToolButton9Click);
    connect(addPopupEntry("Calender2", "Kalender"), &QAction::triggered, this, &OwnRecipesTab::TntToolButton7Click);
    connect(addPopupEntry("Drucken2", "Drucken"), &QAction::triggered, this, &OwnRecipesTab::TntToolButton10Click);
    connect(addPopupEntry("InEditorladen2", "In Editor laden"), &QAction::triggered, this,
            &OwnRecipesTab::InEditorladen2Click);
}

void OwnRecipesTab::TntComboBox4Change() { dimensionChange(); }

void OwnRecipesTab::TntToolButton14Click()
{
    if (!onFavourites()) {
        deleteSelectedRecipe();
        return;
    }
    // On the favourites entry only the favourite goes; the recipe stays in the store.
    if (const std::optional<QByteArray> name = selectedName())
        m_context.favourites.remove(*name);
    m_context.favourites.save();
    removeSelectedEntry();
    Q_EMIT favouritesChanged();
}

QList<QByteArray> OwnRecipesTab::filteredNames() const
{
    if (onFavourites())
        return m_context.favourites.names();
    return FilterRecipes(m_context.store, dimensionText(dimensionPosition()), categoryBitString(), true);
}
