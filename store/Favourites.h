#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

// FavouriteNames: the favourites, one recipe name (UTF-8) per line of "Mlist.dat".
// Lookups ignore letter case.
class FavouriteNames {
public:
    explicit FavouriteNames(const QString &dataDir); // dataDir ends with '/'

    void load();       // a missing file gives an empty list
    void save() const; // writes "Mlist.dat" whole; throws Error when it cannot

    const QList<QByteArray> &names() const { return m_names; }
    bool contains(QByteArrayView name) const;
    void append(const QByteArray &name);
    bool remove(QByteArrayView name); // the first entry equal ignoring case; false when none
    void sortInMemory();              // ignoring letter case; the file keeps its order until next saved

private:
    QString m_path;
    QList<QByteArray> m_names;
};
