#pragma once

#include "common/HtmlView.h"

class QWebEngineView;

// The HTML view on Qt WebEngine.
class WebHtmlView : public HtmlView {
public:
    WebHtmlView(QWidget *parent, const QString &objectName);
    QWidget *widget() override;
    void Navigate(const QString &urlOrPath) override;
    void Navigate2(const QString &path) override;
    void GoBack() override;
    void PrintPreview() override;

private:
    QWebEngineView *m_view;
};
