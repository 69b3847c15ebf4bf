#include "browse/RecipeBrowserTab.h"

#include "browse/BrowseTexts.h"
#include "common/ErrorReport.h"
#include "browse/SortedNameModel.h"
#include "browse/ToolIcons.h"
#include "common/HtmlView.h"
#include "common/Platform.h"
#include "store/AppContext.h"
#include "store/Categories.h"
#include "store/Database.h"
#include "store/RecipePage.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QStyledItemDelegate>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kLeftPanelWidth = 185;
constexpr int kFilterAreaHeight = 160;
constexpr int kToggleHeight = 17;
constexpr int kRowHeight = 13;
constexpr int kStatusBarHeight = 19;
constexpr int kCountPanelWidth = 200;
constexpr int kSecondPanelWidth = 50;
constexpr QSize kToolButtonSize(41, 31);

// List and check list rows of the window's fixed height, whatever the style would like.
class FixedRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kRowHeight};
    }
};

// A list whose entry, once chosen by mouse or keyboard, is shown; a choice made by the program
// itself is not reported, so a filter that selects its first entry shows it only once.
class RecipeListView : public QListView {
public:
    using QListView::QListView;
    std::function<void()> onKeyboardChoice;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        const QModelIndex before = currentIndex();
        QListView::keyPressEvent(event);
        if (currentIndex() != before && onKeyboardChoice)
            onKeyboardChoice();
    }
};

QSplitter *thinSplitter(Qt::Orientation orientation, QWidget *parent)
{
    auto *splitter = new QSplitter(orientation, parent);
    splitter->setHandleWidth(1);
    splitter->setChildrenCollapsible(false);
    return splitter;
}

QVBoxLayout *bareColumn(QWidget *widget)
{
    auto *layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

} // namespace

RecipeBrowserTab::RecipeBrowserTab(AppContext &context, QWidget *parent, const RecipeBrowserNames &names,
                                   int showMode)
    : QWidget(parent), m_context(context), m_showMode(showMode)
{
    setObjectName(QLatin1String(names.tab));

    auto *sides = thinSplitter(Qt::Horizontal, this);
    auto *leftPanel = new QWidget(sides);
    leftPanel->setObjectName(QLatin1String(names.leftPanel));
    auto *right = new QWidget(sides);

    // Left panel: the filter area above the recipe list, with a movable line between them.
    auto *column = thinSplitter(Qt::Vertical, leftPanel);
    bareColumn(leftPanel)->addWidget(column);
    auto *filterArea = new QWidget(column);
    QVBoxLayout *filterLayout = bareColumn(filterArea);

    m_dimensionBox = new QComboBox(filterArea);
    m_dimensionBox->setObjectName(QLatin1String(names.dimensionBox));
    m_dimensionBox->setEditable(false);
    filterLayout->addWidget(m_dimensionBox);

    auto *toggle = new QToolButton(filterArea);
    toggle->setObjectName(QLatin1String(names.toggle));
    toggle->setText(QStringLiteral("Alles/Nichts auswählen"));
    toggle->setToolButtonStyle(Qt::ToolButtonTextOnly);
    toggle->setFixedHeight(kToggleHeight);
    toggle->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    filterLayout->addWidget(toggle);

    m_checkList = new QListWidget(filterArea);
    m_checkList->setObjectName(QLatin1String(names.checkList));
    m_checkList->setItemDelegate(new FixedRowDelegate(m_checkList));
    m_checkList->setUniformItemSizes(true);
    filterLayout->addWidget(m_checkList, 1);

    auto *list = new RecipeListView(column);
    m_list = list;
    m_list->setObjectName(QLatin1String(names.list));
    m_model = new SortedNameModel(m_list);
    m_list->setModel(m_model);
    m_list->setItemDelegate(new FixedRowDelegate(m_list));
    m_list->setUniformItemSizes(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);

    column->addWidget(filterArea);
    column->addWidget(m_list);
    column->setStretchFactor(1, 1);
    column->setSizes({kFilterAreaHeight, 1000});

    m_popup = new QMenu(this);
    m_popup->setObjectName(QLatin1String(names.popup));

    // Right side: the tool bar above the recipe page.
    QVBoxLayout *rightLayout = bareColumn(right);
    m_toolBar = new QToolBar(right);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    rightLayout->addWidget(m_toolBar);
    m_view.reset(context.platform.createHtmlView(right, QLatin1String(names.view)));
    rightLayout->addWidget(m_view->widget(), 1);

    sides->addWidget(leftPanel);
    sides->addWidget(right);
    sides->setStretchFactor(1, 1);
    sides->setSizes({kLeftPanelWidth, 1000});

    auto *statusBar = new QStatusBar(this);
    statusBar->setObjectName(QLatin1String(names.statusBar));
    statusBar->setSizeGripEnabled(false);
    statusBar->setFixedHeight(kStatusBarHeight);
    m_countPanel = new QLabel(statusBar);
    m_countPanel->setObjectName(QLatin1String(names.statusBar) + QStringLiteral("Panel0"));
    m_countPanel->setFixedWidth(kCountPanelWidth);
    auto *secondPanel = new QLabel(statusBar);
    secondPanel->setObjectName(QLatin1String(names.statusBar) + QStringLiteral("Panel1"));
    secondPanel->setFixedWidth(kSecondPanelWidth);
    for (QLabel *panel : {m_countPanel, secondPanel})
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    statusBar->addWidget(m_countPanel);
    statusBar->addWidget(secondPanel);

    QVBoxLayout *layout = bareColumn(this);
    layout->addWidget(sides, 1);
    layout->addWidget(statusBar);

    // Handlers run only on the user's doing: a box position or ticks set by the program stay quiet.
    connect(m_dimensionBox, &QComboBox::activated, this, [this] { reporting([this] { dimensionChange(); }); });
    connect(m_checkList, &QListWidget::itemChanged, this, [this] { reporting([this] { filter(); }); });
    connect(toggle, &QToolButton::clicked, this, [this] { reporting([this] { toggleAll(); }); });
    connect(m_list, &QAbstractItemView::clicked, this, [this] { reporting([this] { showSelected(); }); });
    list->onKeyboardChoice = [this] { reporting([this] { showSelected(); }); };
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { m_popup->popup(m_list->viewport()->mapToGlobal(at)); });
}

