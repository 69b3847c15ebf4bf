#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

class RecipeStore;

// One offer of the server catalogue "Rezepte.txt": six lines.
struct CatalogueEntry {
    QByteArray packageId, name, author, dimension, categories, language;
};

// The lines of the last fetched catalogue, shared by the update and the upload tab.
class CatalogueList {
public:
    static constexpr int kEntryLines = 6;

    void setReply(QByteArrayView reply); // lines end at CR, LF or CR LF; a zero byte ends the text
    void clear() { m_lines.clear(); }
    const QList<QByteArray> &lines() const { return m_lines; }

    // Entries start at every sixth line while that line is not the last one.
    int entryCount() const;
    // Throws Error when the entry is cut short at the end of the list.
    CatalogueEntry entry(int index) const;

private:
    QList<QByteArray> m_lines;
};

// What a listing shows: either a fresh fetch (no category filter) or a filter run.
struct ListingRule {
    QByteArray language;                 // the language box's text, compared exactly
    std::optional<QByteArray> dimension; // decimal text; none after a fetch
    QByteArray selection;                // ticked values as a bit string (with dimension only)
};

// The entries the tab offers, in catalogue order. A cut-short last entry stops the listing:
// what was listed before stays, and `error` says why it stopped.
struct Listing {
    QList<CatalogueEntry> entries;
    QString error;
};

Listing listOffers(const CatalogueList &list, const RecipeStore &store, const ListingRule &rule);
