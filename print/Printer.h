#pragma once

#include <QWidget>

struct AppContext;
class HtmlView;
class QToolBar;
class QToolButton;

// The print window: one HTML view and a button that opens its print preview.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(AppContext &context, QWidget *parent = nullptr);

    // Loads the page (a path as wide text) into the view and shows the window without waiting.
    void showPage(const QString &path);

    HtmlView *view() const { return m_view; }

public slots:
    void TntToolButton11Click();

private:
    void centreOnMainWindow();

    AppContext &m_context;
    HtmlView *m_view;
    QToolBar *TntToolBar3;
    QToolButton *TntToolButton11;
};
