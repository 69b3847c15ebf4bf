#include "folders/FoldersTab.h"

#include "common/ErrorReport.h"
#include "common/Error.h"
#include "common/HtmlView.h"
#include "common/LanguageTexts.h"
#include "common/Platform.h"
#include "folders/QueryTextDialog.h"
#include "store/AppContext.h"
#include "store/RecipePage.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QMenu>
#include <QSet>
#include <QSplitter>
#include <QStyle>

namespace {

constexpr int kTreeWidth = 161;

// A node of the tree: its text as written (UTF-8) and its picture, kept beside the shown text.
class FolderItem : public QTreeWidgetItem {
public:
    FolderItem(const QByteArray &raw, int picture, const QIcon &icon)
        : QTreeWidgetItem(UserType), m_raw(raw), m_text(QString::fromUtf8(raw)), m_picture(picture), m_icon(icon)
    {
    }

    // Served from the members: most of the cost of a large tree is in the items' own data lists.
    QVariant data(int column, int role) const override
    {
        if (column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole))
            return m_text;
        if (column == 0 && role == Qt::DecorationRole)
            return m_icon;
        return QTreeWidgetItem::data(column, role);
    }

    const QByteArray &raw() const { return m_raw; }
    int picture() const { return m_picture; }

private:
    QByteArray m_raw;
    QString m_text;
    int m_picture;
    QIcon m_icon;
};

const FolderItem *folderItem(const QTreeWidgetItem *item) { return static_cast<const FolderItem *>(item); }

// The same picture whether the node is selected or not.
QIcon steadyIcon(const QIcon &source)
{
    QIcon icon;
    const QPixmap pixmap = source.pixmap(16, 16);
    icon.addPixmap(pixmap, QIcon::Normal);
    icon.addPixmap(pixmap, QIcon::Selected);
    icon.addPixmap(pixmap, QIcon::Active);
    return icon;
}

QString foldedPath(const QByteArray &path) { return QString::fromUtf8(path).toCaseFolded(); }

QByteArray childPath(const QByteArray &parentPath, const QByteArray &text)
{
    return parentPath.isEmpty() ? escapeComponent(text) : parentPath + '\\' + escapeComponent(text);
}

} // namespace

FolderTreeView::FolderTreeView(QWidget *parent) : QTreeWidget(parent) {}

QSize FolderTreeView::sizeHint() const { return QSize(161, QTreeWidget::sizeHint().height()); }

