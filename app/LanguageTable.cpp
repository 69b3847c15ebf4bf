#include "app/LanguageTable.h"

#include "common/TextEncoding.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>

namespace {

using T = TextTarget;
using W = TextWindow;

// Texts 33, 44, 46 to 118, 119, 121, 123 and 125 to 128 are read where they are used.
constexpr TextPlacement kTable[] = {
    {0, W::Date, "TntBitBtn1", T::Caption},
    {1, W::Main, "TntTabSheet1", T::TabCaption},
    {2, W::Main, "SpeedButton1", T::NarrowCaption},
    {3, W::Main, "TntToolButton1", T::Hint},
    {3, W::Main, "TntToolButton6", T::Hint},
    {4, W::Main, "TntButton70", T::Hint},
    {4, W::Main, "TntToolButton7", T::Hint},
    {4, W::Main, "Calender1", T::Caption},
    {4, W::Main, "Calender2", T::Caption},
    {5, W::Main, "TntToolButton4", T::Hint},
    {5, W::Main, "TntToolButton8", T::Hint},
    {6, W::Main, "TntToolButton3", T::Hint},
    {6, W::Main, "TntToolButton9", T::Hint},
    {6, W::Main, "Einkaufsliste1", T::Caption},
    {6, W::Main, "Einkaufsliste2", T::Caption},
    {7, W::Main, "TntToolButton52", T::Hint},
    {7, W::Main, "TntToolButton10", T::Hint},
    {7, W::Main, "TntToolButton11", T::Hint},
    {7, W::Print, "TntToolButton11", T::Hint},
    {7, W::Main, "Drucken1", T::Caption},
    {7, W::Main, "Drucken2", T::Caption},
    {8, W::Main, "TntToolButton45", T::Hint},
    {8, W::Main, "TntToolButton14", T::Hint},
    {8, W::Main, "TntToolButton12", T::Hint},
    {9, W::Main, "TntTabSheet8", T::TabCaption},
    {10, W::Main, "SpeedButton3", T::NarrowCaption},
    {11, W::Main, "TntToolButton23", T::Hint},
    {12, W::Main, "TntToolButton20", T::Hint},
    {13, W::Main, "TB76", T::Hint},
    {14, W::Main, "TntToolButton22", T::Hint},
    {15, W::Main, "TntBitBtn2", T::Caption},
    {16, W::Main, "InEditorladen1", T::Caption},
    {16, W::Main, "InEditorladen2", T::Caption},
    {17, W::Main, "TntTabSheet5", T::TabCaption},
    {18, W::Main, "TntLabel1", T::Caption},
    {19, W::Main, "TntLabel2", T::Caption},
    {20, W::Main, "TntBitBtn1", T::Caption},
    {21, W::Main, "TntGroupBox1", T::Caption},
    {22, W::Search, "TForm2", T::WindowTitle},
    {23, W::Date, "TForm3", T::WindowTitle},
    {23, W::Main, "TntToolButton2", T::Caption},
    {24, W::Main, "TntTabSheet4", T::TabCaption},
    {25, W::Print, "TForm4", T::WindowTitle},
    {26, W::Main, "TntTabSheet6", T::TabCaption},
    {27, W::Main, "RumaCalendar1", T::WindowTitle},
    {28, W::Main, "TntTabSheet3", T::TabCaption},
    {30, W::Main, "TntLabel3", T::Caption},
    {31, W::Main, "TntTabSheet7", T::TabCaption},
    {32, W::Main, "TntTabSheet9", T::TabCaption},
    {34, W::Main, "SpeedButton2", T::NarrowCaption},
    {35, W::Main, "TntBitBtn3", T::Caption},
    {36, W::Main, "BitBtn1", T::NarrowCaption},
    {37, W::Main, "TntTabSheet2", T::TabCaption},
    {38, W::Main, "TntLabel4", T::Caption},
    {39, W::Main, "Delete1", T::Caption},
    {39, W::Main, "Lschen1", T::Caption},
    {40, W::Main, "Markall1", T::Caption},
    {41, W::Main, "Marknone1", T::Caption},
    {42, W::Main, "TntMenuItem1", T::Caption},
    {43, W::Main, "TntMenuItem2", T::Caption},
    {120, W::Main, "ML1", T::Hint},
    {120, W::Main, "ML2", T::Hint},
    {120, W::Main, "Favoriten1", T::Caption},
    {120, W::Main, "Favoriten2", T::Caption},
    {122, W::Main, "Ordnerhinzufgen1", T::Caption},
    {124, W::Main, "TntTabSheet10", T::TabCaption},
};

QObject *findNamed(QWidget *window, const char *name)
{
    const QString wanted = QLatin1String(name);
    if (window->objectName() == wanted)
        return window;
    return window->findChild<QObject *>(wanted);
}

bool setCaption(QObject *object, const QString &text)
{
    if (auto *button = qobject_cast<QAbstractButton *>(object))
        button->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(object))
        label->setText(text);
    else if (auto *group = qobject_cast<QGroupBox *>(object))
        group->setTitle(text);
    else if (auto *action = qobject_cast<QAction *>(object))
        action->setText(text);
    else if (auto *menu = qobject_cast<QMenu *>(object))
        menu->setTitle(text);
    else
        return false;
    return true;
}

bool setTabCaption(QObject *object, const QString &text)
{
    auto *page = qobject_cast<QWidget *>(object);
    auto *stack = page ? qobject_cast<QStackedWidget *>(page->parentWidget()) : nullptr;
    auto *tabs = stack ? qobject_cast<QTabWidget *>(stack->parentWidget()) : nullptr;
    if (!tabs)
        return false;
    tabs->setTabText(tabs->indexOf(page), text);
    return true;
}

} // namespace

std::span<const TextPlacement> languageTable() { return kTable; }

bool applyPlacement(QWidget *window, const TextPlacement &placement, const QString &text)
{
    QObject *object = findNamed(window, placement.objectName);
    if (!object)
        return false;
    switch (placement.target) {
    case T::Caption:
        return setCaption(object, text);
    case T::NarrowCaption:
        return setCaption(object, fromAnsi(toAnsi(text)));
    case T::Hint:
        if (auto *action = qobject_cast<QAction *>(object))
            action->setToolTip(text);
        else if (auto *widget = qobject_cast<QWidget *>(object))
            widget->setToolTip(text);
        else
            return false;
        return true;
    case T::TabCaption:
        return setTabCaption(object, text);
    case T::WindowTitle:
        if (auto *widget = qobject_cast<QWidget *>(object)) {
            widget->setWindowTitle(text);
            return true;
        }
        return false;
    }
    return false;
}
