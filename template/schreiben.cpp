// Writing a label window as a template file, and the copy of a window in
// memory in the same records.
#include "label/frmLabel.h"
#include "label/programm.h"
#include "platform/bilddatei.h"
#include "platform/cp1252.h"
#include "platform/system.h"
#include "template/dateiaufrufe.h"
#include "template/einleser.h"

#include <cerrno>
#include <optional>

namespace sorvo {

satz::DateiAufrufe& satz::dateiAufrufe() {
    static DateiAufrufe aufrufe = systemAufrufe();
    return aufrufe;
}

namespace {

Laufzeitfehler dateiFehler(int fehler) {
    switch (fehler) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return {61, QStringLiteral("Datenträger voll")};
    case EACCES:
    case EPERM:
    case EROFS:
        return {70, QStringLiteral("Zugriff verweigert")};
    case ENOENT:
    case ENOTDIR:
        return {76, QStringLiteral("Pfad nicht gefunden")};
    case EIO:
        return {57, QStringLiteral("Geräte-E/A-Fehler")};
    default:
        return {75, QStringLiteral("Fehler beim Zugriff auf Pfad/Datei")};
    }
}

std::vector<QString>& zeilenSpeicher() {
    static std::vector<QString> zeilen;
    return zeilen;
}

} // namespace

QByteArray vorlageBytes(int32_t win) {
    const frmLabel& f = Schild(win);
    QStringList z;
    const int32_t texte = satz::texteBis(f), bilder = satz::bilderBis(f),
                  datenfelder = satz::datenfelderBis(f);
    z.reserve(texte + bilder + datenfelder + 4);
    if (satz::hatF(win))
        z << satz::fSatz(win);
    z << satz::gSatz(win);
    for (int32_t i = 1; i <= texte; ++i)
        z << satz::lSatz(f, i);
    for (int32_t j = 1; j <= bilder; ++j)
        z << satz::bSatz(f, j);
    for (int32_t i = 1; i <= datenfelder; ++i)
        z << satz::dSatz(f, i);
    if (satz::hatP(win))
        z << satz::pSatz(win);
    if (satz::hatE(win))
        z << satz::eSatz(win);
    const QString zeilenende = QStringLiteral("\r\n");
    return zuCp1252(z.join(zeilenende) + zeilenende);
}

void VorlageSchreiben() {
    auto& p = P();
    // A file its own reader cannot take back would cost the user the label.
    if (const auto meldung = satz::unspeicherbar(p.lngAktivesSchild))
        throw NichtSpeicherbar(*meldung);
    p.strSpeicherDatei = mitVorlagenEndung(p.strSpeicherDatei);
    // The old file stays whole when the new one cannot be written.
    if (const int fehler = dateiErsetzen(p.strSpeicherDatei, vorlageBytes(p.lngAktivesSchild),
                                         Ersetzen::NurGanz, satz::dateiAufrufe()))
        throw dateiFehler(fehler);
}

const std::vector<QString>& strVorlageZeilen() {
    return zeilenSpeicher();
}

struct Vorlagenkopie::Form {
    int32_t w0 = 0;
    // A line that could not be written; every copy fails with it.
    std::optional<Laufzeitfehler> fehler;
    // Lines 1 to n, converted; entry 0 stays empty.
    std::vector<satz::Eintrag> eintraege;
    // The P line as last read.
    QString preise;

    // Converts line k and looks up the file it names.
    void lesen(size_t k, const QString& z) {
        satz::Eintrag e = satz::eintragLesen(z);
        if (!e.fehler && !e.text.isEmpty() && (e.art == 'B' || e.art == 'F' || e.art == 'P')) {
            e.vorhanden = dateiExistiert(e.text);
            if (e.art == 'B' && *e.vorhanden)
                e.bild = bildLaden(e.text);
        }
        eintraege[k] = std::move(e);
    }
};

Vorlagenkopie::Vorlagenkopie() : m_form(std::make_unique<Form>()) {
    Form& form = *m_form;
    form.w0 = P().lngAktivesSchild;
    const frmLabel& f = Schild(form.w0);
    auto& z = zeilenSpeicher();
    try {
        // G, F and P on the fixed lines 1 to 3 (empty when absent), so that
        // the geometry and the bindings are in place before the first
        // element.
        const int32_t w0 = form.w0;
        const int32_t texte = satz::texteBis(f), bilder = satz::bilderBis(f),
                      datenfelder = satz::datenfelderBis(f);
        z.assign(
            static_cast<size_t>(f.hoechsterText() + f.hoechstesBild() + f.hoechstesDatenfeld()) +
                11,
            QString());
        z[1] = satz::gSatz(w0);
        if (satz::hatF(w0))
            z[2] = satz::fSatz(w0);
        if (satz::hatP(w0))
            z[3] = satz::pSatz(w0);
        size_t n = 3;
        for (int32_t i = 1; i <= texte; ++i)
            z[++n] = satz::lSatz(f, i);
        for (int32_t j = 1; j <= bilder; ++j)
            z[++n] = satz::bSatz(f, j);
        for (int32_t i = 1; i <= datenfelder; ++i)
            z[++n] = satz::dSatz(f, i);
        if (satz::hatE(w0))
            z[++n] = satz::eSatz(w0);
        form.eintraege.resize(n + 1);
        for (size_t k = 1; k <= n; ++k)
            form.lesen(k, z[k]);
        form.preise = z[3];
    } catch (const Laufzeitfehler& x) {
        form.fehler = x;
    }
}

Vorlagenkopie::~Vorlagenkopie() = default;

void Vorlagenkopie::kopieren() {
    auto& p = P();
    Form& form = *m_form;
    const int32_t w0 = form.w0;
    p.lngAktivesSchild = w0;
    if (form.fehler)
        throw *form.fehler;
    const QString preise = satz::hatP(w0) ? satz::pSatz(w0) : QString();
    if (preise != form.preise) {
        zeilenSpeicher()[3] = form.preise = preise;
        form.lesen(3, preise);
    }

    NeuesSchild(false);
    const int32_t w1 = p.lngAktivesSchild;
    try {
        satz::Einleser leser(satz::Quelle::Kopie, w1);
        for (size_t k = 1; k < form.eintraege.size(); ++k)
            leser.anwenden(form.eintraege[k]);
        leser.abschliessen();
    } catch (const std::exception& fehler) {
        // Closing a copy must not release the template's database.
        S(w1).blnDbGeladen = false;
        satz::fensterVerwerfen(w1);
        p.lngAktivesSchild = w0;
        if (const auto* l = dynamic_cast<const Laufzeitfehler*>(&fehler))
            throw *l;
        throw satz::ausserhalb();
    }
    // Only the copy is shown, and it becomes current without taking the
    // focus: walking or raising every open window here would make a record
    // transfer slow down with each label it made.
    Schild(w1).setVisible(true);
    p.lngAktivesSchild = w1;
}

void VorlageKopieren() {
    Vorlagenkopie().kopieren();
}

} // namespace sorvo
