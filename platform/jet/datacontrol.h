#pragma once
// The data control: a database name, a record source and a connection, and
// the record set they give after Refresh. Several controls naming the same
// file share one open database, reopened when the file changed on disk.
//
//   DataControl data;
//   data.setDatabaseName("/pfad/botrel.mdb");
//   data.setRecordSource("SELECT * From Topfpfl WHERE ARTNR LIKE '*' ORDER BY Bot_Name");
//   data.setCaption("Topfpfl");
//   data.refresh();                       // throws JetError
//   data.recordset()->field("ARTNR").value();
//
// An empty database name or record source, or the program's placeholder
// database (a file "dummy.vxd", a text table "dummy"), leave the control
// unbound: no record set, no error, whether the file exists or not.
#include "platform/jet/jet.h"

#include <QObject>
#include <memory>

namespace sorvo::jet {

class DataControl : public QObject {
    Q_OBJECT
public:
    explicit DataControl(QObject* parent = nullptr);
    ~DataControl() override;

    QString databaseName() const { return m_databaseName; }
    void setDatabaseName(const QString& name) { m_databaseName = name; }
    QString recordSource() const { return m_recordSource; }
    void setRecordSource(const QString& source) { m_recordSource = source; }
    // "Access" (the default, also an empty text) or "Text;" for a folder of
    // text tables; other connections are refused on Refresh.
    QString connectString() const { return m_connect; }
    void setConnectString(const QString& connect) { m_connect = connect; }
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption) { m_caption = caption; }

    // Opens (or reuses) the database and runs the record source. On an error
    // the control is left unbound and the error thrown.
    void refresh();
    bool isBound() const { return m_recordset != nullptr; }
    Recordset* recordset() const { return m_recordset.get(); }
    std::shared_ptr<Recordset> sharedRecordset() const { return m_recordset; }
    std::shared_ptr<Database> database() const { return m_database; }

    // The database this thread has open for the file, opened when needed;
    // the same object for every caller until the file changes. A folder of
    // text tables is opened anew each time.
    static std::shared_ptr<Database> sharedDatabase(const QString& name, bool text);

signals:
    // After every Refresh, the failed ones included.
    void refreshed();

private:
    QString m_databaseName;
    QString m_recordSource;
    QString m_connect = QStringLiteral("Access");
    QString m_caption;
    std::shared_ptr<Database> m_database;
    std::shared_ptr<Recordset> m_recordset;
};

} // namespace sorvo::jet
