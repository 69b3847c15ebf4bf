#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QCollator>
#include <QCollatorSortKey>
#include <QHash>
#include <QList>

#include <vector>

// The names of a recipe list, kept in cookbook order: alphabetical in the user's locale, letter
// case ignored, equal names in the order given. Every distinct name gets its collation key once and
// a rank among all names seen, so refilling a list of many thousand names is a sort of numbers.
class SortedNameModel : public QAbstractListModel {
public:
    explicit SortedNameModel(QObject *parent = nullptr);

    void setNames(const QList<QByteArray> &names); // UTF-8; replaces the whole content
    void removeName(int row);

    const QList<QByteArray> &names() const { return m_names; }
    const QByteArray &nameAt(int row) const { return m_names.at(row); }
    int rowOf(QByteArrayView name) const; // the first row holding exactly these bytes, or -1

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    void rankNewNames(const QList<QByteArray> &names);

    struct Known {
        QByteArray name;
        QCollatorSortKey key;
    };
    QCollator m_collator;
    std::vector<Known> m_known;     // every name seen, in collation order
    QHash<QByteArray, int> m_rank;  // its place there; names the collation holds equal share one
    QList<QByteArray> m_names;
};
