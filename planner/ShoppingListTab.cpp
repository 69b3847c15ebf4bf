#include "planner/ShoppingListTab.h"

#include "store/AppContext.h"

ShoppingListTab::ShoppingListTab(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("TntTabSheet4"));
}
void ShoppingListTab::loadList() {}

