#include "editor/EditorTab.h"

#include "common/Named.h"
#include "common/ErrorReport.h"
#include "common/Error.h"
#include "common/LanguageTexts.h"
#include "common/Platform.h"
#include "common/TextEncoding.h"
#include "editor/RecipeEditing.h"
#include "store/AppContext.h"
#include "store/Categories.h"
#include "store/Database.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kFieldWidth = 153;
constexpr int kListItemHeight = 13;

QStringList pictureFilters()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format).toLower();
    patterns.removeDuplicates();
    return {QCoreApplication::translate("EditorTab", "Pictures (%1)").arg(patterns.join(QLatin1Char(' '))),
            QCoreApplication::translate("EditorTab", "All files (*)")};
}

} // namespace

EditorTab::EditorTab(AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context),
      TntLabel1(named(new QLabel(QStringLiteral("Rezeptname:")), "TntLabel1")),
      TntEdit1(named(new QLineEdit, "TntEdit1")),
      TntLabel2(named(new QLabel(QStringLiteral("Autor")), "TntLabel2")),
      TntEdit2(named(new QLineEdit, "TntEdit2")), TntComboBox2(named(new QComboBox, "TntComboBox2")),
      TntCheckListBox3(named(new QListWidget, "TntCheckListBox3")),
      TntComboBox3(named(new QComboBox, "TntComboBox3")),
      TntBitBtn1(named(new QPushButton(QStringLiteral("Save")), "TntBitBtn1")),
      TntGroupBox1(named(new QGroupBox(QStringLiteral("Zutaten")), "TntGroupBox1")),
      TntMemo1(named(new QPlainTextEdit, "TntMemo1")), Image1(named(new QLabel, "Image1")),
      TntToolButton23(named(new QToolButton, "TntToolButton23")),
      TntToolButton12(named(new QToolButton, "TntToolButton12")), m_splitter(new QSplitter(Qt::Vertical)),
      TntMemo2(named(new QPlainTextEdit, "TntMemo2"))
{
    setObjectName(QStringLiteral("TntTabSheet5"));

    m_splitter->setObjectName(QStringLiteral("EditorSplitter"));
    m_splitter->setHandleWidth(3);
    m_splitter->setChildrenCollapsible(false);
    m_splitter->addWidget(buildTopArea());
    m_splitter->addWidget(TntMemo2);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({169, 400});
    TntMemo2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildLeftPanel());
    layout->addWidget(m_splitter, 1);

    connect(TntEdit1, &QLineEdit::textChanged, this, reportingErrors(&EditorTab::TntEdit1Change));
    connect(TntComboBox2, &QComboBox::activated, this, reportingErrors(&EditorTab::TntComboBox2Change));
    connect(TntToolButton23, &QToolButton::clicked, this, reportingErrors(&EditorTab::TntToolButton23Click));
    connect(TntToolButton12, &QToolButton::clicked, this, reportingErrors(&EditorTab::TntToolButton12Click));
    connect(TntBitBtn1, &QPushButton::clicked, this, reportingErrors(&EditorTab::TntBitBtn1Click));
    TntMemo1->installEventFilter(this);
    TntMemo2->installEventFilter(this);
}

QWidget *EditorTab::buildLeftPanel()
{
    auto *panel = new QWidget;
    panel->setObjectName(QStringLiteral("EditorFields"));
    panel->setFixedWidth(185);
    auto *column = new QVBoxLayout(panel);
    column->setContentsMargins(16, 8, 16, 8);
    column->setSpacing(4);
    TntBitBtn1->setEnabled(false);
    TntBitBtn1->setFixedSize(kFieldWidth, 25);
    TntCheckListBox3->setFixedSize(kFieldWidth, 97);
    TntCheckListBox3->setUniformItemSizes(true);
    for (QWidget *field : std::initializer_list<QWidget *>{TntEdit1, TntEdit2, TntComboBox2, TntComboBox3})
        field->setFixedWidth(kFieldWidth);
    TntComboBox2->setEditable(false);
    TntComboBox3->setEditable(false);
    column->addWidget(TntLabel1);
    column->addWidget(TntEdit1);
    column->addSpacing(4);
    column->addWidget(TntLabel2);
    column->addWidget(TntEdit2);
    column->addSpacing(8);
    column->addWidget(TntComboBox2);
    column->addWidget(TntCheckListBox3);
    column->addSpacing(8);
    column->addWidget(TntComboBox3);
    column->addSpacing(8);
    column->addWidget(TntBitBtn1);
    column->addStretch(1);
    return panel;
}

QWidget *EditorTab::buildTopArea()
{
    auto *area = new QWidget;
    area->setObjectName(QStringLiteral("EditorTopArea"));
    area->setMinimumHeight(60);
    auto *row = new QHBoxLayout(area);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);

    auto *group = new QVBoxLayout(TntGroupBox1);
    group->setContentsMargins(4, 2, 4, 4);
    group->addWidget(TntMemo1);
    TntMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    row->addWidget(TntGroupBox1, 1);

    Image1->setFixedWidth(200);
    Image1->setMinimumHeight(40);
    Image1->setScaledContents(true);
    Image1->setFrameShape(QFrame::StyledPanel);
    Image1->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    row->addWidget(Image1);

    auto *tools = new QToolBar;
    tools->setObjectName(QStringLiteral("EditorPictureTools"));
    tools->setOrientation(Qt::Vertical);
    tools->setIconSize(QSize(24, 24));
    const std::pair<QToolButton *, QStyle::StandardPixmap> buttons[] = {
        {TntToolButton23, QStyle::SP_DialogOpenButton},
        {TntToolButton12, QStyle::SP_TrashIcon},
    };
    for (const auto &[button, icon] : buttons) {
        button->setIcon(style()->standardIcon(icon));
        button->setIconSize(QSize(24, 24));
        button->setFixedSize(41, 31);
        button->setAutoRaise(true);
        tools->addWidget(button);
    }
    TntToolButton23->setToolTip(m_context.texts.text(11));
    TntToolButton12->setToolTip(m_context.texts.text(8));
    row->addWidget(tools, 0, Qt::AlignTop);
    return area;
}

