#include "update/frmUpdate.h"

#include "update/mdlRegistry.h"
#include "update/meldung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <cerrno>
#include <cstdio>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace sorvo::update {

namespace {
const QString kPfade = QStringLiteral("Software\\Kelmarhof\\Sorvo1.0\\Pfade\\");
const QString kSibling = QStringLiteral("Software\\Kelmarhof\\Botrel3.0\\Pfade\\");
const QString kEditor = QStringLiteral("Software\\Kelmarhof\\Botrel-Editor1.0\\Pfade\\");
const QString kVersion = QStringLiteral("Software\\Kelmarhof\\Sorvo1.0\\Version\\");
const QString kNichtNotwendig = QStringLiteral("Update nicht notwendig!");
const QString kNeuerOderGleich =
    QStringLiteral("Sie haben eine neuere (oder die gleiche) Sorvo-Version auf Ihrem Computer "
                   "installiert!\r\rEin Update ist nicht notwendig!");
const QString kNeuere = QStringLiteral(
    "Sie haben eine neuere Sorvo-Version auf Ihrem Computer installiert!\r\rEin Update ist nicht "
    "notwendig!");

QString lesen(const QString& key, const char* name) {
    return RegWertLesen(HKEY_LOCAL_MACHINE, key, QString::fromLatin1(name));
}

// The window's decoration: the program's initial on a label.
QPixmap logo() {
    QPixmap bild(96, 96);
    bild.fill(Qt::transparent);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setPen(QPen(QColor(40, 90, 50), 2));
    maler.setBrush(QColor(250, 250, 240));
    const QRectF schild(4, 20, 88, 56);
    maler.drawRoundedRect(schild, 8, 8);
    QFont schrift(QStringLiteral("Liberation Sans"));
    schrift.setPixelSize(36);
    schrift.setBold(true);
    maler.setFont(schrift);
    maler.drawText(schild, Qt::AlignCenter, QStringLiteral("S"));
    return bild;
}

bool istDatei(const QString& pfad) {
    return QFileInfo(pfad).isFile();
}

bool istTrenner(QChar c) {
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

QString mitTrenner(const QString& ordner) {
    return ordner.isEmpty() || istTrenner(ordner.back()) ? ordner : ordner + QLatin1Char('/');
}

// Gives the open copy the installed file's group and mode. The group
// first: handing a file to another group may clear its set-id bits, which
// the mode then sets again. Only root or a member may give a file a group;
// for anyone else the copy keeps this process's group, which gets none of
// the rights the installed file's group had.
bool modusUebernehmen(int fd, const struct stat& alt) {
    mode_t modus = alt.st_mode & 07777;
    if (::fchown(fd, static_cast<uid_t>(-1), alt.st_gid) != 0) {
        struct stat kopie {};
        if (errno != EPERM || ::fstat(fd, &kopie) != 0)
            return false;
        if (kopie.st_gid != alt.st_gid)
            modus &= ~static_cast<mode_t>(S_ISGID | S_IRWXG);
    }
    return ::fchmod(fd, modus) == 0;
}

// Replaces the installed file without ever losing it: the new file is copied
// next to it first and then renamed over it.
bool ersetzen(const QString& neu, const QString& ziel) {
    QDir().mkpath(QFileInfo(ziel).absolutePath());
    // An installed file keeps its mode and group, so that an update never
    // opens the program to users it was closed to.
    struct stat alt {};
    const bool installiert =
        ::stat(QFile::encodeName(ziel).constData(), &alt) == 0 && S_ISREG(alt.st_mode);
    const QString temp = ziel + QStringLiteral(".sorvo-update");
    QFile::remove(temp);
    if (!QFile::copy(neu, temp))
        return false;
    const QFileInfo quelle(neu);
    QFile kopie(temp);
    // The copy keeps the new file's time, so a later update compares right.
    // Opened for reading only: the copy already carries the new file's
    // permissions, which may forbid writing, and the owner may set the time
    // and mode of a file it can only read.
    bool gut = kopie.open(QIODevice::ReadOnly) &&
               kopie.setFileTime(quelle.lastModified(), QFileDevice::FileModificationTime);
    if (gut && installiert)
        gut = modusUebernehmen(kopie.handle(), alt);
    kopie.close();
    // A file new to the installation takes the new file's own mode: the
    // "User" flags say what this process may do, and would turn into owner
    // bits.
    if (!installiert)
        kopie.setPermissions(quelle.permissions() &
                             ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser));
    if (!gut || std::rename(QFile::encodeName(temp).constData(),
                            QFile::encodeName(ziel).constData()) != 0) {
        QFile::remove(temp);
        return false;
    }
    return true;
}

// Major, minor and revision of a version text; nothing unless it is three
// plain decimal numbers joined by ".".
std::optional<std::array<int, 3>> versionLesen(const QString& text) {
    const QStringList teile = text.split(QLatin1Char('.'));
    if (teile.size() != 3)
        return std::nullopt;
    std::array<int, 3> v{};
    for (size_t i = 0; i < v.size(); ++i) {
        const QString& t = teile[static_cast<qsizetype>(i)];
        if (t.isEmpty() || t.size() > 9)
            return std::nullopt;
        for (const QChar c : t)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return std::nullopt;
        v[i] = t.toInt();
    }
    return v;
}
} // namespace

