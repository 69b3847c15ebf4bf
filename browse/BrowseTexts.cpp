#include "browse/BrowseTexts.h"

#include "common/LanguageTexts.h"
#include "common/TextEncoding.h"
#include "store/Categories.h"

QStringList valueLabelsAt(const LanguageTexts &texts, int position)
{
    QStringList labels;
    if (position < 0 || position >= int(CategoryValueCounts.size()))
        return labels;
    for (int value = 1; value <= CategoryValueCounts[size_t(position)]; ++value)
        labels.append(QString::fromUtf8(CategoryLabel(texts, position + 1, value)));
    return labels;
}

QByteArray categoryBits(const QList<bool> &ticks)
{
    QByteArray bits;
    bits.reserve(ticks.size());
    for (bool tick : ticks)
        bits += tick ? '1' : '0';
    return bits;
}

QString recipeCountText(int count, const LanguageTexts &texts)
{
    const QString text = count == 1 ? QStringLiteral("1 ") + texts.text(121)
                                    : QString::number(count) + QLatin1Char(' ') + texts.text(1);
    return fromAnsi(toAnsi(text));
}
