#include "online/UpdateTab.h"

#include "common/Error.h"
#include "common/Platform.h"
#include "common/TextEncoding.h"
#include "common/ErrorReport.h"
#include "store/AppContext.h"
#include "store/Categories.h"
#include "store/Database.h"

#include <QAction>
#include <QCollator>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTreeWidget>
#include <QTreeWidgetItem>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>
#include <optional>

namespace {

// The user's locale as it is now, letter case significant; each text is keyed once.
QList<QTreeWidgetItem *> sortedItems(const QList<QTreeWidgetItem *> &items, int column, bool ascending)
{
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseSensitive);
    std::vector<std::pair<QCollatorSortKey, QTreeWidgetItem *>> keyed;
    keyed.reserve(size_t(items.size()));
    for (QTreeWidgetItem *item : items)
        keyed.emplace_back(collator.sortKey(item->text(column)), item);
    std::stable_sort(keyed.begin(), keyed.end(), [ascending](const auto &a, const auto &b) {
        return ascending ? a.first.compare(b.first) < 0 : b.first.compare(a.first) < 0;
    });
    QList<QTreeWidgetItem *> sorted;
    sorted.reserve(items.size());
    for (const auto &entry : keyed)
        sorted.append(entry.second);
    return sorted;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, int height)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setFixedSize(176, height);
    return button;
}

} // namespace

UpdateTab::UpdateTab(AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context), m_importer(m_http, context.store, context.dataDir),
      TntComboBox5(new QComboBox), SpeedButton2(new QPushButton), TntCheckListBox5(new QListWidget),
      TntComboBox6(new QComboBox), TntBitBtn3(nullptr), BitBtn1(nullptr), TntBitBtn2(nullptr),
      TntListView1(new QTreeWidget), TntPopupMenu3(new QMenu(this)), TntMenuItem1(nullptr),
      TntMenuItem2(nullptr), ProgressBar1(new QProgressBar)
{
    setObjectName(QStringLiteral("TntTabSheet7"));

    // Left column: the filter area over the language box and the three buttons.
    auto *filterArea = new QWidget;
    filterArea->setObjectName(QStringLiteral("TntPanel7"));
    auto *filterLayout = new QVBoxLayout(filterArea);
    filterLayout->setContentsMargins(0, 0, 0, 0);
    filterLayout->setSpacing(0);
    TntComboBox5->setObjectName(QStringLiteral("TntComboBox5"));
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    SpeedButton2->setText(QString::fromUtf8("Alles/Nichts auswählen"));
    SpeedButton2->setFlat(true);
    SpeedButton2->setFixedHeight(17);
    TntCheckListBox5->setObjectName(QStringLiteral("TntCheckListBox5"));
    TntCheckListBox5->setUniformItemSizes(true);
    filterLayout->addWidget(TntComboBox5);
    filterLayout->addWidget(SpeedButton2);
    filterLayout->addWidget(TntCheckListBox5, 1);

    auto *lower = new QWidget;
    auto *lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(4, 4, 4, 4);
    lowerLayout->setSpacing(6);
    TntComboBox6->setObjectName(QStringLiteral("TntComboBox6"));
    TntBitBtn3 = makeButton(lower, "TntBitBtn3", QStringLiteral("Check for new recipes"), 26);
    BitBtn1 = makeButton(lower, "BitBtn1", QStringLiteral("Add to database"), 27);
    TntBitBtn2 = makeButton(lower, "TntBitBtn2", QString::fromUtf8("Gelöschte Rezepte anzeigen"), 26);
    TntBitBtn3->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    BitBtn1->setIcon(style()->standardIcon(QStyle::SP_DialogApplyButton));
    TntBitBtn2->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    lowerLayout->addWidget(TntComboBox6);
    for (QPushButton *button : {TntBitBtn3, BitBtn1, TntBitBtn2})
        lowerLayout->addWidget(button, 0, Qt::AlignHCenter);
    lowerLayout->addStretch(1);

    auto *leftSplitter = new QSplitter(Qt::Vertical);
    leftSplitter->setHandleWidth(1);
    leftSplitter->setChildrenCollapsible(false);
    leftSplitter->addWidget(filterArea);
    leftSplitter->addWidget(lower);
    leftSplitter->setSizes({160, 300});
    leftSplitter->setStretchFactor(1, 1);
    // A splitter sets its own size limits from its children, so the width sits on a plain panel.
    auto *leftPanel = new QWidget;
    leftPanel->setObjectName(QStringLiteral("TntPanel8"));
    leftPanel->setFixedWidth(194);
    auto *leftLayout = new QVBoxLayout(leftPanel);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(leftSplitter);

    // Right: the offered recipes over the progress bar.
    TntListView1->setObjectName(QStringLiteral("TntListView1"));
    TntListView1->setRootIsDecorated(false);
    TntListView1->setUniformRowHeights(true);
    TntListView1->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Autor")});
    TntListView1->setColumnWidth(0, 163);
    TntListView1->setColumnWidth(1, 122);
    TntListView1->header()->setSectionsClickable(true);
    TntListView1->header()->setSortIndicatorShown(true);
    TntListView1->header()->setSortIndicator(0, Qt::AscendingOrder);
    TntListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    TntPopupMenu3->setObjectName(QStringLiteral("TntPopupMenu3"));
    TntMenuItem1 = TntPopupMenu3->addAction(QStringLiteral("Mark all"));
    TntMenuItem1->setObjectName(QStringLiteral("TntMenuItem1"));
    TntMenuItem2 = TntPopupMenu3->addAction(QStringLiteral("Mark none"));
    TntMenuItem2->setObjectName(QStringLiteral("TntMenuItem2"));
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setFixedHeight(16);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setMaximum(100);
    ProgressBar1->setValue(0);

    auto *right = new QWidget;
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    rightLayout->addWidget(TntListView1, 1);
    rightLayout->addWidget(ProgressBar1);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(leftPanel);
    layout->addWidget(right, 1);

    const Platform &platform = context.platform;
    auto guarded = [&platform](void (UpdateTab::*handler)(), UpdateTab *tab) {
        return [&platform, handler, tab] { runReportingErrors(platform, [&] { (tab->*handler)(); }); };
    };
    connect(TntBitBtn3, &QPushButton::clicked, this, guarded(&UpdateTab::TntBitBtn3Click, this));
    connect(BitBtn1, &QPushButton::clicked, this, guarded(&UpdateTab::BitBtn1Click, this));
    connect(TntBitBtn2, &QPushButton::clicked, this, guarded(&UpdateTab::TntBitBtn2Click, this));
    connect(SpeedButton2, &QPushButton::clicked, this, guarded(&UpdateTab::SpeedButton2Click, this));
    connect(TntComboBox5, &QComboBox::activated, this, guarded(&UpdateTab::TntComboBox5Change, this));
    connect(TntComboBox6, &QComboBox::activated, this, guarded(&UpdateTab::TntComboBox6Change, this));
    connect(TntCheckListBox5, &QListWidget::itemChanged, this,
            guarded(&UpdateTab::TntCheckListBox5Click, this));
    connect(TntMenuItem1, &QAction::triggered, this, guarded(&UpdateTab::TntMenuItem1Click, this));
    connect(TntMenuItem2, &QAction::triggered, this, guarded(&UpdateTab::TntMenuItem2Click, this));
    connect(TntListView1->header(), &QHeaderView::sectionClicked, this, [this, &platform](int column) {
        runReportingErrors(platform, [&] { TntListView1ColumnClick(column); });
    });
    connect(TntListView1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { TntPopupMenu3->popup(TntListView1->viewport()->mapToGlobal(at)); });
}

