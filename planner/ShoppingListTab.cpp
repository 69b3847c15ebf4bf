#include "planner/ShoppingListTab.h"

#include "common/FileIO.h"
#include "common/TextEncoding.h"
#include "common/TextLines.h"
#include "planner/PlannerIcons.h"
#include "common/ErrorReport.h"
#include "store/AppContext.h"
#include "store/Database.h"

#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QTextCursor>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kListFile = QStringLiteral("EList.dat");
const QString kPrintFile = QStringLiteral("Print.html");

// The field keeps its lines apart with '\n' (and U+2028 after Shift+Enter); files use CR LF.
QString withFieldBreaks(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    text.replace(QChar(QChar::LineSeparator), u'\n');
    return text;
}

QString withCrLf(const QString &fieldText)
{
    QString text = withFieldBreaks(fieldText);
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

} // namespace

ShoppingListTab::ShoppingListTab(AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context), TntToolButton11(new QToolButton),
      TntMemo3(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("TntTabSheet4"));

    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("shoppingToolBar"));
    toolBar->setIconSize(QSize(24, 24));
    toolBar->setMovable(false);
    TntToolButton11->setObjectName(QStringLiteral("TntToolButton11"));
    TntToolButton11->setIcon(printerIcon());
    TntToolButton11->setToolTip(QStringLiteral("Print"));
    TntToolButton11->setAutoRaise(true);
    TntToolButton11->setFixedSize(41, 31);
    toolBar->addWidget(TntToolButton11);

    TntMemo3->setObjectName(QStringLiteral("TntMemo3"));
    TntMemo3->setLineWrapMode(QPlainTextEdit::NoWrap);
    TntMemo3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TntMemo3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TntMemo3->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(toolBar);
    layout->addWidget(TntMemo3, 1);

    const Platform &platform = m_context.platform;
    connect(TntMemo3, &QPlainTextEdit::textChanged, this, [this, &platform] {
        if (!m_writeHeld)
            runReportingErrors(platform, [this] { TntMemo3Change(); });
    });
    connect(TntToolButton11, &QToolButton::clicked, this,
            [this, &platform] { runReportingErrors(platform, [this] { TntToolButton11Click(); }); });
}

void ShoppingListTab::loadList()
{
    const std::optional<QByteArray> bytes = readFileIfExists(m_context.dataDir + kListFile);
    if (!bytes)
        return;
    QScopedValueRollback hold(m_writeHeld, true);
    TntMemo3->setPlainText(withFieldBreaks(decodeWithByteOrderMark(*bytes)));
}

void ShoppingListTab::TntMemo3Change()
{
    writeFileAtomically(m_context.dataDir + kListFile,
                        encodeUtf16LeWithMark(withCrLf(TntMemo3->toPlainText())));
}

void ShoppingListTab::appendRecipe(QByteArrayView name)
{
    AppendToShoppingList(name, m_context.store.readIngredients(name).value_or(QByteArray()));
}

void ShoppingListTab::AppendToShoppingList(QByteArrayView name, QByteArrayView ingredients)
{
    QStringList lines = {QStringLiteral("--------"), QString(), QString::fromUtf8(name), QString()};
    for (const QByteArray &line : splitLines(ingredients))
        lines.append(QString::fromUtf8(line));
    lines << QString() << QString() << QString();

    // Each line goes in as a new last line; a last line without its break gets one first.
    const QString text = TntMemo3->toPlainText();
    QString block = text.isEmpty() || text.endsWith(u'\n') || text.endsWith(QChar(QChar::LineSeparator))
                        ? QString()
                        : QStringLiteral("\n");
    block += lines.join(u'\n') + u'\n';
    {
        // One write for the whole block, after it is in.
        QScopedValueRollback hold(m_writeHeld, true);
        QTextCursor cursor(TntMemo3->document());
        cursor.movePosition(QTextCursor::End);
        cursor.insertText(block);
    }
    TntMemo3Change();
}

void ShoppingListTab::TntToolButton11Click()
{
    QList<QByteArray> page = {QByteArrayLiteral(
        "<HTML><HEAD><META http-equiv=Content-Type content=\"text/html; charset=utf-8\"></HEAD>")};
    for (const QString &line : splitTextLines(TntMemo3->toPlainText()))
        page.append(line.toUtf8() + "<br>");
    page.append(QByteArrayLiteral("</HTML>"));
    const QString path = m_context.dataDir + kPrintFile;
    writeFileAtomically(path, joinLinesCrLf(page));
    emit printRequested(path);
}

bool ShoppingListTab::eventFilter(QObject *watched, QEvent *event)
{
    // TntMemo3KeyUp: Ctrl+A selects the whole list.
    if (watched == TntMemo3 && event->type() == QEvent::KeyRelease) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_A && key->modifiers().testFlag(Qt::ControlModifier))
            TntMemo3->selectAll();
    }
    return QWidget::eventFilter(watched, event);
}
