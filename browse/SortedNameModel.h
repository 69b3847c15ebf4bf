#pragma once

#include <QAbstractListModel>
#include <QByteArray>
#include <QCollator>
#include <QCollatorSortKey>
#include <QHash>
#include <QList>

// The names of a recipe list, kept in cookbook order: alphabetical in the user's locale, letter
// case ignored, equal names in the order given. Sort keys are computed once per distinct name,
// so refilling a list of many thousand names stays quick.
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
    QCollator m_collator;
    QHash<QByteArray, QCollatorSortKey> m_keys;
    QList<QByteArray> m_names;
};
