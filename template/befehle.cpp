// Save, Save As and Open of the label windows.
#include "label/frmLabel.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/dialogs.h"
#include "platform/system.h"
#include "template/vorlage.h"

#include <QFileInfo>

namespace sorvo {

namespace {

DateiAuswahl vorlagenAuswahl(const QString& titel, bool mussExistieren) {
    DateiAuswahl a;
    a.titel = titel;
    a.ordner = aktuellerOrdner();
    a.dateiname = pfadVerbinden(a.ordner, QStringLiteral("*.vxp"));
    a.filter = {QStringLiteral("Sorvo-Datei (*.vxp)"), QStringLiteral("Alle Dateien (*)")};
    a.mussExistieren = mussExistieren;
    // Asked here once the extension is on the name, not by the dialog.
    a.ueberschreibenFragen = false;
    return a;
}

bool offen(int32_t w) {
    return w >= 1 && w <= P().hoechstesSchild() && !S(w).blnSchildFrei;
}

void fehlerMelden(const Laufzeitfehler& f) {
    dialoge().meldung(f.meldungsText(), Msg::OK + Msg::Critical, QStringLiteral("Laufzeitfehler"));
}

// Writes window w to pfad; on failure the user is told and the window's
// path, caption and changed flag stay as they were.
bool schreiben(int32_t w, const QString& pfad) {
    auto& p = P();
    p.lngAktivesSchild = w;
    p.strSpeicherDatei = pfad;
    try {
        VorlageSchreiben();
    } catch (const NichtSpeicherbar& f) {
        dialoge().meldung(f.meldung(), Msg::OK + Msg::Exclamation,
                          QStringLiteral("Speichern nicht möglich!"));
        return false;
    } catch (const Laufzeitfehler& f) {
        fehlerMelden(f);
        return false;
    }
    S(w).strVorlageDatei = p.strSpeicherDatei;
    S(w).blnGeaendert = false;
    return true;
}

// The caption of a saved window; true when it is the database-bound template.
bool titelSetzen(int32_t w) {
    const auto& e = S(w);
    const bool vorlage = e.blnDbGeladen && P().blnVorlageGeoeffnet;
    QString titel = DateinameAusPfad(e.strVorlageDatei);
    if (vorlage)
        titel += QStringLiteral(" (Vorlage)");
    Schild(w).setCaption(titel);
    return vorlage;
}

void fensterIcon(int32_t w, const char* key) {
    if (auto* m = nachbarn().mdi)
        Schild(w).setIcon(m->fensterIcon(QString::fromLatin1(key)));
}

class VorlagenBefehle : public Vorlagen {
public:
    bool VorlageSpeichern() override { return sorvo::VorlageSpeichern(); }
    bool VorlageSpeichernUnter() override { return sorvo::VorlageSpeichernUnter(); }
    void VorlageOeffnen() override { sorvo::VorlageOeffnen(); }
};

} // namespace

bool VorlageSpeichernUnter() {
    auto& p = P();
    const int32_t w = p.lngAktivesSchild;
    if (!offen(w))
        return false;
    QString pfad;
    for (;;) {
        const auto wahl =
            dialoge().dateiSpeichern(vorlagenAuswahl(QStringLiteral("Speichern unter"), false));
        if (!wahl) {
            p.lngAktivesSchild = w;
            Schild(w).SetFocus();
            return false;
        }
        // "rosen" is saved as "rosen.vxp"; that is the file to ask about.
        pfad = mitVorlagenEndung(*wahl);
        if (!QFileInfo::exists(pfad))
            break;
        if (ersetzenBestaetigt(pfad, QStringLiteral("Speichern unter bestätigen")))
            break;
    }
    if (!schreiben(w, pfad))
        return false;
    if (!titelSetzen(w))
        fensterIcon(w, "pen04");
    return true;
}

bool VorlageSpeichern() {
    auto& p = P();
    const int32_t w = p.lngAktivesSchild;
    if (!offen(w))
        return false;
    if (S(w).strVorlageDatei.isEmpty()) {
        if (auto* m = nachbarn().mdi)
            m->knopfSetzen(QStringLiteral("cmdSpeichern"),
                           m->knopfAktiv(QStringLiteral("cmdSpeichern")), QStringLiteral("save_n"));
        return VorlageSpeichernUnter();
    }
    if (!schreiben(w, S(w).strVorlageDatei))
        return false;
    titelSetzen(w);
    return true;
}

void VorlageOeffnen() {
    auto& p = P();
    auto* m = nachbarn().mdi;
    const auto wahl = dialoge().dateiOeffnen(vorlagenAuswahl(QStringLiteral("Öffnen"), true));
    if (!wahl) {
        if (m)
            m->SetFocus();
        return;
    }
    p.strOeffnenDatei = *wahl;
    SchildMenuesFreigeben();
    p.blnWerkzeugeAktiv = true;
    NeuesSchild();
    const int32_t w = p.lngAktivesSchild;
    S(w).strVorlageDatei = p.strOeffnenDatei;
    VorlageLesen();
    // A refusal or a read error has closed the window again.
    if (S(w).blnSchildFrei)
        return;
    p.lngAktivesSchild = w;
    if (titelSetzen(w))
        fensterIcon(w, "vorlage");
    // A database the reader did not find left the window changed.
    if (S(w).blnGeaendert)
        SchildGeaendert();
    // The desktop may have activated the window as it appeared, before its
    // data fields were read: the menus must see them.
    Schild(w).Form_Activate();
}

void vorlagenEinrichten() {
    static VorlagenBefehle befehle;
    nachbarn().vorlagen = &befehle;
}

} // namespace sorvo
