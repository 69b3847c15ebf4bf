#include "online/CommunityTab.h"

#include "store/AppContext.h"

CommunityTab::CommunityTab(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("TntTabSheet2"));
}
