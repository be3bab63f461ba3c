// Replacing a file whole or not at all, where the folder takes a temporary
// file beside it and where it does not.
#include "platform/ersetzen.h"
#include "tests/support/dateigrenze.h"
#include "tests/support/schreibschutz.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <gtest/gtest.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvo::test {
namespace {

QByteArray lesen(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}

void schreiben(const QString& pfad, const QByteArray& inhalt) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(inhalt), inhalt.size());
}

mode_t modus(const QString& pfad) {
    struct stat st {};
    return ::stat(QFile::encodeName(pfad).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

const QByteArray kAlt = QByteArray(300, 'a');
const QByteArray kNeu = QByteArray(500, 'n');

// A folder holding one file of the old bytes.
struct Ablage {
    QTemporaryDir dir;
    QString ordner = dir.filePath(QStringLiteral("ordner"));
    QString datei;
    explicit Ablage(const char* name) : datei(ordner + QLatin1Char('/') + QLatin1String(name)) {
        QDir().mkpath(ordner);
        schreiben(datei, kAlt);
    }
    QStringList dateien() const { return QDir(ordner).entryList(QDir::Files | QDir::Hidden); }
};

// As root, the path goes to the user that OhneSchreibrecht makes of the
// process, so that this user's rights on it are its owner's.
bool demAnderenGeben(const QString& pfad) {
    return ::geteuid() != 0 || ::chown(QFile::encodeName(pfad).constData(), 65534, -1) == 0;
}

// In a folder that takes no new file, only a file that may be written in
// place is replaced; a full disk then leaves its old bytes, as through a
// temporary file.
TEST(DateiErsetzen, InAFolderThatTakesNoNewFile) {
    struct Fall {
        const char* was;
        Ersetzen art;
        QByteArray neu;
        std::int64_t grenze; // 0: room enough
        int fehler;
        QByteArray danach;
    };
    const Fall faelle[] = {
        {"in place", Ersetzen::AuchAnOrt, kNeu, 0, 0, kNeu},
        {"in place, disk full", Ersetzen::AuchAnOrt, kNeu, 400, EFBIG, kAlt},
        {"in place, shorter", Ersetzen::AuchAnOrt, "kurz", 0, 0, "kurz"},
        {"only whole", Ersetzen::NurGanz, kNeu, 0, EACCES, kAlt},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const Ablage a("FeldListe.dat");
        // The file stays writable for the user the folder refuses.
        ASSERT_TRUE(demAnderenGeben(a.datei));
        int fehler = -1;
        {
            const OhneSchreibrecht schutz(a.ordner, a.datei);
            ASSERT_TRUE(schutz.wirkt());
            std::optional<Dateigrenze> grenze;
            if (f.grenze > 0) {
                ASSERT_TRUE(grenze.emplace(f.grenze).wirkt());
            }
            fehler = dateiErsetzen(a.datei, f.neu, f.art);
        }
        EXPECT_EQ(fehler, f.fehler);
        EXPECT_EQ(lesen(a.datei), f.danach);
        EXPECT_EQ(a.dateien(), QStringList{QStringLiteral("FeldListe.dat")});
    }
}

// A file the user may not write stays as it is, though its folder would let
// a new file take its place; a writer that opens it by name gets no
// replacement for it either.
TEST(DateiErsetzen, AFileTheUserMayNotWriteIsNotReplaced) {
    const Ablage a("reg.txt");
    const QString& datei = a.datei;
    // The folder's owner may open it for writing again; the file stays
    // another's.
    ASSERT_TRUE(demAnderenGeben(a.ordner));
    int nurGanz = 0, auchAnOrt = 0, ersatz = 0;
    QString ersatzPfad = QStringLiteral("<nicht angelegt>");
    {
        const OhneSchreibrecht schutz(a.ordner, datei);
        ASSERT_EQ(::chmod(QFile::encodeName(a.ordner).constData(), 0755), 0);
        ::chmod(QFile::encodeName(datei).constData(), 0444);
        ASSERT_FALSE(schutz.wirkt());
        nurGanz = dateiErsetzen(datei, kNeu);
        auchAnOrt = dateiErsetzen(datei, kNeu, Ersetzen::AuchAnOrt);
        const Ersatzdatei e(datei);
        ersatz = e.fehler();
        ersatzPfad = e.pfad();
    }
    EXPECT_EQ(nurGanz, EACCES);
    EXPECT_EQ(auchAnOrt, EACCES);
    EXPECT_EQ(ersatz, EACCES);
    EXPECT_EQ(ersatzPfad, QString());
    EXPECT_EQ(lesen(datei), kAlt);
    EXPECT_EQ(a.dateien(), QStringList{QStringLiteral("reg.txt")});
}

// A link stays a link and the file it names gets the new content; the
// replacement keeps the old file's permissions.
TEST(DateiErsetzen, ALinkStaysAndPermissionsAreKept) {
    QTemporaryDir dir;
    const QString echt = dir.filePath(QStringLiteral("echt.txt"));
    const QString link = dir.filePath(QStringLiteral("link.txt"));
    schreiben(echt, kAlt);
    ASSERT_EQ(::chmod(QFile::encodeName(echt).constData(), 0640), 0);
    ASSERT_TRUE(QFile::link(echt, link));
    EXPECT_EQ(dateiErsetzen(link, kNeu), 0);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(lesen(echt), kNeu);
    EXPECT_EQ(modus(echt), 0640u);
    // A file too big for the disk leaves both as they were.
    int fehler = 0;
    ASSERT_TRUE(mitDateigrenze(400, [&] { fehler = dateiErsetzen(link, kNeu + kNeu); }));
    EXPECT_EQ(fehler, EFBIG);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(lesen(echt), kNeu);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
              QStringList({QStringLiteral("echt.txt"), QStringLiteral("link.txt")}));
}

} // namespace
} // namespace sorvo::test
