#pragma once
// What the program asks of the operating system besides windows: its own
// version and folder, the current folder, files, a single running instance,
// the help viewer and starting other programs.
#include <QString>
#include <cstddef>
#include <functional>
#include <memory>

class QLockFile;
class QWidget;

namespace sorvo {

struct Version {
    int major = 0;
    int minor = 0;
    int revision = 0;
};
// The program's own version, as the build sets it.
Version programmVersion();

// The folder that holds the program file (no trailing separator, except at
// the root).
QString programmOrdner();
QString aktuellerOrdner();
bool aktuellenOrdnerSetzen(const QString& ordner);
bool dateiExistiert(const QString& pfad);

// While it lives, the large blocks the PDF writer frees after every page
// stay in the program's heap for the next page, instead of going back to
// the system to be asked for again: a print of thousands of labels would
// spend most of its time on that. With `erwartet` bytes named, the heap
// grows by that much at once, in pages of 2 MB where the system offers
// them, so that thousands of new windows do not each pay for the first
// touch of a handful of small pages; what is never touched costs no memory.
// Afterwards the heap's starting limits apply again (fixed from then on, no
// longer moved by the heap itself), under which the many small blocks of
// label windows are handed out faster.
class GrosseBloeckeBehalten {
public:
    explicit GrosseBloeckeBehalten(std::size_t erwartet = 0);
    ~GrosseBloeckeBehalten();
    GrosseBloeckeBehalten(const GrosseBloeckeBehalten&) = delete;
    GrosseBloeckeBehalten& operator=(const GrosseBloeckeBehalten&) = delete;
};
// What stands at a path the program is to read. Only a readable regular file
// (or a link to one) may be opened: a named pipe without a writer would make
// the open wait for good, and a folder, socket or device is no file to read.
// The check opens nothing.
enum class DateiZustand { Lesbar, Fehlt, Ordner, KeineDatei, Gesperrt };
DateiZustand dateiZustand(const QString& pfad);
inline bool lesbareDatei(const QString& pfad) {
    return dateiZustand(pfad) == DateiZustand::Lesbar;
}
// Why the path cannot be read, as a sentence for a message ("Der Pfad nennt
// einen Ordner, keine Datei."); empty for a readable file.
QString dateiZustandText(DateiZustand z);

// Joins a folder and a file name with one separator; a folder that already
// ends in a separator (a root) gets none added.
QString pfadVerbinden(const QString& ordner, const QString& name);

// Holds the per-user lock of a running instance for as long as it lives.
class EinzelInstanz {
public:
    explicit EinzelInstanz(const QString& name = QStringLiteral("sorvo"));
    ~EinzelInstanz();
    EinzelInstanz(const EinzelInstanz&) = delete;
    EinzelInstanz& operator=(const EinzelInstanz&) = delete;
    // False when another instance of the same name already runs for this user.
    bool erworben() const { return m_erworben; }

private:
    std::unique_ptr<QLockFile> m_sperre;
    bool m_erworben = false;
};

// Opens the help pages of a folder at a topic (empty: the start page) in the
// program's help window (platform/hilfe.h), made as a window of its own
// owned by eltern. A missing page is reported in the window.
using HilfeAufruf = std::function<void(const QString& ordner, const QString& thema)>;
void hilfeOeffnen(const QString& ordner, const QString& thema, QWidget* eltern = nullptr);
// Replaces the window (tests record the calls); an empty function restores it.
void hilfeAufrufSetzen(HilfeAufruf aufruf);

// Starts a program file found in ordner, with ordner as its working folder,
// and returns at once. False when it could not be started.
using ProgrammStart = std::function<bool(const QString& ordner, const QString& datei)>;
bool programmStarten(const QString& ordner, const QString& datei);
void programmStartSetzen(ProgrammStart start);

// Brings the top-level window with this title (or whose title begins with
// it) to the front; nothing where the desktop does not allow it.
void fensterAktivieren(const QString& titel);

} // namespace sorvo
