#include "tests/browse/BrowseFixture.h"

#include "store/Categories.h"
#include "store/Database.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>

const TabNames kCatalogue = {"TntComboBox1", "TntCheckListBox1", "SpeedButton1",   "TntListBox1", "EmbeddedWB1",
                             "StatusBar1",   "TntToolButton45", "TntToolButton52", 0,             0};
const TabNames kOwn = {"TntComboBox4", "TntCheckListBox4", "SpeedButton3",    "TntListBox2", "EmbeddedWB3",
                       "StatusBar2",   "TntToolButton14", "TntToolButton10", 1,             1};

void writeStore(const TempDataDir &dir, std::initializer_list<TestRecipe> recipes)
{
    RecipeStore store(dir.path());
    store.openData();
    store.loadIndex();
    store.loadDeletedNames();
    for (const TestRecipe &recipe : recipes) {
        NewRecipe added;
        added.name = recipe.name;
        added.author = recipe.author;
        added.dimension = recipe.dimension;
        const int dimension = recipe.dimension.toInt();
        added.categories = !recipe.categories.isEmpty() ? recipe.categories
                           : dimension >= 1 && dimension <= 6
                               ? QByteArray(CategoryValueCounts[size_t(dimension - 1)], '1')
                               : QByteArray("1");
        added.ingredients = recipe.ingredients;
        added.preparation = recipe.preparation;
        added.language = "English";
        added.own = recipe.own;
        store.addRecipe(added);
    }
}

void showPage(TestProgram &t, int index)
{
    t.main().pageControl()->setCurrentIndex(index);
    QApplication::processEvents();
}

void choose(QComboBox *box, int position)
{
    box->setCurrentIndex(position);
    Q_EMIT box->activated(position);
}

QStringList listed(TestProgram &t, const char *listName)
{
    const auto *list = t.find<QListView>(QLatin1String(listName));
    QStringList names;
    for (int row = 0; row < list->model()->rowCount(); ++row)
        names.append(list->model()->index(row, 0).data().toString());
    return names;
}

QString selectedEntry(TestProgram &t, const char *listName)
{
    const auto *list = t.find<QListView>(QLatin1String(listName));
    const QModelIndexList rows = list->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? QString() : rows.first().data().toString();
}

QString countText(TestProgram &t, const char *statusBarName)
{
    const auto *bar = t.find<QStatusBar>(QLatin1String(statusBarName));
    return bar->findChild<QLabel *>(QLatin1String(statusBarName) + QStringLiteral("Panel0"))->text();
}

QList<bool> ticks(TestProgram &t, const char *checkListName)
{
    const auto *list = t.find<QListWidget>(QLatin1String(checkListName));
    QList<bool> result;
    for (int i = 0; i < list->count(); ++i)
        result.append(list->item(i)->checkState() == Qt::Checked);
    return result;
}

void clickEntry(TestProgram &t, const char *listName, int row)
{
    auto *list = t.find<QListView>(QLatin1String(listName));
    const QRect rect = list->visualRect(list->model()->index(row, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
}

void clickButton(TestProgram &t, const char *buttonName)
{
    QTest::mouseClick(t.find<QAbstractButton>(QLatin1String(buttonName)), Qt::LeftButton);
}

QByteArray shownName(const TempDataDir &dir)
{
    const QList<QByteArray> lines = dir.read("Rezept.htm").split('\n');
    if (lines.size() < 2)
        return {};
    QByteArray line = lines.at(1).trimmed();
    const QByteArray start = "<font size=\"4\" color=\"#000000\">";
    if (!line.startsWith(start))
        return {};
    line = line.mid(start.size());
    return line.left(line.indexOf("</font>"));
}
