#include "bench/BlankView.h"
#include "app/Dizevadi.h"
#include "app/Program.h"
#include "bench/SyntheticStore.h"
#include "common/HtmlView.h"
#include "common/TextLines.h"
#include "online/UpdateTab.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTreeWidget>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

// Python's http.server over a folder on 127.0.0.1.
class LocalServer {
public:
    explicit LocalServer(const QString &folder)
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        m_port = probe.serverPort();
        probe.close();
        // Its request log goes nowhere: a full pipe would stall the server.
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(QStringLiteral("python3"),
                        {QStringLiteral("-m"), QStringLiteral("http.server"), QString::number(m_port),
                         QStringLiteral("--bind"), QStringLiteral("127.0.0.1"), QStringLiteral("--directory"),
                         folder});
        for (int i = 0; i < 200; ++i) {
            QTcpSocket socket;
            socket.connectToHost(QStringLiteral("127.0.0.1"), quint16(m_port));
            if (socket.waitForConnected(100))
                return;
            QThread::msleep(50);
        }
        throw std::runtime_error("http.server did not start");
    }
    ~LocalServer()
    {
        m_process.kill();
        m_process.waitForFinished();
    }
    QString root() const { return QStringLiteral("http://127.0.0.1:%1/").arg(m_port); }

private:
    QProcess m_process;
    int m_port = 0;
};

// A data folder with the program's languages beside it, and the program on it.
struct Bench {
    QTemporaryDir data, www;
    std::unique_ptr<LocalServer> server;
    std::unique_ptr<Program> program;

    void start(int storeRecipes)
    {
        const QString languages = QStringLiteral(SAFFIN_SOURCE_DIR "/Languages/");
        QDir().mkpath(data.filePath(QStringLiteral("Languages")));
        for (const QString &name : QDir(languages).entryList(QDir::Files))
            QFile::copy(languages + name, data.filePath(QStringLiteral("Languages/") + name));
        const QString dataDir = data.path() + QLatin1Char('/');
        if (storeRecipes > 0)
            writeSyntheticStore(dataDir, storeRecipes);
        server = std::make_unique<LocalServer>(www.path());
        Platform platform;
        platform.programFolder = dataDir;
        platform.serverRoot = server->root();
        platform.createHtmlView = [](QWidget *parent, const QString &name) -> HtmlView * {
            return new BlankView(parent, name);
        };
        platform.execModal = [](QDialog &) { return 0; };
        platform.showMessage = [](const QString &text) { throw std::runtime_error(text.toStdString()); };
        platform.openUrl = [](const QUrl &) {};
        platform.now = [] { return QDateTime(QDate(2024, 3, 5), QTime(12, 0)); };
        platform.splashPauseMs = 0;
        program = std::make_unique<Program>(std::move(platform));
    }
    UpdateTab &tab() { return *program->mainWindow().findChild<UpdateTab *>(QStringLiteral("TntTabSheet7")); }
    int listed()
    {
        return program->mainWindow()
            .findChild<QTreeWidget *>(QStringLiteral("TntListView1"))
            ->topLevelItemCount();
    }
};

QList<QByteArray> entryLines(int i, const QByteArray &language)
{
    static const char *const words[] = {"Soup", "Stew", "Pie", "Tart", "Salad", "Roast", "Cake", "Bread"};
    const int dimension = 1 + i % 6;
    const int values[] = {6, 8, 6, 21, 3, 23};
    QByteArray bits(values[dimension - 1], '0');
    bits[i % bits.size()] = '1';
    return {QByteArray::number(i),
            QByteArray(words[i % 8]) + ' ' + QByteArray::number(i * 7919 % 100003),
            "Author " + QByteArray::number(i % 97),
            QByteArray::number(dimension),
            bits,
            language};
}

// A catalogue of `count` entries on the bench's server; every tenth in German when mixed.
void writeCatalogue(Bench &b, int count, bool mixedLanguages)
{
    QList<QByteArray> lines;
    for (int i = 0; i < count; ++i)
        lines += entryLines(i, mixedLanguages && i % 10 == 0 ? "German" : "English");
    writeFile(b.www.filePath(QStringLiteral("Saffin/Rezepte.txt")), joinLinesCrLf(lines));
}

void BM_ListCatalogue20000(benchmark::State &state)
{
    Bench b;
    writeCatalogue(b, 20000, true);
    b.start(0);
    for (auto _ : state) {
        b.tab().TntBitBtn3Click();       // fetch, list every category, sort
        b.tab().TntCheckListBox5Click(); // filter by the chosen dimension and values
        b.tab().TntListView1ColumnClick(1);
    }
    state.counters["listed"] = b.listed();
}
BENCHMARK(BM_ListCatalogue20000)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The parts of the listing: the download alone, and the listing alone from the fetched copy.
void BM_FetchCatalogue20000(benchmark::State &state)
{
    Bench b;
    writeCatalogue(b, 20000, false);
    b.start(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            b.tab().httpClient().get(b.server->root() + QStringLiteral("Saffin/Rezepte.txt")));
}
BENCHMARK(BM_FetchCatalogue20000)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_ListFetchedCatalogue20000(benchmark::State &state)
{
    Bench b;
    writeCatalogue(b, 20000, false);
    b.start(0);
    b.tab().TntBitBtn3Click();
    for (auto _ : state)
        b.tab().SpeedButton2Click(); // all values on, then off: every entry of the dimension, then none
    state.counters["listed"] = b.listed();
}
BENCHMARK(BM_ListFetchedCatalogue20000)->Unit(benchmark::kMillisecond)->MinTime(1.0);

void BM_AddToDatabase1000Packages(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        Bench b;
        QList<QByteArray> catalogue;
        for (int i = 0; i < 1000; ++i) {
            const QList<QByteArray> entry = entryLines(i, "English");
            catalogue += entry;
            const QByteArray preparation = "Heat the oven. Mix everything.\r\nBake for 40 minutes.";
            const QByteArray ingredients = "200 g flour\r\n2 eggs\r\n100 g butter";
            const QList<QByteArray> record = {entry[1],
                                              entry[2],
                                              entry[3],
                                              entry[4],
                                              entry[5],
                                              "False",
                                              "",
                                              "0",
                                              QByteArray::number(preparation.size()),
                                              QByteArray::number(preparation.size()),
                                              QByteArray::number(ingredients.size()),
                                              "-1",
                                              "-1",
                                              "-1",
                                              "-1",
                                              "-1",
                                              "False",
                                              "False"};
            const QString id = QString::number(i);
            writeFile(b.www.filePath(QStringLiteral("Saffin/Rezepte/RezList%1.dat").arg(id)),
                      joinLinesCrLf(record));
            writeFile(b.www.filePath(QStringLiteral("Saffin/Rezepte/Rezept%1.dat").arg(id)),
                      preparation + ingredients);
        }
        writeFile(b.www.filePath(QStringLiteral("Saffin/Rezepte.txt")), joinLinesCrLf(catalogue));
        b.start(100000);
        b.tab().TntBitBtn3Click();
        if (b.listed() != 1000)
            state.SkipWithError("the catalogue was not listed whole");
        state.ResumeTiming();

        b.tab().BitBtn1Click();

        state.PauseTiming();
        if (b.listed() != 0)
            state.SkipWithError("imported recipes are still offered");
        b.program.reset();
        b.server.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_AddToDatabase1000Packages)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
