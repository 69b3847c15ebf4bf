#include "planner/DatePicker.h"

#include "common/Platform.h"
#include "store/AppContext.h"

#include <QCalendarWidget>
#include <QPushButton>
#include <QVBoxLayout>

TForm3::TForm3(AppContext &context, QWidget *parent)
    : QDialog(parent), TntMonthCalendar1(new QCalendarWidget(this)), TntBitBtn1(nullptr), m_context(context)
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("Date"));
    resize(486, 315);

    TntMonthCalendar1->setObjectName(QStringLiteral("TntMonthCalendar1"));
    TntMonthCalendar1->setFirstDayOfWeek(Qt::Monday);
    TntMonthCalendar1->setSelectedDate(m_context.platform.now().date());

    auto *strip = new QWidget(this);
    strip->setFixedHeight(33);
    TntBitBtn1 = new QPushButton(QStringLiteral("Save"), strip);
    TntBitBtn1->setObjectName(QStringLiteral("TntBitBtn1"));
    TntBitBtn1->setGeometry(13, 4, 68, 26);
    TntBitBtn1->setDefault(true);
    connect(TntBitBtn1, &QPushButton::clicked, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TntMonthCalendar1, 1);
    layout->addWidget(strip);
}

QDate TForm3::selectedDate() const
{
    return TntMonthCalendar1->selectedDate();
}

void TForm3::centreOn(const QWidget &window)
{
    const QRect frame = window.frameGeometry();
    move(frame.center() - QPoint(width() / 2, height() / 2));
}
