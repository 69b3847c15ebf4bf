#pragma once

#include "folders/Folders.h"

#include <QIcon>
#include <QTreeWidget>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

struct AppContext;
class HtmlView;
class QAction;
class QFrame;
class QMenu;
class QSplitter;

// The folder tree control: drags start from the tree by themselves, drops are handled by the tab.
class FolderTreeView : public QTreeWidget {
    Q_OBJECT
public:
    explicit FolderTreeView(QWidget *parent = nullptr);

    QSize sizeHint() const override; // 161 wide: the splitter's first share

    std::function<bool(QObject *source)> acceptsDragFrom;
    std::function<void(int x, int y)> dropped; // viewport coordinates

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
};

// The "Ordner" tab: the folder tree with the favourites folder, and the recipe last clicked there.
class FoldersTab : public QWidget {
    Q_OBJECT
public:
    explicit FoldersTab(AppContext &context, QWidget *parent = nullptr);

    void ReloadFolderTree(); // rebuild the tree from the two lists
    void expandAll();

    HtmlView *view() const { return EmbeddedWB4; }

    // ML2Click and ML1Click with the list's selected name.
    void addFavourite(QByteArrayView name);

    void TntTreeView1Click();
    void Ordnerhinzufgen1Click();
    void Lschen1Click();
    bool TntTreeView1DragOver(QObject *source) const;
    void TntTreeView1DragDrop(int X, int Y); // viewport coordinates of the tree

    bool AskText(const QString &caption, const QString &prompt, QString &value);

    // The texts of the item and its ancestors below the root; its picture.
    static NodeTexts nodeTexts(const QTreeWidgetItem *item);
    static int picture(const QTreeWidgetItem *item);
    static QByteArray NodePath(const QTreeWidgetItem *item) { return ::NodePath(nodeTexts(item)); }

private:
    QByteArray favouritesName() const; // text 120, UTF-8
    QTreeWidgetItem *selectedNode() const;
    void reportingErrors(const std::function<void()> &handler) const;

    AppContext &m_context;
    Folders m_folders;
    std::array<QIcon, 2> ImageList2;
    QSplitter *m_splitter;
    FolderTreeView *TntTreeView1;
    QFrame *m_viewPanel;
    HtmlView *EmbeddedWB4;
    QMenu *TntPopupMenu6;
    QAction *Ordnerhinzufgen1;
    QAction *Lschen1;
    std::vector<std::pair<QTreeWidgetItem *, QString>> m_folderItems; // with their paths, case folded
};
