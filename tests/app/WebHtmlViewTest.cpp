#include "app/WebHtmlView.h"
#include "common/Error.h"
#include "common/LanguageTexts.h"
#include "store/RecipePage.h"
#include "tests/support/TempDataDir.h"
#include "tests/support/WebPageProbe.h"

#include <QDialog>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>

using namespace WebPageProbe;

namespace {

int rejectDialog(QDialog &) { return QDialog::Rejected; }

// A shown window holding one view, as the program's tabs do.
struct ViewWindow {
    explicit ViewWindow(WebHtmlView::Content content, const QString &name = QStringLiteral("EmbeddedWB1"))
        : view(std::make_unique<WebHtmlView>(&window, name, content, rejectDialog)), web(webView(view->widget()))
    {
        view->widget()->resize(640, 480);
        window.resize(640, 480);
        window.show();
    }
    WebHtmlView *operator->() const { return view.get(); }

    QWidget window;
    std::unique_ptr<WebHtmlView> view;
    QWebEngineView *web;
};

// Counts every connection made to it, whether or not a request follows.
struct TrapServer {
    TrapServer()
    {
        server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket *socket = server.nextPendingConnection()) {
                ++connections;
                socket->close();
            }
        });
    }
    QString url(const char *path) const
    {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(server.serverPort()).arg(QLatin1String(path));
    }
    QTcpServer server;
    int connections = 0;
};

} // namespace

TEST(WebHtmlView, AddressesForTextsAndPaths)
{
    EXPECT_TRUE(WebHtmlView::urlFor(QStringLiteral(" \t ")).isEmpty());
    EXPECT_EQ(WebHtmlView::urlFor(QStringLiteral("about:blank")), QUrl(QStringLiteral("about:blank")));
    EXPECT_EQ(WebHtmlView::urlFor(QStringLiteral(" http://127.0.0.1:8765/Saffin/English ")),
              QUrl(QStringLiteral("http://127.0.0.1:8765/Saffin/English")));
    const QUrl local = WebHtmlView::urlFor(QStringLiteral("/data/My #1 recipes?/Rezept.htm"));
    EXPECT_TRUE(local.isLocalFile());
    EXPECT_EQ(local.toLocalFile(), QStringLiteral("/data/My #1 recipes?/Rezept.htm"));
}

TEST(WebHtmlView, RecipePageShowsTextAndPictureButRunsNoScriptAndReachesNothingElse)
{
    TempDataDir dir(false);
    QTemporaryDir elsewhere;
    TrapServer trap;
    writePicture(dir.file("temp.jpg"), 40, 30, "JPG");
    writePicture(elsewhere.filePath("private.png"), 20, 20, "PNG");
    dir.write("notes.txt", "kitchen notes");
    const QByteArray outsideRelative = QDir(dir.path()).relativeFilePath(elsewhere.filePath("private.png")).toUtf8();

    const QByteArray name = "Tomato soup<script>document.title='hacked'</script><img id=remote src=\"" +
                            trap.url("x.png").toUtf8() + "\"><noscript><b id=noscript>plain</b></noscript>";
    const QByteArray ingredients =
        "<link rel=stylesheet href=\"" + trap.url("s.css").toUtf8() + "\">\r\n<link rel=preconnect href=\"" +
        trap.url("").toUtf8() + "\">\r\n<div style=\"background:url(" + trap.url("b.png").toUtf8() +
        ")\">bg</div>\r\n<iframe src=\"" + trap.url("frame").toUtf8() + "\"></iframe>\r\n<meta http-equiv=refresh content=\"0; url=" +
        trap.url("away").toUtf8() + "\">";
    const QByteArray preparation = "<iframe id=secret src=\"file:///etc/passwd\"></iframe>"
                                   "<iframe id=notes src=\"notes.txt\"></iframe>"
                                   "<img id=outside src=\"file://" + elsewhere.filePath("private.png").toUtf8() +
                                   "\"><img id=relative src=\"" + outsideRelative + "\">";
    LanguageTexts texts;
    dir.write("Rezept.htm", RenderRecipePage(name, "Ann", preparation, true, ingredients, {"Arial", "2"}, texts));

    ViewWindow view(WebHtmlView::Content::LocalPages);
    QWebEngineView *web = view.web;
    ASSERT_NE(web, nullptr);
    PageLoad load(web);
    view->Navigate(dir.file("Rezept.htm"));
    const QUrl page = QUrl::fromLocalFile(dir.file("Rezept.htm"));
    ASSERT_TRUE(load.waitFor(page));
    QTest::qWait(1500); // time for the refresh and any late request

    EXPECT_EQ(web->url(), page);
    EXPECT_NE(web->title().toStdString(), "hacked");
    auto probe = [&](const char *script) { return evaluate(web, QLatin1String(script)).value_or(QVariant()); };
    EXPECT_NE(probe("document.title").toString().toStdString(), "hacked");
    EXPECT_TRUE(probe("document.body.innerText.includes('Tomato soup')").toBool());
    EXPECT_TRUE(probe("document.getElementById('noscript') !== null").toBool());
    EXPECT_EQ(probe("document.querySelector('img[src=\"temp.jpg\"]').naturalWidth").toInt(), 40);
    EXPECT_EQ(probe("document.getElementById('remote').naturalWidth").toInt(), 0);
    EXPECT_EQ(probe("document.getElementById('outside').naturalWidth").toInt(), 0);
    EXPECT_EQ(probe("document.getElementById('relative').naturalWidth").toInt(), 0);
    const char *frameText = "(function(id){try{var d=document.getElementById(id).contentDocument;"
                            "return d&&d.body?d.body.innerText:'';}catch(e){return '';}})";
    EXPECT_EQ(probe((QByteArray(frameText) + "('notes')").constData()).toString().toStdString(), "kitchen notes");
    EXPECT_FALSE(probe((QByteArray(frameText) + "('secret')").constData()).toString().contains(QLatin1String("root:")));
    EXPECT_EQ(trap.connections, 0);
}

