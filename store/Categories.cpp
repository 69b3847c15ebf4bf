#include "store/Categories.h"

#include "common/LanguageTexts.h"
#include "store/Database.h"

namespace {

constexpr int kDimensionLabelIndex = 46;
constexpr int kFirstValueLabelIndex = 52;

} // namespace

QByteArray CategoryLabel(const LanguageTexts &texts, int dimension, int value)
{
    if (dimension < 1 || dimension > 6)
        return {};
    if (value == -1)
        return texts.text(kDimensionLabelIndex + dimension - 1).toUtf8();
    if (value < 1 || value > CategoryValueCounts[dimension - 1])
        return {};
    int index = kFirstValueLabelIndex + value - 1;
    for (int d = 0; d < dimension - 1; ++d)
        index += CategoryValueCounts[d];
    return texts.text(index).toUtf8();
}

bool BitsOverlap(QByteArrayView a, QByteArrayView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i)
        if (a[i] == '1' && b[i] == '1')
            return true;
    return false;
}

QList<QByteArray> FilterRecipes(const RecipeStore &store, QByteArrayView dimension, QByteArrayView categories,
                                bool ownOnly)
{
    const bool anyDimension = dimension == "-1";
    const bool anyCategory = categories == "-1";
    QList<QByteArray> names;
    const int count = store.recordCount();
    for (int r = 0; r < count; ++r) {
        if (!anyDimension && !store.hasDimension(r, dimension))
            continue;
        if (!anyCategory && !BitsOverlap(categories, store.line(r, FieldCategories)))
            continue;
        if (ownOnly && !store.isOwn(r))
            continue;
        names.append(store.line(r, FieldName).toByteArray());
    }
    return names;
}
