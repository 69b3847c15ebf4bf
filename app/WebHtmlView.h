#pragma once

#include "common/HtmlView.h"

#include <QUrl>
#include <functional>
#include <memory>

class QDialog;
class QPrinter;
class QWebEngineView;

// The HTML view on Qt WebEngine.
class WebHtmlView : public HtmlView {
public:
    // Recipe pages are generated from untrusted recipe text, so they get a locked-down page;
    // web pages (the community view) get an ordinary one.
    enum class Content { LocalPages, WebPages };

    WebHtmlView(QWidget *parent, const QString &objectName, Content content,
                std::function<int(QDialog &)> execModal);

    QWidget *widget() override;
    void Navigate(const QString &urlOrPath) override;
    void Navigate2(const QString &path) override;
    void GoBack() override;
    void PrintPreview() override;

    static QUrl urlFor(const QString &urlOrPath); // invalid for a blank text

private:
    void lockDown();
    void waitUntilLoaded();
    void printInto(QPrinter *printer);

    QWebEngineView *m_view;
    std::function<int(QDialog &)> m_execModal;
    std::function<void(const QUrl &)> m_pageFolderChanged;
    // Set from a navigation request until its load has ended; shared with the view's signal handler.
    std::shared_ptr<bool> m_loadPending = std::make_shared<bool>(false);
    bool m_printing = false;
};
