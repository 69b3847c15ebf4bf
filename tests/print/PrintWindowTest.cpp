#include "app/WebHtmlView.h"
#include "common/LanguageTexts.h"
#include "print/Printer.h"
#include "store/AppContext.h"
#include "store/Database.h"
#include "store/Favourites.h"
#include "store/RecipePage.h"
#include "store/RecipeSearch.h"
#include "tests/support/TempDataDir.h"
#include "tests/support/TestProgram.h"
#include "tests/support/WebPageProbe.h"

#include <QPdfDocument>
#include <QPdfSelection>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace WebPageProbe;

TEST(PrintWindow, ShowsEachPageInTheSameWindowAndClosesAfterThePreview)
{
    TempDataDir dir;
    TestProgram t(dir.path());
    TForm4 &window = t.program().printWindow();
    auto *view = dynamic_cast<RecordingHtmlView *>(window.view());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->widget()->objectName(), QStringLiteral("EmbeddedWB1"));
    EXPECT_EQ(view->widget()->window(), &window);
    EXPECT_EQ(window.parent(), nullptr);
    EXPECT_EQ(window.windowTitle(), LanguageTexts().text(25));
    EXPECT_EQ(window.size(), QSize(647, 421));
    auto *button = window.findChild<QToolButton *>(QStringLiteral("TntToolButton11"));
    auto *toolBar = window.findChild<QToolBar *>(QStringLiteral("TntToolBar3"));
    ASSERT_TRUE(button && toolBar);
    EXPECT_EQ(button->size(), QSize(41, 31));
    EXPECT_FALSE(button->icon().isNull());
    EXPECT_EQ(button->toolTip(), LanguageTexts().text(7));
    EXPECT_FALSE(window.isVisible());

    window.showPage(dir.file("Print.html"));
    window.showPage(dir.file("Print2.html"));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.font().pixelSize(), 10);
    // Centred up to the window frame, which is known only once the window is shown.
    EXPECT_LE((window.frameGeometry().center() - t.main().frameGeometry().center()).manhattanLength(), 8);
    EXPECT_EQ(view->navigations, QStringList({dir.file("Print.html"), dir.file("Print2.html")}));
    EXPECT_EQ(toolBar->width(), 44);
    EXPECT_EQ(toolBar->geometry().right(), window.width() - 1);
    EXPECT_EQ(view->widget()->geometry().right() + 1, toolBar->geometry().left());

    button->click();
    EXPECT_EQ(view->previews, 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(t.messages.isEmpty());
}

namespace {

// The print window on its own, with the real WebEngine view and a dialog hook of the test's choice.
struct RealPrintWindow {
    explicit RealPrintWindow(std::function<int(QDialog &)> hook) {
        platform.programFolder = dir.path();
        platform.execModal = std::move(hook);
        platform.showMessage = [this](const QString &text) { messages.append(text); };
        platform.createHtmlView = [this](QWidget *parent, const QString &name) -> HtmlView * {
            return new WebHtmlView(parent, name, WebHtmlView::Content::LocalPages, platform.execModal);
        };
        window = std::make_unique<TForm4>(context);
    }
    QWebEngineView *web() const { return webView(window->view()->widget()); }
    void click() { window->findChild<QToolButton *>(QStringLiteral("TntToolButton11"))->click(); }

    TempDataDir dir{false};
    Platform platform;
    LanguageTexts texts;
    RecipeStore store{dir.path()};
    FavouriteNames favourites{dir.path()};
    RecipeDisplay display{store, texts};
    RecipeSearch search{store};
    AppContext context{platform, dir.path(), store, texts, favourites, display, search};
    QStringList messages;
    std::unique_ptr<TForm4> window;
};

// Prints what the preview dialog's printer is given into a PDF file, as its print button would.
void printPreviewTo(QDialog &dialog, const QString &pdfPath) {
    auto &preview = static_cast<QPrintPreviewDialog &>(dialog);
    preview.printer()->setOutputFormat(QPrinter::PdfFormat);
    preview.printer()->setOutputFileName(pdfPath);
    preview.findChild<QPrintPreviewWidget *>()->print();
}

} // namespace

