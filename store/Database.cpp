#include "store/Database.h"

#include "common/FileIO.h"
#include "common/TextLines.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHashFunctions>
#include <QString>

#include <algorithm>
#include <array>
#include <cstring>
#include <limits>
#include <vector>

#include <sys/file.h>

namespace {

const char kIndexFile[] = "RezList.dat";
const char kDataFile[] = "Rezepte.dat";
const char kDeletedFile[] = "DelRez.dat";
const char kPictureExchange[] = "temp2.jpg";
const char kPagePicture[] = "temp.jpg";
constexpr qint64 kDataLimit = std::numeric_limits<qint32>::max(); // offsets are 32-bit

QString tr(const char *text) { return QCoreApplication::translate("RecipeStore", text); }

std::optional<qint32> parseNumber(QByteArrayView text)
{
    qsizetype i = 0;
    bool negative = false;
    if (!text.isEmpty() && text[0] == '-') {
        negative = true;
        i = 1;
    }
    if (i == text.size())
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
        if (value > qint64(std::numeric_limits<qint32>::max()) + 1)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

} // namespace

// The index bytes stay as read (the loaded file, then blocks of added records that never move, so
// a line handed out stays valid); a record keeps
// only where its lines start, 16-bit relative to its first byte. A line's end is found from the next
// line's start: its break (CR LF, LF, CR or none at the end of the file) is the only CR or LF in it.
// Names go into an open-addressing table that holds the position of the first record of each name,
// and every record links to the next one of the same name, so a lookup by name is one probe.
struct RecipeStore::Impl {
    static constexpr quint32 kNone = std::numeric_limits<quint32>::max();
    static constexpr int kLoaded = 0;
    static constexpr qsizetype kBlockSize = 64 * 1024;

    struct Record {
        quint32 base;                       // first byte in its chunk
        quint32 next;                       // position of the next record with this name, or kNone
        quint16 start[RecordLineCount + 1]; // relative line starts; the last is the record's end
        quint16 chunk;
        bool wide; // a record longer than 64 KiB: starts[0..1] hold its entry in wideStarts
    };

    QString dataDir;
    std::vector<QByteArray> chunks{QByteArray()};
    std::vector<Record> records; // index order
    std::vector<std::array<quint32, RecordLineCount + 1>> wideStarts;
    std::vector<quint32> table; // position + 1 of the first record of a name; 0 is free
    qsizetype names = 0;
    bool indexFileCanonical = true; // the file on disk is exactly what a rewrite would write
    QString damageReport;
    QFile data;
    QList<QByteArray> deleted;
    std::vector<std::pair<int, std::function<void(const StoreChange &)>>> listeners;
    int nextListener = 0;

    QString path(const char *name) const { return dataDir + QLatin1String(name); }

    void notify(StoreChange::Kind kind, int record) const
    {
        const StoreChange change{kind, record};
        for (const auto &entry : listeners)
            entry.second(change);
    }

    quint32 startOf(const Record &r, int field) const
    {
        if (r.wide)
            return r.base + wideStarts[r.start[0] | quint32(r.start[1]) << 16][field];
        return r.base + r.start[field];
    }

    QByteArrayView lineOf(const Record &r, int field) const
    {
        const char *text = chunks[r.chunk].constData();
        const quint32 begin = startOf(r, field);
        quint32 end = startOf(r, field + 1);
        if (end > begin && text[end - 1] == '\n')
            --end;
        if (end > begin && text[end - 1] == '\r')
            --end;
        return QByteArrayView(text + begin, end - begin);
    }

    QByteArrayView recordBytes(const Record &r) const
    {
        const quint32 begin = startOf(r, 0);
        return QByteArrayView(chunks[r.chunk].constData() + begin, startOf(r, RecordLineCount) - begin);
    }

