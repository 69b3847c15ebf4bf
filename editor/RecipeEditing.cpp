#include "editor/RecipeEditing.h"

#include "common/Error.h"
#include "common/FileIO.h"
#include "store/JpegCodec.h"
#include "store/PictureScaling.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

QByteArray storedCategoryBits(const QList<bool> &marks)
{
    if (std::none_of(marks.begin(), marks.end(), [](bool marked) { return marked; }))
        return QByteArray(marks.size(), '1');
    QByteArray bits;
    bits.reserve(marks.size());
    for (const bool marked : marks)
        bits.append(marked ? '1' : '0');
    return bits;
}

QByteArray storedText(const QString &fieldText)
{
    QString text = fieldText;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text.toUtf8();
}

QString fieldText(QByteArrayView stored)
{
    QString text = QString::fromUtf8(stored);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QImage loadPictureFile(const QString &path)
{
    const QByteArray bytes = readWholeFile(path);
    const QString name = QFileInfo(path).fileName();
    try {
        if (looksLikeJpeg(bytes))
            return decodeJpeg(bytes);
    } catch (const Error &error) {
        throw Error(QCoreApplication::translate("RecipeEditing", "The picture \"%1\" cannot be loaded. %2")
                        .arg(name, error.text()));
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    const QImage image = reader.read();
    if (image.isNull())
        throw Error(QCoreApplication::translate("RecipeEditing", "The picture \"%1\" cannot be loaded: %2")
                        .arg(name, reader.errorString()));
    return opaqueRgb888(image);
}

void saveRecipe(RecipeStore &store, const QString &dataDir, NewRecipe recipe, const QImage &picture)
{
    recipe.hasPicture = !picture.isNull();
    if (recipe.hasPicture) {
        // Whatever format the picture came in, the scaling reads "temp.jpg" as JPEG.
        const QString page = dataDir + QStringLiteral("temp.jpg");
        writeFileAtomically(page, encodeJpeg(picture, 90));
        ScalePictureFile(page, dataDir + QStringLiteral("temp2.jpg"));
    }
    // Adding first and then deleting the first record of the name removes the old one, as a
    // delete before the add would, but a failing add no longer costs the stored recipe.
    const bool replacing = !store.isNameFree(recipe.name);
    store.addRecipe(recipe);
    if (replacing)
        store.deleteRecipe(recipe.name);
}
