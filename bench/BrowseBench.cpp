#include "app/Dizevadi.h"
#include "app/Program.h"
#include "bench/SyntheticStore.h"
#include "browse/SortedNameModel.h"
#include "common/HtmlView.h"
#include "store/AppContext.h"
#include "store/Categories.h"
#include "store/RecipePage.h"

#include <QApplication>
#include <QComboBox>
#include <QListView>
#include <QListWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWidget>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// Loading a page is the browser's business; here the view only takes the address.
class AddressOnlyView : public HtmlView {
public:
    AddressOnlyView(QWidget *parent, const QString &name) : m_widget(new QWidget(parent))
    {
        m_widget->setObjectName(name);
    }
    QWidget *widget() override { return m_widget; }
    void Navigate(const QString &address) override { m_last = address; }
    void Navigate2(const QString &path) override { m_last = path; }
    void GoBack() override {}
    void PrintPreview() override {}

private:
    QWidget *m_widget;
    QString m_last;
};

struct BrowseSetup {
    QTemporaryDir dir;
    std::unique_ptr<Program> program;
    QListWidget *values = nullptr;
    QComboBox *box = nullptr;
    QListView *list = nullptr;

    explicit BrowseSetup(int recipes)
    {
        const QString folder = dir.path() + QLatin1Char('/');
        writeSyntheticStore(folder, recipes);
        Platform platform;
        platform.programFolder = folder;
        platform.createHtmlView = [](QWidget *parent, const QString &name) -> HtmlView * {
            return new AddressOnlyView(parent, name);
        };
        platform.execModal = [](QDialog &) { return 0; };
        platform.showMessage = [](const QString &) {};
        platform.openUrl = [](const QUrl &) {};
        platform.now = [] { return QDateTime(QDate(2024, 3, 5), QTime(12, 0)); };
        platform.splashPauseMs = 0;
        program = std::make_unique<Program>(std::move(platform));
        TForm1 &main = program->mainWindow();
        main.pageControl()->setCurrentIndex(0);
        values = main.findChild<QListWidget *>(QStringLiteral("TntCheckListBox1"));
        box = main.findChild<QComboBox *>(QStringLiteral("TntComboBox1"));
        list = main.findChild<QListView *>(QStringLiteral("TntListBox1"));
        QApplication::processEvents();
    }
};

constexpr int kRecipes = 100000;

// A click on a value's box: the list refilled, sorted, laid out and painted, the first recipe shown.
void BM_ValueClick(benchmark::State &state)
{
    BrowseSetup s(kRecipes);
    QListWidgetItem *item = s.values->item(0);
    for (auto _ : state) {
        item->setCheckState(item->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        QApplication::processEvents();
    }
    state.counters["listed"] = double(s.list->model()->rowCount());
}
BENCHMARK(BM_ValueClick)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// Choosing another dimension: values refilled and ticked, then the same filter.
void BM_DimensionChoice(benchmark::State &state)
{
    BrowseSetup s(kRecipes);
    int position = 0;
    for (auto _ : state) {
        position = (position + 1) % 6;
        s.box->setCurrentIndex(position);
        Q_EMIT s.box->activated(position);
        QApplication::processEvents();
    }
    state.counters["listed"] = double(s.list->model()->rowCount());
}
BENCHMARK(BM_DimensionChoice)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The two pieces of a click that are not the list's own: the store's filter and the page display.
void BM_FilterAlone(benchmark::State &state)
{
    BrowseSetup s(kRecipes);
    const QByteArray bits(21, '1');
    for (auto _ : state)
        benchmark::DoNotOptimize(FilterRecipes(s.program->context().store, "4", bits, false));
}
BENCHMARK(BM_FilterAlone)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_SortAlone(benchmark::State &state)
{
    BrowseSetup s(kRecipes);
    const QList<QByteArray> names = FilterRecipes(s.program->context().store, "4", QByteArray(21, '1'), false);
    SortedNameModel model;
    for (auto _ : state)
        model.setNames(names);
    state.counters["names"] = double(names.size());
}
BENCHMARK(BM_SortAlone)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_ShowRecipeAlone(benchmark::State &state)
{
    BrowseSetup s(kRecipes);
    const QByteArray name = s.list->model()->index(0, 0).data().toString().toUtf8();
    for (auto _ : state)
        s.program->context().display.ShowRecipe(name, RecipeDisplay::CatalogueView);
}
BENCHMARK(BM_ShowRecipeAlone)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
