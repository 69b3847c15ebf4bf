#pragma once

#include <QWidget>

struct AppContext;

// The "Datenbank updaten" tab: fetching and importing server recipes.
class UpdateTab : public QWidget {
    Q_OBJECT
public:
    explicit UpdateTab(AppContext &context, QWidget *parent = nullptr);

    void TntComboBox5Change(); // refill the value list, all ticked, then filter

private:
    AppContext &m_context;
};
