#include "app/Dizevadi.h"

#include "about/AboutTab.h"
#include "about/Donation.h"
#include "about/WCIU.h"
#include "app/ErrorReport.h"
#include "app/Settings.h"
#include "browse/Search.h"
#include "planner/DatePicker.h"
#include "print/Printer.h"
#include "browse/RecipeTabs.h"
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

    const Platform &platform = m_context.platform;
    auto guarded = [&platform](std::function<void()> handler) {
        return [&platform, handler] { runReportingErrors(platform, handler); };
    };
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

void TForm1::wireBrowse(TForm2 &) {}

void TForm1::wireEditor() {}

void TForm1::wireFolders() {}

void TForm1::wirePlanner(TForm3 &, TForm4 &) {}

void TForm1::wirePrint(TForm4 &) {}

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
