#include "planner/RumaCalendar.h"

#include <QPixmap>
#include <benchmark/benchmark.h>

namespace {

// A busy month: 5,000 planned dishes spread over March 2024, at the tab's usual size.
void setUp(TRumaCalendar &calendar, int items)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    calendar.setFont(font);
    calendar.resize(875, 397);
    calendar.setMonth(QDateTime(QDate(2024, 3, 1), QTime(0, 0)));
    calendar.setDayBackgroundColor(TRumaCalendar::colourFromPacked(16316664));
    calendar.setItemColor(QColor(255, 251, 240));
    QList<QByteArray> lines;
    lines.reserve(items * 3);
    for (int i = 0; i < items; ++i)
        lines << QByteArray::number(45352 + i % 31) << "Gericht Nummer " + QByteArray::number(i)
              << QByteArray();
    calendar.setItems(lines);
}

void BM_PaintMonth(benchmark::State &state)
{
    TRumaCalendar calendar;
    setUp(calendar, int(state.range(0)));
    QPixmap target(calendar.size());
    for (auto _ : state) {
        calendar.render(&target);
        benchmark::DoNotOptimize(target);
    }
}
BENCHMARK(BM_PaintMonth)->Arg(5000)->Unit(benchmark::kMillisecond);

void BM_HitTest(benchmark::State &state)
{
    TRumaCalendar calendar;
    setUp(calendar, int(state.range(0)));
    QPixmap target(calendar.size());
    calendar.render(&target); // the item height comes from a paint
    int x = 0;
    for (auto _ : state) {
        x = (x + 37) % 875;
        benchmark::DoNotOptimize(calendar.GetItemAtPos(x, 250));
    }
}
BENCHMARK(BM_HitTest)->Arg(5000)->Unit(benchmark::kMicrosecond);

void BM_SetItems(benchmark::State &state)
{
    TRumaCalendar calendar;
    setUp(calendar, int(state.range(0)));
    const QList<QByteArray> lines = calendar.items();
    for (auto _ : state)
        calendar.setItems(lines);
}
BENCHMARK(BM_SetItems)->Arg(5000)->Unit(benchmark::kMicrosecond);

} // namespace
