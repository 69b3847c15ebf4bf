#include "browse/SortedNameModel.h"

#include <QLocale>
#include <QSet>

#include <algorithm>
#include <iterator>
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
    rankNewNames(names);
    std::vector<std::pair<int, qsizetype>> order;
    order.reserve(size_t(names.size()));
    for (qsizetype i = 0; i < names.size(); ++i)
        order.emplace_back(m_rank.value(names.at(i)), i);
    std::sort(order.begin(), order.end()); // the position breaks ties, so equal names keep their order

    QList<QByteArray> sorted;
    sorted.reserve(names.size());
    for (const auto &[rank, i] : order)
        sorted.append(names.at(i));

    beginResetModel();
    m_names = std::move(sorted);
    endResetModel();
}

void SortedNameModel::rankNewNames(const QList<QByteArray> &names)
{
    std::vector<Known> added;
    QSet<QByteArray> seen;
    for (const QByteArray &name : names)
        if (!m_rank.contains(name) && !seen.contains(name)) {
            seen.insert(name);
            added.push_back({name, m_collator.sortKey(QString::fromUtf8(name))});
        }
    if (added.empty())
        return;
    auto before = [](const Known &a, const Known &b) { return a.key.compare(b.key) < 0; };
    std::sort(added.begin(), added.end(), before);
    std::vector<Known> merged;
    merged.reserve(m_known.size() + added.size());
    std::merge(std::make_move_iterator(m_known.begin()), std::make_move_iterator(m_known.end()),
               std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()),
               std::back_inserter(merged), before);
    m_known = std::move(merged);

    int rank = 0;
    for (size_t i = 0; i < m_known.size(); ++i) {
        if (i > 0 && m_known[i - 1].key.compare(m_known[i].key) != 0)
            ++rank;
        m_rank.insert(m_known[i].name, rank);
    }
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
