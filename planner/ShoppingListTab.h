#pragma once

#include <QWidget>

struct AppContext;

// The "Einkaufsliste" tab: the shopping list.
class ShoppingListTab : public QWidget {
    Q_OBJECT
public:
    explicit ShoppingListTab(AppContext &context, QWidget *parent = nullptr);

    void loadList(); // "EList.dat" into the field, without writing it back

private:
    AppContext &m_context;
};
