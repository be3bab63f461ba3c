// Paths that name something other than a readable file: a named pipe (whose
// open would wait for a writer for good), a folder, a socket and a file we
// may not read. Every file the program opens because a path says so refuses
// them at once, with its message, and leaves them as they are.
#include "label/frmLabel.h"
#include "label/programm.h"
#include "platform/bilddatei.h"
#include "platform/jet/jet.h"
#include "platform/jet/text_table.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "template/vorlage.h"
#include "tests/app/mdi_fixture.h"
#include "tools/feldliste.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <functional>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace sorvo::test {
namespace {

struct Sonderfall {
    const char* name;
    DateiZustand zustand;
    // Makes the thing at pfad; false when it cannot be made here.
    std::function<bool(const QString& pfad)> anlegen;
};

bool fifo(const QString& pfad) {
    return ::mkfifo(QFile::encodeName(pfad).constData(), 0600) == 0;
}

bool ordner(const QString& pfad) {
    return QDir().mkdir(pfad);
}

bool sockel(const QString& pfad) {
    const QByteArray name = QFile::encodeName(pfad);
    sockaddr_un adresse{};
    if (static_cast<size_t>(name.size()) >= sizeof adresse.sun_path)
        return false;
    adresse.sun_family = AF_UNIX;
    std::memcpy(adresse.sun_path, name.constData(), static_cast<size_t>(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    const bool ok = ::bind(fd, reinterpret_cast<const sockaddr*>(&adresse), sizeof adresse) == 0;
    ::close(fd); // the socket file stays
    return ok;
}

// A file with content that nobody may read; root reads it all the same.
bool gesperrt(const QString& pfad) {
    if (::geteuid() == 0)
        return false;
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly) || f.write("G100|60|10|10|15|15|9|1|0|0|False\r\n") <= 0)
        return false;
    f.close();
    return QFile::setPermissions(pfad, QFileDevice::Permissions());
}

const Sonderfall kFaelle[] = {
    {"Fifo", DateiZustand::KeineDatei, fifo},
    {"Ordner", DateiZustand::Ordner, ordner},
    {"Socket", DateiZustand::KeineDatei, sockel},
    {"NichtLesbar", DateiZustand::Gesperrt, gesperrt},
};

// What stands at the path is still what the case made (nothing replaced it).
void unveraendert(const Sonderfall& fall, const QString& pfad) {
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(pfad).constData(), &st), 0) << fall.name;
    if (fall.zustand == DateiZustand::Ordner)
        EXPECT_TRUE(S_ISDIR(st.st_mode)) << fall.name;
    else if (fall.zustand == DateiZustand::KeineDatei)
        EXPECT_FALSE(S_ISREG(st.st_mode)) << fall.name;
    else
        EXPECT_EQ(st.st_mode & 0777, 0u) << fall.name;
}

class SonderdateienTest : public MdiTest {
protected:
    // The path of a case's thing, made afresh under name; empty when the case
    // cannot be made here.
    QString anlegen(const Sonderfall& fall, const QString& name) {
        const QString pfad =
            m_dir.filePath(QString::fromLatin1(fall.name) + QLatin1Char('_') + name);
        return fall.anlegen(pfad) ? pfad : QString();
    }
};

TEST_F(SonderdateienTest, TheSharedCheckTellsEachKindWithoutOpeningIt) {
    EXPECT_EQ(dateiZustand(m_dir.filePath(QStringLiteral("fehlt.txt"))), DateiZustand::Fehlt);
    EXPECT_EQ(dateiZustand(QString()), DateiZustand::Fehlt);
    QFile f(m_dir.filePath(QStringLiteral("gut.txt")));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.close();
    EXPECT_EQ(dateiZustand(f.fileName()), DateiZustand::Lesbar);
    // A link to a file is that file.
    const QString link = m_dir.filePath(QStringLiteral("link.txt"));
    ASSERT_TRUE(QFile::link(f.fileName(), link));
    EXPECT_TRUE(lesbareDatei(link));
    for (const Sonderfall& fall : kFaelle) {
        const QString pfad = anlegen(fall, QStringLiteral("x"));
        if (pfad.isEmpty())
            continue;
        EXPECT_EQ(dateiZustand(pfad), fall.zustand) << fall.name;
        EXPECT_FALSE(lesbareDatei(pfad)) << fall.name;
        EXPECT_FALSE(dateiZustandText(fall.zustand).isEmpty());
    }
}

