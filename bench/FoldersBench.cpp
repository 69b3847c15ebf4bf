#include "bench/BlankView.h"
#include "app/Dizevadi.h"
#include "app/Program.h"
#include "common/HtmlView.h"

#include <QDialog>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

void writeLines(const QString &path, int count, const char *pattern)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += QByteArray(pattern).replace("%1", QByteArray::number(i % 100)).replace("%2", QByteArray::number(i)) +
                 "\r\n";
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// 5,000 folder lines (100 folders with sub-folders and entries) and 2,000 favourites, all open.
void BM_ReloadFolderTree(benchmark::State &state)
{
    QTemporaryDir dir;
    const QString data = dir.path() + QLatin1Char('/');
    writeLines(data + QStringLiteral("Folderlist.dat"), 5000, "Folder %1\\Group %2\\Recipe number %2");
    writeLines(data + QStringLiteral("Mlist.dat"), 2000, "Favourite recipe %2");

    Platform platform;
    platform.programFolder = data;
    platform.createHtmlView = [](QWidget *parent, const QString &name) -> HtmlView * {
        return new BlankView(parent, name);
    };
    platform.execModal = [](QDialog &) { return int(QDialog::Rejected); };
    platform.showMessage = [](const QString &) {};
    platform.openUrl = [](const QUrl &) {};
    platform.now = [] { return QDateTime::currentDateTime(); };
    platform.splashPauseMs = 0;
    Program program(platform);
    TForm1 &main = program.mainWindow();
    auto *tree = main.findChild<QTreeWidget *>(QStringLiteral("TntTreeView1"));
    main.expandFolderTree();

    for (auto _ : state) {
        main.ReloadFolderTree();
        benchmark::DoNotOptimize(tree->topLevelItem(0));
    }
    state.counters["nodes"] = double(tree->topLevelItem(0)->childCount());
}
BENCHMARK(BM_ReloadFolderTree)->Unit(benchmark::kMillisecond)->MinTime(2.0);

} // namespace
