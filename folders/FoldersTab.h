#pragma once

#include <QWidget>

struct AppContext;

// The "Ordner" tab: the folder tree and the favourites folder.
class FoldersTab : public QWidget {
    Q_OBJECT
public:
    explicit FoldersTab(AppContext &context, QWidget *parent = nullptr);

    void ReloadFolderTree(); // rebuild the tree from the two lists
    void expandAll();

private:
    AppContext &m_context;
};
