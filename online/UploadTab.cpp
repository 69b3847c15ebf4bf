#include "online/UploadTab.h"

#include "common/Error.h"
#include "common/FileIO.h"
#include "common/LanguageTexts.h"
#include "common/Platform.h"
#include "online/Catalogue.h"
#include "online/HttpClient.h"
#include "common/ErrorReport.h"
#include "online/UploadExport.h"
#include "store/AppContext.h"
#include "store/Categories.h"
#include "store/Database.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QListWidget>
#include <QMenu>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QToolButton *makeToolButton(QToolBar *bar, const char *name, QStyle::StandardPixmap icon)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(QLatin1String(name));
    button->setIcon(bar->style()->standardIcon(icon));
    button->setIconSize(QSize(24, 24));
    button->setAutoRaise(true);
    button->setFixedSize(41, 31);
    bar->addWidget(button);
    return button;
}

} // namespace

UploadTab::UploadTab(AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context), TntToolBar4(new QToolBar(this)), TntToolButton20(nullptr),
      TB76(nullptr), TntCheckListBox2(new QListWidget(this)), TntPopupMenu2(new QMenu(this)),
      Markall1(nullptr), Marknone1(nullptr)
{
    setObjectName(QStringLiteral("TntTabSheet3"));
    TntToolBar4->setObjectName(QStringLiteral("TntToolBar4"));
    TntToolBar4->setIconSize(QSize(24, 24));
    TntToolButton20 = makeToolButton(TntToolBar4, "TntToolButton20", QStyle::SP_BrowserReload);
    TntToolButton20->setToolTip(context.texts.text(12));
    TB76 = makeToolButton(TntToolBar4, "TB76", QStyle::SP_ArrowUp);
    TB76->setToolTip(context.texts.text(13));

    TntCheckListBox2->setObjectName(QStringLiteral("TntCheckListBox2"));
    TntCheckListBox2->setSortingEnabled(true);
    TntCheckListBox2->setUniformItemSizes(true);
    TntCheckListBox2->setContextMenuPolicy(Qt::CustomContextMenu);
    TntPopupMenu2->setObjectName(QStringLiteral("TntPopupMenu2"));
    Markall1 = TntPopupMenu2->addAction(QStringLiteral("Mark all"));
    Markall1->setObjectName(QStringLiteral("Markall1"));
    Marknone1 = TntPopupMenu2->addAction(QStringLiteral("Mark none"));
    Marknone1->setObjectName(QStringLiteral("Marknone1"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TntToolBar4);
    layout->addWidget(TntCheckListBox2, 1);

    const Platform &platform = context.platform;
    auto guarded = [this, &platform](void (UploadTab::*handler)()) {
        return [this, &platform, handler] { runReportingErrors(platform, [&] { (this->*handler)(); }); };
    };
    connect(TntToolButton20, &QToolButton::clicked, this, guarded(&UploadTab::TntToolButton20Click));
    connect(TB76, &QToolButton::clicked, this, guarded(&UploadTab::TB76Click));
    connect(Markall1, &QAction::triggered, this, guarded(&UploadTab::Markall1Click));
    connect(Marknone1, &QAction::triggered, this, guarded(&UploadTab::Marknone1Click));
    connect(TntCheckListBox2, &QListWidget::itemDoubleClicked, this,
            guarded(&UploadTab::TntCheckListBox2DblClick));
    connect(TntCheckListBox2, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        TntPopupMenu2->popup(TntCheckListBox2->viewport()->mapToGlobal(at));
    });
}

void UploadTab::setOnline(HttpClient &http, CatalogueList &catalogueList)
{
    m_http = &http;
    m_catalogueList = &catalogueList;
}

void UploadTab::TntToolButton20Click()
{
    if (!m_http || !m_catalogueList)
        throw Error(tr("The recipe server cannot be reached from this tab."));
    const QString address = m_context.platform.serverRoot + QStringLiteral("Saffin/Rezepte.txt");
    QByteArray reply;
    try {
        reply = m_http->get(address);
    } catch (const Error &) {
        reply = m_http->get(address);
    }
    m_catalogueList->setReply(reply);

    const RecipeStore &store = m_context.store;
    const QList<QByteArray> own = FilterRecipes(store, "-1", "-1", true);
    TntCheckListBox2->clear();
    QList<CatalogueEntry> entries;
    const int count = m_catalogueList->entryCount();
    for (int i = 0; i < count; ++i)
        entries.append(m_catalogueList->entry(i));
    for (const QByteArray &name : own) {
        const QByteArray author = store.readAuthor(name).value_or(QByteArray());
        const bool offered = std::any_of(entries.begin(), entries.end(), [&](const CatalogueEntry &entry) {
            return entry.name == name && entry.author == author;
        });
        if (offered)
            continue;
        auto *item = new QListWidgetItem(QString::fromUtf8(name));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
        TntCheckListBox2->addItem(item);
    }
}

void UploadTab::TntCheckListBox2DblClick()
{
    const QListWidgetItem *item = TntCheckListBox2->currentItem();
    if (!item || !item->isSelected())
        return;
    Q_EMIT openRecipeRequested(item->text().toUtf8());
}

void UploadTab::setAllChecked(bool checked)
{
    for (int i = 0; i < TntCheckListBox2->count(); ++i)
        TntCheckListBox2->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

void UploadTab::Markall1Click()
{
    setAllChecked(true);
}

void UploadTab::Marknone1Click()
{
    setAllChecked(false);
}

void UploadTab::TB76Click()
{
    const QString dataDir = m_context.dataDir;
    QList<QByteArray> names;
    for (int i = 0; i < TntCheckListBox2->count(); ++i)
        if (TntCheckListBox2->item(i)->checkState() == Qt::Checked)
            names.append(TntCheckListBox2->item(i)->text().toUtf8());
    exportRecipes(m_context.store, dataDir, names);

    const QString archive = dataDir + QStringLiteral("Upload.zip");
    removeFileIfExists(archive);
    writeZipArchive(archive,
                    {dataDir + QStringLiteral("RezList.new"), dataDir + QStringLiteral("Rezepte.new")});
    if (!SendUploadMail())
        throw Error(tr("The upload failed: the archive \"%1\" was not created, so no mail was sent.")
                        .arg(QDir::toNativeSeparators(archive)));
    m_context.platform.showMessage(m_context.texts.text(119));
}

bool UploadTab::SendUploadMail()
{
    const QString archive = m_context.dataDir + QStringLiteral("Upload.zip");
    const QFileInfo info(archive);
    if (!info.exists())
        return false;
    const QByteArray size = QByteArray::number(info.size());
    sendMailWithAttachment(m_context.platform.smtp, "Dizevadi.dat, Filesize: " + size,
                           "Version: 1.1\r\nFilesize: " + size, archive);
    removeFileIfExists(archive);
    return true;
}
