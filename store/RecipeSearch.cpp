#include "store/RecipeSearch.h"

#include "store/Database.h"

#include <QString>

namespace {

QByteArray lowered(QByteArrayView utf8) { return QString::fromUtf8(utf8).toLower().toUtf8(); }

} // namespace

RecipeSearch::RecipeSearch(RecipeStore &store) : m_store(store) {}

RecipeSearch::~RecipeSearch() = default;

QList<QByteArray> RecipeSearch::SearchRecipes(QByteArrayView lowerText, int mode, QByteArrayView dimension)
{
    QList<QByteArray> names;
    if (lowerText.isEmpty())
        return names;
    const int count = m_store.recordCount();
    for (int r = 0; r < count; ++r) {
        if (dimension != "0" && m_store.line(r, FieldDimension) != dimension)
            continue;
        bool match = lowered(m_store.line(r, FieldAuthor)).contains(lowerText) ||
                     lowered(m_store.line(r, FieldName)).contains(lowerText);
        if (!match && mode >= 1)
            match = lowered(m_store.ingredientsOf(r)).contains(lowerText);
        if (!match && mode >= 2)
            match = lowered(m_store.preparationOf(r)).contains(lowerText);
        if (match)
            names.append(m_store.line(r, FieldName).toByteArray());
    }
    return names;
}
