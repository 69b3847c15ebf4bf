#include "print/Printer.h"

#include "common/Error.h"
#include "common/HtmlView.h"
#include "common/Platform.h"
#include "print/PrintIcon.h"
#include "store/AppContext.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QToolBar>
#include <QToolButton>

TForm4::TForm4(AppContext &context, QWidget *parent) : QWidget(parent, Qt::Window), m_context(context)
{
    setObjectName(QStringLiteral("TForm4"));
    setWindowTitle(QStringLiteral("Print"));
    QFont windowFont(QStringLiteral("MS Sans Serif"));
    windowFont.setPixelSize(10);
    setFont(windowFont);
    resize(647, 421);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_view = context.platform.createHtmlView(this, QStringLiteral("EmbeddedWB1"));
    layout->addWidget(m_view->widget(), 1);

    TntToolBar3 = new QToolBar(this);
    TntToolBar3->setObjectName(QStringLiteral("TntToolBar3"));
    TntToolBar3->setOrientation(Qt::Vertical);
    TntToolBar3->setFixedWidth(44);
    TntToolBar3->setMovable(false);
    TntToolButton11 = new QToolButton(TntToolBar3);
    TntToolButton11->setObjectName(QStringLiteral("TntToolButton11"));
    TntToolButton11->setFixedSize(41, 31);
    TntToolButton11->setIcon(printIcon());
    TntToolButton11->setIconSize(QSize(24, 24));
    TntToolButton11->setToolTip(QStringLiteral("Print"));
    TntToolBar3->addWidget(TntToolButton11);
    layout->addWidget(TntToolBar3);

    connect(TntToolButton11, &QToolButton::clicked, this, &TForm4::TntToolButton11Click);
}

void TForm4::showPage(const QString &path)
{
    m_view->Navigate2(path);
    if (!isVisible())
        centreOnMainWindow();
    show();
    raise();
    activateWindow();
}

void TForm4::TntToolButton11Click()
{
    // A failed preview is reported and the window stays, so the user can try again.
    try {
        m_view->PrintPreview();
        hide();
    } catch (const Error &error) {
        m_context.platform.showMessage(error.text());
    } catch (const std::exception &error) {
        m_context.platform.showMessage(QString::fromLocal8Bit(error.what()));
    }
}

void TForm4::centreOnMainWindow()
{
    QRect area;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("TForm1"))
            area = window->frameGeometry();
    if (area.isEmpty())
        if (QScreen *screen = QGuiApplication::primaryScreen())
            area = screen->availableGeometry();
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(frame.topLeft());
}