TEST(WebHtmlView, BlankTextIsIgnoredBackNeedsAnEarlierPageAndTheLastRequestWins)
{
    TempDataDir dir(false);
    dir.write("a.htm", "<html><head><title>A</title></head><body>first</body></html>");
    dir.write("b.htm", "<html><head><title>B</title></head><body>second</body></html>");
    dir.write("c.htm", "<html><head><title>C</title></head><body>third</body></html>");
    ViewWindow view(WebHtmlView::Content::LocalPages);
    QWebEngineView *web = view.web;
    QSignalSpy started(web, &QWebEngineView::loadStarted);

    EXPECT_THROW(view->GoBack(), Error);
    view->Navigate(QStringLiteral("   "));
    view->Navigate2(QString());
    QTest::qWait(300);
    EXPECT_EQ(started.count(), 0);
    EXPECT_TRUE(web->url().isEmpty());

    auto bodyText = [web] {
        return evaluate(web, QStringLiteral("document.body.innerText")).value_or(QVariant()).toString().toStdString();
    };
    const QString blank = QStringLiteral("about:blank");
    // Before the view has shown anything and after; the blank page first, as a recipe display does.
    for (const auto &[first, last, text] : {std::tuple{dir.file("a.htm"), dir.file("b.htm"), "second"},
                                            {blank, dir.file("c.htm"), "third"},
                                            {dir.file("b.htm"), blank, ""},
                                            {dir.file("c.htm"), dir.file("a.htm"), "first"}}) {
        PageLoad load(web);
        view->Navigate(first);
        view->Navigate2(last);
        const QUrl lastUrl = WebHtmlView::urlFor(last);
        ASSERT_TRUE(load.waitFor(lastUrl)) << last.toStdString();
        QTest::qWait(300);
        EXPECT_EQ(web->url(), lastUrl);
        EXPECT_EQ(bodyText(), text);
    }

    PageLoad back(web);
    view->GoBack();
    ASSERT_TRUE(back.waitFor(QUrl(blank)));
    EXPECT_EQ(bodyText(), "");
}

TEST(WebHtmlView, CommunityViewRunsThePagesScripts)
{
    TempDataDir dir(false);
    dir.write("community.htm", "<html><body><script>document.title='ran'</script></body></html>");
    ViewWindow view(WebHtmlView::Content::WebPages, QStringLiteral("EmbeddedWB2"));
    QWebEngineView *web = view.web;
    EXPECT_EQ(web->objectName(), QStringLiteral("EmbeddedWB2"));
    PageLoad load(web);
    view->Navigate(dir.file("community.htm"));
    ASSERT_TRUE(load.waitFor(QUrl::fromLocalFile(dir.file("community.htm"))));
    EXPECT_TRUE(QTest::qWaitFor([&] { return web->title() == QLatin1String("ran"); }, 5000));
}
