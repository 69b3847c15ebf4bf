#include "online/Catalogue.h"

#include "common/Error.h"
#include "common/TextLines.h"
#include "store/Categories.h"
#include "store/Database.h"

#include <QCoreApplication>

void CatalogueList::setReply(QByteArrayView reply)
{
    m_lines = splitLinesUntilNul(reply);
}

int CatalogueList::entryCount() const
{
    int count = 0;
    for (qsizetype start = 0; start < m_lines.size() - 1; start += kEntryLines)
        ++count;
    return count;
}

CatalogueEntry CatalogueList::entry(int index) const
{
    const qsizetype start = qsizetype(index) * kEntryLines;
    if (start + kEntryLines > m_lines.size())
        throw Error(QCoreApplication::translate("CatalogueList",
                                                "The recipe list of the server is incomplete: its last entry "
                                                "(line %1) has only %2 of its 6 lines.")
                        .arg(start + 1)
                        .arg(m_lines.size() - start));
    const auto at = [&](int line) { return m_lines.at(start + line); };
    return {at(0), at(1), at(2), at(3), at(4), at(5)};
}

Listing listOffers(const CatalogueList &list, const RecipeStore &store, const ListingRule &rule)
{
    Listing listing;
    const int count = list.entryCount();
    for (int i = 0; i < count; ++i) {
        CatalogueEntry entry;
        try {
            entry = list.entry(i);
        } catch (const Error &error) {
            listing.error = error.text();
            break;
        }
        if (!store.isNameFree(entry.name))
            continue;
        if (rule.dimension &&
            (entry.dimension != *rule.dimension || !BitsOverlap(entry.categories, rule.selection)))
            continue;
        if (entry.language != rule.language || store.isDeleted(entry.name))
            continue;
        listing.entries.append(std::move(entry));
    }
    return listing;
}
