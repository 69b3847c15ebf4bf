#include "online/UploadTab.h"

#include "store/AppContext.h"

UploadTab::UploadTab(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("TntTabSheet3"));
}
