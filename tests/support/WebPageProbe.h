#pragma once

#include <QDir>
#include <QImage>
#include <QString>
#include <QTest>
#include <QVariant>
#include <QWebEngineLoadingInfo>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <optional>

// Looks into a real WebEngine view from outside the page: scripts run in the application's own
// world, which works even where the page's JavaScript is off.
namespace WebPageProbe {

inline QWebEngineView *webView(QWidget *widget) { return qobject_cast<QWebEngineView *>(widget); }

// Watches the loads a view makes from now on; the view starts a requested load only later.
class PageLoad {
public:
    explicit PageLoad(QWebEngineView *view) : m_view(view)
    {
        QObject::connect(view->page(), &QWebEnginePage::loadingChanged, &m_context,
                         [this](const QWebEngineLoadingInfo &info) {
                             if (info.status() != QWebEngineLoadingInfo::LoadStartedStatus)
                                 m_finished.append(info.url());
                         });
    }
    // True once a load of `url` has ended and nothing loads any more.
    bool waitFor(const QUrl &url, int timeoutMs = 20000)
    {
        return QTest::qWaitFor([&] { return m_finished.contains(url) && !m_view->page()->isLoading(); },
                               timeoutMs);
    }
    const QList<QUrl> &finished() const { return m_finished; }

private:
    QWebEngineView *m_view;
    QObject m_context;
    QList<QUrl> m_finished;
};

inline std::optional<QVariant> evaluate(QWebEngineView *view, const QString &script, int timeoutMs = 10000)
{
    std::optional<QVariant> result;
    view->page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                [&result](const QVariant &value) { result = value; });
    if (!QTest::qWaitFor([&] { return result.has_value(); }, timeoutMs))
        return std::nullopt;
    return result;
}

// A real picture file of the given size.
inline void writePicture(const QString &path, int width, int height, const char *format)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 80, 40));
    image.save(path, format);
}

} // namespace WebPageProbe