void FolderTreeView::dragEnterEvent(QDragEnterEvent *event)
{
    if (acceptsDragFrom && acceptsDragFrom(event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void FolderTreeView::dragMoveEvent(QDragMoveEvent *event)
{
    if (acceptsDragFrom && acceptsDragFrom(event->source()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void FolderTreeView::dropEvent(QDropEvent *event)
{
    if (!acceptsDragFrom || !acceptsDragFrom(event->source())) {
        event->ignore();
        return;
    }
    // A copy, so the view does not remove the dragged rows itself; the tab rebuilds the tree.
    event->setDropAction(Qt::CopyAction);
    event->accept();
    const QPoint at = event->position().toPoint();
    // After the drag has ended: rebuilding the tree inside it would pull the items from under it.
    QMetaObject::invokeMethod(
        this,
        [this, at] {
            if (dropped)
                dropped(at.x(), at.y());
        },
        Qt::QueuedConnection);
}

FoldersTab::FoldersTab(AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context), m_folders(context.dataDir, context.favourites),
      m_splitter(new QSplitter(Qt::Horizontal, this)), TntTreeView1(new FolderTreeView(m_splitter)),
      m_viewPanel(new QFrame(m_splitter)),
      EmbeddedWB4(context.platform.createHtmlView(m_viewPanel, QStringLiteral("EmbeddedWB4"))),
      TntPopupMenu6(new QMenu(this)), Ordnerhinzufgen1(new QAction(QStringLiteral("Ordner hinzufügen"), TntPopupMenu6)),
      Lschen1(new QAction(QStringLiteral("Löschen"), TntPopupMenu6))
{
    setObjectName(QStringLiteral("TntTabSheet10"));
    TntTreeView1->setObjectName(QStringLiteral("TntTreeView1"));
    TntPopupMenu6->setObjectName(QStringLiteral("TntPopupMenu6"));
    Ordnerhinzufgen1->setObjectName(QStringLiteral("Ordnerhinzufgen1"));
    Lschen1->setObjectName(QStringLiteral("Lschen1"));
    m_splitter->setObjectName(QStringLiteral("FolderSplitter"));
    m_viewPanel->setObjectName(QStringLiteral("FolderViewPanel"));

    ImageList2 = {steadyIcon(style()->standardIcon(QStyle::SP_DirIcon)),
                  steadyIcon(style()->standardIcon(QStyle::SP_FileIcon))};

    TntTreeView1->setHeaderHidden(true);
    TntTreeView1->setColumnCount(1);
    TntTreeView1->setIndentation(19);
    TntTreeView1->setSelectionMode(QAbstractItemView::SingleSelection);
    TntTreeView1->setDragEnabled(true);
    TntTreeView1->setAcceptDrops(true);
    TntTreeView1->setDragDropMode(QAbstractItemView::DragDrop);
    TntTreeView1->setDefaultDropAction(Qt::CopyAction);
    TntTreeView1->setDropIndicatorShown(false);
    TntTreeView1->setContextMenuPolicy(Qt::CustomContextMenu);
    TntTreeView1->acceptsDragFrom = [this](QObject *source) { return TntTreeView1DragOver(source); };
    TntTreeView1->dropped = [this](int x, int y) { reportingErrors([this, x, y] { TntTreeView1DragDrop(x, y); }); };

    m_viewPanel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto *panelLayout = new QHBoxLayout(m_viewPanel);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(EmbeddedWB4->widget());

    m_splitter->setHandleWidth(1);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(TntTreeView1);
    m_splitter->addWidget(m_viewPanel);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({kTreeWidth, 1000});
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_splitter);

    TntPopupMenu6->addAction(Ordnerhinzufgen1);
    TntPopupMenu6->addAction(Lschen1);
    connect(TntTreeView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { TntPopupMenu6->popup(TntTreeView1->viewport()->mapToGlobal(at)); });
    connect(Ordnerhinzufgen1, &QAction::triggered, this,
            [this] { reportingErrors([this] { Ordnerhinzufgen1Click(); }); });
    connect(Lschen1, &QAction::triggered, this, [this] { reportingErrors([this] { Lschen1Click(); }); });
    connect(TntTreeView1, &QTreeWidget::itemClicked, this,
            [this] { reportingErrors([this] { TntTreeView1Click(); }); });
}

void FoldersTab::reportingErrors(const std::function<void()> &handler) const
{
    runReportingErrors(m_context.platform, handler);
}

QByteArray FoldersTab::favouritesName() const { return m_context.texts.text(120).toUtf8(); }

NodeTexts FoldersTab::nodeTexts(const QTreeWidgetItem *item)
{
    NodeTexts texts;
    for (; item && item->parent(); item = item->parent())
        texts.prepend(folderItem(item)->raw());
    return texts;
}

int FoldersTab::picture(const QTreeWidgetItem *item) { return folderItem(item)->picture(); }

QTreeWidgetItem *FoldersTab::selectedNode() const
{
    const QList<QTreeWidgetItem *> selected = TntTreeView1->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void FoldersTab::ReloadFolderTree()
{
    // Folders count even while empty: the empty favourites folder stays open once it fills.
    QSet<QString> expanded;
    for (const auto &[item, path] : m_folderItems)
        if (item->isExpanded())
            expanded.insert(path);
    m_folderItems.clear();

    FolderNode tree = m_folders.reload(favouritesName());

    // The items are built apart from the view and handed over in one piece, which is much faster.
    QList<QTreeWidgetItem *> toExpand;
    auto icon = [this](int picture) -> const QIcon & { return ImageList2[picture == FolderPictureEntry ? 1 : 0]; };
    std::function<void(FolderNode &, QTreeWidgetItem *, const QByteArray &)> build =
        [&](FolderNode &node, QTreeWidgetItem *item, const QByteArray &path) {
            QList<QTreeWidgetItem *> children;
            children.reserve(qsizetype(node.children.size()));
            for (FolderNode &childNode : node.children) {
                auto *child = new FolderItem(childNode.text, childNode.picture, icon(childNode.picture));
                children.append(child);
                if (childNode.picture == FolderPictureFolder || !childNode.children.empty()) {
                    const QByteArray p = childPath(path, childNode.text);
                    QString folded = foldedPath(p);
                    if (expanded.contains(folded))
                        toExpand.append(child);
                    m_folderItems.emplace_back(child, std::move(folded));
                    build(childNode, child, p);
                }
            }
            item->addChildren(children);
        };
    auto *root = new FolderItem(tree.text, tree.picture, icon(tree.picture));
    build(tree, root, QByteArray());

    TntTreeView1->setUpdatesEnabled(false);
    TntTreeView1->clear();
    TntTreeView1->addTopLevelItem(root);
    root->setExpanded(true);
    for (QTreeWidgetItem *item : toExpand)
        item->setExpanded(true);
    TntTreeView1->clearSelection();
    TntTreeView1->setCurrentItem(nullptr);
    TntTreeView1->setUpdatesEnabled(true);
    TntTreeView1->scrollToItem(root);
}

void FoldersTab::expandAll() { TntTreeView1->expandAll(); }

void FoldersTab::addFavourite(QByteArrayView name)
{
    if (m_folders.addFavourite(name))
        ReloadFolderTree();
}

void FoldersTab::TntTreeView1Click()
{
    const QTreeWidgetItem *node = selectedNode();
    if (!node)
        return;
    const NodeTexts texts = nodeTexts(node);
    m_context.display.ShowRecipe(texts.isEmpty() ? QByteArray() : texts.last(), RecipeDisplay::FolderView);
}

bool FoldersTab::AskText(const QString &caption, const QString &prompt, QString &value)
{
    return QueryText(m_context.platform.execModal, caption, prompt, QStringLiteral("Cancel"), value,
                     QStringLiteral("Ok"));
}

void FoldersTab::Ordnerhinzufgen1Click()
{
    const QTreeWidgetItem *node = selectedNode();
    if (!node)
        return;
    const NodeTexts texts = nodeTexts(node);
    if (!m_folders.mayHoldNewFolder(texts, favouritesName()))
        return;
    QString name;
    const QString caption = m_context.texts.text(123);
    if (AskText(caption, caption + QLatin1Char(':'), name) && !name.isEmpty())
        m_folders.addFolder(texts, name);
    ReloadFolderTree();
}

void FoldersTab::Lschen1Click()
{
    const QTreeWidgetItem *node = selectedNode();
    if (!node)
        return;
    m_folders.deleteNode(nodeTexts(node), picture(node), favouritesName());
    ReloadFolderTree();
}

bool FoldersTab::TntTreeView1DragOver(QObject *source) const { return source == TntTreeView1; }

void FoldersTab::TntTreeView1DragDrop(int X, int Y)
{
    const QTreeWidgetItem *target = TntTreeView1->itemAt(X, Y);
    const QTreeWidgetItem *dragged = selectedNode();
    if (!target || !dragged)
        return;
    if (m_folders.moveEntry(nodeTexts(dragged), picture(dragged), nodeTexts(target), picture(target), favouritesName()))
        ReloadFolderTree();
}
