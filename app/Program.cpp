#include "app/Program.h"

#include "about/AboutTab.h"
#include "about/Donation.h"
#include "about/WCIU.h"
#include "app/Dizevadi.h"
#include "common/ErrorReport.h"
#include "app/Settings.h"
#include "app/Splash.h"
#include "browse/Search.h"
#include "common/LanguageTexts.h"
#include "planner/DatePicker.h"
#include "print/Printer.h"
#include "store/AppContext.h"
#include "store/Database.h"
#include "store/Favourites.h"
#include "store/RecipePage.h"
#include "store/RecipeSearch.h"

#include <QComboBox>
#include <QThread>

struct Program::State {
    explicit State(Platform p)
        : platform(std::move(p)), store(platform.programFolder), favourites(platform.programFolder),
          display(store, texts), search(store),
          context{platform, platform.programFolder, store, texts, favourites, display, search}
    {
    }

    Platform platform;
    LanguageTexts texts;
    RecipeStore store;
    FavouriteNames favourites;
    RecipeDisplay display;
    RecipeSearch search;
    AppContext context;
    std::unique_ptr<TForm1> main;
    std::unique_ptr<TForm6> splash;
    std::unique_ptr<TInfoForm> info;
    std::unique_ptr<TForm14> donation;
    std::unique_ptr<TForm2> searchDialog;
    std::unique_ptr<TForm3> dateDialog;
    std::unique_ptr<TForm4> print;
    std::unique_ptr<Settings> settings;
    bool running = false;
};

Program::Program(Platform platform) : d(std::make_unique<State>(std::move(platform)))
{
    d->main = std::make_unique<TForm1>(d->context);
    try {
        d->main->FormCreate();
    } catch (const StoreLockedError &error) {
        d->platform.showMessage(error.text());
        return;
    }
    d->main->FillFontList();

    d->splash = std::make_unique<TForm6>();
    d->info = std::make_unique<TInfoForm>(d->context);
    d->donation = std::make_unique<TForm14>(d->context);
    d->splash->show();
    d->splash->repaint();

    d->searchDialog = std::make_unique<TForm2>(d->context);
    d->dateDialog = std::make_unique<TForm3>(d->context);
    d->print = std::make_unique<TForm4>(d->context);
    d->settings = std::make_unique<Settings>(d->context, *d->main, *d->searchDialog, *d->dateDialog, *d->print);
    d->main->connectWindows(*d->settings, *d->searchDialog, *d->dateDialog, *d->print, *d->info, *d->donation);
    runReportingErrors(d->platform, [this] { d->settings->FormCreate(); });

    QThread::msleep(d->platform.splashPauseMs);
    d->splash->close();
    d->running = true;
    d->main->onCloseQuery = [this] { d->settings->SaveSettings(); };
    d->main->show();
    if (const QString report = d->store.damageReport(); !report.isEmpty())
        d->platform.showMessage(report);
}

Program::~Program() = default;

TForm1 &Program::mainWindow() { return *d->main; }
TForm2 &Program::searchDialog() { return *d->searchDialog; }
TForm3 &Program::dateDialog() { return *d->dateDialog; }
TForm4 &Program::printWindow() { return *d->print; }
TForm6 &Program::splashWindow() { return *d->splash; }
TInfoForm &Program::infoWindow() { return *d->info; }
TForm14 &Program::donationWindow() { return *d->donation; }
AppContext &Program::context() { return d->context; }
Settings &Program::settings() { return *d->settings; }

void Program::close()
{
    if (d->running)
        d->main->close();
}

bool Program::isRunning() const { return d->running; }
