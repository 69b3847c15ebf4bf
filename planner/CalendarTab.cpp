#include "planner/CalendarTab.h"

#include "common/FileIO.h"
#include "common/TextLines.h"
#include "planner/DatePicker.h"
#include "planner/PlannerIcons.h"
#include "common/ErrorReport.h"
#include "planner/RumaCalendar.h"
#include "store/AppContext.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kCalendarFile = QStringLiteral("Cal.dat");

void setUpColours(TRumaCalendar &calendar)
{
    calendar.setColor(TRumaCalendar::colourFromPacked(15461355));
    calendar.setTodayFontColor(Qt::black);
    calendar.setSundayFontColor(TRumaCalendar::colourFromPacked(33012));
    calendar.setGeneralFontColor(Qt::black);
    calendar.setTodayMarginColor(QColor(0, 0, 128));
    calendar.setSundayMarginColor(QColor(128, 128, 128));
    calendar.setWeekdayMaringColor(Qt::black);
    calendar.setDayBackgroundColor(TRumaCalendar::colourFromPacked(16316664));
    calendar.setDayBackgroundColor2(TRumaCalendar::colourFromPacked(13556206));
    calendar.setItemColor(QColor(255, 251, 240));
    calendar.setItemMarginColor(TRumaCalendar::colourFromPacked(6316128));
    calendar.setDateStyle(0);
    calendar.setTextAlignment(TRumaCalendar::Alignment::Left);
}

} // namespace

CalendarTab::CalendarTab(AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context), TntToolButton2(new QToolButton),
      RumaCalendar1(new TRumaCalendar(this)), TntPopupMenu1(new QMenu(this)),
      Delete1(new QAction(QStringLiteral("Delete"), TntPopupMenu1))
{
    setObjectName(QStringLiteral("TntTabSheet6"));

    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("calendarToolBar"));
    toolBar->setIconSize(QSize(24, 24));
    toolBar->setMovable(false);
    TntToolButton2->setObjectName(QStringLiteral("TntToolButton2"));
    TntToolButton2->setText(QStringLiteral("Date"));
    TntToolButton2->setIcon(calendarIcon());
    TntToolButton2->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    TntToolButton2->setAutoRaise(true);
    TntToolButton2->setMinimumSize(41, 31);
    toolBar->addWidget(TntToolButton2);

    RumaCalendar1->setObjectName(QStringLiteral("RumaCalendar1"));
    const Platform &platform = m_context.platform;
    const auto now = [&platform] { return platform.now ? platform.now() : QDateTime::currentDateTime(); };
    RumaCalendar1->setNow(now);
    RumaCalendar1->setMonth(now());
    setUpColours(*RumaCalendar1);

    TntPopupMenu1->setObjectName(QStringLiteral("TntPopupMenu1"));
    Delete1->setObjectName(QStringLiteral("Delete1"));
    TntPopupMenu1->addAction(Delete1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(RumaCalendar1, 1);

    auto guarded = [&platform](auto handler) {
        return [&platform, handler] { runReportingErrors(platform, handler); };
    };
    connect(TntToolButton2, &QToolButton::clicked, this, guarded([this] { TntToolButton2Click(); }));
    connect(Delete1, &QAction::triggered, this, guarded([this] { Delete1Click(); }));
    connect(RumaCalendar1, &TRumaCalendar::OnMouseUp, this,
            [this, &platform](Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pos) {
                runReportingErrors(platform, [&] { RumaCalendar1MouseUp(button, modifiers, pos); });
            });
    connect(RumaCalendar1, &TRumaCalendar::OnDblCalendar, this,
            [this, &platform](bool item, QDate date, int index) {
                runReportingErrors(platform, [&] { RumaCalendar1DblCalendar(item, date, index); });
            });
}

void CalendarTab::loadItems()
{
    if (const std::optional<QByteArray> bytes = readFileIfExists(m_context.dataDir + kCalendarFile))
        RumaCalendar1->setItems(splitLines(*bytes));
}

void CalendarTab::setMonth(const QDateTime &month)
{
    RumaCalendar1->setMonth(month);
}

void CalendarTab::setDateStyle(int style)
{
    RumaCalendar1->setDateStyle(style);
}

void CalendarTab::setDateDialog(TForm3 &dialog)
{
    m_dateDialog = &dialog;
}

QDate CalendarTab::askDate()
{
    if (!m_dateDialog)
        throw Error(QStringLiteral("The date dialog is missing."));
    m_dateDialog->centreOn(*window());
    // There is no cancel: however the dialog is closed, the day it shows is the answer.
    m_context.platform.execModal(*m_dateDialog);
    return m_dateDialog->selectedDate();
}

void CalendarTab::writeItems()
{
    writeFileAtomically(m_context.dataDir + kCalendarFile, joinLinesCrLf(RumaCalendar1->items()));
}

void CalendarTab::planDish(QByteArrayView name)
{
    const QDate date = askDate();
    QList<QByteArray> items = RumaCalendar1->items();
    items << QByteArray::number(dayNumberOf(date)) << name.toByteArray() << QByteArray();
    RumaCalendar1->setItems(std::move(items));
    writeItems();
}

void CalendarTab::TntToolButton2Click()
{
    RumaCalendar1->setMonth(QDateTime(askDate(), QTime(0, 0)));
}

void CalendarTab::RumaCalendar1MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers, QPoint pos)
{
    if (button != Qt::RightButton)
        return;
    m_calendarMenuIndex = RumaCalendar1->GetItemAtPos(pos.x(), pos.y());
    if (m_calendarMenuIndex != -1)
        TntPopupMenu1->popup(RumaCalendar1->mapToGlobal(pos));
}

void CalendarTab::Delete1Click()
{
    QList<QByteArray> items = RumaCalendar1->items();
    if (m_calendarMenuIndex < 0 || m_calendarMenuIndex >= items.size())
        return;
    items.remove(m_calendarMenuIndex, std::min<qsizetype>(3, items.size() - m_calendarMenuIndex));
    RumaCalendar1->setItems(std::move(items));
    writeItems();
}

void CalendarTab::RumaCalendar1DblCalendar(bool item, QDate, int index)
{
    const QList<QByteArray> &items = RumaCalendar1->items();
    if (!item || index < 0 || index + 1 >= items.size())
        return;
    emit openRecipeRequested(items[index + 1]);
}
