#include "database/frmDbAuswaehlen.h"

#include "catalogue/mdlDruck.h"
#include "database/frmBenuAuswaehlen.h"
#include "database/frmDbPreis.h"
#include "database/frmDbSaetzeWaehlen.h"
#include "database/frmDbTabwaehlen.h"
#include "database/frmTabAuswaehlen.h"
#include "label/frmLabel.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/dialogs.h"
#include "platform/elements.h"
#include "platform/jet/datacontrol.h"
#include "platform/jet/jet.h"
#include "platform/system.h"

#include <QGroupBox>
#include <QListWidget>
#include <QTableView>

namespace sorvo {

namespace {

int32_t aktiv() {
    return P().lngAktivesSchild;
}

bool schildGueltig(int32_t n) {
    return n >= 1 && n <= P().hoechstesSchild();
}

void menue(const char* name, bool an) {
    if (auto* m = nachbarn().mdi)
        m->menuAktivSetzen(QString::fromLatin1(name), an);
}

QWidget* hauptfenster() {
    return nachbarn().mdi ? nachbarn().mdi->widget() : nullptr;
}

void hauptfensterFokus() {
    if (auto* m = nachbarn().mdi)
        m->SetFocus();
}

// The column list last given to the tool window: its reset empties the
// display lists only.
QStringList& letzteSpaltenNamen() {
    static QStringList l;
    return l;
}

void werkzeugListen(const QStringList& anzeige, const QStringList& spalten) {
    letzteSpaltenNamen() = spalten;
    if (auto* w = nachbarn().werkzeuge)
        w->feldListenSetzen(anzeige, spalten);
}

void werkzeugDbName(const QString& name) {
    if (auto* w = nachbarn().werkzeuge)
        w->setDBName(name);
}

// What a choice may have to give back when it ends without a binding.
struct Vorher {
    QString pfad;
    bool pflanzen = false;
    QString art;
    QString tabelle;
};

Vorher sichern(const frmDbAuswaehlen& db, int32_t n) {
    return {S(n).strDbPfad, S(n).blnPflanzenDb, db.BotrelDateiArt, db.EigeneDbTabName};
}

void zuruecksetzen(frmDbAuswaehlen& db, int32_t n, const Vorher& v) {
    S(n).strDbPfad = v.pfad;
    S(n).blnPflanzenDb = v.pflanzen;
    db.BotrelDateiArt = v.art;
    db.EigeneDbTabName = v.tabelle;
}

// The entries of the plant databases' file filter, the sibling database
// first and then one per category in the category order.
const QStringList& botrelFilter() {
    static const QStringList f{QStringLiteral("Botrel-Datenbank (botrel.mdb)"),
                               QStringLiteral("Sorvo-Datenbank für Topfpflanzen (*.vxt)"),
                               QStringLiteral("Sorvo-Datenbank für Stauden (*.vxs)"),
                               QStringLiteral("Sorvo-Datenbank für Gehölze (*.vxg)"),
                               QStringLiteral("Sorvo-Datenbank für Apfelsorten (*.vxa)"),
                               QStringLiteral("Sorvo-Datenbank für Obst (*.vxo)"),
                               QStringLiteral("Sorvo-Datenbank für Friedhofspflanzen (*.vxf)")};
    return f;
}

QString botrelVorgabe() {
    const QString& verz = P().strBotrelVerz;
    return pfadVerbinden(verz.isEmpty() ? aktuellerOrdner() : verz, QStringLiteral("botrel.mdb"));
}

std::optional<QString> oeffnen(frmDbAuswaehlen::Dateidialog& d) {
    DateiAuswahl a;
    a.dateiname = d.FileName;
    a.filter = d.Filter;
    a.mussExistieren = true;
    auto pfad = dialoge().dateiOeffnen(a);
    if (pfad)
        d.FileName = *pfad;
    return pfad;
}

// The record sources of one plant category.
struct Bindung {
    const char* haupt; // table or stored query, also Data1's caption
    const char* bilder;
    const char* daten4;
    const char* daten5;
    const char* daten6;
    const char* daten7;
    const char* werkzeug; // the tool window's database name
};
constexpr Bindung kBindungen[] = {
    {"Topfpfl", "Topfpfl_Bilder", "Topfpfl_Synonyme_Botanisch", "Topfpfl_Synonyme_Deutsch", nullptr,
     nullptr, "Topfpflanzen"},
    {"Stauden", "Stauden_Bilder", "Stauden_Synonyme_Botanisch", "Stauden_Synonyme_Deutsch", nullptr,
     nullptr, "Stauden"},
    {"Gehoelze", "Gehoelze_Bilder", "Gehoelze_Synonyme_Botanisch", "Gehoelze_Synonyme_Deutsch",
     nullptr, nullptr, "Gehölze"},
    {"Apfel", "Apfel_Bilder", nullptr, nullptr, nullptr, nullptr, "Apfelsorten"},
    {"Obst", "Obst_Bilder", nullptr, nullptr, nullptr, nullptr, "Obst"},
    {"Abfrage_Friedhof", "Friedhof_Bilder", "Stauden_Synonyme_Botanisch",
     "Stauden_Synonyme_Deutsch", "Gehoelze_Synonyme_Botanisch", "Gehoelze_Synonyme_Deutsch",
     "Friedhofspflanzen"},
};

void nebenquelle(jet::DataControl& d, const QString& pfad, const char* quelle) {
    if (!quelle)
        return; // the kind does not use it: it keeps its earlier binding
    d.setDatabaseName(pfad);
    d.setRecordSource(QString::fromLatin1(quelle));
    d.refresh();
}

// Window n becomes the bound database template: flags, menus, caption, icon.
void alsVorlageMarkieren(int32_t n) {
    auto& p = P();
    S(n).blnDbGeladen = true;
    menue("mnuDbLaden", false);
    menue("mnuDbEigeneLaden", false);
    menue("mnuDbEntladen", true);
    menue("mnuPreisedatenbank", true);
    p.blnVorlageGeoeffnet = true;
    DbSaetze().SchildBedienen(n);
    frmLabel& f = Schild(n);
    if (!f.Caption().endsWith(QStringLiteral("(Vorlage)"))) {
        f.setCaption(f.Caption() + QStringLiteral(" (Vorlage)"));
        if (auto* m = nachbarn().mdi)
            f.setIcon(m->fensterIcon(QStringLiteral("vorlage")));
    }
    // The label window sets this entry whenever it gets the focus; a window
    // that was bound while it had the focus gets it now.
    menue("mnuDbDatensaetzeWaehlen", PlatzhalterPruefen() == QStringLiteral("OK"));
}

// Data1 and Data2 of the record-choice window let go of their database.
void hauptquellenLeeren() {
    auto& w = DbSaetze();
    w.Data1->setDatabaseName(QString());
    w.Data1->setRecordSource(QString());
    w.Data1->setCaption(QStringLiteral("Keine Datenbank geladen!"));
    w.Data1->refresh();
    w.Data2->setDatabaseName(QString());
    w.Data2->setRecordSource(QString());
    w.Data2->setCaption(QString());
    w.Data2->refresh();
}

QStringList feldnamen(const jet::DataControl& d) {
    const jet::Recordset* rs = d.recordset();
    if (!rs)
        throw jet::JetError(jet::fehler::ObjektNichtGefunden,
                            QStringLiteral("Die Tabelle oder Abfrage '%1' wurde nicht gefunden.")
                                .arg(d.recordSource()));
    QStringList namen;
    for (const auto& f : rs->fieldInfos())
        namen << f.name;
    return namen;
}

// The opening steps of the three choices: the current window and what it
// had, then the open dialog at vorgabe (and filter, unless the last one is
// kept). A chosen file becomes the window's database; without one (or
// without a window) the choice ends here.
struct Wahl {
    int32_t n;
    Vorher vorher;
    QString pfad;
};
std::optional<Wahl> dateiWaehlen(frmDbAuswaehlen& db, const QString& vorgabe,
                                 const std::optional<QStringList>& filter, bool pflanzen) {
    const int32_t n = aktiv();
    if (!schildGueltig(n))
        return std::nullopt;
    Wahl w{n, sichern(db, n), {}};
    db.cdlDatei.FileName = vorgabe;
    if (filter)
        db.cdlDatei.Filter = *filter;
    const auto pfad = oeffnen(db.cdlDatei);
    if (!pfad) {
        hauptfensterFokus();
        return std::nullopt;
    }
    w.pfad = *pfad;
    S(n).strDbPfad = w.pfad;
    S(n).blnPflanzenDb = pflanzen;
    return w;
}

// Window n after a binding that failed: without a database, as an unbound
// label is. Its file is forgotten, so that no later caller binds it again
// behind the user's back.
void bindungAufgeben(int32_t n) {
    S(n).strDbPfad.clear();
    DatenbankZuruecksetzen();
    menue("mnuDBWechseln", false);
    menue("mnuDbDatensaetzeWaehlen", false);
    P().blnVorlageGeoeffnet = false;
    frmLabel& f = Schild(n);
    if (f.Caption().endsWith(QStringLiteral(" (Vorlage)"))) {
        f.setCaption(f.Caption().chopped(10));
        if (auto* m = nachbarn().mdi)
            f.setIcon(m->fensterIcon(QStringLiteral("pen04")));
    }
}

// Runs a binding; one that fails leaves the current window without a
// database.
template <class Binden> void bindenOderAufgeben(Binden binden) {
    try {
        binden();
    } catch (const jet::JetError&) {
        bindungAufgeben(aktiv());
        throw;
    }
}

// The plant queries filter and sort by these columns; a record source that
// lacks one fails as a query with a parameter would. The user is told which
// column is missing where.
void spaltenPruefen(const QString& pfad, const QString& haupt, bool abfrage) {
    const auto rs =
        jet::DataControl::sharedDatabase(pfad, false)->openRecordset(jet::sqlName(haupt));
    for (const QString& spalte : {QStringLiteral("ARTNR"), QStringLiteral("Bot_Name")})
        if (rs->fieldIndex(spalte) < 0)
            throw jet::JetError(
                jet::fehler::ElementNichtGefunden,
                QStringLiteral("%1 '%2' fehlt die Spalte '%3'.")
                    .arg(abfrage ? QStringLiteral("Der Abfrage") : QStringLiteral("Der Tabelle"),
                         haupt, spalte));
}

// A name with ']' cannot stand in the record window's queries: such a table
// is refused once, when it is bound, rather than at every letter and header.
void namenPruefen(const QString& tabelle, const QStringList& felder) {
    const QString grund = QStringLiteral(" das Zeichen ']', das in keiner Abfrage stehen kann.");
    const QString vorne =
        QStringLiteral("Die Tabelle '%1' kann nicht geladen werden: ").arg(tabelle);
    if (!jet::sqlNameWritable(tabelle))
        throw jet::JetError(jet::fehler::UngueltigerName,
                            vorne + QStringLiteral("Ihr Name enthält") + grund);
    for (const QString& feld : felder)
        if (!jet::sqlNameWritable(feld))
            throw jet::JetError(
                jet::fehler::UngueltigerName,
                vorne + QStringLiteral("Der Name ihres Feldes '%1' enthält").arg(feld) + grund);
}

} // namespace

int kategorieIndex(const QString& art) {
    return static_cast<int>(kategorieArten().indexOf(art.toLower()));
}

QString LaufzeitfehlerText(const jet::JetError& e) {
    return e.description() + QStringLiteral(" (") + QString::number(e.number()) + QLatin1Char(')');
}

void LaufzeitfehlerMelden(const jet::JetError& e) {
    dialoge().meldung(LaufzeitfehlerText(e), Msg::OK + Msg::Critical,
                      QStringLiteral("Laufzeitfehler"));
}

// --- The three choices ---------------------------------------------------

void frmDbAuswaehlen::DBBotrelAuswaehlen() {
    const auto wahl = dateiWaehlen(*this, botrelVorgabe(), botrelFilter(), true);
    if (!wahl)
        return;
    const auto& [n, vorher, pfad] = *wahl;
    // The kind is the file's extension, in whatever case it is written.
    BotrelDateiArt = pfad.right(3).toLower();
    if (BotrelDateiArt == QStringLiteral("mdb")) {
        frmTabAuswaehlen kategorie(*this, hauptfenster());
        dialoge().fensterModal(kategorie);
    }
    if (BotrelDateiArt == QStringLiteral("mdb")) {
        // No category: the window stays as it was.
        zuruecksetzen(*this, n, vorher);
        hauptfensterFokus();
        return;
    }
    // A kind no category knows is reported by the binding, which binds
    // nothing; the window then stays as it was.
    const bool bekannt = kategorieIndex(BotrelDateiArt) >= 0;
    try {
        tabellenBinden();
    } catch (const jet::JetError& e) {
        LaufzeitfehlerMelden(e);
    }
    if (!bekannt)
        zuruecksetzen(*this, n, vorher);
}

void frmDbAuswaehlen::DBBotrelWechseln() {
    // Only the files of the category bound; of an unknown one, the last filter.
    const int k = kategorieIndex(BotrelDateiArt);
    std::optional<QStringList> filter;
    if (k >= 0)
        filter = QStringList{botrelFilter().at(0), botrelFilter().at(k + 1)};
    const auto wahl = dateiWaehlen(*this, botrelVorgabe(), filter, true);
    if (!wahl)
        return;
    const auto& [n, vorher, pfad] = *wahl;
    try {
        tabellenBinden();
        if (k < 0)
            zuruecksetzen(*this, n, vorher);
    } catch (const jet::JetError& e) {
        LaufzeitfehlerMelden(e);
    }
}

void frmDbAuswaehlen::DBEigeneAuswaehlen() {
    const auto wahl =
        dateiWaehlen(*this, pfadVerbinden(aktuellerOrdner(), QStringLiteral("*.mdb")),
                     QStringList{QStringLiteral("Eigene Access-Datenbank (*.mdb)")}, false);
    if (!wahl)
        return;
    const auto& [n, vorher, pfad] = *wahl;
    BotrelDateiArt = QStringLiteral("eig");
    try {
        frmDbTabwaehlen tabellen(*this, hauptfenster());
        {
            const auto db = jet::Database::open(pfad);
            for (const jet::TableDef& t : db->tableDefs())
                tabellen.lstTabellen->addItem(t.name);
            db->close();
        }
        const bool gewaehlt = dialoge().fensterModal(tabellen) == QDialog::Accepted;
        if (gewaehlt && !EigeneDbTabName.isEmpty()) {
            eigeneTabelleBinden();
        } else {
            // Abbrechen, Escape and the close box alike: nothing is bound.
            zuruecksetzen(*this, n, vorher);
            hauptfensterFokus();
        }
    } catch (const jet::JetError& e) {
        LaufzeitfehlerMelden(e);
        // A file that could not be read, or a table that could not be bound,
        // is not the window's database.
        zuruecksetzen(*this, n, vorher);
    }
}

// --- Binding -------------------------------------------------------------

void DatenbankZuruecksetzen() {
    const int32_t n = aktiv();
    if (schildGueltig(n))
        S(n).blnDbGeladen = false;
    menue("mnuDbLaden", true);
    menue("mnuDbEigeneLaden", true);
    menue("mnuDbEntladen", false);
    menue("mnuPreisedatenbank", false);
    werkzeugDbName(QStringLiteral("Keine Datenbank geladen!"));
    werkzeugListen({}, letzteSpaltenNamen());
    DbPreis().feldListeSetzen({});
    hauptquellenLeeren();
}

void frmDbAuswaehlen::DbTabellenAnzeigen() {
    try {
        tabellenBinden();
    } catch (const jet::JetError& e) {
        LaufzeitfehlerMelden(e);
    }
}

void frmDbAuswaehlen::DbTabellenAnzeigenEigeneDb() {
    try {
        eigeneTabelleBinden();
    } catch (const jet::JetError& e) {
        LaufzeitfehlerMelden(e);
    }
}

void frmDbAuswaehlen::tabellenBinden() {
    bindenOderAufgeben([this] { pflanzenBinden(); });
}

void frmDbAuswaehlen::eigeneTabelleBinden() {
    bindenOderAufgeben([this] { tabelleBinden(); });
}

void frmDbAuswaehlen::pflanzenBinden() {
    const int32_t n = aktiv();
    if (!schildGueltig(n))
        return;
    auto& e = S(n);
    if (e.strDbPfad.isEmpty()) {
        DatenbankZuruecksetzen();
        return;
    }
    auto& w = DbSaetze();
    std::optional<jet::JetError> nebenFehler;
    if (e.blnPflanzenDb) {
        const int k = kategorieIndex(BotrelDateiArt);
        if (k < 0) {
            // A kind no category knows binds nothing; a window that counted
            // as bound (a template read from a file) is so no longer.
            dialoge().meldung(QStringLiteral("Hoppla") + BotrelDateiArt, Msg::OK, QString());
            if (e.blnDbGeladen)
                bindungAufgeben(n);
            return;
        }
        BotrelDateiArt = kategorieArten().at(k);
        const Bindung& b = kBindungen[k];
        w.grdDataGrid->show();
        w.grdEigeneDB->hide();
        w.Frame1->setEnabled(true);
        const QString haupt = QString::fromLatin1(b.haupt);
        w.Data1->setDatabaseName(e.strDbPfad);
        w.Data1->setRecordSource(QStringLiteral("SELECT * From ") +
                                 jet::sqlName(haupt, jet::Brackets::WhenNeeded) +
                                 QStringLiteral(" WHERE ARTNR LIKE '*' ORDER BY Bot_Name"));
        w.Data1->setCaption(haupt);
        try {
            w.Data1->refresh();
        } catch (const jet::JetError& f) {
            if (f.number() == jet::fehler::ParameterFehlen)
                spaltenPruefen(e.strDbPfad, haupt, BotrelDateiArt == QStringLiteral("vxf"));
            throw;
        }
        // A side table that is missing costs only the lookups that need it:
        // the plant table stays bound, and the user is told once it is.
        const std::pair<jet::DataControl*, const char*> neben[] = {
            {w.Data2, "Familien"}, {w.Data3, b.bilder}, {w.Data4, b.daten4},
            {w.Data5, b.daten5},   {w.Data6, b.daten6}, {w.Data7, b.daten7}};
        for (const auto& [d, quelle] : neben)
            try {
                nebenquelle(*d, e.strDbPfad, quelle);
            } catch (const jet::JetError& f) {
                if (!nebenFehler)
                    nebenFehler = f;
            }
        werkzeugDbName(QString::fromUtf8(b.werkzeug));
        e.strDbArt = BotrelDateiArt;
    }
    menue("mnuDBWechseln", false);
    if (e.blnPflanzenDb) {
        w.grdDataGridSpalten->setColumns(
            {{QStringLiteral("BOT_NAME"), QStringLiteral("Botanischer Name")},
             {QStringLiteral("DTNAM"), QStringLiteral("Deutscher Name")}});
        menue("mnuDBWechseln", true);
    }
    alsVorlageMarkieren(n);
    FeldNamenAusgeben();
    w.cmdAlle_Click();
    if (nebenFehler)
        LaufzeitfehlerMelden(*nebenFehler);
}

void frmDbAuswaehlen::tabelleBinden() {
    const int32_t n = aktiv();
    if (!schildGueltig(n) || S(n).strDbPfad.isEmpty())
        return;
    namenPruefen(EigeneDbTabName, {});
    auto& w = DbSaetze();
    w.grdDataGrid->hide();
    w.grdEigeneDB->show();
    w.Data1->setDatabaseName(S(n).strDbPfad);
    // Quoted, so that no table name is taken for SQL.
    w.Data1->setRecordSource(jet::sqlName(EigeneDbTabName));
    w.Data1->setCaption(EigeneDbTabName);
    w.Data1->refresh();
    namenPruefen(EigeneDbTabName, feldnamen(*w.Data1));
    werkzeugDbName(EigeneDbTabName);
    lstFeldnamenUnsortiert.clear();
    werkzeugListen({}, {});
    DbPreis().feldListeSetzen({});
    FeldNamenAusgeben();
    w.grdDataGridSpalten->setColumns(
        {{lstFeldnamenUnsortiert.value(0), QStringLiteral("Botanischer Name")},
         {lstFeldnamenUnsortiert.value(1), QStringLiteral("Deutscher Name")}});
    alsVorlageMarkieren(n);
}

void frmDbAuswaehlen::FeldNamenAusgeben() {
    const QStringList felder = feldnamen(*DbSaetze().Data1);
    const auto kategorie = kategorieAusArt(BotrelDateiArt.toLower());
    if (kategorie) {
        const QStringList& anzeige = varDfAnzeigeNamen(*kategorie);
        werkzeugListen(anzeige, varDfSpaltenNamen(*kategorie));
        DbPreis().feldListeSetzen(anzeige);
    } else {
        werkzeugListen(felder, {});
        DbPreis().feldListeSetzen(felder);
    }
    lstFeldnamenUnsortiert = felder;
}

// --- Unload --------------------------------------------------------------

bool frmDbAuswaehlen::DatenbankEntladen() {
    const int32_t n = aktiv();
    if (!schildGueltig(n))
        return true;
    // The data fields that still show a placeholder go first, as the element
    // store deletes them (slot freed, code out of the stacking order); when
    // one cannot be removed the window keeps its database.
    frmLabel& f = Schild(n);
    QStringList fehler;
    for (int32_t i = 1; i <= f.hoechstesDatenfeld(); ++i) {
        const QString caption = f.lblDatenfeld(i).Caption();
        if (!caption.startsWith(QLatin1Char('<')))
            continue;
        try {
            DatenfeldEntfernen(n, i);
        } catch (const std::exception&) {
            fehler << caption;
        }
    }
    if (!fehler.isEmpty()) {
        dialoge().meldung(QStringLiteral("Diese Datenfelder konnten nicht gelöscht werden:\r") +
                              fehler.join(QLatin1Char('\r')) +
                              QStringLiteral("\rDie Datenbank bleibt geladen."),
                          Msg::OK + Msg::Exclamation, programmTitel());
        return false;
    }

    auto& e = S(n);
    e.strDbPfad.clear();
    e.strPreisDateiName.clear();
    e.strPreisDbPfad.clear();
    e.blnPflanzenDb = false;
    e.strDbArt.clear();
    e.blnDbGeladen = false;
    e.blnPreisDbGeladen = false;
    e.strPreisSpalte.clear();

    hauptquellenLeeren();

    menue("mnuDbLaden", true);
    menue("mnuDbEigeneLaden", true);
    menue("mnuDbEntladen", false);
    menue("mnuDbDatensaetzeWaehlen", false);
    menue("mnuPreisedatenbank", false);
    return true;
}

// --- Set-up --------------------------------------------------------------

void DatenbankenEinrichten() {
    nachbarn().datensatzWahl = &DbSaetze();
    DbPreis();
    nachbarn().dbAuswahlErzeugen = [] { return std::make_unique<frmDbAuswaehlen>(); };
    nachbarn().preisDialogZeigen = [] { dialoge().fensterModal(DbPreis()); };
    nachbarn().benutzerEigenschaftWaehlen = [] {
        frmBenuAuswaehlen wahl(hauptfenster());
        dialoge().fensterModal(wahl);
    };
}

} // namespace sorvo
