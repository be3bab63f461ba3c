#include "platform/system.h"

#include "platform/hilfe.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#endif
#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace sorvo {
namespace {
HilfeAufruf g_hilfe;
ProgrammStart g_start;

bool istTrenner(QChar c) {
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}
} // namespace

Version programmVersion() {
    return {SORVO_VERSION_MAJOR, SORVO_VERSION_MINOR, SORVO_VERSION_PATCH};
}

QString programmOrdner() {
    return QCoreApplication::applicationDirPath();
}

QString aktuellerOrdner() {
    return QDir::currentPath();
}

bool aktuellenOrdnerSetzen(const QString& ordner) {
    return QDir::setCurrent(ordner);
}

bool dateiExistiert(const QString& pfad) {
    const QFileInfo fi(pfad);
    return fi.exists() && fi.isFile();
}

DateiZustand dateiZustand(const QString& pfad) {
    if (pfad.isEmpty())
        return DateiZustand::Fehlt;
    const QByteArray name = QFile::encodeName(pfad);
    struct stat st {};
    if (::stat(name.constData(), &st) != 0)
        return errno == EACCES ? DateiZustand::Gesperrt : DateiZustand::Fehlt;
    if (S_ISDIR(st.st_mode))
        return DateiZustand::Ordner;
    if (!S_ISREG(st.st_mode))
        return DateiZustand::KeineDatei;
    return ::access(name.constData(), R_OK) == 0 ? DateiZustand::Lesbar : DateiZustand::Gesperrt;
}

QString dateiZustandText(DateiZustand z) {
    switch (z) {
    case DateiZustand::Lesbar:
        return {};
    case DateiZustand::Fehlt:
        return QStringLiteral("Die Datei ist nicht vorhanden.");
    case DateiZustand::Ordner:
        return QStringLiteral("Der Pfad nennt einen Ordner, keine Datei.");
    case DateiZustand::KeineDatei:
        return QStringLiteral("Der Pfad nennt keine gewöhnliche Datei.");
    case DateiZustand::Gesperrt:
        return QStringLiteral("Die Datei darf nicht gelesen werden.");
    }
    return {};
}

QString pfadVerbinden(const QString& ordner, const QString& name) {
    if (!ordner.isEmpty() && istTrenner(ordner.back()))
        return ordner + name;
    return ordner + QLatin1Char('/') + name;
}

EinzelInstanz::EinzelInstanz(const QString& name) {
    QString ordner = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (ordner.isEmpty())
        ordner = QDir::tempPath();
    m_sperre =
        std::make_unique<QLockFile>(ordner + QLatin1Char('/') + name + QStringLiteral(".lock"));
    // A lock left by a crashed run is taken over: QLockFile checks whether
    // its process still lives.
    m_erworben = m_sperre->tryLock(0);
}

EinzelInstanz::~EinzelInstanz() = default;

void hilfeOeffnen(const QString& ordner, const QString& thema, QWidget* eltern) {
    if (g_hilfe) {
        g_hilfe(ordner, thema);
        return;
    }
    HilfeFenster* f = hilfeFenster();
    if (!f)
        f = new HilfeFenster(eltern);
    f->zeigen(ordner, thema);
}

void hilfeAufrufSetzen(HilfeAufruf aufruf) {
    g_hilfe = std::move(aufruf);
}

bool programmStarten(const QString& ordner, const QString& datei) {
    if (g_start)
        return g_start(ordner, datei);
    return QProcess::startDetached(pfadVerbinden(ordner, datei), {}, ordner);
}

void programmStartSetzen(ProgrammStart start) {
    g_start = std::move(start);
}

void fensterAktivieren(const QString&) {
    // The desktops we run on do not let one program raise another's window.
}

#if defined(__GLIBC__)
namespace {
// The heap's own starting values.
constexpr int kMmapAb = 128 * 1024;
constexpr int kZurueckAb = 128 * 1024;

// The heap grows at once by what is expected, and the new part is offered
// to the system for pages of 2 MB: touching fresh memory for the first time
// costs a fault per page, and on a virtual machine a fault on a 4 kB page
// can take ten microseconds. The blocks go back to the top of the heap at
// once, so the program's own blocks take their place.
void heapVorbereiten(std::size_t erwartet) {
    constexpr std::size_t kBlock = 16 * 1024 * 1024;
    constexpr std::size_t kHoechstens = std::size_t{1024} * 1024 * 1024;
    erwartet = std::min(erwartet, kHoechstens);
    constexpr std::uintptr_t kGross = 2 * 1024 * 1024;
    std::vector<void*> bloecke;
    bloecke.reserve(erwartet / kBlock + 1);
    const auto alt = reinterpret_cast<std::uintptr_t>(sbrk(0));
    for (std::size_t n = 0; n < erwartet; n += kBlock) {
        void* b = std::malloc(kBlock);
        if (!b)
            break;
        bloecke.push_back(b);
    }
    const auto neu = reinterpret_cast<std::uintptr_t>(sbrk(0));
    const std::uintptr_t von = (alt + kGross - 1) & ~(kGross - 1);
    const std::uintptr_t bis = neu & ~(kGross - 1);
#if defined(MADV_HUGEPAGE)
    if (bis > von)
        madvise(reinterpret_cast<void*>(von), bis - von, MADV_HUGEPAGE);
#endif
    for (auto it = bloecke.rbegin(); it != bloecke.rend(); ++it)
        std::free(*it);
}
} // namespace
#endif

GrosseBloeckeBehalten::GrosseBloeckeBehalten(std::size_t erwartet) {
#if defined(__GLIBC__)
    // The page buffers are about 16 MB each: blocks up to 32 MB come from
    // the heap, and up to 128 MB free at its top are kept.
    constexpr std::size_t kBehalten = 128 * 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, static_cast<int>(std::min<std::size_t>(
                                  std::max(kBehalten, erwartet + kBehalten), INT32_MAX)));
    if (erwartet > 0)
        heapVorbereiten(erwartet);
#else
    (void)erwartet;
#endif
}

GrosseBloeckeBehalten::~GrosseBloeckeBehalten() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, kMmapAb);
    mallopt(M_TRIM_THRESHOLD, kZurueckAb);
#endif
}

} // namespace sorvo
