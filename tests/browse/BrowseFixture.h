#pragma once

#include "tests/support/TempDataDir.h"
#include "tests/support/TestProgram.h"

#include <QByteArray>
#include <QStringList>

#include <initializer_list>
#include <ostream>

class QAbstractItemView;
class QComboBox;
class QListWidget;

// Readable failure messages for texts.
inline void PrintTo(const QString &text, std::ostream *out) { *out << '"' << text.toStdString() << '"'; }

// One recipe for a test store. Categories default to every value of the dimension ticked.
struct TestRecipe {
    QByteArray name;
    QByteArray dimension = "4";
    bool own = false;
    QByteArray author = "Anna";
    QByteArray ingredients = "1 egg";
    QByteArray preparation = "Boil it.";
    QByteArray categories = {};
};

// Adds the recipes with the store's own writer; the store (and its lock) is gone when this returns.
void writeStore(const TempDataDir &dir, std::initializer_list<TestRecipe> recipes);

// The controls of one recipe tab, found by their names.
struct TabNames {
    const char *box, *checkList, *toggle, *list, *view, *statusBar, *deleteButton, *printButton;
    int pageIndex, mode;
};
extern const TabNames kCatalogue;
extern const TabNames kOwn;

void showPage(TestProgram &t, int index); // the tab in front and laid out, as the user sees it
void choose(QComboBox *box, int position); // what choosing an entry with the mouse does

QStringList listed(TestProgram &t, const char *listName);
QString selectedEntry(TestProgram &t, const char *listName); // empty without selection
QString countText(TestProgram &t, const char *statusBarName);
QList<bool> ticks(TestProgram &t, const char *checkListName);
void clickEntry(TestProgram &t, const char *listName, int row);
void clickButton(TestProgram &t, const char *buttonName);

// The name in the "Rezept.htm" last written, or empty.
QByteArray shownName(const TempDataDir &dir);
