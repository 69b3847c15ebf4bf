#include "store/Database.h"

#include "common/FileIO.h"
#include "common/TextLines.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstring>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <vector>

#include <sys/file.h>

namespace {

const char kIndexFile[] = "RezList.dat";
const char kDataFile[] = "Rezepte.dat";
const char kDeletedFile[] = "DelRez.dat";
const char kPictureExchange[] = "temp2.jpg";
const char kPagePicture[] = "temp.jpg";
constexpr qint64 kDataLimit = std::numeric_limits<qint32>::max(); // offsets are 32-bit

QString tr(const char *text, int n = -1) { return QCoreApplication::translate("RecipeStore", text, nullptr, n); }

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

std::string_view view(QByteArrayView bytes) { return {bytes.data(), size_t(bytes.size())}; }

} // namespace

// Lines live in immutable chunks (the loaded file, then one chunk per added record); a record
// keeps where its 18 lines lie. Names map to the first record of that name, and each record
// links to the next one of the same name, so every lookup by name is a hash probe.
struct RecipeStore::Impl {
    struct Record {
        quint32 id;
        quint32 chunk;
        quint32 nextSameName; // id of the next record with this name, or kNone
        quint32 start[RecordLineCount];
        quint32 length[RecordLineCount];
    };
    static constexpr quint32 kNone = std::numeric_limits<quint32>::max();

    QString dataDir;
    std::vector<QByteArray> chunks;
    std::vector<Record> records; // index order; ids ascend along it
    std::unordered_map<std::string_view, quint32> firstByName;
    quint32 nextId = 0;
    bool indexFileCanonical = true; // the file on disk is exactly what a rewrite would write
    QString damageReport;
    QFile data;
    QList<QByteArray> deleted;

    QString path(const char *name) const { return dataDir + QLatin1String(name); }

    QByteArrayView lineOf(const Record &r, int field) const
    {
        return QByteArrayView(chunks[r.chunk].constData() + r.start[field], r.length[field]);
    }

    int positionOf(quint32 id) const
    {
        const auto it = std::lower_bound(records.begin(), records.end(), id,
                                         [](const Record &r, quint32 wanted) { return r.id < wanted; });
        return int(it - records.begin());
    }

    void link(const Record &r)
    {
        const auto key = view(lineOf(r, FieldName));
        const auto it = firstByName.find(key);
        if (it == firstByName.end()) {
            firstByName.emplace(key, r.id);
            return;
        }
        Record *last = &records[positionOf(it->second)];
        while (last->nextSameName != kNone)
            last = &records[positionOf(last->nextSameName)];
        last->nextSameName = r.id;
    }

    void unlinkFirst(const Record &r)
    {
        const auto key = view(lineOf(r, FieldName));
        if (r.nextSameName == kNone) {
            firstByName.erase(key);
        } else {
            // The key must point into a live record's bytes.
            firstByName.erase(key);
            const Record &next = records[positionOf(r.nextSameName)];
            firstByName.emplace(view(lineOf(next, FieldName)), next.id);
        }
    }

    QByteArray wholeIndex() const
    {
        QByteArray out;
        qsizetype total = 0;
        for (const Record &r : records)
            for (int f = 0; f < RecordLineCount; ++f)
                total += r.length[f] + 2;
        out.reserve(total);
        for (const Record &r : records)
            for (int f = 0; f < RecordLineCount; ++f) {
                out += lineOf(r, f);
                out += "\r\n";
            }
        return out;
    }

