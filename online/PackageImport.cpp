#include "online/PackageImport.h"

#include "common/Error.h"
#include "common/FileIO.h"
#include "common/TextLines.h"
#include "online/HttpClient.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QThread>

#include <limits>
#include <optional>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("PackageImport", text);
}

// A decimal 32-bit integer as the record layout writes it: optional minus, digits only.
std::optional<qint32> decimal(QByteArrayView text)
{
    qsizetype i = text.startsWith('-') ? 1 : 0;
    if (i == text.size() || text.size() - i > 10)
        return std::nullopt;
    qint64 value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    if (text.startsWith('-'))
        value = -value;
    if (value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return qint32(value);
}

} // namespace

QList<PackageRecord> parsePackage(QByteArrayView index, QByteArrayView data, const QString &packageName)
{
    const QList<QByteArray> lines = splitLinesUntilNul(index);
    QList<PackageRecord> records;
    for (qsizetype s = 0; s < lines.size() - 1; s += RecordLineCount) {
        const int recordNumber = int(s / RecordLineCount) + 1;
        auto refuse = [&](const QString &why) {
            return Error(tr("The recipe package \"%1\" was refused, nothing of it was added: record %2 %3")
                             .arg(packageName)
                             .arg(recordNumber)
                             .arg(why));
        };
        // The import reads the lines up to the picture tail; a record ending before it is cut short.
        if (s + FieldPictureTail >= lines.size())
            throw refuse(tr("is cut short at the end of the index."));
        auto number = [&](int field) -> qint64 {
            const auto value = decimal(lines.at(s + field));
            if (!value)
                throw refuse(tr("has \"%1\" in line %2, which is not a number.")
                                 .arg(QString::fromUtf8(lines.at(s + field)))
                                 .arg(field + 1));
            return *value;
        };
        auto checkInside = [&](qint64 offset, qint64 length) {
            if (offset < 0 || length < 0 || offset + length > data.size())
                throw refuse(tr("points outside the package data (offset %1, length %2, data size %3).")
                                 .arg(offset)
                                 .arg(length)
                                 .arg(data.size()));
        };
        auto piece = [&](int offsetField, int lengthField, qint64 &offset, qint64 &length) {
            offset = number(offsetField);
            length = number(lengthField);
            checkInside(offset, length);
        };
        PackageRecord record;
        record.name = lines.at(s + FieldName);
        record.author = lines.at(s + FieldAuthor);
        record.dimension = lines.at(s + FieldDimension);
        record.categories = lines.at(s + FieldCategories);
        record.language = lines.at(s + FieldLanguage);
        const qint64 pictureOffset = number(FieldPictureOffset);
        const qint64 blocks = number(FieldPictureBlocks);
        if (pictureOffset != -1) {
            const qint64 tail = number(FieldPictureTail);
            if (tail < 0 || tail > 255)
                throw refuse(tr("has a picture tail of %1; it must lie between 0 and 255.").arg(tail));
            if (blocks < 0)
                throw refuse(tr("has a negative picture size."));
            record.pictureOffset = pictureOffset;
            record.pictureLength = blocks * 256 + tail;
            checkInside(record.pictureOffset, record.pictureLength);
        }
        piece(FieldPreparationOffset, FieldPreparationLength, record.preparationOffset,
              record.preparationLength);
        piece(FieldIngredientsOffset, FieldIngredientsLength, record.ingredientsOffset,
              record.ingredientsLength);
        records.append(std::move(record));
    }
    return records;
}

PackageImporter::PackageImporter(HttpClient &http, RecipeStore &store, QString dataDir, int retryPauseMs)
    : m_http(http), m_store(store), m_dataDir(std::move(dataDir)), m_retryPauseMs(retryPauseMs)
{
}

QByteArray PackageImporter::fetchWithRetry(const QString &url)
{
    try {
        return m_http.get(url);
    } catch (const Error &) {
        QThread::msleep(ulong(m_retryPauseMs));
        return m_http.get(url);
    }
}

void PackageImporter::ImportPackage(const QString &base, QByteArrayView packageId)
{
    m_http.useImportSettings();
    // Percent-encoded, so an identifier can never leave the package folder ("../", "?", "#").
    const QString id = QString::fromLatin1(packageId.toByteArray().toPercentEncoding());
    const QString indexName = QStringLiteral("RezList") + id + QStringLiteral(".dat");
    const QByteArray index = fetchWithRetry(base + indexName);
    const QByteArray data = fetchWithRetry(base + QStringLiteral("Rezept") + id + QStringLiteral(".dat"));
    const QList<PackageRecord> records = parsePackage(index, data, base + indexName);

    for (const PackageRecord &record : records) {
        removeFileIfExists(m_dataDir + QStringLiteral("temp.jpg"));
        const bool hasPicture = record.pictureOffset != -1;
        if (hasPicture)
            writeFileAtomically(m_dataDir + QStringLiteral("temp2.jpg"),
                                QByteArrayView(data).sliced(record.pictureOffset, record.pictureLength));
        NewRecipe recipe;
        recipe.preparation = data.sliced(record.preparationOffset, record.preparationLength);
        recipe.ingredients = data.sliced(record.ingredientsOffset, record.ingredientsLength);
        recipe.name = record.name;
        recipe.author = record.author;
        recipe.dimension = record.dimension;
        recipe.categories = record.categories;
        recipe.language = record.language;
        recipe.hasPicture = hasPicture;
        recipe.own = false;
        m_store.addRecipe(recipe);
    }
}
