#pragma once

#include <QByteArray>
#include <QList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

struct AppContext;
class HtmlView;
class QAction;
class QComboBox;
class QLabel;
class QListView;
class QListWidget;
class QMenu;
class QToolBar;
class QToolButton;
class SortedNameModel;
enum class ToolIcon;

// Object names of one recipe tab's controls.
struct RecipeBrowserNames {
    const char *tab, *leftPanel, *dimensionBox, *toggle, *checkList, *list, *popup, *view, *statusBar;
};

// What both recipe tabs share: dimension box, value check list with its toggle, the sorted recipe
// list with its popup menu, the tool bar above the HTML view and the status bar with the count.
class RecipeBrowserTab : public QWidget {
public:
    ~RecipeBrowserTab() override;

    std::optional<QByteArray> selectedName() const; // the selected entry, UTF-8
    HtmlView *view() const;

    void setNames(const QList<QByteArray> &names); // the whole list; no selection, nothing else changes
    void refreshList(); // the filter's names again; the selected name stays selected, page and count stay

protected:
    RecipeBrowserTab(AppContext &context, QWidget *parent, const RecipeBrowserNames &names, int showMode);

    // The names the list shows for the chosen box position and ticked values.
    virtual QList<QByteArray> filteredNames() const = 0;

    QToolButton *addToolButton(const char *name, ToolIcon icon, const char *hint);
    QAction *addPopupEntry(const char *name, const char *caption);

    void dimensionChange(); // refill the value list for the box position, tick all, filter
    void filter();          // list, select the first entry, count, show
    void toggleAll();
    void showSelected();
    void deleteSelectedRecipe(); // from the store and the list; nothing without a selection
    void removeSelectedEntry();  // from the list only
    void selectEntry(QByteArrayView name); // the first entry of that name, if listed

    int dimensionPosition() const;
    QByteArray categoryBitString() const;
    void reporting(const std::function<void()> &handler) const;

    AppContext &m_context;
    QComboBox *m_dimensionBox;
    QListWidget *m_checkList;
    QListView *m_list;
    QMenu *m_popup;

private:
    int selectedRow() const;
    void selectRow(int row);

    const int m_showMode;
    SortedNameModel *m_model;
    QToolBar *m_toolBar;
    QLabel *m_countPanel;
    std::unique_ptr<HtmlView> m_view;
};
