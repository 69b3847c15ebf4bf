#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class RecipeStore;

// Writes the chosen recipes as a recipe package: "Rezepte.new" (texts and pictures) and
// "RezList.new" (one record per recipe, saved after each one) in the data directory.
// A name no longer in the store is skipped. Returns how many recipes were written.
int exportRecipes(RecipeStore &store, const QString &dataDir, const QList<QByteArray> &names);

// A standard zip archive at `archivePath` holding the given files under their own names;
// files that do not exist are left out. Throws Error when the archive cannot be written.
void writeZipArchive(const QString &archivePath, const QStringList &files);

// One mail with a file attached, over SMTP (STARTTLS when the server offers it; login only when
// the server offers authentication). Throws Error when the mail was not accepted.
struct SmtpSettings;
void sendMailWithAttachment(const SmtpSettings &smtp, const QByteArray &subject, const QByteArray &body,
                            const QString &attachmentPath);
