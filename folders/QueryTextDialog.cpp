#include "folders/QueryTextDialog.h"

#include "common/TextEncoding.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

#include <limits>

namespace {

QString narrow(const QString &text) { return fromAnsi(toAnsi(text)); }

// a * b / c rounded to the nearest integer, halves away from zero.
int mulDiv(int a, int b, int c)
{
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

// The font's average letter width and its height, the units the layout is given in.
QSize averageCharSize(const QFont &font)
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const QFontMetrics metrics(font);
    return QSize(metrics.horizontalAdvance(letters) / 52, metrics.height());
}

} // namespace

QueryTextDialog::QueryTextDialog(const QString &caption, const QString &prompt, const QString &cancelCaption,
                                 const QString &value, const QString &confirmCaption)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), Prompt(new QLabel(this)),
      Edit(new QLineEdit(this)), OkButton(new QPushButton(this)), CancelButton(new QPushButton(this))
{
    setObjectName(QStringLiteral("QueryTextDialog"));
    Prompt->setObjectName(QStringLiteral("Prompt"));
    Edit->setObjectName(QStringLiteral("Edit"));
    OkButton->setObjectName(QStringLiteral("OkButton"));
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    setFont(QApplication::font());
    setWindowTitle(narrow(caption));

    const QSize units = averageCharSize(font());
    const int cx = units.width(), cy = units.height();
    const int left = mulDiv(8, cx, 4);
    const int fieldWidth = mulDiv(164, cx, 4);

    Prompt->setWordWrap(true);
    Prompt->setContentsMargins(0, 0, 0, 0);
    Prompt->setText(narrow(prompt));
    const QRect needed =
        QFontMetrics(font()).boundingRect(QRect(0, 0, fieldWidth, 100000), Qt::TextWordWrap, Prompt->text());
    Prompt->setGeometry(left, mulDiv(8, cy, 8), std::min(needed.width(), fieldWidth), needed.height());

    Edit->setMaxLength(std::numeric_limits<int>::max());
    Edit->setText(narrow(value));
    Edit->selectAll();
    Edit->setGeometry(left, Prompt->geometry().bottom() + 1 + 5, fieldWidth, Edit->sizeHint().height());

    const int buttonTop = Edit->geometry().bottom() + 1 + 15;
    const QSize buttonSize(mulDiv(50, cx, 4), mulDiv(14, cy, 8));
    OkButton->setText(narrow(confirmCaption));
    OkButton->setDefault(true);
    OkButton->setGeometry(QRect(QPoint(mulDiv(38, cx, 4), buttonTop), buttonSize));
    CancelButton->setText(narrow(cancelCaption));
    CancelButton->setAutoDefault(false);
    CancelButton->setGeometry(QRect(QPoint(mulDiv(92, cx, 4), buttonTop), buttonSize));
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(mulDiv(180, cx, 4), CancelButton->geometry().bottom() + 1 + 13);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Edit->setFocus();
}

QString QueryTextDialog::enteredText() const { return narrow(Edit->text()); }

bool QueryText(const std::function<int(QDialog &)> &runModal, const QString &caption, const QString &prompt,
               const QString &cancelCaption, QString &value, const QString &confirmCaption)
{
    QueryTextDialog dialog(caption, prompt, cancelCaption, value, confirmCaption);
    if (runModal(dialog) != QDialog::Accepted)
        return false;
    value = dialog.enteredText();
    return true;
}
