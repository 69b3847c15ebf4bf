#include "browse/RecipeTabs.h"

#include "store/AppContext.h"

CatalogueTab::CatalogueTab(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("TntTabSheet1"));
}

void CatalogueTab::TntComboBox1Change() {}

void CatalogueTab::refreshList() {}

std::optional<QByteArray> CatalogueTab::selectedName() const { return std::nullopt; }

void CatalogueTab::setNames(const QList<QByteArray> &) {}

HtmlView *CatalogueTab::view() const { return nullptr; }

void CatalogueTab::openRecipe(QByteArrayView) {}

OwnRecipesTab::OwnRecipesTab(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("TntTabSheet8"));
}

void OwnRecipesTab::TntComboBox4Change() {}

void OwnRecipesTab::refreshList() {}

std::optional<QByteArray> OwnRecipesTab::selectedName() const { return std::nullopt; }

HtmlView *OwnRecipesTab::view() const { return nullptr; }
