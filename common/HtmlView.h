#pragma once

#include <QString>

class QWidget;

// The four operations the program asks of an HTML view.
class HtmlView {
public:
    virtual ~HtmlView() = default;
    virtual QWidget *widget() = 0;
    virtual void Navigate(const QString &urlOrPath) = 0; // blank after trimming: ignored
    virtual void Navigate2(const QString &path) = 0;     // path given as wide text
    virtual void GoBack() = 0;                           // throws when there is no earlier page
    virtual void PrintPreview() = 0;                     // throws on failure
};
