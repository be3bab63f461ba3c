#pragma once
// Replacing a file whole or not at all. The new content goes to a temporary
// file beside the old one, which takes the old one's place only once every
// byte of it is on the disk, so a full disk never costs the user what was
// saved before. Every write is checked where it is made: a buffered writer
// has been seen to report a file cut short by a full disk as written, and to
// put the cut file in place of the old one.
#include <QByteArray>
#include <QString>

namespace sorvo {

// The two calls that end a replacement: closing the temporary file and
// renaming it over the old one. They fail where a network share fills up or
// goes away, which no folder of a test does; tests put failing ones in their
// place.
struct DateiAufrufe {
    int (*schliessen)(int fd);
    int (*umbenennen)(const char* von, const char* nach);
};
const DateiAufrufe& systemAufrufe();

enum class Ersetzen {
    // Only through a temporary file: a folder that takes no new file fails.
    NurGanz,
    // Where the folder takes no new file but the file may be written, the
    // file is written in place; when that fails, its old bytes are written
    // back, which needs no more room than they had.
    AuchAnOrt,
};

// Replaces the file at pfad (for a link, the file it points to) by inhalt,
// creating it when it is missing. 0 when done; otherwise the errno of the
// step that failed, and the file is as it was, or still missing, with no
// temporary file left beside it.
int dateiErsetzen(const QString& pfad, const QByteArray& inhalt, Ersetzen art = Ersetzen::NurGanz,
                  const DateiAufrufe& aufrufe = systemAufrufe());

// For a writer that opens its file by name itself (the PDF printer): an
// empty file beside ziel, with the permissions ziel has, or a new file would
// get, for the writer to fill. einsetzen puts it in ziel's place; until then
// ziel is untouched, and a file never put in place is removed.
class Ersatzdatei {
public:
    explicit Ersatzdatei(const QString& ziel);
    ~Ersatzdatei();
    Ersatzdatei(const Ersatzdatei&) = delete;
    Ersatzdatei& operator=(const Ersatzdatei&) = delete;

    // Empty when no file could be made beside ziel; fehler() says why.
    const QString& pfad() const { return m_pfad; }
    int fehler() const { return m_fehler; }
    const QString& ziel() const { return m_ziel; }
    // Renames the file over ziel: 0, or the errno, and the file is removed.
    int einsetzen(const DateiAufrufe& aufrufe = systemAufrufe());

private:
    QString m_ziel;
    QString m_pfad;
    int m_fehler = 0;
};

} // namespace sorvo
