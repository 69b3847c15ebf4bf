#include "about/WCIU.h"

#include "store/AppContext.h"

TInfoForm::TInfoForm(AppContext &context, QWidget *parent) : QWidget(parent, Qt::Window), m_context(context)
{
    setObjectName(QStringLiteral("TInfoForm"));
    setWindowTitle(QStringLiteral("Info"));
    resize(309, 456);
}
