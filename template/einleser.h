#pragma once
// Applies template records to a label window, line by line. The file reader
// and the in-memory copy share it; where the two differ, the source says so.
#include "platform/dialogs.h"
#include "platform/elements.h"
#include "template/satz.h"

#include <QImage>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace sorvo {

class Beschriftung;

namespace satz {

enum class Quelle { Datei, Kopie };

// One line of a template with its fields converted, so that the many copies
// of one template window are built without reading its lines again.
struct Eintrag {
    // The record letter; 0 for a line that is passed over.
    char art = 0;
    // A field that did not convert; raised where applying the line reaches
    // it, so that the checks on the window before it come first.
    std::optional<Laufzeitfehler> fehler;
    // Whether the slot index (or the order's count) was read before fehler.
    bool indexGelesen = false;

    int16_t index = 0; // L, D, B: slot; E: number of codes
    // L and D: place, maxima and look; the caption in text.
    int16_t links = 0, oben = 0, maxBreite = 0, maxHoehe = 0;
    Aussehen aussehen;
    // L, D: caption; B, F, P: path.
    QString text;
    // B: size in millimetres.
    int16_t hoehe = 0, breite = 0;
    // G: the label's size, margins, paper, reserve and loop label.
    struct Geometrie {
        float breite = 0, hoehe = 0, rechts = 0, links = 0, oben = 0, unten = 0;
        int16_t papier = 0, ausrichtung = 0;
        float reserve = 0, etikett = 0;
        bool schlaufe = false;
    } geometrie;
    // F: plant database, kind and own table.
    bool pflanzen = false;
    QString dbArt, tabelle;
    QString spalte;             // P: join column
    std::vector<int32_t> codes; // E

    // Looked up once for all copies: whether the named file exists, and the
    // picture of a B line. Unset, the reader looks at the disk.
    std::optional<bool> vorhanden;
    QImage bild;
};

// Converts one line; a field that does not convert is kept in fehler.
Eintrag eintragLesen(const QString& z);

class Einleser {
public:
    Einleser(Quelle quelle, int32_t fenster) : m_quelle(quelle), m_w(fenster) {}

    // Applies one line. Throws Laufzeitfehler on a field that does not
    // convert, a missing field or an index outside the loaded slots. Returns
    // false when the file was refused and its window closed.
    bool zeile(const QString& z);
    // The same for a line converted before.
    bool anwenden(const Eintrag& e);
    // After the last line: free slots are removed, the others marked in use.
    // A file that gave no label size is no template: Laufzeitfehler.
    void abschliessen();

private:
    void beschriftungSetzen(Beschriftung& c, const Eintrag& e);

    void text(const Eintrag& e);
    void datenfeld(const Eintrag& e);
    void bild(const Eintrag& e);
    void geometrie(const Eintrag& e);
    bool datenbank(const Eintrag& e);
    void preise(const Eintrag& e);
    void reihenfolge(const Eintrag& e);
    // Record operations act on the current label window; a message box
    // closing may have moved the focus, so the target is named again.
    void aktuell() const;

    Quelle m_quelle;
    int32_t m_w;
    // Off once the database of an F record is missing and not replaced: the
    // data fields that belong to it are not loaded then.
    bool m_datenfelder = true;
    // A G record with a label size was read.
    bool m_groesse = false;
};

// The lines of a template text; CR LF, CR and LF each end a line.
std::vector<QString> zeilenTeilen(const QString& text);

// Shows the message for a file named in a template that does not exist.
Antwort dateiFehlt(const QString& art, const QString& pfad, int stil, const QString& zusatz = {});

// Frees a window whose read failed: no save question, nothing kept.
void fensterVerwerfen(int32_t w);

} // namespace satz
} // namespace sorvo
