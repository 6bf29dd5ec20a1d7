#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QStringList>
#include <QVector>

class DataControl;

// The stored rounds as a read-only table, one row per round in table order and
// one column per field in stored order. Rows are read from the scorebook a page
// at a time as the view asks for them, so a large scorebook opens at once.
class RoundsTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int PageSize = 256;

    explicit RoundsTableModel(DataControl &rounds, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant &value,
                       int role = Qt::DisplayRole) override;

    // Every second round row is shaded with this colour; all text bold from two rounds on.
    void setBanding(const QColor &shade);

Q_SIGNALS:
    // The scorebook refused rows the view asked for; they show blank.
    void readFailed(const QString &why) const;

private:
    const QStringList &rowAt(int row) const;
    void reportReadFailure(const QString &why) const;

    DataControl &m_rounds;
    QStringList m_columns;
    QHash<int, QString> m_headers;
    QColor m_shade;
    mutable QHash<int, QVector<QStringList>> m_pages;
    mutable bool m_failureReported = false;
};
