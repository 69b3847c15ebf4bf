#include "tests/support/RecordingHtmlView.h"

#include "common/Error.h"

#include <QWidget>

RecordingHtmlView::RecordingHtmlView(QWidget *parent, const QString &objectName) : m_widget(new QWidget(parent))
{
    m_widget->setObjectName(objectName);
}

QWidget *RecordingHtmlView::widget() { return m_widget; }

void RecordingHtmlView::Navigate(const QString &urlOrPath)
{
    if (urlOrPath.trimmed().isEmpty())
        return;
    navigations.append(urlOrPath);
    history.append(urlOrPath);
}

void RecordingHtmlView::Navigate2(const QString &path) { Navigate(path); }

void RecordingHtmlView::GoBack()
{
    if (history.size() < 2)
        throw Error(QStringLiteral("There is no earlier page."));
    history.removeLast();
}

void RecordingHtmlView::PrintPreview() { ++previews; }
