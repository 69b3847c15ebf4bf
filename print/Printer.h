#pragma once

#include <QWidget>

struct AppContext;

// The print window: one HTML view and a button that opens its print preview.
class TForm4 : public QWidget {
    Q_OBJECT
public:
    explicit TForm4(AppContext &context, QWidget *parent = nullptr);

private:
    AppContext &m_context;
};
