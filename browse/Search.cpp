#include "browse/Search.h"

#include "store/AppContext.h"

#include <QComboBox>
#include <QVBoxLayout>

TForm2::TForm2(AppContext &context, QWidget *parent)
    : QWidget(parent, Qt::Window), m_context(context), m_dimensionBox(new QComboBox(this))
{
    setObjectName(QStringLiteral("TForm2"));
    setWindowTitle(QStringLiteral("Search"));
    resize(230, 208);
    m_dimensionBox->setObjectName(QStringLiteral("TntComboBox1"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_dimensionBox);
}

void TForm2::relabel(const QString &, const QString &, const QStringList &) {}

QComboBox *TForm2::dimensionBox() const { return m_dimensionBox; }
