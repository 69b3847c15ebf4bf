#include "folders/FoldersTab.h"

#include "store/AppContext.h"

FoldersTab::FoldersTab(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("TntTabSheet10"));
}
void FoldersTab::ReloadFolderTree() {}

void FoldersTab::expandAll() {}

