#pragma once
// Label template files (.vxp): writing, reading and cloning a label window,
// and the Save, Save As and Open commands.
//
// A template is Windows-1252 text, one record a line, every line ended by
// CR LF: F (database), G (geometry), L (text slots), B (picture slots),
// D (data-field slots), P (prices file), E (stacking order). Positions are
// whole millimetres, fractional numbers carry the locale's decimal separator
// and are read back with either separator.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

namespace sorvo {

// An error that ends a write or a copy, with the description and number the
// user is shown ("Pfad nicht gefunden (76)").
class Laufzeitfehler : public std::runtime_error {
public:
    Laufzeitfehler(int nummer, const QString& beschreibung);
    int nummer() const { return m_nummer; }
    const QString& beschreibung() const { return m_beschreibung; }
    // Description and number as the message box shows them.
    QString meldungsText() const;

private:
    int m_nummer;
    QString m_beschreibung;
};

// A value of the window that the template file would not give back as it
// stands (a bar in a path, a line break in a name, ...): nothing is written.
class NichtSpeicherbar : public Laufzeitfehler {
public:
    explicit NichtSpeicherbar(const QString& meldung)
        : Laufzeitfehler(380, QStringLiteral("Ungültiger Eigenschaftswert")), m_meldung(meldung) {}
    // What the user is told: which value, why, and that nothing was written.
    const QString& meldung() const { return m_meldung; }

private:
    QString m_meldung;
};

// The name the writer uses: ".vxp" appended unless the name already ends in
// exactly ".vxp" (so "a.VXP" becomes "a.VXP.vxp").
QString mitVorlagenEndung(const QString& name);

// The template of window win as the file holds it.
QByteArray vorlageBytes(int32_t win);

// Writes the current label window to P().strSpeicherDatei, which gets the
// extension appended when it lacks it. The file is written in full to a
// temporary file in the same folder and then renamed over the old one, so a
// failed write leaves the old file as it was. Throws Laufzeitfehler, and
// NichtSpeicherbar before anything is written when a value would not read
// back as it stands. Leaves
// the window, its changed flag and its caption alone.
void VorlageSchreiben();

// Reads P().strOeffnenDatei into the current label window, which must be
// new. On a read error or a refusal the user is told and the window is
// closed; the caller tells by the slot's free flag.
void VorlageLesen();

// Copies the current label window in memory into a new label window, which
// is current afterwards; the source window is not changed. Throws
// Laufzeitfehler when a line cannot be built or read; no copy is left then
// and the source window is current again.
void VorlageKopieren();
// The picture files that copies could not read since the last call; the
// copies went on without them, and the caller tells the user once.
QStringList unlesbareBilderNehmen();
// The lines of the last copy; entry 0 stays empty.
const std::vector<QString>& strVorlageZeilen();

// The copy of the current label window, written and read once, from which
// any number of copies are made as VorlageKopieren makes one. A record
// transfer holds one for all its records; the files the template names are
// looked up once. The template's prices binding is looked at again for every
// copy, since a price field may bind one during the transfer.
class Vorlagenkopie {
public:
    Vorlagenkopie();
    ~Vorlagenkopie();
    Vorlagenkopie(const Vorlagenkopie&) = delete;
    Vorlagenkopie& operator=(const Vorlagenkopie&) = delete;

    // As VorlageKopieren, from the one reading made when this was built.
    void kopieren();

private:
    struct Form;
    std::unique_ptr<Form> m_form;
};

// Save, Save As and Open on the current label window. The saves return true
// when the label was written.
bool VorlageSpeichern();
bool VorlageSpeichernUnter();
void VorlageOeffnen();

// Registers the template commands with the main window and the label
// windows (nachbarn().vorlagen). Called once by the main window's load.
void vorlagenEinrichten();

} // namespace sorvo
