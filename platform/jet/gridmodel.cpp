#include "platform/jet/gridmodel.h"

#include "platform/jet/zahlen.h"

#include <QLocale>
#include <set>

namespace sorvo::jet {

RecordsetModel::RecordsetModel(QObject* parent)
    : QAbstractTableModel(parent), m_display(&RecordsetModel::defaultDisplay) {}

void RecordsetModel::setDataControl(DataControl* control) {
    if (m_connection)
        disconnect(m_connection);
    m_control = control;
    if (control)
        m_connection = connect(control, &DataControl::refreshed, this, &RecordsetModel::follow);
    follow();
}

void RecordsetModel::follow() {
    setRecordset(m_control ? m_control->sharedRecordset() : nullptr);
}

void RecordsetModel::setRecordset(std::shared_ptr<Recordset> recordset) {
    beginResetModel();
    m_recordset = std::move(recordset);
    endResetModel();
}

void RecordsetModel::setColumns(const QList<Column>& columns) {
    beginResetModel();
    m_columns = columns;
    endResetModel();
}

void RecordsetModel::setDisplayFunction(DisplayFunction display) {
    beginResetModel();
    m_display = display ? std::move(display) : DisplayFunction(&RecordsetModel::defaultDisplay);
    endResetModel();
}

QString RecordsetModel::defaultDisplay(const Value& v) {
    static const QLocale german = [] {
        QLocale l(QLocale::German, QLocale::Germany);
        l.setNumberOptions(QLocale::OmitGroupSeparator);
        return l;
    }();
    switch (v.type()) {
    case DataType::Empty:
    case DataType::Binary:
    case DataType::LongBinary:
        return {};
    case DataType::Boolean:
        return v.toBool() ? QStringLiteral("Wahr") : QStringLiteral("Falsch");
    case DataType::Byte:
    case DataType::Integer:
    case DataType::Long:
        return QString::number(v.toInt64());
    case DataType::Currency:
    case DataType::Single:
    case DataType::Double:
    case DataType::Decimal:
        return detail::zahlText(v, german);
    case DataType::Date: {
        const QDateTime dt = v.toDateTime();
        return dt.time() == QTime(0, 0) ? dt.toString(QStringLiteral("dd.MM.yyyy"))
                                        : dt.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    }
    default:
        return v.toString();
    }
}

int RecordsetModel::fieldOfColumn(int column) const {
    if (!m_recordset)
        return -1;
    if (m_columns.isEmpty())
        return column < m_recordset->fieldCount() ? column : -1;
    if (column < 0 || column >= m_columns.size() || m_columns[column].dataField.isEmpty())
        return -1;
    return m_recordset->fieldIndex(m_columns[column].dataField);
}

int RecordsetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !m_recordset ? 0 : m_recordset->recordCount();
}

int RecordsetModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    if (!m_columns.isEmpty())
        return static_cast<int>(m_columns.size());
    return m_recordset ? m_recordset->fieldCount() : 0;
}

QVariant RecordsetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !m_recordset || role != Qt::DisplayRole)
        return {};
    const int field = fieldOfColumn(index.column());
    if (field < 0 || index.row() >= m_recordset->recordCount())
        return QString();
    return m_display(m_recordset->valueAt(index.row(), field));
}

QVariant RecordsetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    if (!m_columns.isEmpty())
        return section < m_columns.size() ? m_columns[section].caption : QString();
    if (m_recordset && section < m_recordset->fieldCount())
        return m_recordset->fieldInfos()[static_cast<size_t>(section)].name;
    return {};
}

QList<Bookmark> RecordsetModel::bookmarks(const QModelIndexList& indexes) const {
    QList<Bookmark> out;
    if (!m_recordset)
        return out;
    std::set<int> rows;
    for (const QModelIndex& i : indexes)
        if (i.isValid() && i.model() == this && i.row() < m_recordset->recordCount())
            rows.insert(i.row());
    for (int r : rows)
        out << m_recordset->bookmarkAt(r);
    return out;
}

QList<Bookmark> RecordsetModel::selectedBookmarks(const QItemSelectionModel& selection) const {
    return bookmarks(selection.selectedIndexes());
}

} // namespace sorvo::jet
