#pragma once
// A folder the program may not write into, for as long as the object lives.
// Where the process may write anywhere (it runs as root), its file system
// identity becomes an ordinary user's for that time, so that the folder's
// permissions apply to it too.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvo::test {

class OhneSchreibrecht {
public:
    // datei, when given, stays readable for that other user.
    explicit OhneSchreibrecht(const QString& ordner, const QString& datei = {}) : m_ordner(ordner) {
        if (::geteuid() == 0) {
            for (QString o = ordner; o.size() > 1 && o != QDir::tempPath();
                 o = QFileInfo(o).absolutePath())
                ::chmod(QFile::encodeName(o).constData(), 0755);
            if (!datei.isEmpty())
                ::chmod(QFile::encodeName(datei).constData(), 0644);
        }
        ::chmod(QFile::encodeName(ordner).constData(), 0555);
        if (::geteuid() == 0)
            m_alt = ::setfsuid(65534);
    }
    ~OhneSchreibrecht() {
        if (m_alt >= 0)
            ::setfsuid(static_cast<uid_t>(m_alt));
        ::chmod(QFile::encodeName(m_ordner).constData(), 0755);
    }
    OhneSchreibrecht(const OhneSchreibrecht&) = delete;
    OhneSchreibrecht& operator=(const OhneSchreibrecht&) = delete;

    // True when the folder really refuses a new file.
    bool wirkt() const {
        QFile probe(m_ordner + QStringLiteral("/probe"));
        if (!probe.open(QIODevice::WriteOnly))
            return true;
        probe.remove();
        return false;
    }

private:
    QString m_ordner;
    int m_alt = -1;
};

} // namespace sorvo::test
