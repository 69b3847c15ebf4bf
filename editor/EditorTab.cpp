#include "editor/EditorTab.h"

#include "store/AppContext.h"

#include <QComboBox>

EditorTab::EditorTab(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    (new QComboBox(this))->setObjectName(QStringLiteral("TntComboBox3"));
    setObjectName(QStringLiteral("TntTabSheet5"));
}
void EditorTab::TntComboBox2Change() {}