RecipeBrowserTab::~RecipeBrowserTab() = default;

std::optional<QByteArray> RecipeBrowserTab::selectedName() const
{
    const int row = selectedRow();
    if (row < 0)
        return std::nullopt;
    return m_model->nameAt(row);
}

HtmlView *RecipeBrowserTab::view() const { return m_view.get(); }

void RecipeBrowserTab::setNames(const QList<QByteArray> &names) { m_model->setNames(names); }

void RecipeBrowserTab::refreshList()
{
    const std::optional<QByteArray> selected = selectedName();
    m_model->setNames(filteredNames());
    if (selected)
        selectEntry(*selected);
}

QToolButton *RecipeBrowserTab::addToolButton(const char *name, ToolIcon icon, const char *hint)
{
    auto *button = new QToolButton(m_toolBar);
    button->setObjectName(QLatin1String(name));
    button->setIcon(toolIcon(icon));
    button->setIconSize(QSize(24, 24));
    button->setToolTip(QString::fromUtf8(hint));
    button->setAutoRaise(true);
    button->setFixedSize(kToolButtonSize);
    m_toolBar->addWidget(button);
    return button;
}

QAction *RecipeBrowserTab::addPopupEntry(const char *name, const char *caption)
{
    QAction *action = m_popup->addAction(QString::fromUtf8(caption));
    action->setObjectName(QLatin1String(name));
    return action;
}

void RecipeBrowserTab::dimensionChange()
{
    {
        const QSignalBlocker quiet(m_checkList);
        m_checkList->clear();
        for (const QString &label : valueLabelsAt(m_context.texts, dimensionPosition())) {
            auto *item = new QListWidgetItem(label, m_checkList);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Checked);
        }
    }
    filter();
}

void RecipeBrowserTab::filter()
{
    m_model->setNames(filteredNames());
    if (m_model->rowCount() > 0)
        selectRow(0);
    // The count first: a record that cannot be shown must not leave the old count standing.
    m_countPanel->setText(recipeCountText(m_model->rowCount(), m_context.texts));
    showSelected();
}

void RecipeBrowserTab::toggleAll()
{
    if (m_checkList->count() > 0) {
        const Qt::CheckState state =
            m_checkList->item(0)->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked;
        const QSignalBlocker quiet(m_checkList);
        for (int i = 0; i < m_checkList->count(); ++i)
            m_checkList->item(i)->setCheckState(state);
    }
    filter();
}

void RecipeBrowserTab::showSelected()
{
    if (const std::optional<QByteArray> name = selectedName())
        m_context.display.ShowRecipe(*name, m_showMode);
}

void RecipeBrowserTab::deleteSelectedRecipe()
{
    const std::optional<QByteArray> name = selectedName();
    if (!name)
        return;
    m_context.store.deleteRecipe(*name);
    removeSelectedEntry();
}

void RecipeBrowserTab::removeSelectedEntry()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    m_model->removeName(row);
    m_list->selectionModel()->clearSelection();
}

void RecipeBrowserTab::selectEntry(QByteArrayView name)
{
    if (const int row = m_model->rowOf(name); row >= 0)
        selectRow(row);
}

int RecipeBrowserTab::dimensionPosition() const { return m_dimensionBox->currentIndex(); }

QByteArray RecipeBrowserTab::categoryBitString() const
{
    QList<bool> ticks;
    ticks.reserve(m_checkList->count());
    for (int i = 0; i < m_checkList->count(); ++i)
        ticks.append(m_checkList->item(i)->checkState() == Qt::Checked);
    return CategoryBitString(ticks);
}

void RecipeBrowserTab::reporting(const std::function<void()> &handler) const
{
    runReportingErrors(m_context.platform, handler);
}

int RecipeBrowserTab::selectedRow() const
{
    const QModelIndexList rows = m_list->selectionModel()->selectedIndexes();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void RecipeBrowserTab::selectRow(int row)
{
    const QModelIndex index = m_model->index(row);
    m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    m_list->scrollTo(index);
}
