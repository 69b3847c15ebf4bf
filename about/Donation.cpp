#include "about/Donation.h"

#include "common/Named.h"
#include "about/Addresses.h"
#include "common/Platform.h"
#include "store/AppContext.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TForm14::TForm14(AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window), m_context(context), Memo1(named(new QPlainTextEdit(this), "Memo1")),
      Panel1(named(new QWidget(this), "Panel1")),
      Button1(named(new QPushButton(QStringLiteral("Paypal"), Panel1), "Button1")),
      Button2(named(new QPushButton(QStringLiteral("Amazon"), Panel1), "Button2")),
      Button3(named(new QPushButton(QStringLiteral("Close"), Panel1), "Button3"))
{
    setObjectName(QStringLiteral("TForm14"));
    setWindowTitle(QStringLiteral("Donation"));
    resize(390, 204);

    Memo1->setReadOnly(true);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // two lines, always in view
    Memo1->setPlainText(QStringLiteral("Saffin is freeware, if you like the program or think it is useful to you, \n"
                                       "please support me and the further development of Saffin. "));

    auto *buttons = new QHBoxLayout(Panel1);
    buttons->setContentsMargins(8, 6, 8, 6);
    for (QPushButton *button : {Button1, Button2, Button3}) {
        button->setFixedSize(75, 25);
        buttons->addWidget(button);
    }
    buttons->insertStretch(2);
    connect(Button1, &QPushButton::clicked, this, &TForm14::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TForm14::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TForm14::Button3Click);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Memo1);
    layout->addWidget(Panel1);
}

void TForm14::Button1Click() { m_context.platform.openUrl(paypalDonationPage()); }

void TForm14::Button2Click() { m_context.platform.openUrl(amazonWishList()); }

void TForm14::Button3Click() { hide(); }

void TForm14::showEvent(QShowEvent *event)
{
    // Centred on the main window, wherever it stands now.
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("TForm1") && window->isVisible()) {
            move(window->frameGeometry().center() - frameGeometry().center() + pos());
            break;
        }
    QWidget::showEvent(event);
}