    // Fills in where the lines start; `starts` are absolute within the chunk.
    void place(Record &r, const quint32 *starts)
    {
        r.base = starts[0];
        r.wide = starts[RecordLineCount] - starts[0] > 0xFFFF;
        if (r.wide) {
            const quint32 entry = quint32(wideStarts.size());
            auto &wide = wideStarts.emplace_back();
            for (int f = 0; f <= RecordLineCount; ++f)
                wide[f] = starts[f] - starts[0];
            r.start[0] = quint16(entry & 0xFFFF);
            r.start[1] = quint16(entry >> 16);
        } else {
            for (int f = 0; f <= RecordLineCount; ++f)
                r.start[f] = quint16(starts[f] - starts[0]);
        }
    }

    // --- names

    size_t slotFor(QByteArrayView name) const
    {
        const size_t mask = table.size() - 1;
        size_t s = qHash(name, size_t(0)) & mask;
        while (table[s] != 0 && lineOf(records[table[s] - 1], FieldName) != name)
            s = (s + 1) & mask;
        return s;
    }

    void growTable(size_t wanted)
    {
        size_t size = 16;
        while (size < wanted * 2)
            size *= 2;
        if (size <= table.size())
            return;
        std::vector<quint32> old(size, 0);
        old.swap(table);
        for (quint32 v : old)
            if (v != 0)
                table[slotFor(lineOf(records[v - 1], FieldName))] = v;
    }

    // Makes record `position` (the last one) reachable by its name.
    void link(quint32 position)
    {
        growTable(size_t(names + 1));
        const size_t s = slotFor(lineOf(records[position], FieldName));
        if (table[s] == 0) {
            table[s] = position + 1;
            ++names;
            return;
        }
        quint32 last = table[s] - 1;
        while (records[last].next != kNone)
            last = records[last].next;
        records[last].next = position;
    }

    // Takes the record at `position`, the first of its name, out of the index in memory.
    void removeFirst(quint32 position)
    {
        const Record removed = records[position];
        size_t s = slotFor(lineOf(removed, FieldName));
        if (removed.next != kNone) {
            table[s] = removed.next + 1;
        } else {
            // Backward-shift deletion keeps every probe chain unbroken.
            const size_t mask = table.size() - 1;
            table[s] = 0;
            --names;
            for (size_t i = (s + 1) & mask; table[i] != 0; i = (i + 1) & mask) {
                const size_t home = qHash(lineOf(records[table[i] - 1], FieldName), size_t(0)) & mask;
                if (((i - home) & mask) >= ((i - s) & mask)) {
                    table[s] = table[i];
                    table[i] = 0;
                    s = i;
                }
            }
        }
        records.erase(records.begin() + position);
        for (quint32 &v : table)
            if (v > position + 1)
                --v;
        for (Record &r : records)
            if (r.next != kNone && r.next > position)
                --r.next;
    }

    const Record *first(QByteArrayView name) const
    {
        if (table.empty())
            return nullptr;
        const quint32 v = table[slotFor(name)];
        return v == 0 ? nullptr : &records[v - 1];
    }

    // --- files

    QByteArray wholeIndex(qsizetype skip = -1) const
    {
        qsizetype total = 0;
        for (qsizetype i = 0; i < qsizetype(records.size()); ++i)
            if (i != skip)
                total += recordBytes(records[i]).size() + RecordLineCount + 2;
        QByteArray out;
        out.reserve(total);
        for (qsizetype i = 0; i < qsizetype(records.size()); ++i)
            if (i != skip)
                for (int f = 0; f < RecordLineCount; ++f) {
                    out += lineOf(records[i], f);
                    out += "\r\n";
                }
        return out;
    }

    qint32 number(const Record &r, int field) const
    {
        if (const auto value = parseNumber(lineOf(r, field)))
            return *value;
        throw Error(tr("The recipe \"%1\" is damaged in \"%2\": line %3 of its record is not a number.")
                        .arg(QString::fromUtf8(lineOf(r, FieldName)), QLatin1String(kIndexFile))
                        .arg(field + 1));
    }

