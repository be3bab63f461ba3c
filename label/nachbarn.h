#pragma once
// What the label windows use of the main window and of the other parts of
// the program. Each part registers its implementation at start-up; a part
// that is not there (yet) leaves its pointer empty and its calls are skipped.
#include <QIcon>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>

class QMdiArea;
class QWidget;

namespace sorvo {

// The main window as the label windows see it.
class Hauptfenster {
public:
    virtual ~Hauptfenster() = default;
    virtual QMdiArea* mdiBereich() = 0;
    virtual QWidget* widget() = 0;
    // Menu items and top menus by their control name ("mnuDateiSpeichern").
    virtual void menuAktivSetzen(const QString& name, bool aktiv) = 0;
    virtual bool menuAktiv(const QString& name) const = 0;
    // Toolbar pictures by control name ("cmdSpeichern") with the picture key
    // they show ("save_n", "save_ef").
    virtual void knopfSetzen(const QString& name, bool aktiv, const QString& bild) = 0;
    virtual bool knopfAktiv(const QString& name) const = 0;
    // Outer size in twips.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Label window icons by key ("pen04", "vorlage", "druck", "hand-m").
    virtual QIcon fensterIcon(const QString& key) const = 0;
    // Gives the main window the focus.
    virtual void SetFocus() = 0;
    // The mouse is over none of the toolbar's buttons: every highlighted one
    // goes back to its normal picture.
    virtual void knoepfeNormal() = 0;
};

// The one shared tool window. Geometry in twips.
class Werkzeugfenster {
public:
    virtual ~Werkzeugfenster() = default;
    virtual void setCaption(const QString& c) = 0;
    virtual QString Caption() const = 0;
    virtual void setHeight(int twips) = 0;
    virtual int Height() const = 0;
    virtual void setVisible(bool v) = 0;
    virtual bool Visible() const = 0;
    virtual void SetFocus() = 0;
    // Places the tool window beside the current label window.
    virtual void NeuePosition() = 0;
    // The three insert buttons, in the order picture, text, data field.
    virtual void einfuegenKnoepfeAktivieren(bool aktiv) = 0;
    virtual bool einfuegenKnoepfeAktiv() const = 0;
    // Empties the maximum-width box of the text frame (or the data-field frame).
    virtual void maxBreiteLeeren(bool datenfeld) = 0;
    // True once the user changed the background colour of the element edited.
    bool blnHFarbeAenderung = false;

