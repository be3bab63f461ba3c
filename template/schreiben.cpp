// Writing a label window as a template file, and the copy of a window in
// memory in the same records.
#include "label/frmLabel.h"
#include "label/programm.h"
#include "platform/bilddatei.h"
#include "platform/cp1252.h"
#include "platform/system.h"
#include "template/dateiaufrufe.h"
#include "template/einleser.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace sorvo {

satz::DateiAufrufe& satz::dateiAufrufe() {
    static DateiAufrufe aufrufe{::close, ::rename};
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

// The new content goes to a temporary file beside the old one, which is
// renamed over it only once every byte is on the disk: a failed write never
// costs the user the template saved before. Every write is checked here;
// buffered writers have been seen to report a file cut short by a size
// limit as written.
void dateiErsetzen(const QString& pfad, const QByteArray& inhalt) {
    const QFileInfo ziel(pfad);
    if (!QDir(ziel.absolutePath()).exists())
        throw dateiFehler(ENOENT);
    if (ziel.isDir())
        throw dateiFehler(EISDIR);
    const QByteArray zielName = QFile::encodeName(ziel.absoluteFilePath());
    QByteArray vorlage = QFile::encodeName(ziel.absolutePath() + QStringLiteral("/.") +
                                           ziel.fileName() + QStringLiteral(".XXXXXX"));
    const int fd = mkstemp(vorlage.data());
    if (fd < 0)
        throw dateiFehler(errno);
    const auto abbrechen = [&](int fehler) {
        ::close(fd);
        ::unlink(vorlage.constData());
        return dateiFehler(fehler);
    };
    // The replacement keeps the old file's permissions.
    struct stat alt {};
    const mode_t modus = ::stat(zielName.constData(), &alt) == 0 ? alt.st_mode & 07777 : [] {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        return static_cast<mode_t>(0666 & ~maske);
    }();
    if (::fchmod(fd, modus) != 0)
        throw abbrechen(errno);
    const char* p = inhalt.constData();
    qsizetype rest = inhalt.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, static_cast<size_t>(rest));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            throw abbrechen(n < 0 ? errno : EIO);
        p += n;
        rest -= n;
    }
    if (::fsync(fd) != 0)
        throw abbrechen(errno);
    if (satz::dateiAufrufe().schliessen(fd) != 0) {
        const int fehler = errno;
        ::unlink(vorlage.constData());
        throw dateiFehler(fehler);
    }
    if (satz::dateiAufrufe().umbenennen(vorlage.constData(), zielName.constData()) != 0) {
        const int fehler = errno;
        ::unlink(vorlage.constData());
        throw dateiFehler(fehler);
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
    dateiErsetzen(p.strSpeicherDatei, vorlageBytes(p.lngAktivesSchild));
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
