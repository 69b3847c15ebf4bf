#include "browse/Search.h"

#include "common/ErrorReport.h"
#include "common/Platform.h"
#include "store/AppContext.h"
#include "store/RecipeSearch.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TForm2::TForm2(AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window), m_context(context), TntEdit1(new QLineEdit(this)),
      TntComboBox1(new QComboBox(this)), TntRadioGroup1(new QGroupBox(this)), m_searchIn(new QButtonGroup(this)),
      TntBitBtn1(nullptr)
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Search"));
    resize(230, 208);

    TntEdit1->setObjectName(QStringLiteral("TntEdit1"));
    TntEdit1->installEventFilter(this);
    TntComboBox1->setObjectName(QStringLiteral("TntComboBox1"));
    TntComboBox1->setEditable(false);
    TntRadioGroup1->setObjectName(QStringLiteral("TntRadioGroup1"));
    auto *groupLayout = new QVBoxLayout(TntRadioGroup1);
    groupLayout->setContentsMargins(8, 4, 8, 4);
    groupLayout->setSpacing(2);

    auto *bottomPanel = new QWidget(this);
    bottomPanel->setObjectName(QStringLiteral("Panel1"));
    auto *bottomLayout = new QHBoxLayout(bottomPanel);
    bottomLayout->setContentsMargins(0, 4, 0, 0);
    TntBitBtn1 = new QPushButton(bottomPanel);
    TntBitBtn1->setObjectName(QStringLiteral("TntBitBtn1"));
    bottomLayout->addStretch();
    bottomLayout->addWidget(TntBitBtn1);
    bottomLayout->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->setSpacing(5);
    layout->addWidget(TntEdit1);
    layout->addWidget(TntComboBox1);
    layout->addWidget(TntRadioGroup1, 1);
    layout->addWidget(bottomPanel);

    relabel(QStringLiteral("Search"), QStringLiteral("Search in"),
            {QStringLiteral("Caption"), QStringLiteral("Ingredients"), QStringLiteral("All")});
    connect(TntBitBtn1, &QPushButton::clicked, this,
            [this] { runReportingErrors(m_context.platform, [this] { TntBitBtn1Click(); }); });
}

void TForm2::relabel(const QString &buttonCaption, const QString &groupCaption, const QStringList &searchInItems)
{
    TntBitBtn1->setText(buttonCaption);
    TntRadioGroup1->setTitle(groupCaption);
    for (QAbstractButton *button : m_searchIn->buttons()) {
        m_searchIn->removeButton(button);
        delete button;
    }
    for (int i = 0; i < searchInItems.size(); ++i) {
        auto *button = new QRadioButton(searchInItems.at(i), TntRadioGroup1);
        m_searchIn->addButton(button, i);
        TntRadioGroup1->layout()->addWidget(button);
    }
    if (QAbstractButton *first = m_searchIn->button(0))
        first->setChecked(true);
}

QComboBox *TForm2::dimensionBox() const { return TntComboBox1; }

void TForm2::bringUp()
{
    if (!isVisible() && m_mainWindow)
        move(m_mainWindow->frameGeometry().center() - QPoint(width() / 2, height() / 2));
    show();
    raise();
    activateWindow();
}

void TForm2::TntBitBtn1Click()
{
    const QByteArray dimension = QByteArray::number(TntComboBox1->currentIndex());
    const QByteArray text = TntEdit1->text().toLower().toUtf8();
    const int mode = m_searchIn->checkedId();
    Q_EMIT recipesFound(m_context.search.SearchRecipes(text, mode, dimension));
}

void TForm2::authorSearch(const QByteArray &author)
{
    bringUp();
    if (QAbstractButton *first = m_searchIn->button(0))
        first->setChecked(true);
    TntComboBox1->setCurrentIndex(TntComboBox1->count() > 0 ? 0 : -1);
    TntEdit1->setText(QString::fromUtf8(author));
    TntBitBtn1Click();
}

// TntEdit1KeyUp: releasing Enter in the search field searches; other keys only type.
bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TntEdit1 && event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && !key->isAutoRepeat())
            runReportingErrors(m_context.platform, [this] { TntBitBtn1Click(); });
    }
    return QWidget::eventFilter(watched, event);
}