TEST(PrintWindow, PreviewWaitsForThePageThenPrintsItAndAFailedPrintKeepsTheWindow)
{
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("recipe.pdf"));
    std::function<void(QDialog &)> step;
    RealPrintWindow w([&step](QDialog &dialog) {
        step(dialog);
        return int(QDialog::Accepted);
    });
    // The printed page is a picture of the page, so each page is told apart by a coloured block.
    w.dir.write(
        "old.htm",
        "<html><body><div style=\"background:#d00000;width:300px;height:300px\"></div></body></html>");
    w.dir.write(
        "Print.html",
        RenderRecipePage("Pumpkin risotto<div style=\"background:#00b000;width:300px;height:300px\"></div>",
                         "Ann", "Stir slowly.", false, "Pumpkin\r\nRice",
                         {QStringLiteral("Arial"), QStringLiteral("4")}, w.texts));
    PageLoad load(w.web());

    bool sawLoadedPage = false;
    step = [&](QDialog &dialog) {
        ASSERT_NE(qobject_cast<QPrintPreviewDialog *>(&dialog), nullptr);
        sawLoadedPage = load.finished().contains(QUrl::fromLocalFile(w.dir.file("Print.html"))) &&
                        !w.web()->page()->isLoading();
        printPreviewTo(dialog, out.filePath(QStringLiteral("missing/folder.pdf")));
    };
    w.window->showPage(w.dir.file("old.htm"));
    w.window->showPage(w.dir.file("Print.html"));
    w.click(); // at once, while the page is still loading
    EXPECT_TRUE(sawLoadedPage);
    EXPECT_TRUE(w.window->isVisible());
    ASSERT_EQ(w.messages.size(), 1);
    EXPECT_EQ(w.messages[0].toStdString(), "The page could not be printed.");

    int previewPages = 0;
    step = [&](QDialog &dialog) {
        auto *preview = dialog.findChild<QPrintPreviewWidget *>();
        preview->updatePreview();
        previewPages = preview->pageCount();
        printPreviewTo(dialog, pdf);
    };
    w.click();
    EXPECT_GE(previewPages, 1);
    EXPECT_FALSE(w.window->isVisible());
    EXPECT_EQ(w.messages.size(), 1) << w.messages.join(u'\n').toStdString();

    QPdfDocument document;
    ASSERT_EQ(document.load(pdf), QPdfDocument::Error::None);
    ASSERT_GE(document.pageCount(), 1);
    const QImage printed = document.render(0, QSize(400, 560));
    int green = 0, red = 0;
    for (int y = 0; y < printed.height(); ++y)
        for (int x = 0; x < printed.width(); ++x) {
            const QColor c = printed.pixelColor(x, y);
            green += c.green() > 150 && c.red() < 60 && c.blue() < 60;
            red += c.red() > 180 && c.green() < 60 && c.blue() < 60;
        }
    EXPECT_GT(green, 1000);
    EXPECT_EQ(red, 0);
}

TEST(PrintWindow, RecipePageShownThereBecomesAPdfWithTheRecipesName)
{
    RealPrintWindow w([](QDialog &) { return int(QDialog::Rejected); });
    w.dir.write("Rezept.htm", RenderRecipePage("Pumpkin risotto", "Ann", "Stir slowly.", false, "Pumpkin\r\nRice",
                                               {QStringLiteral("Arial"), QStringLiteral("4")}, w.texts));
    PageLoad load(w.web());
    w.window->showPage(w.dir.file("Rezept.htm"));
    ASSERT_TRUE(load.waitFor(QUrl::fromLocalFile(w.dir.file("Rezept.htm"))));

    // The page's own PDF keeps its text, so the name can be read back from the file.
    QTemporaryDir out;
    const QString pdf = out.filePath(QStringLiteral("recipe.pdf"));
    bool done = false;
    QObject::connect(w.web()->page(), &QWebEnginePage::pdfPrintingFinished,
                     [&done](const QString &, bool ok) { done = ok; });
    w.web()->page()->printToPdf(pdf);
    ASSERT_TRUE(QTest::qWaitFor([&] { return done; }, 20000));
    QPdfDocument document;
    ASSERT_EQ(document.load(pdf), QPdfDocument::Error::None);
    EXPECT_TRUE(document.getAllText(0).text().contains(QStringLiteral("Pumpkin risotto")))
        << document.getAllText(0).text().toStdString();
}
