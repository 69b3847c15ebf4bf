#include "planner/CalendarTab.h"

#include "store/AppContext.h"

CalendarTab::CalendarTab(AppContext &context, QWidget *parent) : QWidget(parent), m_context(context)
{
    setObjectName(QStringLiteral("TntTabSheet6"));
}
void CalendarTab::loadItems() {}

void CalendarTab::setMonth(const QDateTime &) {}

void CalendarTab::setDateStyle(int) {}