QString UpdateTab::catalogueAddress() const
{
    return m_context.platform.serverRoot + QStringLiteral("Saffin/Rezepte.txt");
}

void UpdateTab::showListing(const ListingRule &rule)
{
    const Listing listing = listOffers(m_catalogueList, m_context.store, rule);
    QList<QTreeWidgetItem *> items;
    items.reserve(listing.entries.size());
    for (const CatalogueEntry &entry : listing.entries) {
        auto *item = new QTreeWidgetItem({QString::fromUtf8(entry.name), QString::fromUtf8(entry.author)});
        item->setCheckState(0, Qt::Checked);
        items.append(item);
    }
    // A listing cut short by a damaged catalogue stays in catalogue order.
    if (listing.error.isEmpty()) {
        SortColumn = 0;
        SortAscending = true;
        items = sortedItems(items, SortColumn, SortAscending);
        TntListView1->header()->setSortIndicator(SortColumn, Qt::AscendingOrder);
    }
    TntListView1->setUpdatesEnabled(false);
    TntListView1->clear();
    TntListView1->addTopLevelItems(items);
    TntListView1->setUpdatesEnabled(true);
    if (!listing.error.isEmpty())
        throw Error(listing.error);
}

void UpdateTab::sortList()
{
    const bool updates = TntListView1->updatesEnabled();
    TntListView1->setUpdatesEnabled(false);
    TntListView1->addTopLevelItems(
        sortedItems(TntListView1->invisibleRootItem()->takeChildren(), SortColumn, SortAscending));
    TntListView1->header()->setSortIndicator(SortColumn,
                                             SortAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
    TntListView1->setUpdatesEnabled(updates);
}

void UpdateTab::TntBitBtn3Click()
{
    QByteArray reply;
    try {
        reply = m_http.get(catalogueAddress());
    } catch (const Error &) {
        reply = m_http.get(catalogueAddress());
    }
    m_catalogueList.setReply(reply);
    showListing({toAnsi(TntComboBox6->currentText()), std::nullopt, {}});
}

void UpdateTab::TntCheckListBox5Click()
{
    QByteArray selection;
    for (int i = 0; i < TntCheckListBox5->count(); ++i)
        selection += TntCheckListBox5->item(i)->checkState() == Qt::Checked ? '1' : '0';
    showListing({toAnsi(TntComboBox6->currentText()), QByteArray::number(TntComboBox5->currentIndex() + 1),
                 selection});
}

void UpdateTab::TntComboBox6Change()
{
    TntCheckListBox5Click();
}

void UpdateTab::TntComboBox5Change()
{
    {
        const QSignalBlocker blocker(TntCheckListBox5);
        TntCheckListBox5->clear();
        const int index = TntComboBox5->currentIndex();
        const int count =
            index >= 0 && index < int(CategoryValueCounts.size()) ? CategoryValueCounts[index] : 0;
        for (int v = 1; v <= count; ++v) {
            auto *item = new QListWidgetItem(QString::fromUtf8(CategoryLabel(m_context.texts, index + 1, v)));
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Checked);
            TntCheckListBox5->addItem(item);
        }
    }
    TntCheckListBox5Click();
}

