#include "browse/RecipeTabs.h"

#include "store/AppContext.h"

CatalogueTab::CatalogueTab(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("TntTabSheet1"));
}

OwnRecipesTab::OwnRecipesTab(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("TntTabSheet8"));
}
void CatalogueTab::TntComboBox1Change() {}

void CatalogueTab::refreshList() {}

void OwnRecipesTab::TntComboBox4Change() {}

void OwnRecipesTab::refreshList() {}

