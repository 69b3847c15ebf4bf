#pragma once

#include <QWidget>

struct AppContext;

// The info window: logo, name and version, scrolling credits.
class TInfoForm : public QWidget {
    Q_OBJECT
public:
    explicit TInfoForm(AppContext &context, QWidget *parent = nullptr);

private:
    AppContext &m_context;
};