    QByteArray readData(const Record &r, qint64 offset, qint64 length) const
    {
        QFile &file = const_cast<QFile &>(data);
        if (!file.isOpen())
            throw Error(tr("The recipe data file \"%1\" is not open.").arg(path(kDataFile)));
        if (offset < 0 || length < 0 || offset + length > file.size())
            throw Error(tr("The recipe \"%1\" points outside the data file \"%2\".")
                            .arg(QString::fromUtf8(lineOf(r, FieldName)), QLatin1String(kDataFile)));
        QByteArray bytes;
        if (!file.seek(offset) || (bytes = file.read(length)).size() != length)
            throw Error(tr("Could not read the recipe \"%1\" from \"%2\": %3")
                            .arg(QString::fromUtf8(lineOf(r, FieldName)), QLatin1String(kDataFile),
                                 file.errorString()));
        return bytes;
    }

    QByteArray text(const Record &r, int offsetField, int lengthField) const
    {
        return readData(r, number(r, offsetField), number(r, lengthField));
    }

    std::optional<QByteArray> picture(const Record &r) const
    {
        const qint32 offset = number(r, FieldPictureOffset);
        if (offset == -1)
            return std::nullopt;
        const qint64 length = qint64(number(r, FieldPictureBlocks)) * 256 + number(r, FieldPictureTail);
        return readData(r, offset, length);
    }
};

RecipeStore::RecipeStore(const QString &dataDir) : d(std::make_unique<Impl>()) { d->dataDir = dataDir; }

RecipeStore::~RecipeStore() = default;

const QString &RecipeStore::dataDir() const { return d->dataDir; }

QString RecipeStore::damageReport() const { return d->damageReport; }

void RecipeStore::loadIndex()
{
    const auto bytes = readFileIfExists(d->path(kIndexFile));
    if (!bytes)
        return;
    d->chunks.assign(1, *bytes);
    d->records.clear();
    d->wideStarts.clear();
    d->table.clear();
    d->names = 0;
    const QByteArray &chunk = d->chunks[Impl::kLoaded];

    // One pass over the bytes: line starts straight into records.
    const char *text = chunk.constData();
    const qsizetype size = chunk.size();
    if (size > qsizetype(std::numeric_limits<quint32>::max()))
        throw Error(tr("The recipe index \"%1\" is too large to be read.").arg(d->path(kIndexFile)));
    quint32 starts[RecordLineCount + 1];
    int field = 0;
    qsizetype pos = 0;
    bool canonical = true;
    d->records.reserve(size_t(size / 100) + 1);
    while (pos < size) {
        starts[field] = quint32(pos);
        qsizetype end = pos;
        while (end < size &&
               (static_cast<unsigned char>(text[end]) > '\r' || (text[end] != '\r' && text[end] != '\n')))
            ++end;
        if (end + 1 < size && text[end] == '\r' && text[end + 1] == '\n') {
            pos = end + 2;
        } else {
            canonical = false; // LF alone, CR alone or no break after the last line
            pos = std::min(end + 1, size);
        }
        if (++field == RecordLineCount) {
            starts[RecordLineCount] = quint32(pos);
            Impl::Record r{};
            r.chunk = Impl::kLoaded;
            r.next = Impl::kNone;
            d->place(r, starts);
            d->records.push_back(r);
            field = 0;
        }
    }
    d->records.shrink_to_fit();
    d->growTable(d->records.size());
    for (quint32 p = 0; p < d->records.size(); ++p)
        d->link(p);

    QStringList problems;
    if (field != 0)
        problems << (field == 1
                         ? tr("its last line does not make a whole recipe and was left out")
                         : tr("its last %1 lines do not make a whole recipe and were left out").arg(field));
    QStringList badNumbers;
    for (const Impl::Record &r : d->records)
        for (int f = FieldPreparationOffset; f <= FieldPictureTail; ++f)
            // Without a picture its block and tail lines are never read.
            if (!parseNumber(d->lineOf(r, f)) &&
                !(f > FieldPictureOffset && parseNumber(d->lineOf(r, FieldPictureOffset)) == -1)) {
                badNumbers << QString::fromUtf8(d->lineOf(r, FieldName));
                break;
            }
    if (!badNumbers.isEmpty())
        problems << tr("these recipes have damaged number lines and cannot be opened: %1")
                        .arg(badNumbers.join(QStringLiteral(", ")));
    d->indexFileCanonical = canonical && field == 0;
    d->notify(StoreChange::Reloaded, -1);
    if (problems.isEmpty())
        return;

    // Keep the file as found before anything rewrites it.
    const QString stem = d->path(kIndexFile) + QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString copy = stem;
    for (int n = 2; QFile::exists(copy); ++n)
        copy = stem + QLatin1Char('-') + QString::number(n);
    writeFileAtomically(copy, chunk);
    d->indexFileCanonical = false;
    const int kept = int(d->records.size());
    d->damageReport = tr("The recipe index \"%1\" is damaged: %2. %3 The file as found was kept as \"%4\".")
                          .arg(QLatin1String(kIndexFile), problems.join(QStringLiteral("; ")),
                               kept == 1 ? tr("1 complete recipe was loaded.")
                                         : tr("%1 complete recipes were loaded.").arg(kept),
                               QDir::toNativeSeparators(copy));
}

void RecipeStore::openData()
{
    d->data.setFileName(d->path(kDataFile));
    if (!d->data.open(QIODevice::ReadWrite))
        throw Error(tr("Could not open the recipe data file \"%1\": %2")
                        .arg(QDir::toNativeSeparators(d->data.fileName()), d->data.errorString()));
    if (flock(d->data.handle(), LOCK_EX | LOCK_NB) != 0) {
        d->data.close();
        throw StoreLockedError(
            tr("The cookbook in \"%1\" is already open in another Saffin window. Close that one first; "
               "this one ends without changing anything.")
                .arg(QDir::toNativeSeparators(d->dataDir)));
    }
}

void RecipeStore::loadDeletedNames()
{
    if (const auto bytes = readFileIfExists(d->path(kDeletedFile)))
        d->deleted = splitLines(*bytes);
}

int RecipeStore::recordCount() const { return int(d->records.size()); }

QByteArrayView RecipeStore::line(int record, int field) const { return d->lineOf(d->records[record], field); }

qint32 RecipeStore::numberField(int record, int field) const { return d->number(d->records[record], field); }

std::optional<int> RecipeStore::findFirst(QByteArrayView name) const
{
    const Impl::Record *r = d->first(name);
    if (!r)
        return std::nullopt;
    return int(r - d->records.data());
}

bool RecipeStore::isNameFree(QByteArrayView name) const { return d->first(name) == nullptr; }

void RecipeStore::addRecipe(const NewRecipe &recipe)
{
    if (!d->data.isOpen())
        throw Error(tr("The recipe data file \"%1\" is not open.").arg(d->path(kDataFile)));
    // A line break inside a line would shift every record behind it.
    const std::pair<const QByteArray *, const char *> lineFields[] = {{&recipe.name, "name"},
                                                                      {&recipe.author, "author"},
                                                                      {&recipe.dimension, "dimension"},
                                                                      {&recipe.categories, "categories"},
                                                                      {&recipe.language, "language"}};
    for (const auto &[text, what] : lineFields)
        if (text->contains('\r') || text->contains('\n'))
            throw Error(tr("The recipe \"%1\" cannot be added: its %2 holds a line break.")
                            .arg(QString::fromUtf8(recipe.name).simplified(), tr(what)));
    QByteArray picture;
    if (recipe.hasPicture)
        picture = readWholeFile(d->path(kPictureExchange));

    const qint64 start = d->data.size();
    const qint64 added = qint64(recipe.preparation.size()) + recipe.ingredients.size() + picture.size();
    if (start + added > kDataLimit)
        throw Error(tr("The recipe \"%1\" cannot be added: the recipe data file \"%2\" would grow past 2 GB.")
                        .arg(QString::fromUtf8(recipe.name), QLatin1String(kDataFile)));

    // Memory for the record before any file changes: into the last block while it has room (never
    // reallocating it, so lines handed out stay valid); the numbers and fixed lines take under 200 bytes.
    const qsizetype recordBound = recipe.name.size() + recipe.author.size() + recipe.dimension.size() +
                                  recipe.categories.size() + recipe.language.size() + 200;
    if (d->chunks.size() == 1 || d->chunks.back().size() + recordBound > d->chunks.back().capacity()) {
        if (d->chunks.size() > std::numeric_limits<quint16>::max())
            throw Error(tr("Too many recipes were added in this session; restart Saffin to add more."));
        d->chunks.emplace_back().reserve(std::max(Impl::kBlockSize, recordBound));
    }

    // Data first, flushed, so that no index line ever points at bytes that are not there.
    if (!d->data.seek(start) || d->data.write(recipe.preparation) != recipe.preparation.size() ||
        d->data.write(recipe.ingredients) != recipe.ingredients.size() ||
        d->data.write(picture) != picture.size() || !d->data.flush())
        throw Error(tr("Could not write to the recipe data file \"%1\": %2")
                        .arg(QLatin1String(kDataFile), d->data.errorString()));

    const qint64 ingredientsOffset = start + recipe.preparation.size();
    const qint64 pictureOffset = ingredientsOffset + recipe.ingredients.size();
    auto num = [](qint64 v) { return QByteArray::number(v); };
    const QByteArray lines[RecordLineCount] = {
        recipe.name,
        recipe.author,
        recipe.dimension,
        recipe.categories,
        recipe.language,
        recipe.own ? "True" : "False",
        QByteArray(),
        num(start),
        num(recipe.preparation.size()),
        num(ingredientsOffset),
        num(recipe.ingredients.size()),
        recipe.hasPicture ? num(pictureOffset) : "-1",
        recipe.hasPicture ? num(picture.size() / 256) : "-1",
        recipe.hasPicture ? num(picture.size() % 256) : "-1",
        "-1",
        "-1",
        "False",
        "False",
    };
    QByteArray record;
    for (const QByteArray &line : lines) {
        record += line;
        record += "\r\n";
    }

    if (d->indexFileCanonical) {
        // Appending gives the same bytes as a whole rewrite, at a cost that does not grow with the store.
        QFile index(d->path(kIndexFile));
        if (!index.open(QIODevice::WriteOnly | QIODevice::Append))
            throw Error(tr("Could not write the file \"%1\": %2")
                            .arg(QDir::toNativeSeparators(index.fileName()), index.errorString()));
        const qint64 before = index.size();
        if (index.write(record) != record.size() || !index.flush()) {
            const QString reason = index.errorString();
            // Take back a partial record; should that fail too, the next change rewrites the file whole.
            index.resize(before);
            d->indexFileCanonical = false;
            throw Error(tr("Could not write the file \"%1\": %2")
                            .arg(QDir::toNativeSeparators(index.fileName()), reason));
        }
    } else {
        writeFileAtomically(d->path(kIndexFile), d->wholeIndex() + record);
        d->indexFileCanonical = true;
    }

    QByteArray &chunk = d->chunks.back();
    quint32 starts[RecordLineCount + 1];
    quint32 at = quint32(chunk.size());
    for (int f = 0; f < RecordLineCount; ++f) {
        starts[f] = at;
        at += quint32(lines[f].size() + 2);
    }
    starts[RecordLineCount] = at;
    chunk += record;
    Impl::Record r{};
    r.chunk = quint16(d->chunks.size() - 1);
    r.next = Impl::kNone;
    d->place(r, starts);
    d->records.push_back(r);
    d->link(quint32(d->records.size() - 1));
    d->notify(StoreChange::Added, int(d->records.size()) - 1);
}

std::optional<QByteArray> RecipeStore::readIngredients(QByteArrayView name) const
{
    const Impl::Record *r = d->first(name);
    if (!r)
        return std::nullopt;
    return d->text(*r, FieldIngredientsOffset, FieldIngredientsLength);
}

std::optional<QByteArray> RecipeStore::readAuthor(QByteArrayView name) const
{
    const Impl::Record *r = d->first(name);
    if (!r)
        return std::nullopt;
    return d->lineOf(*r, FieldAuthor).toByteArray();
}

std::optional<StoredRecipe> RecipeStore::readRecipe(QByteArrayView name)
{
    const Impl::Record *r = d->first(name);
    if (!r)
        return std::nullopt;
    removeFileIfExists(d->path(kPagePicture));
    StoredRecipe out;
    if (const auto picture = d->picture(*r)) {
        writeFileAtomically(d->path(kPictureExchange), *picture);
        out.hasPicture = true;
    }
    out.preparation = d->text(*r, FieldPreparationOffset, FieldPreparationLength);
    out.ingredients = d->text(*r, FieldIngredientsOffset, FieldIngredientsLength);
    out.name = d->lineOf(*r, FieldName).toByteArray();
    out.author = d->lineOf(*r, FieldAuthor).toByteArray();
    out.dimension = d->lineOf(*r, FieldDimension).toByteArray();
    out.categories = d->lineOf(*r, FieldCategories).toByteArray();
    out.language = d->lineOf(*r, FieldLanguage).toByteArray();
    return out;
}

bool RecipeStore::deleteRecipe(QByteArrayView name)
{
    const Impl::Record *r = d->first(name);
    if (!r)
        return false;
    const quint32 position = quint32(r - d->records.data());

    QList<QByteArray> deleted = d->deleted;
    deleted.append(name.toByteArray());
    writeFileAtomically(d->path(kDeletedFile), joinLinesCrLf(deleted));
    d->deleted = deleted;

    // The file first: memory changes only once it tells the same story.
    writeFileAtomically(d->path(kIndexFile), d->wholeIndex(position));
    d->indexFileCanonical = true;
    d->removeFirst(position);
    d->notify(StoreChange::Removed, int(position));
    return true;
}

QByteArray RecipeStore::preparationOf(int record) const
{
    return d->text(d->records[record], FieldPreparationOffset, FieldPreparationLength);
}

QByteArray RecipeStore::ingredientsOf(int record) const
{
    return d->text(d->records[record], FieldIngredientsOffset, FieldIngredientsLength);
}

std::optional<QByteArray> RecipeStore::pictureOf(int record) const { return d->picture(d->records[record]); }

const QList<QByteArray> &RecipeStore::deletedNames() const { return d->deleted; }

bool RecipeStore::isDeleted(QByteArrayView name) const
{
    const QString wanted = QString::fromUtf8(name);
    return std::any_of(d->deleted.begin(), d->deleted.end(), [&](const QByteArray &entry) {
        return QString::fromUtf8(entry).compare(wanted, Qt::CaseInsensitive) == 0;
    });
}

void RecipeStore::clearDeletedNames()
{
    writeFileAtomically(d->path(kDeletedFile), QByteArray());
    d->deleted.clear();
}

int RecipeStore::addChangeListener(std::function<void(const StoreChange &)> listener)
{
    d->listeners.emplace_back(d->nextListener, std::move(listener));
    return d->nextListener++;
}

void RecipeStore::removeChangeListener(int id)
{
    std::erase_if(d->listeners, [id](const auto &entry) { return entry.first == id; });
}
