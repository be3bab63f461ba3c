#pragma once
// Applies template records to a label window, line by line. The file reader
// and the in-memory copy share it; where the two differ, the source says so.
#include "platform/dialogs.h"
#include "template/satz.h"

#include <QString>
#include <cstdint>
#include <vector>

namespace sorvo {

class Beschriftung;

namespace satz {

enum class Quelle { Datei, Kopie };

class Einleser {
public:
    Einleser(Quelle quelle, int32_t fenster) : m_quelle(quelle), m_w(fenster) {}

    // Applies one line. Throws Laufzeitfehler on a field that does not
    // convert, a missing field or an index outside the loaded slots. Returns
    // false when the file was refused and its window closed.
    bool zeile(const QString& z);
    // After the last line: free slots are removed, the others marked in use.
    // A file that gave no label size is no template: Laufzeitfehler.
    void abschliessen();

private:
    struct Beschriftungsfelder;
    Beschriftungsfelder beschriftungLesen(Felder& f);
    void beschriftungSetzen(Beschriftung& c, const Beschriftungsfelder& b);

    void text(Felder& f);
    void datenfeld(Felder& f);
    void bild(Felder& f);
    void geometrie(Felder& f);
    bool datenbank(Felder& f);
    void preise(Felder& f);
    void reihenfolge(Felder& f);
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
