#pragma once

#include <QWidget>

struct AppContext;
class QComboBox;

// The search dialog: finds recipes by name, author and texts; fills the "Rezepte" list.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(AppContext &context, QWidget *parent = nullptr);

    // Labels the button and refills the search-in group (item 0 selected).
    void relabel(const QString &buttonCaption, const QString &groupCaption, const QStringList &searchInItems);
    QComboBox *dimensionBox() const;

private:
    AppContext &m_context;
    QComboBox *m_dimensionBox;
};