int PfadTeileAbtrennen(QString& Pfad) {
    int n = 0;
    for (;;) {
        qsizetype i = -1;
        for (qsizetype k = 0; k < Pfad.size(); ++k)
            if (istTrenner(Pfad[k])) {
                i = k;
                break;
            }
        if (i < 0)
            return n;
        Pfad = Pfad.mid(i + 1);
        ++n;
    }
}

QString eigeneVersion() {
    return QStringLiteral(SORVO_VERSION);
}

VersionUrteil versionVergleichen(const QString& installiert, const QString& update) {
    if (installiert.isEmpty())
        return VersionUrteil::Laeuft;
    const auto I = versionLesen(installiert);
    const auto U = versionLesen(update);
    if (!I || !U)
        return VersionUrteil::NeuereOderGleiche; // what we cannot read we never overwrite
    if (*U > *I)
        return VersionUrteil::Laeuft;
    if (std::pair((*I)[0], (*I)[1]) > std::pair((*U)[0], (*U)[1]))
        return VersionUrteil::Neuere;
    return VersionUrteil::NeuereOderGleiche;
}

frmUpdate::frmUpdate(const QString& updateOrdner, const QString& version, QWidget* parent)
    : QWidget(parent), m_updateOrdner(updateOrdner), m_version(version) {
    setWindowTitle(QStringLiteral("Sorvo-Update"));
    Image1 = new QLabel;
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(logo());
    lblAnzeige1 = new QLabel(QStringLiteral("Sorvo-Update auf Version:"));
    lblAnzeige1->setObjectName(QStringLiteral("lblAnzeige1"));
    lblAnzeige2 = new QLabel(QStringLiteral("<Update-Version>"));
    lblAnzeige2->setObjectName(QStringLiteral("lblAnzeige2"));
    lblAnzeige2->setTextFormat(Qt::PlainText);
    cmdStart = new QPushButton(QStringLiteral("Ausführen"));
    cmdStart->setObjectName(QStringLiteral("cmdStart"));
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(lblAnzeige1);
    rechts->addWidget(lblAnzeige2);
    rechts->addStretch();
    rechts->addWidget(cmdStart);
    auto* l = new QHBoxLayout(this);
    l->addWidget(Image1);
    l->addLayout(rechts);
    Timer1.setInterval(2000);
    Timer1.setSingleShot(true);
    connect(&Timer1, &QTimer::timeout, this, [this] { ende(); });
    connect(cmdStart, &QPushButton::clicked, this, [this] { cmdStart_Click(); });
}

void frmUpdate::ende() {
    m_beendet = true;
    emit beenden();
}

void frmUpdate::KonstantenSetzen() {
    updateVersion = m_version;
    Updatedateien.fill(QString());
    Updatedateien[1] = QStringLiteral("sorvo");
}

void frmUpdate::PfadeLesen() {
    installationsOrdner.clear();
    if (!lesen(kPfade, "Sorvo-Verz").isEmpty())
        installationsOrdner = mitTrenner(lesen(kPfade, "Sorvo-Verz"));
    else if (!lesen(kSibling, "Botrel-Verz").isEmpty())
        installationsOrdner = lesen(kSibling, "Sorvo-Verz");
    else if (!lesen(kEditor, "Botrel-Editor-Verz").isEmpty())
        installationsOrdner = lesen(kEditor, "Sorvo-Verz");
    installierteVersion = lesen(kVersion, "Version");
}

