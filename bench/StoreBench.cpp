#include "bench/SyntheticStore.h"
#include "common/FileIO.h"
#include "common/LanguageTexts.h"
#include "store/Categories.h"
#include "store/Database.h"
#include "store/RecipePage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <map>
#include <memory>

namespace {

qint64 heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

// One synthetic data folder per size, written once; benchmarks that change a store copy it.
const QString &syntheticFolder(int recipes)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> folders;
    auto &dir = folders[recipes];
    if (!dir) {
        dir = std::make_unique<QTemporaryDir>();
        writeSyntheticStore(dir->path() + QLatin1Char('/'), recipes);
    }
    static std::map<int, QString> paths;
    return paths[recipes] = dir->path() + QLatin1Char('/');
}

std::unique_ptr<RecipeStore> loadStore(const QString &dir)
{
    auto store = std::make_unique<RecipeStore>(dir);
    store->openData();
    store->loadIndex();
    store->loadDeletedNames();
    return store;
}

void copyFolder(const QString &from, const QString &to)
{
    for (const QString &name : QDir(from).entryList(QDir::Files))
        QFile::copy(from + name, to + name);
}

void LoadStore(benchmark::State &state)
{
    const QString &dir = syntheticFolder(int(state.range(0)));
    const qint64 indexBytes = QFileInfo(dir + QStringLiteral("RezList.dat")).size();
    qint64 held = 0;
    for (auto _ : state) {
        const qint64 before = heapInUse();
        auto store = loadStore(dir);
        held = heapInUse() - before;
        benchmark::DoNotOptimize(store->recordCount());
        state.PauseTiming();
        store.reset();
        state.ResumeTiming();
    }
    state.counters["index_memory_x_file"] = double(held) / double(indexBytes);
    state.counters["index_MB"] = double(indexBytes) / 1e6;
}
BENCHMARK(LoadStore)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void AddRecipe(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QLatin1Char('/');
    copyFolder(syntheticFolder(int(state.range(0))), path);
    auto store = loadStore(path);
    NewRecipe recipe;
    recipe.preparation = QByteArray(4000, 'p');
    recipe.ingredients = QByteArray(1000, 'i');
    recipe.author = "Bench";
    recipe.dimension = "4";
    recipe.categories = "010000000000000000001";
    recipe.language = "English";
    int n = 0;
    for (auto _ : state) {
        recipe.name = "Added recipe " + QByteArray::number(n++);
        store->addRecipe(recipe);
    }
}
BENCHMARK(AddRecipe)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void LookupByName(benchmark::State &state)
{
    const int recipes = int(state.range(0));
    auto store = loadStore(syntheticFolder(recipes));
    QList<QByteArray> names;
    for (int i = 0; i < 1000; ++i)
        names.append(store->line(int((qint64(i) * 7919) % recipes), FieldName).toByteArray());
    names.append("not in the store");
    qsizetype i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(store->findFirst(names[i]));
        benchmark::DoNotOptimize(store->readAuthor(names[i]));
        i = (i + 1) % names.size();
    }
}
BENCHMARK(LookupByName)->Arg(1000)->Arg(10000)->Arg(100000);

void FilterRecipesBench(benchmark::State &state)
{
    auto store = loadStore(syntheticFolder(int(state.range(0))));
    const QByteArray all(21, '1');
    for (auto _ : state)
        benchmark::DoNotOptimize(FilterRecipes(*store, "4", all, false));
}
BENCHMARK(FilterRecipesBench)
    ->Name("FilterRecipes")
    ->Arg(1000)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond);

// A recipe of about 5 KB text with a 50 KB picture, shown as the catalogue tab does.
void ShowRecipeBench(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString path = dir.path() + QLatin1Char('/');
    auto store = loadStore(path);
    NewRecipe recipe;
    recipe.name = "Shown";
    recipe.author = "Bench";
    for (int i = 0; i < 100; ++i)
        recipe.preparation += "Stir the onions and the garlic gently.\r\n";
    for (int i = 0; i < 40; ++i)
        recipe.ingredients += "200 g flour\r\n";
    recipe.dimension = "4";
    recipe.hasPicture = true;
    writePlainFile(path + QStringLiteral("temp2.jpg"), QByteArray(50 * 1024, 'J'));
    store->addRecipe(recipe);
    LanguageTexts texts;
    RecipeDisplay display(*store, texts);
    display.setFontSource([] { return RecipePageFont{QStringLiteral("Arial"), QStringLiteral("3")}; });
    for (auto _ : state)
        benchmark::DoNotOptimize(display.ShowRecipe("Shown", 0));
}
BENCHMARK(ShowRecipeBench)->Name("ShowRecipe")->Unit(benchmark::kMillisecond);

// What the atomic replace would cost for the same two files.
void ShowRecipeFilesAtomic(benchmark::State &state)
{
    QTemporaryDir dir;
    const QByteArray page(6000, 'h'), picture(50 * 1024, 'J');
    for (auto _ : state) {
        writeFileAtomically(dir.path() + QStringLiteral("/temp.jpg"), picture);
        writeFileAtomically(dir.path() + QStringLiteral("/Rezept.htm"), page);
    }
}
BENCHMARK(ShowRecipeFilesAtomic)->Unit(benchmark::kMillisecond);

} // namespace
