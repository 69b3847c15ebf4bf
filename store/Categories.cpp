#include "store/Categories.h"

#include "common/LanguageTexts.h"
#include "store/Database.h"

#include <vector>

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

QByteArray CategoryBitString(const QList<bool> &ticks)
{
    QByteArray bits;
    bits.reserve(ticks.size());
    for (bool tick : ticks)
        bits += tick ? '1' : '0';
    return bits;
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
    // Short bit strings are compared as numbers the store keeps beside each record.
    const bool smallFilter = categories.size() <= 32;
    const quint32 filterBits = RecipeStore::bitsOf(categories);
    auto overlaps = [&](int r) {
        if (smallFilter)
            if (const auto bits = store.categoryBits(r))
                return (*bits & filterBits) != 0;
        return BitsOverlap(categories, store.line(r, FieldCategories));
    };
    // The matches first, so that the list of names is allocated once at its size.
    std::vector<int> taken;
    const int count = store.recordCount();
    for (int r = 0; r < count; ++r) {
        if (!anyDimension && !store.hasDimension(r, dimension))
            continue;
        if (ownOnly && !store.isOwn(r))
            continue;
        if (!anyCategory && !overlaps(r))
            continue;
        taken.push_back(r);
    }
    QList<QByteArray> names;
    names.reserve(qsizetype(taken.size()));
    constexpr size_t kAhead = 16;
    for (size_t i = 0; i < taken.size(); ++i) {
        if (i + kAhead < taken.size())
            store.prefetchLine(taken[i + kAhead], FieldName);
        names.append(store.line(taken[i], FieldName).toByteArray());
    }
    return names;
}
