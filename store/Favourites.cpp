#include "store/Favourites.h"

#include "common/FileIO.h"
#include "common/TextLines.h"

#include <QCollator>
#include <QString>

#include <algorithm>

namespace {

bool sameIgnoringCase(QByteArrayView a, QByteArrayView b)
{
    return QString::fromUtf8(a).compare(QString::fromUtf8(b), Qt::CaseInsensitive) == 0;
}

} // namespace

FavouriteNames::FavouriteNames(const QString &dataDir) : m_path(dataDir + QStringLiteral("Mlist.dat")) {}

void FavouriteNames::load()
{
    m_names.clear();
    if (const auto bytes = readFileIfExists(m_path))
        m_names = splitLines(*bytes);
}

void FavouriteNames::save() const { writeFileAtomically(m_path, joinLinesCrLf(m_names)); }

bool FavouriteNames::contains(QByteArrayView name) const
{
    return std::any_of(m_names.begin(), m_names.end(),
                       [&](const QByteArray &entry) { return sameIgnoringCase(entry, name); });
}

void FavouriteNames::append(const QByteArray &name) { m_names.append(name); }

bool FavouriteNames::remove(QByteArrayView name)
{
    const auto it = std::find_if(m_names.begin(), m_names.end(),
                                 [&](const QByteArray &entry) { return sameIgnoringCase(entry, name); });
    if (it == m_names.end())
        return false;
    m_names.erase(it);
    return true;
}

void FavouriteNames::sortInMemory()
{
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(m_names.begin(), m_names.end(), [&](const QByteArray &a, const QByteArray &b) {
        return collator.compare(QString::fromUtf8(a), QString::fromUtf8(b)) < 0;
    });
}
