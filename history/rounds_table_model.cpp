#include "history/rounds_table_model.h"

#include "core/scorebook/database_error.h"
#include "core/scorebook/datgolf.h"

#include <QColor>
#include <QFont>

namespace {

// Enough pages for several screens up and down; older ones are read again if needed.
constexpr int PagesKept = 64;

} // namespace

RoundsTableModel::RoundsTableModel(DataControl &rounds, QObject *parent)
    : QAbstractTableModel(parent)
    , m_rounds(rounds)
    , m_columns(rounds.fieldNames())
{ }

int RoundsTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid()) {
        return 0;
    }
    // Asked from inside layout and painting, where no exception may pass.
    try {
        return m_rounds.recordCount();
    } catch (const DatabaseError &error) {
        reportReadFailure(error.message());
        return 0;
    }
}

void RoundsTableModel::reportReadFailure(const QString &why) const
{
    // Told once, after painting, by the window that shows the grid.
    if (!m_failureReported) {
        m_failureReported = true;
        QMetaObject::invokeMethod(
            const_cast<RoundsTableModel *>(this), [this, why] { Q_EMIT readFailed(why); }, Qt::QueuedConnection);
    }
}

int RoundsTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_columns.size());
}

const QStringList &RoundsTableModel::rowAt(int row) const
{
    static const QStringList unreadable;
    const int page = row / PageSize;
    auto found = m_pages.constFind(page);
    if (found == m_pages.constEnd()) {
        if (m_pages.size() >= PagesKept) {
            m_pages.clear();
        }
        QVector<QStringList> rows;
        try {
            rows = m_rounds.readPage(page * PageSize, PageSize);
        } catch (const DatabaseError &error) {
            reportReadFailure(error.message());
        }
        found = m_pages.insert(page, rows);
    }
    const int offset = row % PageSize;
    return offset < found->size() ? found->at(offset) : unreadable;
}

QVariant RoundsTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid()) {
        return {};
    }
    switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
    case Qt::ToolTipRole:
        return rowAt(index.row()).value(index.column());
    case Qt::BackgroundRole:
        if (m_shade.isValid() && index.row() % 2 == 1) {
            return m_shade;
        }
        return {};
    case Qt::FontRole:
        if (rowCount() >= 2) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}

QVariant RoundsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    return m_headers.value(section, m_columns.value(section));
}

bool RoundsTableModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return false;
    }
    m_headers.insert(section, value.toString());
    Q_EMIT headerDataChanged(orientation, section, section);
    return true;
}

void RoundsTableModel::setBanding(const QColor &shade)
{
    m_shade = shade;
}
