#include "app/Splash.h"

#include "common/Logo.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

TForm6::TForm6() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), Image1(new QLabel(this))
{
    setObjectName(QStringLiteral("TForm6"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setPixmap(saffinLogo());
}

void TForm6::showEvent(QShowEvent *event)
{
    const QSize size = Image1->pixmap().size();
    setFixedSize(size);
    Image1->setGeometry(0, 0, size.width(), size.height());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
    QWidget::showEvent(event);
}
