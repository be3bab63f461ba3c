#include "platform/ersetzen.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvo {

namespace {

// The file a link points to, followed to its end, so that the link stays a
// link; the path itself where the links run in a circle.
QString aufgeloest(const QString& pfad) {
    QFileInfo i(pfad);
    for (int tiefe = 0; tiefe < 40 && i.isSymLink(); ++tiefe)
        i.setFile(i.symLinkTarget());
    return i.isSymLink() ? QFileInfo(pfad).absoluteFilePath() : i.absoluteFilePath();
}

// The replacement keeps the old file's permissions; a new file gets those
// the user's mask leaves.
mode_t modusFuer(const QByteArray& ziel) {
    struct stat alt {};
    if (::stat(ziel.constData(), &alt) == 0)
        return alt.st_mode & 07777;
    const mode_t maske = ::umask(0);
    ::umask(maske);
    return static_cast<mode_t>(0666 & ~maske);
}

// A file the user may not write is not replaced by one he may, though the
// folder would allow the rename. Opening it to write changes nothing.
int schreibbar(const QByteArray& ziel) {
    if (!QFileInfo(QFile::decodeName(ziel)).isFile())
        return 0;
    const int fd = ::open(ziel.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    ::close(fd);
    return 0;
}

// A new empty file beside ziel, hidden, with ziel's permissions: its
// descriptor, or -1 with errno set.
int neueDatei(const QString& ziel, QByteArray& name) {
    if (const int fehler = schreibbar(QFile::encodeName(ziel))) {
        errno = fehler;
        return -1;
    }
    const QFileInfo i(ziel);
    name = QFile::encodeName(i.absolutePath() + QStringLiteral("/.") + i.fileName() +
                             QStringLiteral(".XXXXXX"));
    const int fd = ::mkstemp(name.data());
    if (fd < 0)
        return -1;
    if (::fchmod(fd, modusFuer(QFile::encodeName(ziel))) != 0) {
        const int fehler = errno;
        ::close(fd);
        ::unlink(name.constData());
        errno = fehler;
        return -1;
    }
    return fd;
}

// Writes every byte from the start of the file: 0, or the errno of the
// write that fell short.
int allesSchreiben(int fd, const QByteArray& inhalt) {
    const char* p = inhalt.constData();
    qsizetype rest = inhalt.size();
    off_t ab = 0;
    while (rest > 0) {
        const ssize_t n = ::pwrite(fd, p, static_cast<size_t>(rest), ab);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : EIO;
        p += n;
        ab += n;
        rest -= n;
    }
    return 0;
}

int allesLesen(int fd, QByteArray& inhalt) {
    struct stat st {};
    if (::fstat(fd, &st) != 0)
        return errno;
    inhalt.resize(static_cast<qsizetype>(st.st_size));
    qsizetype gelesen = 0;
    while (gelesen < inhalt.size()) {
        const ssize_t n = ::pread(fd, inhalt.data() + gelesen,
                                  static_cast<size_t>(inhalt.size() - gelesen), gelesen);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            break;
        gelesen += n;
    }
    inhalt.truncate(gelesen);
    return 0;
}

// The file itself rewritten, for a folder that takes no new file. Its old
// bytes are read first; when the new ones do not fit, the old ones go back
// where they stood, which needs no room they did not have.
int anOrtErsetzen(const QByteArray& ziel, const QByteArray& inhalt, int ordnerFehler) {
    const int fd = ::open(ziel.constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return ordnerFehler;
    QByteArray alt;
    int fehler = allesLesen(fd, alt);
    if (fehler) {
        ::close(fd);
        return fehler;
    }
    fehler = allesSchreiben(fd, inhalt);
    if (!fehler && ::ftruncate(fd, static_cast<off_t>(inhalt.size())) != 0)
        fehler = errno;
    if (!fehler && ::fsync(fd) != 0)
        fehler = errno;
    if (fehler) {
        allesSchreiben(fd, alt);
        if (::ftruncate(fd, static_cast<off_t>(alt.size())) == 0)
            ::fsync(fd);
    }
    if (::close(fd) != 0 && !fehler)
        fehler = errno;
    return fehler;
}

} // namespace

const DateiAufrufe& systemAufrufe() {
    static const DateiAufrufe aufrufe{::close, ::rename};
    return aufrufe;
}

int dateiErsetzen(const QString& pfad, const QByteArray& inhalt, Ersetzen art,
                  const DateiAufrufe& aufrufe) {
    const QString ziel = aufgeloest(pfad);
    const QFileInfo info(ziel);
    if (!QDir(info.absolutePath()).exists())
        return ENOENT;
    if (info.isDir())
        return EISDIR;
    const QByteArray zielName = QFile::encodeName(ziel);
    QByteArray name;
    const int fd = neueDatei(ziel, name);
    if (fd < 0) {
        const int fehler = errno;
        if (art == Ersetzen::AuchAnOrt && (fehler == EACCES || fehler == EPERM) && info.exists())
            return anOrtErsetzen(zielName, inhalt, fehler);
        return fehler;
    }
    const auto verwerfen = [&](int fehler) {
        ::unlink(name.constData());
        return fehler;
    };
    int fehler = allesSchreiben(fd, inhalt);
    if (!fehler && ::fsync(fd) != 0)
        fehler = errno;
    if (fehler) {
        ::close(fd);
        return verwerfen(fehler);
    }
    if (aufrufe.schliessen(fd) != 0)
        return verwerfen(errno);
    if (aufrufe.umbenennen(name.constData(), zielName.constData()) != 0)
        return verwerfen(errno);
    return 0;
}

Ersatzdatei::Ersatzdatei(const QString& ziel) : m_ziel(aufgeloest(ziel)) {
    QByteArray name;
    const int fd = neueDatei(m_ziel, name);
    if (fd < 0) {
        m_fehler = errno;
        return;
    }
    ::close(fd);
    m_pfad = QFile::decodeName(name);
}

Ersatzdatei::~Ersatzdatei() {
    if (!m_pfad.isEmpty())
        ::unlink(QFile::encodeName(m_pfad).constData());
}

int Ersatzdatei::einsetzen(const DateiAufrufe& aufrufe) {
    if (m_pfad.isEmpty())
        return m_fehler ? m_fehler : ENOENT;
    const QByteArray name = QFile::encodeName(m_pfad);
    int fehler = 0;
    // On the disk before it takes the old file's place.
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        fehler = errno;
    else if (::fsync(fd) != 0)
        fehler = errno;
    if (fd >= 0)
        ::close(fd);
    if (!fehler && aufrufe.umbenennen(name.constData(), QFile::encodeName(m_ziel).constData()) != 0)
        fehler = errno;
    if (fehler)
        ::unlink(name.constData());
    m_pfad.clear();
    return fehler;
}

} // namespace sorvo
