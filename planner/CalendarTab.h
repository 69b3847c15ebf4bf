#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QWidget>

struct AppContext;
class QAction;
class QMenu;
class QToolButton;
class TForm3;
class TRumaCalendar;

// The "Kalender" tab: the dish calendar. Its items are "Cal.dat", three lines per planned dish.
class CalendarTab : public QWidget {
    Q_OBJECT
public:
    explicit CalendarTab(AppContext &context, QWidget *parent = nullptr);

    void loadItems(); // "Cal.dat" into the calendar's items
    void setMonth(const QDateTime &month);
    void setDateStyle(int style);
    void setDateDialog(TForm3 &dialog);

    // Puts the recipe on the day chosen in the date dialog and writes "Cal.dat".
    void planDish(QByteArrayView name);

    TRumaCalendar *calendar() const { return RumaCalendar1; }
    int CalendarMenuIndex() const { return m_calendarMenuIndex; }

    void TntToolButton2Click();
    void RumaCalendar1MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos);
    void Delete1Click();
    void RumaCalendar1DblCalendar(bool item, QDate date, int index);

Q_SIGNALS:
    void openRecipeRequested(QByteArray name); // a planned dish was double-clicked

private:
    QDate askDate();
    void writeItems();

    AppContext &m_context;
    TForm3 *m_dateDialog = nullptr;
    QToolButton *TntToolButton2;
    TRumaCalendar *RumaCalendar1;
    QMenu *TntPopupMenu1;
    QAction *Delete1;
    int m_calendarMenuIndex = -1;
};
