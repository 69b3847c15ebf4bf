#include "app/Dizevadi.h"

#include "about/AboutTab.h"
#include "about/Donation.h"
#include "about/WCIU.h"
#include "common/ErrorReport.h"
#include "app/Settings.h"
#include "browse/Search.h"
#include "planner/DatePicker.h"
#include "print/Printer.h"
#include "browse/RecipeTabs.h"
#include "common/HtmlView.h"
#include "common/Platform.h"
#include "editor/EditorTab.h"
#include "folders/FoldersTab.h"
#include "online/CommunityTab.h"
#include "online/UpdateTab.h"
#include "online/UploadTab.h"
#include "planner/CalendarTab.h"
#include "planner/ShoppingListTab.h"
#include "store/AppContext.h"
#include "store/Database.h"
#include "store/Favourites.h"
#include "store/RecipePage.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

TForm1::TForm1(AppContext &context)
    : QWidget(nullptr), m_context(context), TntPageControl1(new QTabWidget(this)),
      m_catalogue(new CatalogueTab(context)), m_own(new OwnRecipesTab(context)), m_folders(new FoldersTab(context)),
      m_editor(new EditorTab(context)), m_shopping(new ShoppingListTab(context)),
      m_calendar(new CalendarTab(context)), m_upload(new UploadTab(context)), m_update(new UpdateTab(context)),
      m_community(new CommunityTab(context)), m_about(new AboutTab(context))
{
    setObjectName(QStringLiteral("TForm1"));
    setWindowTitle(QStringLiteral("Saffin"));
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(11);
    setFont(windowFont);
    TntPageControl1->setObjectName(QStringLiteral("TntPageControl1"));
    TntPageControl1->setDocumentMode(true);
    const std::pair<QWidget *, const char *> pages[] = {
        {m_catalogue, "Rezepte"},
        {m_own, "Eigene Rezepte"},
        {m_folders, "Ordner"},
        {m_editor, "Neues Rezept"},
        {m_shopping, "Einkaufsliste"},
        {m_calendar, "Kalender"},
        {m_upload, "Rezepte online stellen"},
        {m_update, "Datenbank updaten"},
        {m_community, "Community"},
        {m_about, "About"},
    };
    for (const auto &[page, caption] : pages)
        TntPageControl1->addTab(page, QString::fromUtf8(caption));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(TntPageControl1);

    resize(891, 497);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm1::FormCreate()
{
    QDir().mkpath(m_context.dataDir);
    try {
        LoadStore();
    } catch (const StoreLockedError &) {
        throw; // a second copy must not go on with half a store
    } catch (const std::exception &) {
        // The program starts with what was loaded.
    }
    m_calendar->setMonth(m_context.platform.now());
    RefreshRecipeLists();
}

std::function<void()> TForm1::guarded(std::function<void()> handler) const
{
    const Platform &platform = m_context.platform;
    return [&platform, handler] { runReportingErrors(platform, handler); };
}

void TForm1::FillFontList() { ::FillFontList(*m_about->fontNameBox()); }

void TForm1::connectWindows(Settings &settings, TForm2 &search, TForm3 &date, TForm4 &print, TInfoForm &info,
                            TForm14 &donation)
{
    wireBrowse(search);
    wireEditor();
    wireFolders();
    wirePlanner(date, print);
    wirePrint(print);
    wireOnline(settings);

    connect(m_about->languageBox(), &QComboBox::activated, this,
            guarded([&settings] { settings.TntComboBox7Change(); }));
    connect(m_about->fontNameBox(), &QComboBox::activated, this,
            guarded([&settings] { settings.ComboBox1Change(); }));
    connect(m_about->fontSizeBox(), &QComboBox::activated, this,
            guarded([&settings] { settings.ComboBox2Change(); }));
    connect(m_about, &AboutTab::infoRequested, this, [&info] { info.show(); info.raise(); });
    connect(m_about, &AboutTab::donationRequested, this, [&donation] { donation.show(); donation.raise(); });

    AboutTab *about = m_about;
    m_context.display.setFontSource([about] {
        return RecipePageFont{about->fontNameBox()->currentText(), about->fontSizeBox()->currentText()};
    });
}

void TForm1::wireBrowse(TForm2 &search)
{
    search.setMainWindow(this);
    connect(&search, &TForm2::recipesFound, m_catalogue, &CatalogueTab::setNames);
    connect(m_catalogue, &CatalogueTab::TntToolButton1Click, this, guarded([&search] { search.bringUp(); }));
    connect(m_own, &OwnRecipesTab::TntToolButton1Click, this, guarded([&search] { search.bringUp(); }));
    const RecipeDisplay &display = m_context.display;
    connect(m_catalogue, &CatalogueTab::TntToolButton4Click, this,
            guarded([&search, &display] { search.authorSearch(display.shownAuthor()); }));
    connect(m_own, &OwnRecipesTab::TntToolButton8Click, this,
            guarded([&search, &display] { search.authorSearch(display.shownOwnAuthor()); }));
}

void TForm1::wireEditor()
{
    const Platform &platform = m_context.platform;
    EditorTab *editor = m_editor;
    QTabWidget *pages = TntPageControl1;
    auto loadInto = [&platform, editor, pages](auto selected) {
        return [&platform, editor, pages, selected] {
            runReportingErrors(platform, [&] {
                const std::optional<QByteArray> name = selected();
                if (name && editor->loadRecipe(*name))
                    pages->setCurrentIndex(pages->indexOf(editor));
            });
        };
    };
    CatalogueTab *catalogue = m_catalogue;
    OwnRecipesTab *own = m_own;
    connect(m_catalogue, &CatalogueTab::InEditorladen1Click, this,
            loadInto([catalogue] { return catalogue->selectedName(); }));
    connect(m_own, &OwnRecipesTab::InEditorladen2Click, this,
            loadInto([own] { return own->selectedName(); }));
    connect(m_editor, &EditorTab::recipesChanged, this, [this] { RefreshRecipeLists(); });
}

void TForm1::wireFolders()
{
    FoldersTab *folders = m_folders;
    auto addSelectedFavourite = [folders](auto *tab) {
        return [folders, tab] {
            if (const std::optional<QByteArray> name = tab->selectedName())
                folders->addFavourite(*name);
        };
    };
    connect(m_catalogue, &CatalogueTab::ML2Click, this, guarded(addSelectedFavourite(m_catalogue)));
    connect(m_own, &OwnRecipesTab::ML1Click, this, guarded(addSelectedFavourite(m_own)));
    connect(m_own, &OwnRecipesTab::favouritesChanged, this, guarded([folders] { folders->ReloadFolderTree(); }));
    m_context.display.setViews(m_catalogue->view(), m_own->view(), m_folders->view());
}

void TForm1::wirePlanner(TForm3 &date, TForm4 &print)
{
    m_calendar->setDateDialog(date);
    const Platform &platform = m_context.platform;
    CalendarTab *calendar = m_calendar;
    ShoppingListTab *shopping = m_shopping;
    auto planSelected = [calendar](auto *tab) {
        return [calendar, tab] {
            if (const std::optional<QByteArray> name = tab->selectedName())
                calendar->planDish(*name);
        };
    };
    auto shopSelected = [shopping](auto *tab) {
        return [shopping, tab] {
            if (const std::optional<QByteArray> name = tab->selectedName())
                shopping->appendRecipe(*name);
        };
    };
    connect(m_catalogue, &CatalogueTab::TntButton70Click, this, guarded(planSelected(m_catalogue)));
    connect(m_own, &OwnRecipesTab::TntToolButton7Click, this, guarded(planSelected(m_own)));
    connect(m_catalogue, &CatalogueTab::TntToolButton3Click, this, guarded(shopSelected(m_catalogue)));
    connect(m_own, &OwnRecipesTab::TntToolButton9Click, this, guarded(shopSelected(m_own)));
    connect(m_calendar, &CalendarTab::openRecipeRequested, this, [this, &platform](const QByteArray &name) {
        runReportingErrors(platform, [this, &name] {
            TntPageControl1->setCurrentIndex(0);
            m_catalogue->openRecipe(name);
        });
    });
    connect(m_shopping, &ShoppingListTab::printRequested, this, [&platform, &print](const QString &path) {
        runReportingErrors(platform, [&print, &path] { print.showPage(path); });
    });
}

void TForm1::wirePrint(TForm4 &)
{
    const Platform &platform = m_context.platform;
    RecipeDisplay &display = m_context.display;
    // The recipe is rendered again into the tab's own view, which then previews it.
    auto printFrom = [&platform, &display](RecipeBrowserTab *tab, int mode) {
        return [&platform, &display, tab, mode] {
            runReportingErrors(platform, [&display, tab, mode] {
                const std::optional<QByteArray> name = tab->selectedName();
                if (!name)
                    return;
                display.ShowRecipe(*name, mode);
                tab->view()->PrintPreview();
            });
        };
    };
    connect(m_catalogue, &CatalogueTab::TntToolButton52Click, this,
            printFrom(m_catalogue, RecipeDisplay::CatalogueView));
    connect(m_own, &OwnRecipesTab::TntToolButton10Click, this, printFrom(m_own, RecipeDisplay::OwnView));
}

void TForm1::wireOnline(Settings &settings)
{
    const Platform &platform = m_context.platform;
    m_upload->setOnline(m_update->httpClient(), m_update->catalogueList());
    connect(m_update, &UpdateTab::recipesChanged, this,
            [this, &platform] { runReportingErrors(platform, [this] { RefreshRecipeLists(); }); });
    connect(m_upload, &UploadTab::openRecipeRequested, this, [this, &platform](const QByteArray &name) {
        runReportingErrors(platform, [this, &name] {
            TntPageControl1->setCurrentIndex(0);
            m_catalogue->openRecipe(name);
        });
    });
    m_community->setCommunityLanguage([&settings] { return settings.CommunityLanguage(); });
    connect(TntPageControl1, &QTabWidget::currentChanged, this, [this, &platform](int index) {
        runReportingErrors(platform, [this, index] { m_community->TntPageControl1Change(index); });
    });
}

void TForm1::LoadStore()
{
    // The lock comes first, so a second copy on this folder stops before it touches any file.
    m_context.store.openData();
    m_context.store.loadIndex();
    m_context.favourites.load();
    m_calendar->loadItems();
    m_shopping->loadList();
    m_context.store.loadDeletedNames();
}

void TForm1::RefreshRecipeLists()
{
    m_catalogue->refreshList();
    m_own->refreshList();
}

void TForm1::runDimensionChangeHandlers()
{
    m_catalogue->TntComboBox1Change();
    m_editor->TntComboBox2Change();
    m_own->TntComboBox4Change();
    m_update->TntComboBox5Change();
}

void TForm1::ReloadFolderTree() { m_folders->ReloadFolderTree(); }

void TForm1::expandFolderTree() { m_folders->expandAll(); }

void TForm1::setDateStyle(int style) { m_calendar->setDateStyle(style); }

void TForm1::closeEvent(QCloseEvent *event)
{
    if (onCloseQuery)
        runReportingErrors(m_context.platform, onCloseQuery);
    event->accept();
}
