#include "platform/jet/datacontrol.h"

#include <QDateTime>
#include <QFileInfo>
#include <map>

namespace sorvo::jet {

namespace {

bool isText(const QString& connect) {
    return connect.trimmed().startsWith(QLatin1String("Text"), Qt::CaseInsensitive);
}

bool isAccess(const QString& connect) {
    const QString c = connect.trimmed();
    return c.isEmpty() || c.startsWith(QLatin1String("Access"), Qt::CaseInsensitive) ||
           c.startsWith(QLatin1Char(';'));
}

// The placeholder the program binds when a window has no database.
bool isPlaceholder(const QString& databaseName, const QString& recordSource, bool text) {
    if (text) {
        const QString base = QFileInfo(recordSource.trimmed()).completeBaseName();
        return base.compare(QLatin1String("dummy"), Qt::CaseInsensitive) == 0;
    }
    return QFileInfo(databaseName.trimmed())
               .fileName()
               .compare(QLatin1String("dummy.vxd"), Qt::CaseInsensitive) == 0;
}

struct CacheEntry {
    std::weak_ptr<Database> database;
    QDateTime modified;
    qint64 size = -1;
};

} // namespace

DataControl::DataControl(QObject* parent) : QObject(parent) {}
DataControl::~DataControl() = default;

std::shared_ptr<Database> DataControl::sharedDatabase(const QString& name, bool text) {
    // A folder of text tables costs nothing to open and its files may change
    // any time, so it is opened anew.
    if (text)
        return Database::openTextFolder(name);
    // one engine per thread, as the file format library allows
    thread_local std::map<QString, CacheEntry> cache;
    const QFileInfo fi(name);
    CacheEntry& entry = cache[fi.absoluteFilePath()];
    const QDateTime modified = fi.lastModified();
    const qint64 size = fi.size();
    if (auto db = entry.database.lock())
        if (entry.modified == modified && entry.size == size)
            return db;
    auto db = Database::open(name);
    entry.database = db;
    entry.modified = modified;
    entry.size = size;
    return db;
}

void DataControl::refresh() {
    m_recordset.reset();
    const bool text = isText(m_connect);
    try {
        if (!text && !isAccess(m_connect))
            throw JetError(
                fehler::NichtUnterstuetzt,
                QStringLiteral("Die Verbindung '%1' wird nicht unterstützt.").arg(m_connect));
        if (m_databaseName.trimmed().isEmpty() ||
            isPlaceholder(m_databaseName, m_recordSource, text)) {
            m_database.reset();
        } else {
            m_database = sharedDatabase(m_databaseName.trimmed(), text);
            if (!m_recordSource.trimmed().isEmpty())
                m_recordset = m_database->openRecordset(m_recordSource);
        }
    } catch (...) {
        m_recordset.reset();
        m_database.reset();
        emit refreshed();
        throw;
    }
    emit refreshed();
}

} // namespace sorvo::jet
