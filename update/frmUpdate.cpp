#include "update/frmUpdate.h"

#include "platform/dialogs.h"
#include "platform/registry.h"
#include "platform/system.h"
#include "platform/units.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>

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

QString lesen(const QString& key, const char* name) {
    return RegStringLesen(HKEY_LOCAL_MACHINE, key, QString::fromLatin1(name)).value_or(QString());
}

bool istTrenner(QChar c) {
    return c == QLatin1Char('/') || c == QLatin1Char('\\');
}

QString mitTrenner(const QString& ordner) {
    return ordner.isEmpty() || istTrenner(ordner.back()) ? ordner : ordner + QLatin1Char('/');
}

// Replaces the installed file without ever losing it: the new file is copied
// next to it first and then renamed over it.
bool ersetzen(const QString& neu, const QString& ziel) {
    QDir().mkpath(QFileInfo(ziel).absolutePath());
    const QString temp = ziel + QStringLiteral(".sorvo-update");
    QFile::remove(temp);
    if (!QFile::copy(neu, temp))
        return false;
    QFile kopie(temp);
    kopie.setPermissions(QFile(neu).permissions());
    // The copy keeps the new file's time, so a later update compares right.
    if (kopie.open(QIODevice::ReadWrite)) {
        kopie.setFileTime(QFileInfo(neu).lastModified(), QFileDevice::FileModificationTime);
        kopie.close();
    }
    if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(ziel).constData()) !=
        0) {
        QFile::remove(temp);
        return false;
    }
    return true;
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

std::optional<int> deutscheGanzzahl(const QString& text) {
    QString s = text.trimmed();
    s.remove(QLatin1Char('.'));
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    if (s.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double d = s.toDouble(&ok);
    if (!ok || d < -2147483648.0 || d > 2147483647.0)
        return std::nullopt;
    return RundenGerade(d);
}

frmUpdate::frmUpdate(const QString& updateOrdner, QWidget* parent)
    : QWidget(parent), m_updateOrdner(updateOrdner) {
    setWindowTitle(QStringLiteral("Sorvo-Update"));
    lblAnzeige1 = new QLabel(QStringLiteral("Sorvo-Update auf Version:"));
    lblAnzeige2 = new QLabel(QStringLiteral("<Update-Version>"));
    cmdStart = new QPushButton(QStringLiteral("Ausführen"));
    auto* l = new QVBoxLayout(this);
    l->addWidget(lblAnzeige1);
    l->addWidget(lblAnzeige2);
    l->addWidget(cmdStart);
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
    const Version v = programmVersion();
    updateVersion = QStringLiteral("%1.%2.%3").arg(v.major).arg(v.minor).arg(v.revision);
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
        !dateiExistiert(mitTrenner(installationsOrdner) + Updatedateien[1])) {
        dialoge().meldung(QStringLiteral("Sorvo ist auf Ihrem Computer nicht ordnungsgemäß "
                                         "installiert worden!\r\rBitte installieren Sie Sorvo noch "
                                         "einmal von der Original CD!"),
                          Msg::Exclamation,
                          QStringLiteral("Sorvo wurde nicht richtig installiert!"));
        return false;
    }
    if (installierteVersion.isEmpty())
        return true;
    // Major and minor part ("1.0") and revision (".44"), read the German way.
    const auto I1 = deutscheGanzzahl(installierteVersion.mid(0, 3));
    const auto I2 = deutscheGanzzahl(installierteVersion.mid(3, 5));
    const auto U1 = deutscheGanzzahl(updateVersion.mid(0, 3));
    const auto U2 = deutscheGanzzahl(updateVersion.mid(3, 5));
    QString text;
    if (!I1 || !I2 || !U1 || !U2)
        text = kNeuerOderGleich; // an unreadable version is never overwritten
    else if (*U1 < *I1)
        text = QStringLiteral("Sie haben eine neuere Sorvo-Version auf Ihrem Computer "
                              "installiert!\r\rEin Update ist nicht notwendig!");
    else if (*U1 > *I1 || *U2 > *I2)
        return true;
    else
        text = kNeuerOderGleich;
    dialoge().meldung(text, Msg::Information, kNichtNotwendig);
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
    QString fehlend;
    QStringList nichtKopiert;
    for (int i = 1; i <= 25; ++i) {
        const QString E = Updatedateien[static_cast<size_t>(i)];
        if (E.isEmpty())
            continue;
        QString N = E;
        PfadTeileAbtrennen(N);
        const QString neu = pfadVerbinden(m_updateOrdner, N);
        if (!dateiExistiert(neu)) {
            fehlend += N + QLatin1Char('\r');
            continue;
        }
        const QString installiert = mitTrenner(installationsOrdner) + QString(E).replace('\\', '/');
        if (dateiExistiert(installiert) &&
            !(QFileInfo(installiert).lastModified() < QFileInfo(neu).lastModified())) {
            dialoge().meldung(kNeuerOderGleich, Msg::Information, kNichtNotwendig);
            ende();
            return;
        }
        if (!ersetzen(neu, installiert))
            nichtKopiert << installiert;
    }
    if (!fehlend.isEmpty()) {
        dialoge().meldung(QStringLiteral("Folgende Dateien konnten nicht gefunden werden!\r") +
                              fehlend +
                              QStringLiteral("\r\rKontrollieren Sie, ob Sie alle Dateien entzippt "
                                             "haben\rund ob diese sich im Sorvo-Update Ordner "
                                             "befinden!"),
                          Msg::Exclamation, QStringLiteral("Dateien wurden nicht gefunden!"));
        ende();
        return;
    }
    if (!nichtKopiert.isEmpty()) {
        dialoge().meldung(QStringLiteral("Folgende Dateien konnten nicht ersetzt werden:\r") +
                              nichtKopiert.join(QLatin1Char('\r')) +
                              QStringLiteral("\r\rDie installierten Dateien sind unverändert."),
                          Msg::Exclamation, QStringLiteral("Sorvo-Update"));
        ende();
        return;
    }
    lblAnzeige1->hide();
    lblAnzeige2->setText(QStringLiteral("Update war erfolgreich!"));
    cmdStart->hide();
    Timer1.start();
}

} // namespace sorvo::update
