#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

class HttpClient;
class RecipeStore;

// One record of a recipe package, checked against the package data.
struct PackageRecord {
    QByteArray name, author, dimension, categories, language;
    qint64 preparationOffset = 0, preparationLength = 0;
    qint64 ingredientsOffset = 0, ingredientsLength = 0;
    qint64 pictureOffset = -1, pictureLength = 0; // offset -1: no picture
};

// Reads a whole package index against its data. Any bad record refuses the package: the
// Error names `packageName` and what is wrong, and nothing has been taken from it.
QList<PackageRecord> parsePackage(QByteArrayView index, QByteArrayView data, const QString &packageName);

// Downloads recipe packages ("RezList<id>.dat" and "Rezept<id>.dat" below a base address) and adds
// their recipes to the store as catalogue recipes.
class PackageImporter {
public:
    PackageImporter(HttpClient &http, RecipeStore &store, QString dataDir, int retryPauseMs = 1000);

    void ImportPackage(const QString &base, QByteArrayView packageId);

    int retryPauseMs() const { return m_retryPauseMs; }
    void setRetryPauseMs(int ms) { m_retryPauseMs = ms; }

private:
    QByteArray fetchWithRetry(const QString &url);

    HttpClient &m_http;
    RecipeStore &m_store;
    QString m_dataDir;
    int m_retryPauseMs;
};
