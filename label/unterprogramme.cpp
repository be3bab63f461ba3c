#include "label/unterprogramme.h"

#include "label/frmLabel.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "platform/cp1252.h"
#include "platform/system.h"

#include <QKeyEvent>
#include <QLocale>

namespace sorvo {

namespace {
const char* const kHauptmenues[] = {"mnuDatei",  "mnuDatenbanken", "mnuBotrel",
                                    "mnuExtras", "mnuFenster",     "mnuHilfe"};

void schilderAktivieren(bool aktiv) {
    auto& p = P();
    for (int32_t i = 1; i <= p.hoechstesSchild(); ++i)
        if (!p.Schilder[i].blnSchildFrei)
            Schild(i).setEnabled(aktiv);
}

void navigationSetzen(const char* name, bool aktiv, const char* basis) {
    if (auto* m = nachbarn().mdi)
        m->knopfSetzen(QString::fromLatin1(name), aktiv,
                       QString::fromLatin1(basis) + (aktiv ? "_n" : "_ef"));
}

bool enthaeltErzeugtVon(const QString& s) {
    return s.contains(QStringLiteral("erzeugt von"));
}
} // namespace

QString ErzeugtVonCaption(int32_t n) {
    const auto& p = P();
    // The template's caption without its " (Vorlage)" suffix; a caption
    // shorter than the suffix gives nothing rather than failing.
    QString vorlage;
    if (p.lngVorlagenSchild >= 1 && p.lngVorlagenSchild <= p.hoechstesSchild())
        vorlage = Schild(p.lngVorlagenSchild).Caption();
    const qsizetype laenge = std::max<qsizetype>(0, vorlage.size() - 10);
    return QStringLiteral("Schild ") + QString::number(n) + QStringLiteral(" (erzeugt von: ") +
           vorlage.left(laenge) + QLatin1Char(')');
}

void SchildGeaendert() {
    auto& p = P();
    const int32_t n = p.lngAktivesSchild;
    auto& e = S(n);
    e.blnGeaendert = true;
    frmLabel& f = Schild(n);
    const QString nr = QString::number(n);
    if (enthaeltErzeugtVon(f.Caption())) {
        f.setCaption(ErzeugtVonCaption(n) + QLatin1Char('*'));
        return;
    }
    QString c = e.strVorlageDatei.isEmpty()
                    ? QStringLiteral("Schild ") + nr + QLatin1Char('*')
                    : DateinameAusPfad(e.strVorlageDatei) + QLatin1Char('*');
    if (e.blnDbGeladen && p.blnVorlageGeoeffnet)
        c += QStringLiteral(" (Vorlage)");
    f.setCaption(c);
}

void SchildNrGeaendert(int32_t win) {
    auto& e = S(win);
    e.blnGeaendert = true;
    Schild(win).setCaption(e.strVorlageDatei.isEmpty()
                               ? QStringLiteral("Schild ") + QString::number(win) + QLatin1Char('*')
                               : DateinameAusPfad(e.strVorlageDatei) + QLatin1Char('*'));
}

QString DateinameAusPfad(const QString& Pfad) {
    // Paths chosen here use '/', those from templates written elsewhere '\'.
    const qsizetype i =
        std::max(Pfad.lastIndexOf(QLatin1Char('\\')), Pfad.lastIndexOf(QLatin1Char('/')));
    return i < 0 ? Pfad : Pfad.mid(i + 1);
}

void WerkzeugTitelSetzen() {
    auto* w = nachbarn().werkzeuge;
    if (!w)
        return;
    const int32_t n = P().lngAktivesSchild;
    const QString& datei = S(n).strVorlageDatei;
    w->setCaption(datei.isEmpty() ? QStringLiteral("Werkzeuge - Schild: ") + QString::number(n)
                                  : QStringLiteral("Werkzeuge - ") + DateinameAusPfad(datei));
}

void MenuesSperren() {
    if (auto* m = nachbarn().mdi)
        for (const char* name : kHauptmenues)
            m->menuAktivSetzen(QString::fromLatin1(name), false);
}

void MenuesFreigeben() {
    if (auto* m = nachbarn().mdi)
        for (const char* name : kHauptmenues)
            m->menuAktivSetzen(QString::fromLatin1(name), true);
}

void AllesSperren() {
    P().blnAllesGesperrt = true;
    schilderAktivieren(false);
    if (auto* w = nachbarn().werkzeuge)
        w->einfuegenKnoepfeAktivieren(false);
    MenuesSperren();
}

void AllesFreigeben() {
    P().blnAllesGesperrt = false;
    schilderAktivieren(true);
    if (auto* w = nachbarn().werkzeuge)
        w->einfuegenKnoepfeAktivieren(true);
    MenuesFreigeben();
}

void WerkzeugeWiederherstellen() {
    auto* w = nachbarn().werkzeuge;
    if (!P().blnWerkzeugeAktiv || !w)
        return;
    w->setHeight(1850);
    w->einfuegenKnoepfeAktivieren(!P().blnAllesGesperrt);
}

void NavigationEin() {
    navigationSetzen("cmdNext", true, "next");
    navigationSetzen("cmdBack", true, "back");
    const auto& p = P();
    const bool schlaufe = p.lngVorlagenSchild >= 1 && p.lngVorlagenSchild <= p.hoechstesSchild() &&
                          p.Schilder[p.lngVorlagenSchild].blnSchlaufenetikett;
    if (schlaufe) {
        // Disabled, keeping the picture it has.
        if (auto* m = nachbarn().mdi)
            m->knopfSetzen(QStringLiteral("cmdDruckNeueSchilder"), false, QString());
    } else {
        navigationSetzen("cmdDruckNeueSchilder", true, "printschilder");
    }
}

void NavigationAus() {
    navigationSetzen("cmdNext", false, "next");
    navigationSetzen("cmdBack", false, "back");
    navigationSetzen("cmdDruckNeueSchilder", false, "printschilder");
}

void SchildMenuesFreigeben() {
    auto* m = nachbarn().mdi;
    if (!m)
        return;
    for (const char* name :
         {"mnuDateiSpeichern", "mnuDateiSpeichernunter", "mnuDateiSchliessen", "mnuDrucken"})
        m->menuAktivSetzen(QString::fromLatin1(name), true);
    m->knopfSetzen(QStringLiteral("cmdSpeichern"), true, QStringLiteral("save_n"));
    m->knopfSetzen(QStringLiteral("cmdDrucken"), true, QStringLiteral("print_n"));
    m->knopfSetzen(QStringLiteral("cmdVorschau"), true, QStringLiteral("preview_n"));
}

QString TextErsetzen(QString& Text, const QString& Suche, const QString& Ersatz) {
    if (Suche.isEmpty())
        return Text;
    // A replacement that holds the search text would be found again for ever;
    // then the search goes on behind it.
    const qsizetype weiter = Ersatz.contains(Suche) ? Ersatz.size() : 1;
    qsizetype p0 = 0;
    for (;;) {
        const qsizetype p = Text.indexOf(Suche, p0);
        if (p < 0)
            break;
        Text = Text.left(p) + Ersatz + Text.mid(p + Suche.size());
        p0 = p + weiter;
    }
    return Text;
}

QString ZeichenErsetzen(QString& Text, int Code1, int Code2) {
    const QByteArray a(1, static_cast<char>(Code1));
    const QByteArray b(1, static_cast<char>(Code2));
    return TextErsetzen(Text, ausCp1252(a), ausCp1252(b));
}

QString Dezimaltrennzeichen() {
    const float zweiEinhalb = 5.0f / 2.0f;
    return QLocale().toString(zweiEinhalb).mid(1, 1);
}

void HilfeAnzeigen(const QString& Thema) {
    // Unlike the stock-text path, no test for a folder at the root.
    hilfeOeffnen(P().strSorvoVerz + QStringLiteral("/hilfe"), Thema,
                 nachbarn().mdi ? nachbarn().mdi->widget() : nullptr);
}

bool HilfeTaste(QKeyEvent* e, const QString& Thema) {
    if (e->key() != Qt::Key_F1)
        return false;
    e->accept();
    HilfeAnzeigen(Thema);
    return true;
}

} // namespace sorvo
