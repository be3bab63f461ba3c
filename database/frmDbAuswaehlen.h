#pragma once
// The database side of a label window: the hidden database-choice object of
// each window (which database, which category or table), the binding of the
// record-choice window's data controls to it, the field-name lists, the
// prices file and the unload.
//
// Every operation acts on the current label window (P().lngAktivesSchild)
// and on the object it is called on, which the caller takes from that
// window's slot (SchildDb).
#include "label/nachbarn.h"

#include <QString>
#include <QStringList>

namespace sorvo {

namespace jet {
class JetError;
}

// The database kind codes of the six plant categories, in the order the
// program tests them everywhere.
inline const QStringList& kategorieArten() {
    static const QStringList a{QStringLiteral("vxt"), QStringLiteral("vxs"), QStringLiteral("vxg"),
                               QStringLiteral("vxa"), QStringLiteral("vxo"), QStringLiteral("vxf")};
    return a;
}
// 0 .. 5 for a category code, whatever its case; -1 for any other.
int kategorieIndex(const QString& art);

// The object is never shown, so it is no window; it keeps what the hidden
// form kept: the kind, the table, the file dialog's last name and filter,
// and the field names of the bound record set.
class frmDbAuswaehlen final : public DatenbankAuswahl {
public:
    // The open dialog's state, kept from one use to the next.
    struct Dateidialog {
        QString FileName;
        QStringList Filter;
    };
    Dateidialog cdlDatei;
    // The field names of Data1's record set in field order.
    QStringList lstFeldnamenUnsortiert;

    // The three choices. Each reports its own failures ("Laufzeitfehler").
    void DBBotrelAuswaehlen() override;
    void DBBotrelWechseln() override;
    void DBEigeneAuswaehlen() override;

    // The two bindings. Called on their own (menu, right click, template,
    // tool window) they report an engine error; the choices call the
    // throwing forms below. A binding that fails leaves the window without a
    // database (not the template, menus and lists of an unbound label, its
    // file forgotten).
    void DbTabellenAnzeigen() override;
    void DbTabellenAnzeigenEigeneDb() override;
    void tabellenBinden();      // throws jet::JetError
    void eigeneTabelleBinden(); // throws jet::JetError

    // Fills the tool window's and the prices window's field lists and
    // lstFeldnamenUnsortiert from the kind and Data1's record set.
    void FeldNamenAusgeben();

    void DBPreiseAuswaehlen();
    void DBPreiseLaden() override;

    bool DatenbankEntladen() override;

private:
    void pflanzenBinden();
    void tabelleBinden();
};

// Creates the shared record-choice and prices windows (children of the main
// window registered in nachbarn()) and registers the database part with the
// label windows.
void DatenbankenEinrichten();

// A run-time error as the user reads it: the description, " (", the
// number, ")".
QString LaufzeitfehlerText(const jet::JetError& e);
// Its message: that text, critical icon, title "Laufzeitfehler".
void LaufzeitfehlerMelden(const jet::JetError& e);

// The state of a label window with no database at all, as the binding of an
// empty path leaves it: menus, tool-window caption and lists, Data1 and Data2.
void DatenbankZuruecksetzen();

} // namespace sorvo
