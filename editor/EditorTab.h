#pragma once

#include <QWidget>

struct AppContext;

// The "Neues Rezept" tab: writing and saving own recipes.
class EditorTab : public QWidget {
    Q_OBJECT
public:
    explicit EditorTab(AppContext &context, QWidget *parent = nullptr);

    void TntComboBox2Change(); // refill the value list, all unmarked

private:
    AppContext &m_context;
};
