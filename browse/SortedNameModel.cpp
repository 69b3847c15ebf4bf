#include "browse/SortedNameModel.h"

#include <QLocale>

#include <algorithm>
#include <vector>

namespace {

// A "C" locale means no preference, not "sort by code point": an index still files "Äpfel" under A.
QCollator cookbookCollator()
{
    const QLocale locale;
    QCollator collator(locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

} // namespace

SortedNameModel::SortedNameModel(QObject *parent) : QAbstractListModel(parent), m_collator(cookbookCollator()) {}

void SortedNameModel::setNames(const QList<QByteArray> &names)
{
    for (const QByteArray &name : names)
        if (m_keys.find(name) == m_keys.end())
            m_keys.emplace(name, m_collator.sortKey(QString::fromUtf8(name)));

    // No insertion from here on, so the key pointers stay valid while sorting.
    std::vector<std::pair<const QCollatorSortKey *, qsizetype>> order;
    order.reserve(size_t(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i)
        order.emplace_back(&m_keys.find(names.at(i)).value(), i);
    std::stable_sort(order.begin(), order.end(),
                     [](const auto &a, const auto &b) { return a.first->compare(*b.first) < 0; });

    QList<QByteArray> sorted;
    sorted.reserve(names.size());
    for (const auto &[key, i] : order)
        sorted.append(names.at(i));

    beginResetModel();
    m_names = std::move(sorted);
    endResetModel();
}

void SortedNameModel::removeName(int row)
{
    if (row < 0 || row >= m_names.size())
        return;
    beginRemoveRows(QModelIndex(), row, row);
    m_names.removeAt(row);
    endRemoveRows();
}

int SortedNameModel::rowOf(QByteArrayView name) const
{
    for (qsizetype i = 0; i < m_names.size(); ++i)
        if (m_names.at(i) == name)
            return int(i);
    return -1;
}

int SortedNameModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_names.size());
}

QVariant SortedNameModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_names.size())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return QString::fromUtf8(m_names.at(index.row()));
    return {};
}
