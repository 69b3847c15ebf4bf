#include "print/Printer.h"

#include "store/AppContext.h"

TForm4::TForm4(AppContext &context, QWidget *parent) : QWidget(parent, Qt::Window), m_context(context)
{
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Print"));
    resize(647, 421);
}

void TForm4::showPage(const QString &) {}
