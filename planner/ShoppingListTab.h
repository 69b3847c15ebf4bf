#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QWidget>

struct AppContext;
class QPlainTextEdit;
class QToolButton;

// The "Einkaufsliste" tab: the shopping list, one free text kept in "EList.dat" at every change.
class ShoppingListTab : public QWidget {
    Q_OBJECT
public:
    explicit ShoppingListTab(AppContext &context, QWidget *parent = nullptr);

    void loadList(); // "EList.dat" into the field, without writing it back

    // Appends the recipe's ingredients (none when the store has no such recipe) under its name.
    void appendRecipe(QByteArrayView name);
    void AppendToShoppingList(QByteArrayView name, QByteArrayView ingredients);

    void TntMemo3Change();
    void TntToolButton11Click();

Q_SIGNALS:
    void printRequested(QString path); // "Print.html" is written and wants the print window

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AppContext &m_context;
    QToolButton *TntToolButton11;
    QPlainTextEdit *TntMemo3;
    bool m_writeHeld = false; // set while the field is changed from code
};
