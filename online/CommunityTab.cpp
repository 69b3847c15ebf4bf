#include "online/CommunityTab.h"

#include "common/HtmlView.h"
#include "common/Platform.h"
#include "common/ErrorReport.h"
#include "store/AppContext.h"

#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

CommunityTab::CommunityTab(AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context), TntToolBar5(new QToolBar(this)), TntToolButton22(new QToolButton),
      Back(new QToolButton), EmbeddedWB2(context.platform.createHtmlView(this, QStringLiteral("EmbeddedWB2")))
{
    setObjectName(QStringLiteral("TntTabSheet2"));
    TntToolBar5->setObjectName(QStringLiteral("TntToolBar5"));
    TntToolBar5->setIconSize(QSize(24, 24));
    const std::pair<QToolButton *, QStyle::StandardPixmap> buttons[] = {
        {TntToolButton22, QStyle::SP_DirHomeIcon},
        {Back, QStyle::SP_ArrowBack},
    };
    for (const auto &[button, icon] : buttons) {
        button->setIcon(style()->standardIcon(icon));
        button->setIconSize(QSize(24, 24));
        button->setAutoRaise(true);
        button->setFixedSize(41, 31);
        TntToolBar5->addWidget(button);
    }
    TntToolButton22->setObjectName(QStringLiteral("TntToolButton22"));
    Back->setObjectName(QStringLiteral("Back"));
    Back->setToolTip(QStringLiteral("Back"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TntToolBar5);
    layout->addWidget(EmbeddedWB2->widget(), 1);

    const Platform &platform = context.platform;
    connect(TntToolButton22, &QToolButton::clicked, this,
            [this, &platform] { runReportingErrors(platform, [this] { TntToolButton22Click(); }); });
    connect(Back, &QToolButton::clicked, this, [this] { BackClick(); });
}

void CommunityTab::TntPageControl1Change(int currentIndex)
{
    if (currentIndex != kPageIndex || CommunityLoaded)
        return;
    CommunityLoaded = true;
    TntToolButton22Click();
}

void CommunityTab::TntToolButton22Click()
{
    const QString language = m_language ? m_language() : QStringLiteral("English");
    EmbeddedWB2->Navigate(m_context.platform.serverRoot + QStringLiteral("Saffin/") + language);
}

void CommunityTab::BackClick()
{
    try {
        EmbeddedWB2->GoBack();
    } catch (const std::exception &) {
        // No earlier page: going back simply does nothing.
    }
}
