#pragma once

#include <QDateTime>
#include <QWidget>

struct AppContext;

// The "Kalender" tab: the dish calendar.
class CalendarTab : public QWidget {
    Q_OBJECT
public:
    explicit CalendarTab(AppContext &context, QWidget *parent = nullptr);

    void loadItems(); // "Cal.dat" into the calendar's items
    void setMonth(const QDateTime &month);
    void setDateStyle(int style);

private:
    AppContext &m_context;
};
