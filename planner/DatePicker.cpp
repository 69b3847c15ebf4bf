#include "planner/DatePicker.h"

#include "store/AppContext.h"

TForm3::TForm3(AppContext &context, QWidget *parent) : QDialog(parent), m_context(context)
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("Date"));
    resize(486, 315);
}
