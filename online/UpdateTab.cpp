#include "online/UpdateTab.h"

#include "store/AppContext.h"

#include <QComboBox>

UpdateTab::UpdateTab(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    (new QComboBox(this))->setObjectName(QStringLiteral("TntComboBox6"));
    setObjectName(QStringLiteral("TntTabSheet7"));
}
void UpdateTab::TntComboBox5Change() {}

