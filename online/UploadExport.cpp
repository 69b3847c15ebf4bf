#include "online/UploadExport.h"

#include "common/Error.h"
#include "common/FileIO.h"
#include "common/Platform.h"
#include "common/TextLines.h"
#include "online/HttpClient.h"
#include "store/Database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <curl/curl.h>
#include <zip.h>

#include <memory>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("Upload", text);
}

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

} // namespace

int exportRecipes(RecipeStore &store, const QString &dataDir, const QList<QByteArray> &names)
{
    const QString dataPath = dataDir + QStringLiteral("Rezepte.new");
    const QString indexPath = dataDir + QStringLiteral("RezList.new");
    removeFileIfExists(dataPath);
    QFile data(dataPath);
    if (!data.open(QIODevice::WriteOnly))
        throw Error(tr("Could not create the file \"%1\": %2").arg(nativePath(dataPath), data.errorString()));
    auto append = [&](const QByteArray &bytes) {
        const qint64 offset = data.pos();
        if (data.write(bytes) != bytes.size())
            throw Error(
                tr("Could not write the file \"%1\": %2").arg(nativePath(dataPath), data.errorString()));
        return offset;
    };

    QList<QByteArray> lines;
    int written = 0;
    for (const QByteArray &name : names) {
        const std::optional<StoredRecipe> recipe = store.readRecipe(name);
        if (!recipe)
            continue; // left the store since it was listed
        const qint64 preparationOffset = append(recipe->preparation);
        const qint64 ingredientsOffset = append(recipe->ingredients);
        QByteArray pictureOffset = "-1", blocks = "-1", tail = "-1";
        if (recipe->hasPicture) {
            const QByteArray picture = readWholeFile(dataDir + QStringLiteral("temp2.jpg"));
            pictureOffset = QByteArray::number(append(picture));
            blocks = QByteArray::number(picture.size() / 256);
            tail = QByteArray::number(picture.size() % 256);
        }
        lines += QList<QByteArray>{recipe->name,
                                   recipe->author,
                                   recipe->dimension,
                                   recipe->categories,
                                   recipe->language,
                                   "False",
                                   QByteArray(),
                                   QByteArray::number(preparationOffset),
                                   QByteArray::number(recipe->preparation.size()),
                                   QByteArray::number(ingredientsOffset),
                                   QByteArray::number(recipe->ingredients.size()),
                                   pictureOffset,
                                   blocks,
                                   tail,
                                   "-1",
                                   "-1",
                                   "False",
                                   "False"};
        if (!data.flush())
            throw Error(
                tr("Could not write the file \"%1\": %2").arg(nativePath(dataPath), data.errorString()));
        writeFileAtomically(indexPath, joinLinesCrLf(lines));
        ++written;
    }
    data.close();
    return written;
}

void writeZipArchive(const QString &archivePath, const QStringList &files)
{
    const QByteArray archiveName = QFile::encodeName(archivePath);
    int error = 0;
    zip_t *archive = zip_open(archiveName.constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) {
        zip_error_t zipError;
        zip_error_init_with_code(&zipError, error);
        const QString reason = QString::fromUtf8(zip_error_strerror(&zipError));
        zip_error_fini(&zipError);
        throw Error(tr("Could not create the archive \"%1\": %2").arg(nativePath(archivePath), reason));
    }
    auto fail = [&](const QString &what) {
        const QString reason = QString::fromUtf8(zip_strerror(archive));
        zip_discard(archive);
        return Error(
            tr("Could not write the archive \"%1\" (%2): %3").arg(nativePath(archivePath), what, reason));
    };
    for (const QString &file : files) {
        if (!QFileInfo::exists(file))
            continue;
        const QByteArray path = QFile::encodeName(file);
        zip_source_t *source = zip_source_file(archive, path.constData(), 0, 0);
        if (!source)
            throw fail(nativePath(file));
        const QByteArray entryName = QFileInfo(file).fileName().toUtf8();
        if (zip_file_add(archive, entryName.constData(), source, ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            throw fail(nativePath(file));
        }
    }
    if (zip_close(archive) < 0)
        throw fail(nativePath(archivePath));
}

void sendMailWithAttachment(const SmtpSettings &smtp, const QByteArray &subject, const QByteArray &body,
                            const QString &attachmentPath)
{
    ensureCurlInitialised();
    std::unique_ptr<CURL, decltype(&curl_easy_cleanup)> curl(curl_easy_init(), &curl_easy_cleanup);
    if (!curl)
        throw Error(tr("The network library could not be started."));
    CURL *c = curl.get();
    const QByteArray url = QStringLiteral("smtp://%1:%2").arg(smtp.host).arg(smtp.port).toUtf8();
    const QByteArray from = '<' + smtp.sender.toUtf8() + '>';
    const QByteArray to = '<' + smtp.recipient.toUtf8() + '>';
    const QByteArray user = smtp.user.toUtf8(), password = smtp.password.toUtf8();

    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> recipients(curl_slist_append(nullptr, to),
                                                                           &curl_slist_free_all);
    std::unique_ptr<curl_slist, decltype(&curl_slist_free_all)> headers(nullptr, &curl_slist_free_all);
    for (const QByteArray &header : {"Subject: " + subject, "From: " + from, "To: " + to})
        headers.reset(curl_slist_append(headers.release(), header.constData()));

    std::unique_ptr<curl_mime, decltype(&curl_mime_free)> mime(curl_mime_init(c), &curl_mime_free);
    curl_mimepart *text = curl_mime_addpart(mime.get());
    curl_mime_data(text, body.constData(), size_t(body.size()));
    curl_mime_type(text, "text/plain; charset=utf-8");
    curl_mimepart *attachment = curl_mime_addpart(mime.get());
    const QByteArray attachmentFile = QFile::encodeName(attachmentPath);
    if (curl_mime_filedata(attachment, attachmentFile.constData()) != CURLE_OK)
        throw Error(tr("Could not attach the file \"%1\".").arg(nativePath(attachmentPath)));
    curl_mime_type(attachment, "application/zip");
    curl_mime_encoder(attachment, "base64");
    curl_mime_filename(attachment, QFileInfo(attachmentPath).fileName().toUtf8().constData());

    char errorText[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(c, CURLOPT_URL, url.constData());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(c, CURLOPT_USE_SSL, long(CURLUSESSL_TRY));
    // libcurl logs in only when the server offers authentication.
    curl_easy_setopt(c, CURLOPT_USERNAME, user.constData());
    curl_easy_setopt(c, CURLOPT_PASSWORD, password.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_FROM, from.constData());
    curl_easy_setopt(c, CURLOPT_MAIL_RCPT, recipients.get());
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers.get());
    curl_easy_setopt(c, CURLOPT_MIMEPOST, mime.get());
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, 10000L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME, HttpClient::kStallSeconds);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, errorText);
    const CURLcode result = curl_easy_perform(c);
    if (result != CURLE_OK) {
        const QString reason =
            errorText[0] ? QString::fromUtf8(errorText) : QString::fromUtf8(curl_easy_strerror(result));
        throw Error(
            tr("The upload mail could not be sent to \"%1\": %2").arg(QString::fromUtf8(url), reason));
    }
}
