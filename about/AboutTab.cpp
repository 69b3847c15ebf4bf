#include "about/AboutTab.h"

#include "common/Named.h"
#include "store/AppContext.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutTab::AboutTab(AppContext &context, QWidget *parent)
    : QWidget(parent), m_context(context), Button1(named(new QPushButton(QStringLiteral("Info"), this), "Button1")),
      Button2(named(new QPushButton(QStringLiteral("Donate"), this), "Button2")),
      Panel15(named(new QFrame(this), "Panel15")),
      Label1(named(new QLabel(QStringLiteral("Language:"), this), "Label1")),
      TntComboBox7(named(new QComboBox(this), "TntComboBox7")),
      TntLabel3(named(new QLabel(QStringLiteral("Fontname:"), this), "TntLabel3")),
      ComboBox1(named(new QComboBox(this), "ComboBox1")),
      TntLabel4(named(new QLabel(QStringLiteral("Fontsize:"), this), "TntLabel4")),
      ComboBox2(named(new QComboBox(this), "ComboBox2"))
{
    setObjectName(QStringLiteral("TntTabSheet9"));
    Button1->setFixedSize(177, 25);
    Button2->setFixedSize(177, 25);
    static_cast<QFrame *>(Panel15)->setFrameShape(QFrame::HLine);
    static_cast<QFrame *>(Panel15)->setFrameShadow(QFrame::Sunken);
    Panel15->setFixedSize(209, 2);
    for (QComboBox *box : {TntComboBox7, ComboBox1, ComboBox2})
        box->setFixedWidth(163);
    for (int size = 1; size <= 6; ++size)
        ComboBox2->addItem(QString::number(size));
    ComboBox2->setCurrentIndex(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(Button1);
    layout->addWidget(Button2);
    layout->addSpacing(6);
    layout->addWidget(Panel15);
    layout->addSpacing(6);
    for (QWidget *w : std::initializer_list<QWidget *>{Label1, TntComboBox7, TntLabel3, ComboBox1, TntLabel4,
                                                       ComboBox2})
        layout->addWidget(w);
    layout->addStretch();

    connect(Button1, &QPushButton::clicked, this, &AboutTab::infoRequested);
    connect(Button2, &QPushButton::clicked, this, &AboutTab::donationRequested);
}
