#pragma once

#include <QByteArray>
#include <QList>
#include <QPointer>
#include <QWidget>

struct AppContext;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

// The search dialog: finds recipes by name, author and texts; fills the "Rezepte" list.
// It is a window of its own that never blocks the main window; closing it only hides it.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    explicit TForm2(AppContext &context, QWidget *parent = nullptr);

    // Labels the button and refills the search-in group (item 0 selected).
    void relabel(const QString &buttonCaption, const QString &groupCaption, const QStringList &searchInItems);
    QComboBox *dimensionBox() const;

    void setMainWindow(QWidget *window) { m_mainWindow = window; }
    void bringUp(); // shown centred on the main window, or brought to the front when open

    void TntBitBtn1Click(); // search with the current settings
    // More recipes of an author (UTF-8): all dimensions, name and author only.
    void authorSearch(const QByteArray &author);

Q_SIGNALS:
    void recipesFound(const QList<QByteArray> &names); // the new content of the "Rezepte" list

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AppContext &m_context;
    QPointer<QWidget> m_mainWindow;
    QLineEdit *TntEdit1;
    QComboBox *TntComboBox1;
    QGroupBox *TntRadioGroup1;
    QButtonGroup *m_searchIn;
    QPushButton *TntBitBtn1;
};