std::function<void()> EditorTab::reportingErrors(void (EditorTab::*handler)())
{
    return [this, handler] { runReportingErrors(m_context.platform, [this, handler] { (this->*handler)(); }); };
}

void EditorTab::TntEdit1Change()
{
    TntBitBtn1->setEnabled(!TntEdit1->text().isEmpty() || m_context.store.isNameFree(QByteArrayView()));
}

void EditorTab::TntComboBox2Change()
{
    TntCheckListBox3->clear();
    const int position = TntComboBox2->currentIndex();
    if (position < 0 || position >= 6)
        return;
    for (int value = 1; value <= CategoryValueCounts[size_t(position)]; ++value) {
        auto *item =
            new QListWidgetItem(QString::fromUtf8(CategoryLabel(m_context.texts, position + 1, value)));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
        item->setSizeHint(QSize(0, kListItemHeight));
        TntCheckListBox3->addItem(item);
    }
}

void EditorTab::TntToolButton23Click()
{
    QFileDialog dialog(this);
    dialog.setObjectName(QStringLiteral("TntOpenPictureDialog1"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters(pictureFilters());
    if (m_context.platform.execModal(dialog) != QDialog::Accepted)
        return;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty())
        return;
    setPicture(loadPictureFile(files.first()));
}

void EditorTab::TntToolButton12Click()
{
    setPicture(QImage());
}

void EditorTab::setPicture(const QImage &picture)
{
    m_picture = picture;
    EditorHasPicture = !picture.isNull();
    if (EditorHasPicture)
        Image1->setPixmap(QPixmap::fromImage(picture));
    else
        Image1->clear();
}

bool EditorTab::loadRecipe(QByteArrayView name)
{
    const std::optional<StoredRecipe> recipe = m_context.store.readRecipe(name);
    if (!recipe)
        return false;
    QImage picture;
    QString pictureProblem;
    if (recipe->hasPicture) {
        try {
            picture = loadPictureFile(m_context.dataDir + QStringLiteral("temp2.jpg"));
        } catch (const Error &error) {
            pictureProblem = error.text();
        }
    }

    TntEdit1->setText(QString::fromUtf8(recipe->name));
    TntEdit2->setText(QString::fromUtf8(recipe->author));
    bool isNumber = false;
    const int dimension = recipe->dimension.toInt(&isNumber);
    const bool known = isNumber && dimension >= 1 && dimension <= 6 && dimension <= TntComboBox2->count();
    TntComboBox2->setCurrentIndex(known ? dimension - 1 : -1);
    TntComboBox2Change();
    for (int i = 0; i < TntCheckListBox3->count() && i < recipe->categories.size(); ++i)
        TntCheckListBox3->item(i)->setCheckState(recipe->categories[i] == '1' ? Qt::Checked : Qt::Unchecked);
    TntComboBox3->setCurrentIndex(TntComboBox3->findText(fromAnsi(recipe->language), Qt::MatchFixedString));
    TntMemo1->setPlainText(fieldText(recipe->ingredients));
    TntMemo2->setPlainText(fieldText(recipe->preparation));
    setPicture(picture);
    TntEdit1->setEnabled(false);
    TntEdit2->setEnabled(false);
    TntBitBtn1->setEnabled(true);

    if (!pictureProblem.isEmpty())
        m_context.platform.showMessage(
            tr("%1\nThe recipe was loaded without its picture; saving it stores no picture.")
                .arg(pictureProblem));
    return true;
}

void EditorTab::TntBitBtn1Click()
{
    NewRecipe recipe;
    recipe.name = TntEdit1->text().toUtf8();
    recipe.author = TntEdit2->text().toUtf8();
    recipe.dimension = QByteArray::number(TntComboBox2->currentIndex() + 1);
    QList<bool> marks;
    for (int i = 0; i < TntCheckListBox3->count(); ++i)
        marks.append(TntCheckListBox3->item(i)->checkState() == Qt::Checked);
    recipe.categories = savedCategoryBits(marks);
    recipe.language = TntComboBox3->currentIndex() < 0 ? QByteArray() : toAnsi(TntComboBox3->currentText());
    recipe.own = true;
    recipe.ingredients = storedText(TntMemo1->toPlainText());
    recipe.preparation = storedText(TntMemo2->toPlainText());
    saveRecipe(m_context.store, m_context.dataDir, recipe, EditorHasPicture ? m_picture : QImage());

    TntEdit1->setEnabled(true);
    TntEdit2->setEnabled(true);
    Q_EMIT recipesChanged();
    setPicture(QImage());
    TntEdit1->clear();
    TntEdit1Change(); // also when the name was empty already, since an empty name may be taken now
    TntEdit2->clear();
    TntMemo1->clear();
    TntMemo2->clear();
    Q_EMIT recipesChanged();
    TntComboBox2Change();
}

bool EditorTab::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyRelease && (watched == TntMemo1 || watched == TntMemo2))
        TntMemoKeyUp(*static_cast<QPlainTextEdit *>(watched), *static_cast<QKeyEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

void EditorTab::TntMemoKeyUp(QPlainTextEdit &memo, const QKeyEvent &event)
{
    if (event.key() == Qt::Key_A && (event.modifiers() & Qt::ControlModifier))
        memo.selectAll();
}
