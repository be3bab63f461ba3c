#pragma once
// The records of a template and the number formats of their fields; shared
// by the file writer, the reader and the in-memory copy.
#include "template/vorlage.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace sorvo {

class frmLabel;

namespace satz {

// --- Writing ------------------------------------------------------------------
// A position or size in whole millimetres, halves to even; outside the
// 16-bit range it is an overflow.
QString ganzeMm(double mm);
// A single-precision value in its shortest form with up to 7 significant
// digits and the locale's decimal separator (105,5 / 297 / 1E+20).
QString gebietsZahl(float wert);
// A font size to four decimals without trailing zeros (8,25 / 10).
QString schriftGroesse(double punkte);
QString wahrheit(bool wert);

// The highest slot of a kind the file lists: the highest loaded index, or 0
// while the kind's first control is still as the window's design made it
// and was never handed out, so a label that never had a text lists none.
int32_t texteBis(const frmLabel& f);
int32_t bilderBis(const frmLabel& f);
int32_t datenfelderBis(const frmLabel& f);

// Whether window w writes an F, P or E record.
bool hatF(int32_t w);
bool hatP(int32_t w);
bool hatE(int32_t w);

QString fSatz(int32_t w);
QString gSatz(int32_t w);
QString lSatz(const frmLabel& f, int32_t i);
QString bSatz(const frmLabel& f, int32_t j);
// Data fields carry their font size exactly, in the file and in a copy.
QString dSatz(const frmLabel& f, int32_t i);
QString pSatz(int32_t w);
QString eSatz(int32_t w);

// The message for the first value of window w that its records would not
// give back as it stands: a bar that ends a field early, a line break that
// ends the record, a character the code page lacks, blanks the reader trims
// from a path or name, or in a text the two bytes that code its line
// breaks. Nothing when the window can be written.
std::optional<QString> unspeicherbar(int32_t w);

// --- Reading ------------------------------------------------------------------
// Errors of the reader, with the numbers the copy reports to its caller.
Laufzeitfehler feldFehlt();
Laufzeitfehler keineZahl(const QString& feld);
Laufzeitfehler ueberlauf();
Laufzeitfehler ausserhalb();
Laufzeitfehler ungueltigerWert();

// The fields of one record: the key letter is dropped; every field but the
// last ends at the next bar and is trimmed of blanks; the last one is the
// rest of the line.
class Felder {
public:
    explicit Felder(const QString& zeile) : m_zeile(zeile), m_pos(1) {}
    // The next bar-terminated field, trimmed; a missing bar is an error.
    QString feld();
    // The rest of the line, trimmed of blanks or as it stands.
    QString rest() const;
    QString restUngetrimmt() const;

    // Converted fields.
    int16_t ganzzahl();
    int32_t farbe();
    float einzel();
    bool wahr();
    double groesse();

private:
    QString m_zeile;
    qsizetype m_pos;
};

// Conversions of one field; both "," and "." are taken as the decimal
// separator, so a file from a system with the other separator reads the same.
int16_t alsGanzzahl(const QString& s);
int32_t alsFarbe(const QString& s);
float alsEinzel(const QString& s);
bool alsWahr(const QString& s);

} // namespace satz
} // namespace sorvo
