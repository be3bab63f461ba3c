#include "app/einstellungen.h"

#include "app/MDI.h"
#include "label/programm.h"
#include "platform/registry.h"
#include "platform/units.h"
#include "print/drucker.h"

#include <QLocale>
#include <optional>

namespace sorvo {
namespace {

QString roh(const QString& schluessel, const QString& name) {
    return RegStringLesen(HKEY_LOCAL_MACHINE, schluessel, name).value_or(QString());
}

QString mitStandard(const QString& schluessel, const QString& name, const QString& standard) {
    return RegStringLesenStandard(HKEY_LOCAL_MACHINE, schluessel, name, standard);
}

void schreiben(const QString& schluessel, const QString& name, const QString& wert) {
    RegStringSchreiben(HKEY_LOCAL_MACHINE, schluessel, name, wert);
}

QString ordnerText(const QString& ordner) {
    return ordner.isEmpty() ? QStringLiteral(" ") : ordner;
}

// A whole number as the locale reads it; a text that is no number gives
// nothing, and the caller falls back to the default.
std::optional<int> ganzzahl(const QString& text) {
    bool ok = false;
    double d = QLocale().toDouble(text.trimmed(), &ok);
    if (!ok)
        d = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || d < -2147483648.0 || d > 2147483647.0)
        return std::nullopt;
    return RundenGerade(d);
}

std::optional<bool> wahrheitswert(const QString& text) {
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    if (const auto z = ganzzahl(t))
        return *z != 0;
    return std::nullopt;
}

int geometrie(const QString& name, int standard) {
    return ganzzahl(mitStandard(kSchluesselMDI, name, QString::number(standard)))
        .value_or(standard);
}

bool schalter(const QString& name) {
    return wahrheitswert(mitStandard(kSchluesselOptionen, name, QStringLiteral("False")))
        .value_or(false);
}

QString wahrText(bool b) {
    return b ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace

QString ordnerWert(const QString& gespeichert) {
    return gespeichert == QLatin1String(" ") ? QString() : gespeichert;
}

QString mitTrenner(const QString& ordner) {
    if (ordner.endsWith(QLatin1Char('/')) || ordner.endsWith(QLatin1Char('\\')))
        return ordner;
    const bool windows = ordner.contains(QLatin1Char('\\')) && !ordner.contains(QLatin1Char('/'));
    return ordner + (windows ? QLatin1Char('\\') : QLatin1Char('/'));
}

void EinstellungenLaden(MDI& mdi) {
    auto& p = P();
    const QString S = kSchluesselSibling, Pf = kSchluesselPfade;

    const QString stdBilder = mitStandard(S, QStringLiteral("Botrel-Bilder-Verz"), QString());
    QString stdBotrel = mitStandard(S, QStringLiteral("Botrel-Verz"), QString());
    if (!stdBotrel.isEmpty())
        stdBotrel = mitTrenner(stdBotrel);
    const QString stdEditor = mitStandard(S, QStringLiteral("Botrel-Editor-Verz"), QString());

    p.strBotrelBilderVerz = mitStandard(Pf, QStringLiteral("Botrel-Bilder-Verz"), stdBilder);
    p.strBotrelVerz = mitStandard(Pf, QStringLiteral("Botrel-Verz"), stdBotrel);
    p.strBotrelEditorVerz = mitStandard(Pf, QStringLiteral("Botrel-Editor-Verz"), stdEditor);

    if (!roh(Pf, QStringLiteral("Sorvo-Verz")).isEmpty()) {
        // Run before: what was stored stands; a single blank is no folder.
        p.strBotrelBilderVerz = ordnerWert(roh(Pf, QStringLiteral("Botrel-Bilder-Verz")));
        p.strBotrelVerz = ordnerWert(roh(Pf, QStringLiteral("Botrel-Verz")));
        p.strBotrelEditorVerz = ordnerWert(roh(Pf, QStringLiteral("Botrel-Editor-Verz")));
    } else if (const QString botrel = ordnerWert(roh(S, QStringLiteral("Botrel-Verz")));
               !botrel.isEmpty()) {
        p.strBotrelBilderVerz = ordnerWert(roh(S, QStringLiteral("Botrel-Bilder-Verz")));
        p.strBotrelVerz = mitTrenner(botrel);
        p.strBotrelEditorVerz = ordnerWert(roh(S, QStringLiteral("Botrel-Editor-Verz")));
    }

    const int hoehe = geometrie(QStringLiteral("Hoehe"), kStandardHoehe);
    const int breite = geometrie(QStringLiteral("Breite"), kStandardBreite);
    const int links = geometrie(QStringLiteral("Links"), 0);
    const int oben = geometrie(QStringLiteral("Oben"), 0);
    int status = geometrie(QStringLiteral("Status"), 2);
    if (status < 0 || status > 2)
        status = 2;
    mdi.geometrieSetzen(links, oben, breite, hoehe, status);

    p.blnVorlageVordergrund = schalter(QStringLiteral("blnVorlageVordergrund"));
    p.blnAenderungSpeichern = schalter(QStringLiteral("blnAenderungSpeichern"));
    p.blnWerkzeugFensterFolgt = schalter(QStringLiteral("blnWerkzeugFensterFolgt"));
    p.blnRahmenDrucken = schalter(QStringLiteral("blnRahmenDrucken"));
    p.strRahmenDruckFarbe = mitStandard(kSchluesselOptionen, QStringLiteral("strRahmenDruckFarbe"),
                                        QStringLiteral("0"));
    druckerWahlLaden();

    if (!mitStandard(S, QStringLiteral("Botrel-Verz"), QString()).isEmpty())
        schreiben(S, QStringLiteral("Sorvo-Verz"), mitTrenner(p.strSorvoVerz));
    if (!mitStandard(kSchluesselEditor, QStringLiteral("Botrel-Editor-Verz"), QString()).isEmpty())
        schreiben(kSchluesselEditor, QStringLiteral("Sorvo-Verz"), mitTrenner(p.strSorvoVerz));
}

void EinstellungenSpeichern(MDI& mdi) {
    const auto& p = P();
    const int status = mdi.fensterStatus();
    schreiben(kSchluesselPfade, QStringLiteral("Sorvo-Verz"), p.strSorvoVerz);
    schreiben(kSchluesselPfade, QStringLiteral("Botrel-Verz"), ordnerText(p.strBotrelVerz));
    schreiben(kSchluesselPfade, QStringLiteral("Botrel-Bilder-Verz"),
              ordnerText(p.strBotrelBilderVerz));
    schreiben(kSchluesselPfade, QStringLiteral("Botrel-Editor-Verz"),
              ordnerText(p.strBotrelEditorVerz));
    // The normal-state geometry, also when the window is maximised.
    const QRect g = mdi.normaleGeometrie();
    schreiben(kSchluesselMDI, QStringLiteral("Hoehe"), QString::number(g.height()));
    schreiben(kSchluesselMDI, QStringLiteral("Breite"), QString::number(g.width()));
    schreiben(kSchluesselMDI, QStringLiteral("Links"), QString::number(g.x()));
    schreiben(kSchluesselMDI, QStringLiteral("Oben"), QString::number(g.y()));
    schreiben(kSchluesselMDI, QStringLiteral("Status"), QString::number(status));
    schreiben(kSchluesselOptionen, QStringLiteral("blnVorlageVordergrund"),
              wahrText(p.blnVorlageVordergrund));
    schreiben(kSchluesselOptionen, QStringLiteral("blnAenderungSpeichern"),
              wahrText(p.blnAenderungSpeichern));
    schreiben(kSchluesselOptionen, QStringLiteral("blnWerkzeugFensterFolgt"),
              wahrText(p.blnWerkzeugFensterFolgt));
    schreiben(kSchluesselOptionen, QStringLiteral("blnRahmenDrucken"),
              wahrText(p.blnRahmenDrucken));
    schreiben(kSchluesselOptionen, QStringLiteral("strRahmenDruckFarbe"), p.strRahmenDruckFarbe);
    druckerWahlSpeichern();
    schreiben(kSchluesselVersion, QStringLiteral("Version"), p.strVersion);
}

} // namespace sorvo