    void writeWholeIndex()
    {
        writeFileAtomically(path(kIndexFile), wholeIndex());
        indexFileCanonical = true;
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

    std::optional<QByteArray> picture(const Record &r) const
    {
        const qint32 offset = number(r, FieldPictureOffset);
        if (offset == -1)
            return std::nullopt;
        const qint64 length = qint64(number(r, FieldPictureBlocks)) * 256 + number(r, FieldPictureTail);
        return readData(r, offset, length);
    }

    const Record *first(QByteArrayView name) const
    {
        const auto it = firstByName.find(view(name));
        return it == firstByName.end() ? nullptr : &records[positionOf(it->second)];
    }
};

RecipeStore::RecipeStore(const QString &dataDir) : d(std::make_unique<Impl>())
{
    d->dataDir = dataDir;
}

RecipeStore::~RecipeStore() = default;

const QString &RecipeStore::dataDir() const { return d->dataDir; }

QString RecipeStore::damageReport() const { return d->damageReport; }

void RecipeStore::loadIndex()
{
    const auto bytes = readFileIfExists(d->path(kIndexFile));
    if (!bytes)
        return;
    d->chunks.push_back(*bytes);
    const QByteArray &chunk = d->chunks.back();
    const quint32 chunkIndex = quint32(d->chunks.size() - 1);

    // One pass over the bytes: line boundaries straight into records.
    const char *text = chunk.constData();
    const qsizetype size = chunk.size();
    Impl::Record current{};
    int field = 0;
    qsizetype pos = 0;
    bool canonical = true;
    d->records.reserve(size_t(size / 160) + 1);
    while (pos < size) {
        qsizetype end = pos;
        while (end < size && text[end] != '\r' && text[end] != '\n')
            ++end;
        current.start[field] = quint32(pos);
        current.length[field] = quint32(end - pos);
        if (end + 1 < size && text[end] == '\r' && text[end + 1] == '\n') {
            pos = end + 2;
        } else {
            canonical = false; // LF alone, CR alone or no break after the last line
            pos = end + 1;
        }
        if (++field == RecordLineCount) {
            current.id = d->nextId++;
            current.chunk = chunkIndex;
            current.nextSameName = Impl::kNone;
            d->records.push_back(current);
            field = 0;
        }
    }
    for (const Impl::Record &r : d->records)
        d->link(r);

    QStringList problems;
    if (field != 0)
        problems << tr("its last %n line(s) do not make a whole recipe and were left out", field);
    QStringList badNumbers;
    for (const Impl::Record &r : d->records)
        for (int f = FieldPreparationOffset; f <= FieldPictureTail; ++f)
            if (!parseNumber(d->lineOf(r, f)) &&
                !(f == FieldPictureTail && parseNumber(d->lineOf(r, FieldPictureOffset)) == -1)) {
                badNumbers << QString::fromUtf8(d->lineOf(r, FieldName));
                break;
            }
    if (!badNumbers.isEmpty())
        problems << tr("these recipes have damaged number lines and cannot be opened: %1")
                        .arg(badNumbers.join(QStringLiteral(", ")));
    d->indexFileCanonical = canonical && field == 0;
    if (problems.isEmpty())
        return;

    // Keep the file as found before anything rewrites it.
    const QString copy =
        d->path(kIndexFile) + QStringLiteral(".damaged-") +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    writeFileAtomically(copy, chunk);
    d->indexFileCanonical = false;
    d->damageReport = tr("The recipe index \"%1\" is damaged: %2. %n complete recipe(s) were loaded. "
                         "The file as found was kept as \"%3\".",
                         int(d->records.size()))
                          .arg(QLatin1String(kIndexFile), problems.join(QStringLiteral("; ")),
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
    QByteArray picture;
    if (recipe.hasPicture)
        picture = readWholeFile(d->path(kPictureExchange));

    const qint64 start = d->data.size();
    const qint64 added = qint64(recipe.preparation.size()) + recipe.ingredients.size() + picture.size();
    if (start + added > kDataLimit)
        throw Error(tr("The recipe \"%1\" cannot be added: the recipe data file \"%2\" would grow past 2 GB.")
                        .arg(QString::fromUtf8(recipe.name), QLatin1String(kDataFile)));

    QByteArray appended;
    appended.reserve(added);
    appended += recipe.preparation;
    appended += recipe.ingredients;
    appended += picture;
    if (!d->data.seek(start) || d->data.write(appended) != appended.size() || !d->data.flush())
        throw Error(tr("Could not write to the recipe data file \"%1\": %2")
                        .arg(QLatin1String(kDataFile), d->data.errorString()));

    const qint64 ingredientsOffset = start + recipe.preparation.size();
    const qint64 pictureOffset = ingredientsOffset + recipe.ingredients.size();
    auto num = [](qint64 v) { return QByteArray::number(v); };
    const QList<QByteArray> lines = {
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
    const QByteArray recordBytes = joinLinesCrLf(lines);

    Impl::Record r{};
    r.id = d->nextId;
    r.chunk = quint32(d->chunks.size());
    r.nextSameName = Impl::kNone;
    quint32 offset = 0;
    for (int f = 0; f < RecordLineCount; ++f) {
        r.start[f] = offset;
        r.length[f] = quint32(lines[f].size());
        offset += r.length[f] + 2;
    }

    if (d->indexFileCanonical) {
        // Appending gives the same bytes as a whole rewrite, at a cost that does not grow with the store.
        QFile index(d->path(kIndexFile));
        if (!index.open(QIODevice::WriteOnly | QIODevice::Append) ||
            index.write(recordBytes) != recordBytes.size() || !index.flush()) {
            throw Error(tr("Could not write the file \"%1\": %2")
                            .arg(QDir::toNativeSeparators(index.fileName()), index.errorString()));
        }
        d->chunks.push_back(recordBytes);
        d->records.push_back(r);
    } else {
        d->chunks.push_back(recordBytes);
        d->records.push_back(r);
        try {
            d->writeWholeIndex();
        } catch (...) {
            d->records.pop_back();
            d->chunks.pop_back();
            throw;
        }
    }
    ++d->nextId;
    d->link(d->records.back());
}

std::optional<QByteArray> RecipeStore::readIngredients(QByteArrayView name) const
{
    const Impl::Record *r = d->first(name);
    if (!r)
        return std::nullopt;
    return d->readData(*r, d->number(*r, FieldIngredientsOffset), d->number(*r, FieldIngredientsLength));
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
    out.preparation = d->readData(*r, d->number(*r, FieldPreparationOffset), d->number(*r, FieldPreparationLength));
    out.ingredients = d->readData(*r, d->number(*r, FieldIngredientsOffset), d->number(*r, FieldIngredientsLength));
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
    const QByteArray ownName = name.toByteArray();

    QList<QByteArray> deleted = d->deleted;
    deleted.append(ownName);
    writeFileAtomically(d->path(kDeletedFile), joinLinesCrLf(deleted));
    d->deleted = deleted;

    const int position = int(r - d->records.data());
    const Impl::Record removed = *r;
    d->unlinkFirst(removed);
    d->records.erase(d->records.begin() + position);
    try {
        d->writeWholeIndex();
    } catch (...) {
        // Keep memory and file telling the same story.
        d->records.insert(d->records.begin() + position, removed);
        if (removed.nextSameName != Impl::kNone)
            d->firstByName.erase(view(ownName));
        d->firstByName[view(d->lineOf(d->records[position], FieldName))] = removed.id;
        throw;
    }
    return true;
}

QByteArray RecipeStore::preparationOf(int record) const
{
    const Impl::Record &r = d->records[record];
    return d->readData(r, d->number(r, FieldPreparationOffset), d->number(r, FieldPreparationLength));
}

QByteArray RecipeStore::ingredientsOf(int record) const
{
    const Impl::Record &r = d->records[record];
    return d->readData(r, d->number(r, FieldIngredientsOffset), d->number(r, FieldIngredientsLength));
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
