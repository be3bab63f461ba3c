#pragma once
// The program-wide values and the table of label windows.
//
// Label windows are numbered from 1; entry 0 of the table exists from
// start-up, is marked free and is never handed out. A closed window keeps
// its slot (marked free) and its hidden window object for the next label.
#include <QPointer>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

namespace sorvo {

class frmLabel;
class DatenbankAuswahl;

// One entry of the per-window table; the members carry the names of the
// per-window values.
struct SchildEintrag {
    QPointer<frmLabel> frmSchilder; // created on first use
    bool blnSchildFrei = false;
    bool blnGeaendert = false;
    QString strVorlageDatei;
    std::shared_ptr<DatenbankAuswahl> frmSchildDb; // created on first use
    QString strDbPfad;
    bool blnDbGeladen = false;
    bool blnPflanzenDb = false;
    QString strDbArt;
    QString strPreisDbPfad;
    QString strPreisDateiName;
    bool blnPreisDbGeladen = false;
    QString strPreisSpalte;
    float sngSchildBreite = 0;
    float sngSchildHoehe = 0;
    float sngGrenzeRechts = 0;
    float sngGrenzeLinks = 0;
    float sngGrenzeOben = 0;
    float sngGrenzeUnten = 0;
    int32_t lngPapierFormat = 0;
    int32_t lngAusrichtung = 0;
    float sngSchildReserve = 0;
    float sngEtikettBreite = 0;
    bool blnSchlaufenetikett = false;
    int32_t lngAktuellerText = 0;
    int32_t lngAktuellesDatenfeld = 0;
    int32_t lngAktuellesBild = 0;
    // Element codes in stacking order; positions 1..lngReihenfolgeAnzahl used.
    std::vector<int32_t> lngReihenfolge;
    int32_t lngReihenfolgeAnzahl = 0;
};

struct Programm {
    // Folders.
    QString strSorvoVerz;
    QString strFeldListePfad;
    QString strBotrelVerz;
    QString strBotrelBilderVerz;
    QString strBotrelEditorVerz;
    QString strVersion;

    // Switches of the options and the print settings.
    bool blnVorlageVordergrund = false;
    bool blnAenderungSpeichern = false;
    bool blnWerkzeugFensterFolgt = false;
    bool blnRahmenDrucken = false;
    QString strRahmenDruckFarbe = QStringLiteral("0");

    // Element limits per label.
    int32_t lngMaxTexte = 70;
    int32_t lngMaxBilder = 30;
    int32_t lngMaxDatenfelder = 30;

    bool blnVorlageGeoeffnet = false;
    int32_t lngVorlagenSchild = 0;
    int32_t lngVorschauSchild = 0;
    bool blnWerkzeugeAktiv = false;
    // Set while the record choice holds the label windows locked: nothing
    // that restores the tool window may unlock its insert buttons then.
    bool blnAllesGesperrt = false;
    int32_t lngAktivesSchild = 0;
    // The window a user's New or Open made last and that showing all windows
    // has yet to bring forward: a window that took a closed window's lower
    // number would otherwise end behind the others; 0 when none.
    int32_t lngNeuesSchild = 0;

    // File names handed to the template writer and reader.
    QString strSpeicherDatei;
    QString strOeffnenDatei;

    // The element an edit or the context menu acts on: its kind ("Bild",
    // "Text", "Datenfeld") and its index as decimal text.
    QString strElementArt;
    QString strElementNummer;
    // The own background colour (RGB) of the element being edited, saved
    // before it is marked so that unmarking can put it back.
    int32_t lngAltHintergrundFarbe = 0;

    // Names of the user-defined properties 1 to 5 per plant category, in the
    // order Topfpflanzen, Stauden, Gehoelze, Apfel, Obst, Friedhof (the
    // catalogue's Kategorie).
    std::array<std::array<QString, 5>, 6> strBenuNamen{};

    // The label windows; index = window number.
    std::vector<SchildEintrag> Schilder;
    // Every slot below this one is taken: a transfer of thousands of
    // records would otherwise look through every slot for each new window.
    int32_t lngFreiAb = 1;

    int32_t hoechstesSchild() const { return static_cast<int32_t>(Schilder.size()) - 1; }
};

// The one instance of the program-wide values.
Programm& P();
// The entry of window n (1 .. highest).
SchildEintrag& S(int32_t n);

// Sets up the table with the free slot 0 only.
void TabellenAnlegen();

// Label window table: the lowest free slot, or a new one at the end.
int32_t FreienIndexSuchen();
// Slot n is free again (its window was unloaded).
void SchildFreigeben(int32_t n);
// zeigen false: a window made for it is left hidden, for the caller to show
// once it is filled.
void NeuesSchild(bool zeigen = true);
int32_t SchilderZaehlen();
// Shows every open window; the window New or Open made last ends in front
// and current, else the highest-numbered enabled one.
void SchilderAnzeigen();
// The window of slot n, created when the slot has none yet.
frmLabel& Schild(int32_t n);
// The database-choice object of slot n, created when the slot has none yet.
DatenbankAuswahl& SchildDb(int32_t n);

// Every window object is destroyed and the values go back to their start
// state (program end; tests).
void ProgrammZuruecksetzen();

} // namespace sorvo
