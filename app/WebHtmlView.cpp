#include "app/WebHtmlView.h"

#include "common/Error.h"

#include <QUrl>
#include <QWebEngineHistory>
#include <QWebEngineView>

WebHtmlView::WebHtmlView(QWidget *parent, const QString &objectName) : m_view(new QWebEngineView(parent))
{
    m_view->setObjectName(objectName);
}

QWidget *WebHtmlView::widget() { return m_view; }

void WebHtmlView::Navigate(const QString &urlOrPath)
{
    const QString target = urlOrPath.trimmed();
    if (target.isEmpty())
        return;
    m_view->setUrl(QUrl::fromUserInput(target));
}

void WebHtmlView::Navigate2(const QString &path) { Navigate(path); }

void WebHtmlView::GoBack()
{
    if (!m_view->history()->canGoBack())
        throw Error(QStringLiteral("There is no earlier page."));
    m_view->back();
}

void WebHtmlView::PrintPreview() {}
