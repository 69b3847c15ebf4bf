#pragma once

#include <QDate>
#include <QDialog>

struct AppContext;
class QCalendarWidget;
class QPushButton;

// The date dialog: a month calendar and a button; closing it in any way confirms the day shown.
class TForm3 : public QDialog {
    Q_OBJECT
public:
    explicit TForm3(AppContext &context, QWidget *parent = nullptr);

    QDate selectedDate() const; // the whole day chosen; it stays chosen for the next use
    void centreOn(const QWidget &window);

private:
    QCalendarWidget *TntMonthCalendar1;
    QPushButton *TntBitBtn1;
    AppContext &m_context;
};
