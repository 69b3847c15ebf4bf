#include "store/RecipeSearch.h"

#include "store/Database.h"

#include <QFile>
#include <QString>

#include <cstring>
#include <vector>

namespace {

// Lower-cases like QString::toLower on the decoded text; plain ASCII takes a shortcut.
void appendLowered(QByteArray &out, QByteArrayView utf8)
{
    const qsizetype start = out.size();
    out.resize(start + utf8.size());
    char *dst = out.data() + start;
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c & 0x80) {
            out.resize(start);
            out += QString::fromUtf8(utf8).toLower().toUtf8();
            return;
        }
        dst[i] = c >= 'A' && c <= 'Z' ? char(c + 32) : c;
    }
}

QByteArray lowered(QByteArrayView utf8)
{
    QByteArray out;
    appendLowered(out, utf8);
    return out;
}

const char *find(const char *haystack, qsizetype size, QByteArrayView needle)
{
    if (size < needle.size())
        return nullptr;
    if (needle.size() == 1)
        return static_cast<const char *>(std::memchr(haystack, needle[0], size_t(size)));
    return static_cast<const char *>(memmem(haystack, size_t(size), needle.data(), size_t(needle.size())));
}

} // namespace

// Per record, "name\0author\0" in one buffer and "ingredients\0preparation\0" in another, both
// lower-cased and in index order. A needle without a zero byte cannot match across a separator,
// so a whole buffer is searched in one sweep.
struct RecipeSearch::Impl {
    enum Problem : quint8 { IngredientsUnreadable = 1, PreparationUnreadable = 2 };
    struct Entry {
        qint64 head;  // start in heads
        qint64 texts; // start in texts
        quint32 ingredients;
        quint8 problems;
    };

    RecipeStore &store;
    int listener = -1;
    bool prepared = false;
    QByteArray heads, texts;
    std::vector<Entry> entries;

    explicit Impl(RecipeStore &s) : store(s) {}

    qint64 headEnd(size_t r) const { return r + 1 < entries.size() ? entries[r + 1].head : heads.size(); }
    qint64 textEnd(size_t r) const { return r + 1 < entries.size() ? entries[r + 1].texts : texts.size(); }

    void append(int r, std::optional<QByteArrayView> ingredients, std::optional<QByteArrayView> preparation)
    {
        Entry e{heads.size(), texts.size(), 0, 0};
        appendLowered(heads, store.line(r, FieldName));
        heads += '\0';
        appendLowered(heads, store.line(r, FieldAuthor));
        heads += '\0';
        if (ingredients)
            appendLowered(texts, *ingredients);
        else
            e.problems |= IngredientsUnreadable;
        e.ingredients = quint32(texts.size() - e.texts);
        texts += '\0';
        if (preparation)
            appendLowered(texts, *preparation);
        else
            e.problems |= PreparationUnreadable;
        texts += '\0';
        entries.push_back(e);
    }

    // A text of the record from the mapped data file; nullopt where reading it would fail.
    std::optional<QByteArrayView> mapped(const uchar *data, qint64 size, int r, int offsetField,
                                         int lengthField)
    {
        try {
            const qint64 offset = store.numberField(r, offsetField);
            const qint64 length = store.numberField(r, lengthField);
            if (offset < 0 || length < 0 || offset + length > size)
                return std::nullopt;
            return QByteArrayView(reinterpret_cast<const char *>(data) + offset, length);
        } catch (const Error &) {
            return std::nullopt;
        }
    }

    void prepare()
    {
        const int count = store.recordCount();
        QFile file(store.dataDir() + QStringLiteral("Rezepte.dat"));
        const qint64 size = file.open(QIODevice::ReadOnly) ? file.size() : 0;
        static const uchar empty = 0;
        const uchar *data = size > 0 ? file.map(0, size) : &empty;
        if (!data)
            throw Error(QStringLiteral("Could not read the recipe data file \"%1\" for searching: %2")
                            .arg(file.fileName(), file.errorString()));

        std::vector<std::optional<QByteArrayView>> ingredients(count), preparations(count);
        qint64 headBytes = 0, textBytes = 0;
        for (int r = 0; r < count; ++r) {
            ingredients[r] = mapped(data, size, r, FieldIngredientsOffset, FieldIngredientsLength);
            preparations[r] = mapped(data, size, r, FieldPreparationOffset, FieldPreparationLength);
            headBytes += store.line(r, FieldName).size() + store.line(r, FieldAuthor).size() + 2;
            textBytes += (ingredients[r] ? ingredients[r]->size() : 0) +
                         (preparations[r] ? preparations[r]->size() : 0) + 2;
        }
        heads.reserve(headBytes);
        texts.reserve(textBytes);
        entries.reserve(size_t(count));
        for (int r = 0; r < count; ++r)
            append(r, ingredients[r], preparations[r]);
        // Lower case can be longer than upper case; keep no doubled capacity around.
        heads.squeeze();
        texts.squeeze();
        prepared = true;
    }

    void forget()
    {
        prepared = false;
        heads = QByteArray();
        texts = QByteArray();
        entries = {};
    }

