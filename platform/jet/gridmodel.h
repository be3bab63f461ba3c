#pragma once
// A table model over a record set, for the data-bound grids: one row per
// record, the columns either every field or a chosen list of fields with
// their headers. It follows a data control's Refresh and reports the
// bookmarks of the rows selected in a view.
#include "platform/jet/datacontrol.h"

#include <QAbstractTableModel>
#include <QItemSelectionModel>
#include <QPointer>
#include <functional>

namespace sorvo::jet {

class RecordsetModel : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Column {
        QString dataField; // a field name; an unknown or empty one shows nothing
        QString caption;
    };
    using DisplayFunction = std::function<QString(const Value&)>;

    explicit RecordsetModel(QObject* parent = nullptr);

    void setDataControl(DataControl* control);
    void setRecordset(std::shared_ptr<Recordset> recordset);
    std::shared_ptr<Recordset> recordset() const { return m_recordset; }
    // Empty: every field, headed by its name.
    void setColumns(const QList<Column>& columns);
    void setDisplayFunction(DisplayFunction display);
    // Null as nothing, numbers with a decimal comma, dates as 31.01.1995,
    // Yes/No as Wahr/Falsch.
    static QString defaultDisplay(const Value& v);

    // The bookmarks of the rows these indexes lie in, each row once, in the
    // order of the rows.
    QList<Bookmark> bookmarks(const QModelIndexList& indexes) const;
    QList<Bookmark> selectedBookmarks(const QItemSelectionModel& selection) const;
    // The column of the grid bound to the field, -1 when none is.
    int fieldOfColumn(int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    void follow();
    QPointer<DataControl> m_control;
    QMetaObject::Connection m_connection;
    std::shared_ptr<Recordset> m_recordset;
    QList<Column> m_columns;
    DisplayFunction m_display;
};

} // namespace sorvo::jet
