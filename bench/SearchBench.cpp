#include "bench/SyntheticStore.h"
#include "store/Database.h"
#include "store/RecipeSearch.h"

#include <QElapsedTimer>
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

struct Loaded {
    QTemporaryDir dir;
    std::unique_ptr<RecipeStore> store;
    std::unique_ptr<RecipeSearch> search;
    qint64 textBytes = 0; // names, authors and both texts as stored
    qint64 searchHeap = 0;
    double prepareMs = 0;
};

Loaded &loaded(int recipes)
{
    static std::map<int, std::unique_ptr<Loaded>> stores;
    auto &l = stores[recipes];
    if (!l) {
        l = std::make_unique<Loaded>();
        const QString path = l->dir.path() + QLatin1Char('/');
        writeSyntheticStore(path, recipes);
        l->store = std::make_unique<RecipeStore>(path);
        l->store->openData();
        l->store->loadIndex();
        for (int r = 0; r < l->store->recordCount(); ++r)
            l->textBytes += l->store->line(r, FieldName).size() + l->store->line(r, FieldAuthor).size() +
                            l->store->numberField(r, FieldIngredientsLength) +
                            l->store->numberField(r, FieldPreparationLength);
        const qint64 before = heapInUse();
        l->search = std::make_unique<RecipeSearch>(*l->store);
        QElapsedTimer timer;
        timer.start();
        l->search->SearchRecipes("warm", 2, "0");
        l->prepareMs = double(timer.nsecsElapsed()) / 1e6;
        l->searchHeap = heapInUse() - before;
    }
    return *l;
}

void search(benchmark::State &state, int mode, const char *dimension)
{
    Loaded &l = loaded(int(state.range(0)));
    const QByteArray needles[] = {"simmer", "k\xC3\xA4se", "onion garlic", "qqqq", "e"};
    qsizetype found = 0;
    int i = 0;
    for (auto _ : state) {
        found = l.search->SearchRecipes(needles[i], mode, dimension).size();
        benchmark::DoNotOptimize(found);
        i = (i + 1) % int(std::size(needles));
    }
    state.counters["search_memory_x_texts"] = double(l.searchHeap) / double(l.textBytes);
    state.counters["texts_MB"] = double(l.textBytes) / 1e6;
    state.counters["first_search_ms"] = l.prepareMs;
}

void SearchMode0(benchmark::State &state) { search(state, 0, "0"); }
void SearchMode1(benchmark::State &state) { search(state, 1, "0"); }
void SearchMode2(benchmark::State &state) { search(state, 2, "0"); }
void SearchMode2Dimension3(benchmark::State &state) { search(state, 2, "3"); }

BENCHMARK(SearchMode0)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchMode1)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchMode2)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(SearchMode2Dimension3)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace
