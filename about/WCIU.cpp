#include "about/WCIU.h"

#include "common/Named.h"
#include "about/Addresses.h"
#include "about/Credits.h"
#include "about/TextPanel.h"
#include "common/Logo.h"
#include "common/Platform.h"
#include "store/AppContext.h"

#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

const QColor kGrey(128, 128, 128);

void paintWith(QWidget *widget, QPalette::ColorRole role, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(role, color);
    widget->setPalette(palette);
}

} // namespace

TInfoForm::TInfoForm(AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window), m_context(context), Panel1(named(new QFrame(this), "Panel1")),
      Image1(named(new QLabel(Panel1), "Image1")),
      Label5(named(new QLabel(QStringLiteral("Saffin 1.2"), this), "Label5")),
      TextPanel1(new TTextPanel(this, QStringLiteral("TextPanel1"))),
      BitBtn1(named(new QPushButton(QStringLiteral("OK"), this), "BitBtn1")),
      Label2(named(new QLabel(makerHomePage().toString(), this), "Label2"))
{
    setObjectName(QStringLiteral("TInfoForm"));
    setWindowTitle(QStringLiteral("Info"));
    setFixedSize(309, 456);
    setAutoFillBackground(true);
    paintWith(this, QPalette::Window, kGrey);

    Panel1->setGeometry(0, 0, width(), 121);
    Panel1->setFrameStyle(QFrame::Box | QFrame::Plain);
    Panel1->setAutoFillBackground(true);
    paintWith(Panel1, QPalette::Window, Qt::white);
    auto *logoLayout = new QVBoxLayout(Panel1);
    logoLayout->setContentsMargins(1, 1, 1, 1);
    logoLayout->addWidget(Image1);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(saffinLogo().scaled(width() - 8, 121 - 8, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    QFont titleFont = Label5->font();
    titleFont.setPixelSize(24);
    titleFont.setBold(true);
    Label5->setFont(titleFont);
    Label5->setAlignment(Qt::AlignCenter);
    Label5->setGeometry(0, 133, width(), 32);
    paintWith(Label5, QPalette::WindowText, Qt::white);

    TextPanel1->setGeometry(19, 176, 262, 193);
    TextPanel1->Color = Qt::white;
    TextPanel1->setBorderStyle(TTextPanel::bsSingle);
    TextPanel1->BevelOuter = TTextPanel::bvNone;
    TextPanel1->BevelInner = TTextPanel::bvNone;
    TextPanel1->BiDi = TTextPanel::bdRightToLeft;
    QFont creditFont(QStringLiteral("Arial"));
    creditFont.setPixelSize(11);
    TextPanel1->setTextFont(creditFont);
    TextPanel1->TextColor = Qt::black;
    TextPanel1->setInterval(40);
    TextPanel1->setStepSize(1);
    TextPanel1->setEnableTimer(true);
    TextPanel1->setTextAlignment(Qt::AlignHCenter);
    TextPanel1->setItems(creditLines());

    BitBtn1->setGeometry(120, 376, 75, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &TInfoForm::BitBtn1Click);

    Label2->setAlignment(Qt::AlignCenter);
    Label2->setGeometry(0, height() - 24, width(), 20);
    Label2->setCursor(Qt::PointingHandCursor);
    paintWith(Label2, QPalette::WindowText, Qt::white);
    Label2->installEventFilter(this);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TInfoForm::BitBtn1Click() { hide(); }

void TInfoForm::Label2Click() { m_context.platform.openUrl(makerHomePage()); }

void TInfoForm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        BitBtn1->click();
    else
        QWidget::keyPressEvent(event);
}

bool TInfoForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label2 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Label2Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
