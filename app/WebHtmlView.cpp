#include "app/WebHtmlView.h"

#include "common/Error.h"

#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QMutex>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScopeGuard>
#include <QTimer>
#include <QWebEngineHistory>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

namespace {

// A page longer than this to load is treated as a failed preview rather than waited for forever.
constexpr int kLoadTimeoutMs = 30000;

QString canonicalOrClean(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

// Lets through only local files inside the folder of the page on show: a recipe's text must not
// reach the network or read other files on the disk.
class PageFolderInterceptor : public QWebEngineUrlRequestInterceptor {
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void setPage(const QUrl &page)
    {
        QString folder;
        if (page.isLocalFile())
            folder = canonicalOrClean(QFileInfo(page.toLocalFile()).absolutePath());
        const QMutexLocker lock(&m_mutex);
        m_folder = folder;
    }

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        const QUrl url = info.requestUrl();
        bool allowed = false;
        if (url.isLocalFile()) {
            const QString path = canonicalOrClean(url.toLocalFile());
            const QMutexLocker lock(&m_mutex);
            allowed = !m_folder.isEmpty() &&
                      (path == m_folder || path.startsWith(m_folder.endsWith(QLatin1Char('/'))
                                                               ? m_folder
                                                               : m_folder + QLatin1Char('/')));
        }
        info.block(!allowed);
    }

private:
    QMutex m_mutex;
    QString m_folder;
};

// A recipe page may only go to other local pages or the blank page, never to the web. The folder
// whose files it may load follows the program's own navigations and the history, never the page's.
class LocalPage : public QWebEnginePage {
public:
    LocalPage(QWebEngineProfile *profile, PageFolderInterceptor *interceptor, QObject *parent)
        : QWebEnginePage(profile, parent), m_interceptor(interceptor)
    {
    }

    void showing(const QUrl &url) { m_interceptor->setPage(url); }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (!url.isLocalFile() && url != QUrl(QStringLiteral("about:blank")))
            return false;
        if (isMainFrame && type == NavigationTypeBackForward)
            showing(url);
        return true;
    }

private:
    PageFolderInterceptor *m_interceptor;
};

// A profile must outlive its pages: this goes with the view and deletes the page, then the profile.
class PageOwner : public QObject {
public:
    PageOwner(QWebEnginePage *page, QWebEngineProfile *profile, QObject *parent)
        : QObject(parent), m_page(page), m_profile(profile)
    {
    }
    ~PageOwner() override
    {
        delete m_page;
        delete m_profile;
    }

private:
    QWebEnginePage *m_page;
    QWebEngineProfile *m_profile;
};

} // namespace

WebHtmlView::WebHtmlView(QWidget *parent, const QString &objectName, Content content,
                         std::function<int(QDialog &)> execModal)
    : m_view(new QWebEngineView(parent)), m_execModal(std::move(execModal))
{
    m_view->setObjectName(objectName);
    if (content == Content::LocalPages)
        lockDown();
    // The view starts a requested load only later and merges quick requests into one, so a request
    // counts as done once a load has ended and nothing loads any more.
    QObject::connect(m_view->page(), &QWebEnginePage::loadingChanged, m_view,
                     [pending = m_loadPending, page = m_view->page()](const QWebEngineLoadingInfo &info) {
                         if (info.status() != QWebEngineLoadingInfo::LoadStartedStatus && !page->isLoading())
                             *pending = false;
                     });
}

void WebHtmlView::lockDown()
{
    auto *profile = new QWebEngineProfile; // no storage name: off the record
    auto *interceptor = new PageFolderInterceptor(profile);
    profile->setUrlRequestInterceptor(interceptor);
    auto *page = new LocalPage(profile, interceptor, nullptr);
    new PageOwner(page, profile, m_view);
    QWebEngineSettings *settings = page->settings();
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    m_view->setPage(page);
    m_pageFolderChanged = [page](const QUrl &url) { page->showing(url); };
}

QWidget *WebHtmlView::widget() { return m_view; }

QUrl WebHtmlView::urlFor(const QString &urlOrPath)
{
    const QString target = urlOrPath.trimmed();
    if (target.isEmpty())
        return {};
    if (QDir::isAbsolutePath(target))
        return QUrl::fromLocalFile(target);
    return QUrl::fromUserInput(target, QDir::currentPath(), QUrl::AssumeLocalFile);
}

void WebHtmlView::Navigate(const QString &urlOrPath)
{
    const QUrl url = urlFor(urlOrPath);
    if (url.isEmpty())
        return;
    if (m_pageFolderChanged)
        m_pageFolderChanged(url);
    *m_loadPending = true;
    m_view->setUrl(url);
}

void WebHtmlView::Navigate2(const QString &path) { Navigate(path); }

void WebHtmlView::GoBack()
{
    if (!m_view->history()->canGoBack())
        throw Error(QStringLiteral("There is no earlier page."));
    *m_loadPending = true;
    m_view->back();
}

void WebHtmlView::waitUntilLoaded()
{
    if (!*m_loadPending && !m_view->page()->isLoading())
        return;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, [&loop] { loop.exit(1); });
    // Connected after the view's own handler, so the pending flag is up to date here.
    QObject::connect(m_view->page(), &QWebEnginePage::loadingChanged, &loop, [this, &loop] {
        if (!*m_loadPending)
            loop.exit(0);
    });
    timeout.start(kLoadTimeoutMs);
    if (loop.exec() != 0)
        throw Error(QStringLiteral("The page could not be loaded for printing."));
}

void WebHtmlView::printInto(QPrinter *printer)
{
    // The view prints one job at a time; a repaint asked for meanwhile waits for the next one.
    if (m_printing)
        return;
    m_printing = true;
    const auto done = qScopeGuard([this] { m_printing = false; });
    QEventLoop loop;
    bool success = false;
    QObject::connect(m_view, &QWebEngineView::printFinished, &loop, [&](bool ok) {
        success = ok;
        loop.quit();
    });
    m_view->print(printer);
    loop.exec();
    if (!success)
        throw Error(QStringLiteral("The page could not be printed."));
}

void WebHtmlView::PrintPreview()
{
    waitUntilLoaded();
    // The view prints a picture of the page; 300 dpi keeps text sharp without slowing the preview down.
    QPrinter printer;
    printer.setResolution(300);
    QPrintPreviewDialog dialog(&printer, m_view->window());
    QString failure;
    // No exception may travel through Qt's own code, so a failed painting is carried out by hand.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [this, &failure](QPrinter *target) {
        try {
            printInto(target);
        } catch (const Error &error) {
            failure = error.text();
        }
    });
    m_execModal(dialog);
    if (!failure.isEmpty())
        throw Error(failure);
}
