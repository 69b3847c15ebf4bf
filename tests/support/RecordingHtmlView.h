#pragma once

#include "common/HtmlView.h"

#include <QStringList>

class QWidget;

// Stands in for the WebEngine view: remembers what it was asked and shows nothing.
class RecordingHtmlView : public HtmlView {
public:
    RecordingHtmlView(QWidget *parent, const QString &objectName);

    QWidget *widget() override;
    void Navigate(const QString &urlOrPath) override;
    void Navigate2(const QString &path) override;
    void GoBack() override; // throws when there is no earlier page, like the real view
    void PrintPreview() override;

    QStringList navigations;   // every address given, in order (blank ones left out)
    QStringList history;       // pages as the view would hold them
    int previews = 0;
    QString current() const { return history.isEmpty() ? QString() : history.last(); }

private:
    QWidget *m_widget;
};
