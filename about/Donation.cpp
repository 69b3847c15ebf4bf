#include "about/Donation.h"

#include "store/AppContext.h"

TForm14::TForm14(AppContext &context, QWidget *parent) : QWidget(parent, Qt::Window), m_context(context)
{
    setObjectName(QStringLiteral("TForm14"));
    setWindowTitle(QStringLiteral("Donation"));
    resize(390, 204);
}
