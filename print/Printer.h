#pragma once

#include <QWidget>

struct AppContext;

// The print window: one HTML view and a button that opens its print preview.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(AppContext &context, QWidget *parent = nullptr);

    // Loads the page (a path as wide text) into the view and shows the window without waiting.
    void showPage(const QString &path);

private:
    AppContext &m_context;
};