void UpdateTab::SpeedButton2Click()
{
    if (TntCheckListBox5->count() > 0) {
        const QSignalBlocker blocker(TntCheckListBox5);
        const Qt::CheckState state =
            TntCheckListBox5->item(0)->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked;
        for (int i = 0; i < TntCheckListBox5->count(); ++i)
            TntCheckListBox5->item(i)->setCheckState(state);
    }
    TntCheckListBox5Click();
}

void UpdateTab::setAllChecked(bool checked)
{
    for (int i = 0; i < TntListView1->topLevelItemCount(); ++i)
        TntListView1->topLevelItem(i)->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

void UpdateTab::TntMenuItem1Click()
{
    setAllChecked(true);
}

void UpdateTab::TntMenuItem2Click()
{
    setAllChecked(false);
}

void UpdateTab::TntListView1ColumnClick(int column)
{
    SortColumn = column;
    SortAscending = column == LastClickedColumn ? !SortAscending : true;
    sortList();
    LastClickedColumn = column;
}

void UpdateTab::TntBitBtn2Click()
{
    m_context.store.clearDeletedNames();
}

void UpdateTab::BitBtn1Click()
{
    const int maximum = TntListView1->topLevelItemCount();
    ProgressBar1->setMaximum(maximum);
    std::exception_ptr failure;
    try {
        const QString base = m_context.platform.serverRoot + QStringLiteral("Saffin/Rezepte/");
        // Package ids of every catalogue entry by name, in catalogue order; made at the first tick.
        std::optional<QHash<QByteArray, QList<QByteArray>>> packagesByName;
        for (int i = 0; i < maximum; ++i) {
            ProgressBar1->setValue(i);
            window()->setWindowTitle(QStringLiteral("Saffin - %1:%2").arg(i).arg(maximum));
            window()->repaint();
            ProgressBar1->repaint();
            const QTreeWidgetItem *item = TntListView1->topLevelItem(i);
            if (item->checkState(0) != Qt::Checked)
                continue;
            if (!packagesByName) {
                packagesByName.emplace();
                for (int e = 0; e < m_catalogueList.entryCount(); ++e) {
                    const CatalogueEntry entry = m_catalogueList.entry(e);
                    (*packagesByName)[entry.name].append(entry.packageId);
                }
            }
            for (const QByteArray &packageId : packagesByName->value(item->text(0).toUtf8()))
                m_importer.ImportPackage(base, packageId);
        }
    } catch (...) {
        failure = std::current_exception();
    }

    m_catalogueList.clear();
    TntListView1->clear();
    Q_EMIT recipesChanged();
    window()->setWindowTitle(QStringLiteral("Saffin"));
    ProgressBar1->setValue(0);
    QString fetchFailure;
    try {
        TntBitBtn3Click();
    } catch (const Error &error) {
        fetchFailure = error.text();
    }
    if (failure) {
        try {
            std::rethrow_exception(failure);
        } catch (const Error &error) {
            throw Error(fetchFailure.isEmpty() ? error.text()
                                               : error.text() + QLatin1Char('\n') + fetchFailure);
        }
    }
    if (!fetchFailure.isEmpty())
        throw Error(fetchFailure);
}