    void changed(const StoreChange &change)
    {
        if (!prepared)
            return;
        switch (change.kind) {
        case StoreChange::Reloaded:
            forget();
            break;
        case StoreChange::Added: {
            const int r = change.record;
            std::optional<QByteArray> ingredients, preparation;
            try {
                ingredients = store.ingredientsOf(r);
            } catch (const Error &) {
            }
            try {
                preparation = store.preparationOf(r);
            } catch (const Error &) {
            }
            append(r, ingredients ? std::optional<QByteArrayView>(*ingredients) : std::nullopt,
                   preparation ? std::optional<QByteArrayView>(*preparation) : std::nullopt);
            break;
        }
        case StoreChange::Removed: {
            const size_t r = size_t(change.record);
            const qint64 headLength = headEnd(r) - entries[r].head;
            const qint64 textLength = textEnd(r) - entries[r].texts;
            heads.remove(entries[r].head, headLength);
            texts.remove(entries[r].texts, textLength);
            entries.erase(entries.begin() + qsizetype(r));
            for (size_t i = r; i < entries.size(); ++i) {
                entries[i].head -= headLength;
                entries[i].texts -= textLength;
            }
            break;
        }
        }
    }

    // Marks every record whose block in buffer holds the needle.
    template <qint64 Entry::*Start>
    void sweep(const QByteArray &buffer, QByteArrayView needle, std::vector<quint8> &hits, quint8 bit) const
    {
        const char *base = buffer.constData();
        const qint64 size = buffer.size();
        size_t r = 0;
        qint64 pos = 0;
        while (const char *found = find(base + pos, size - pos, needle)) {
            const qint64 at = found - base;
            while (r + 1 < entries.size() && entries[r + 1].*Start <= at)
                ++r;
            hits[r] |= bit;
            if (r + 1 == entries.size())
                break;
            pos = entries[r + 1].*Start;
        }
    }

    bool matchesDirectly(int r, QByteArrayView needle, int mode) const
    {
        if (lowered(store.line(r, FieldAuthor)).contains(needle) ||
            lowered(store.line(r, FieldName)).contains(needle))
            return true;
        if (mode >= 1 && lowered(store.ingredientsOf(r)).contains(needle))
            return true;
        return mode >= 2 && lowered(store.preparationOf(r)).contains(needle);
    }
};

RecipeSearch::RecipeSearch(RecipeStore &store) : d(std::make_unique<Impl>(store))
{
    d->listener = store.addChangeListener([this](const StoreChange &change) { d->changed(change); });
}

RecipeSearch::~RecipeSearch() { d->store.removeChangeListener(d->listener); }

qint64 RecipeSearch::heldTextBytes() const { return d->heads.size() + d->texts.size(); }

bool RecipeSearch::isPrepared() const { return d->prepared; }

QList<QByteArray> RecipeSearch::SearchRecipes(QByteArrayView lowerText, int mode, QByteArrayView dimension)
{
    QList<QByteArray> names;
    if (lowerText.isEmpty())
        return names;
    const RecipeStore &store = d->store;
    const int count = store.recordCount();
    const bool anyDimension = dimension == "0";
    auto wanted = [&](int r) { return anyDimension || store.line(r, FieldDimension) == dimension; };

    if (lowerText.contains('\0')) {
        // Such a needle could span a separator: compare field by field.
        for (int r = 0; r < count; ++r)
            if (wanted(r) && d->matchesDirectly(r, lowerText, mode))
                names.append(store.line(r, FieldName).toByteArray());
        return names;
    }

    if (!d->prepared)
        d->prepare();
    enum : quint8 { HeadHit = 1, TextHit = 2 };
    std::vector<quint8> hits(size_t(count), 0);
    d->sweep<&Impl::Entry::head>(d->heads, lowerText, hits, HeadHit);
    if (mode >= 2) {
        d->sweep<&Impl::Entry::texts>(d->texts, lowerText, hits, TextHit);
    } else if (mode == 1) {
        for (int r = 0; r < count; ++r) {
            const Impl::Entry &e = d->entries[size_t(r)];
            if (!hits[size_t(r)] && find(d->texts.constData() + e.texts, e.ingredients, lowerText))
                hits[size_t(r)] |= TextHit;
        }
    }

    for (int r = 0; r < count; ++r) {
        const quint8 hit = hits[size_t(r)];
        const quint8 problems = d->entries[size_t(r)].problems;
        if ((!hit && !problems) || !wanted(r))
            continue;
        if (!(hit & HeadHit) && mode >= 1) {
            // A text that cannot be read fails the search where reading it would.
            if (problems & Impl::IngredientsUnreadable)
                store.ingredientsOf(r);
            if (!(hit & TextHit)) {
                if (mode >= 2 && (problems & Impl::PreparationUnreadable))
                    store.preparationOf(r);
                continue;
            }
        } else if (!(hit & HeadHit)) {
            continue;
        }
        names.append(store.line(r, FieldName).toByteArray());
    }
    return names;
}