TEST_F(SonderdateienTest, EveryFileKindRefusesEachAtOnce) {
    starten();
    const QByteArray registryAlt = qgetenv("SORVO_REGISTRY");
    for (const Sonderfall& fall : kFaelle) {
        SCOPED_TRACE(fall.name);

        // A template to open: the reader's own message, and no window stays.
        if (const QString pfad = anlegen(fall, QStringLiteral("vorlage.vxp")); !pfad.isEmpty()) {
            SkriptDialoge d;
            d.oeffnen(pfad).meldung(Antwort::OK);
            const int32_t vorher = P().hoechstesSchild();
            VorlageOeffnen();
            ASSERT_EQ(d.gezeigt().size(), 2u);
            EXPECT_EQ(d.gezeigt()[1].text, "Datei kann leider nicht geladen werden!");
            for (int32_t w = 1; w <= P().hoechstesSchild(); ++w)
                EXPECT_TRUE(S(w).blnSchildFrei) << w << " of " << vorher;
            unveraendert(fall, pfad);
        }

        // The stock texts: not read, not appended to, not replaced.
        if (const QString pfad = anlegen(fall, QStringLiteral("FeldListe.dat")); !pfad.isEmpty()) {
            EXPECT_FALSE(feldListeLesen(pfad).has_value());
            EXPECT_FALSE(feldListeAnhaengen(pfad, QStringLiteral("Tulpe")));
            EXPECT_FALSE(feldListeSchreiben(pfad, {QStringLiteral("Tulpe")}));
            unveraendert(fall, pfad);
        }

        // A plant database or own category file.
        for (const char* name : {"botrel.mdb", "stauden.vxs"})
            if (const QString pfad = anlegen(fall, QString::fromLatin1(name)); !pfad.isEmpty()) {
                EXPECT_THROW(jet::Database::open(pfad), jet::JetError) << name;
                unveraendert(fall, pfad);
            }

        // A prices text file.
        if (const QString pfad = anlegen(fall, QStringLiteral("preise.txt")); !pfad.isEmpty()) {
            EXPECT_THROW(jet::detail::readTextTable(pfad), jet::JetError);
            unveraendert(fall, pfad);
        }

        // A picture: no size, no picture, no resolution.
        if (const QString pfad = anlegen(fall, QStringLiteral("bild.jpg")); !pfad.isEmpty()) {
            EXPECT_FALSE(bildPixel(pfad).has_value());
            EXPECT_FALSE(bildGroesseMm(pfad).has_value());
            EXPECT_FALSE(bildAufloesung(pfad).has_value());
            EXPECT_TRUE(bildLaden(pfad).isNull());
            EXPECT_TRUE(bildLaden(pfad, QSize(10, 10)).isNull());
            unveraendert(fall, pfad);
        }

        // The settings file: nothing read, and a write does not put a file
        // of the few values written in its place.
        if (const QString pfad = anlegen(fall, QStringLiteral("registry.txt")); !pfad.isEmpty()) {
            qputenv("SORVO_REGISTRY", QFile::encodeName(pfad));
            const QString s = QStringLiteral("Software\\Kelmarhof\\Sorvo1.0\\Pfade");
            EXPECT_FALSE(RegStringLesen(HKEY_LOCAL_MACHINE, s, QStringLiteral("Sorvo-Verz")));
            RegStringSchreiben(HKEY_LOCAL_MACHINE, s, QStringLiteral("Sorvo-Verz"),
                               QStringLiteral("/x"));
            EXPECT_FALSE(RegStringLesen(HKEY_LOCAL_MACHINE, s, QStringLiteral("Sorvo-Verz")));
            qputenv("SORVO_REGISTRY", registryAlt);
            unveraendert(fall, pfad);
        }
    }
    qputenv("SORVO_REGISTRY", registryAlt);
}

// FeldListe.dat beside the program is read while the main window loads.
class FeldListeBeimStart : public MdiTest {
protected:
    void TearDown() override {
        MdiTest::TearDown();
        QFile::remove(m_pfad);
    }
    QString m_pfad = pfadVerbinden(programmOrdner(), QStringLiteral("FeldListe.dat"));
};

TEST_F(FeldListeBeimStart, APipeInItsPlaceIsReportedAndStartUpGoesOn) {
    ASSERT_FALSE(QFileInfo::exists(m_pfad)) << "left over: " << m_pfad.toStdString();
    ASSERT_TRUE(fifo(m_pfad));
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    starten();
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_EQ(d.gezeigt()[0].titel, "Datei nicht lesbar!");
    EXPECT_TRUE(d.gezeigt()[0].text.contains(m_pfad));
    EXPECT_TRUE(m_mdi->isVisible());
}

} // namespace
} // namespace sorvo::test
