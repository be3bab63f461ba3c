#pragma once
// A folder the program may not write into, for as long as the object lives.
// Where the process may write anywhere (it runs as root), its file system
// identity becomes an ordinary user's for that time, so that the folder's
// permissions apply to it too; the folders down to the test program stay
// searchable for that user, wherever the checkout lies, since the program
// reads its files from there.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

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
            for (QString o = QCoreApplication::applicationDirPath(); o.size() > 1;
                 o = QFileInfo(o).absolutePath()) {
                struct stat st {};
                const QByteArray name = QFile::encodeName(o);
                // The other user keeps root's group, so the group's bit counts.
                constexpr mode_t kSuchen = S_IXGRP | S_IXOTH;
                if (::stat(name.constData(), &st) == 0 && (st.st_mode & kSuchen) != kSuchen) {
                    m_durchsuchbar.push_back({name, st.st_mode & 07777});
                    ::chmod(name.constData(), (st.st_mode & 07777) | kSuchen);
                }
            }
        }
        ::chmod(QFile::encodeName(ordner).constData(), 0555);
        if (::geteuid() == 0)
            m_alt = ::setfsuid(65534);
    }
    ~OhneSchreibrecht() {
        if (m_alt >= 0)
            ::setfsuid(static_cast<uid_t>(m_alt));
        ::chmod(QFile::encodeName(m_ordner).constData(), 0755);
        for (const auto& [name, modus] : m_durchsuchbar)
            ::chmod(name.constData(), modus);
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
    // Folders made searchable for the other user, with their own modes.
    std::vector<std::pair<QByteArray, mode_t>> m_durchsuchbar;
};

} // namespace sorvo::test
