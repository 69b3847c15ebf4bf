#pragma once

#include <QWidget>

struct AppContext;

// The donation window.
class TForm14 : public QWidget {
    Q_OBJECT
public:
    explicit TForm14(AppContext &context, QWidget *parent = nullptr);

private:
    AppContext &m_context;
};