bool frmUpdate::InstallationPruefen() {
    if (installationsOrdner.isEmpty() ||
        !istDatei(mitTrenner(installationsOrdner) + Updatedateien[1])) {
        meldungen().meldung(QStringLiteral("Sorvo ist auf Ihrem Computer nicht ordnungsgemäß "
                                           "installiert worden!\r\rBitte installieren Sie Sorvo "
                                           "noch einmal von der Original CD!"),
                            Symbol::Ausrufezeichen,
                            QStringLiteral("Sorvo wurde nicht richtig installiert!"));
        return false;
    }
    switch (versionVergleichen(installierteVersion, updateVersion)) {
    case VersionUrteil::Laeuft:
        return true;
    case VersionUrteil::Neuere:
        meldungen().meldung(kNeuere, Symbol::Information, kNichtNotwendig);
        return false;
    case VersionUrteil::NeuereOderGleiche:
        break;
    }
    meldungen().meldung(kNeuerOderGleich, Symbol::Information, kNichtNotwendig);
    return false;
}

bool frmUpdate::Form_Load() {
    KonstantenSetzen();
    PfadeLesen();
    if (!InstallationPruefen()) {
        ende();
        return false;
    }
    lblAnzeige2->setText(updateVersion);
    show();
    return true;
}

void frmUpdate::cmdStart_Click() {
    UpdateAusfuehren();
}

void frmUpdate::UpdateAusfuehren() {
    // Everything is checked before the first file is touched, so that a
    // refusal leaves the installation as it was.
    struct Schritt {
        QString neu;
        QString ziel;
    };
    std::vector<Schritt> schritte;
    QString fehlend;
    bool nichtAelter = false;
    for (int i = 1; i <= 25; ++i) {
        const QString E = Updatedateien[static_cast<size_t>(i)];
        if (E.isEmpty())
            continue;
        QString N = E;
        PfadTeileAbtrennen(N);
        const QString neu = mitTrenner(m_updateOrdner) + N;
        if (!istDatei(neu)) {
            fehlend += N + QLatin1Char('\r');
            continue;
        }
        const QString ziel = mitTrenner(installationsOrdner) + QString(E).replace('\\', '/');
        if (istDatei(ziel) && !(QFileInfo(ziel).lastModified() < QFileInfo(neu).lastModified()))
            nichtAelter = true;
        schritte.push_back({neu, ziel});
    }
    if (nichtAelter) {
        meldungen().meldung(kNeuerOderGleich, Symbol::Information, kNichtNotwendig);
        ende();
        return;
    }
    if (!fehlend.isEmpty()) {
        meldungen().meldung(
            QStringLiteral("Folgende Dateien konnten nicht gefunden werden!\r") + fehlend +
                QStringLiteral("\r\rKontrollieren Sie, ob Sie alle Dateien "
                               "entzippt haben\rund ob diese sich im "
                               "Sorvo-Update Ordner befinden!"),
            Symbol::Ausrufezeichen, QStringLiteral("Dateien wurden nicht gefunden!"));
        ende();
        return;
    }
    QStringList nichtErsetzt;
    for (const Schritt& k : schritte)
        if (!ersetzen(k.neu, k.ziel))
            nichtErsetzt << k.ziel;
    if (!nichtErsetzt.isEmpty()) {
        meldungen().meldung(QStringLiteral("Folgende Dateien konnten nicht ersetzt werden:\r") +
                                nichtErsetzt.join(QLatin1Char('\r')) +
                                QStringLiteral("\r\rDiese Dateien sind unverändert, alle anderen "
                                               "wurden ersetzt."),
                            Symbol::Ausrufezeichen, QStringLiteral("Sorvo-Update"));
        ende();
        return;
    }
    lblAnzeige1->hide();
    lblAnzeige2->setText(QStringLiteral("Update war erfolgreich!"));
    cmdStart->hide();
    Timer1.start();
}

} // namespace sorvo::update