    // The field lists the database binding fills: lstFeldnamen and lstDfListe
    // get the display names (or an own table's field names), lstFeldnamen2 a
    // category's column list, empty entries included, each in the given order.
    virtual void feldListenSetzen(const QStringList& anzeigeNamen,
                                  const QStringList& spaltenNamen) {
        m_feldnamen = anzeigeNamen;
        m_feldnamen2 = spaltenNamen;
    }
    // Number of entries of lstFeldnamen and lstFeldnamen2.
    virtual int feldnamenAnzahl() const { return static_cast<int>(m_feldnamen.size()); }
    virtual int feldnamen2Anzahl() const { return static_cast<int>(m_feldnamen2.size()); }
    // lblDBName: names the loaded database.
    virtual void setDBName(const QString& name) { m_dbName = name; }
    virtual QString DBName() const { return m_dbName; }
    // The property chosen in the user-property chooser; "" after its Cancel.
    QString BenuUebergabe;

private:
    QStringList m_feldnamen;
    QStringList m_feldnamen2;
    QString m_dbName;
};

// The preview window, as far as the label windows use it.
class Vorschau {
public:
    virtual ~Vorschau() = default;
    virtual bool geladen() const = 0;
    virtual void entladen() = 0;
    // Shows the preview of the current label window at 100 %.
    virtual void zeigen() = 0;
    // Prints the current label window as one print run.
    virtual void drucken() = 0;
    // Several print runs as one print job: between the two calls each
    // drucken() adds the current window as a page of one job; a generated
    // loop label whose sheet the job already holds adds nothing.
    virtual void sammelnBeginnen() {}
    virtual void sammelnBeenden() {}
};

// The hidden database-choice window of one label window: its database kind
// and chosen table, and the operations that bind the window's database.
// Without the database part (a test's plain object), the operations bind
// nothing and the window keeps the paths and kinds it was given.
class DatenbankAuswahl {
public:
    virtual ~DatenbankAuswahl() = default;
    QString BotrelDateiArt;
    QString EigeneDbTabName;
    virtual void DBBotrelAuswaehlen() {}
    virtual void DBEigeneAuswaehlen() {}
    virtual void DBBotrelWechseln() {}
    virtual void DbTabellenAnzeigen() {}
    virtual void DbTabellenAnzeigenEigeneDb() {}
    virtual void DBPreiseLaden() {}
    // Detaches the current window's database and prices table and removes
    // its data fields that still show a placeholder; false when one of them
    // could not be removed (the user was told).
    virtual bool DatenbankEntladen() { return true; }
};

// The shared record-choice window.
class DatensatzWahl {
public:
    virtual ~DatensatzWahl() = default;
    // Binds every data control to the placeholder database of the program
    // folder, which closes whatever database they held.
    virtual void platzhalterBinden(const QString& programmOrdner) = 0;
    virtual void setESZaehler(long n) = 0;
    virtual void entladen() = 0;
    // Binds the current label window's database, locks the label windows
    // and the menus, and shows the window with the focus (centred over the
    // main window the first time).
    virtual void oeffnen() = 0;
};

// The field catalogue.
class FeldKatalog {
public:
    virtual ~FeldKatalog() = default;
    virtual void TabellenInitialisieren() = 0;
    virtual QString FeldBeschreibung(const QString& feldname, const QString& art) const = 0;
};

// Template files: Save, Save As and Open on the current label window.
// The saves return true when the label was written.
class Vorlagen {
public:
    virtual ~Vorlagen() = default;
    virtual bool VorlageSpeichern() = 0;
    virtual bool VorlageSpeichernUnter() = 0;
    virtual void VorlageOeffnen() = 0;
};

// The loop-label dialog, opened by the new-label dialog and by the preview.
// It is modal to the program but returns at once; danach runs when it
// closes, with true when its OK created a loop label.
class Schlaufenetikett {
public:
    virtual ~Schlaufenetikett() = default;
    virtual void zeigen(std::function<void(bool)> danach) = 0;
};

// Editing an element in the tool window. ElementLaden runs the load for
// element index of kind art (1 text, 2 picture, 3 data field) of the current
// label window; the caller has made that window current and written
// strElementNummer.
class ElementBearbeitung {
public:
    virtual ~ElementBearbeitung() = default;
    virtual void ElementLaden(int32_t art, int32_t index) = 0;
};

struct Nachbarn {
    Hauptfenster* mdi = nullptr;
    Werkzeugfenster* werkzeuge = nullptr;
    Vorschau* vorschau = nullptr;
    DatensatzWahl* datensatzWahl = nullptr;
    FeldKatalog* katalog = nullptr;
    Vorlagen* vorlagen = nullptr;
    Schlaufenetikett* schlaufenetikett = nullptr;
    // Makes the database-choice object of a label window; empty: the plain one.
    std::function<std::unique_ptr<DatenbankAuswahl>()> dbAuswahlErzeugen;
    ElementBearbeitung* bearbeitung = nullptr;
    // frmDbPreis, shown modally: loads a prices file and chooses the joined
    // column of the current label window.
    std::function<void()> preisDialogZeigen;
    // frmBenuAuswaehlen, shown modally: writes the chosen user property's
    // name into the tool window's BenuUebergabe ("" on Abbrechen, unchanged
    // when closed by its close box).
    std::function<void()> benutzerEigenschaftWaehlen;
};

Nachbarn& nachbarn();

} // namespace sorvo
