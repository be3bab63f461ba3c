#include "database/frmDbPreis.h"

#include "catalogue/mdlDruck.h"
#include "database/frmDbAuswaehlen.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/dialogs.h"
#include "platform/knopf.h"
#include "platform/system.h"

#include <QCloseEvent>
#include <QCollator>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace sorvo {

namespace {

const QString kKeinFeld = QStringLiteral("Kein Datenfeld ausgewählt!");
const QString kKeineDb = QStringLiteral("Keine Datenbank geladen!");

QPointer<frmDbPreis>& instanz() {
    static QPointer<frmDbPreis> p;
    return p;
}

int32_t aktiv() {
    return P().lngAktivesSchild;
}

bool schildGueltig(int32_t n) {
    return n >= 1 && n <= P().hoechstesSchild();
}

void placeholder(jet::DataControl& d, const QString& caption) {
    d.setDatabaseName(P().strSorvoVerz);
    d.setRecordSource(QStringLiteral("dummy.txt"));
    d.setCaption(caption);
    d.refresh();
}

// The list's entries in alphabetical order as a reader expects it: case
// does not count and an umlaut sorts with its base letter.
class Eintrag : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& anderer) const override {
        static const QCollator reihenfolge = [] {
            QCollator c(QLocale(QLocale::German, QLocale::Germany));
            c.setCaseSensitivity(Qt::CaseInsensitive);
            return c;
        }();
        return reihenfolge.compare(text(), anderer.text()) < 0;
    }
};

} // namespace

frmDbPreis& DbPreis() {
    auto& p = instanz();
    if (!p)
        p = new frmDbPreis(nachbarn().mdi ? nachbarn().mdi->widget() : nullptr);
    return *p;
}

frmDbPreis::frmDbPreis(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmDbPreis"));
    setWindowTitle(QStringLiteral("PreisTest"));
    festerDialog(*this);
    setModal(true);

    Label1 = beschriftung("Label1", QStringLiteral("Die Datenfelder <Sorvo-Preis> sind momentan"));
    Frame1 = new QGroupBox(QStringLiteral("mit folgender Datenbank verbunden:"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    lblDbPreise = beschriftung("lblDbPreise", QStringLiteral("Keine Datenbank ausgewählt!"));
    lblDbPreise->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Data1 = new jet::DataControl(this);
    Data1->setObjectName(QStringLiteral("Data1"));
    Data1->setConnectString(QStringLiteral("Text;"));
    DBGrid1Spalten = new jet::RecordsetModel(this);
    DBGrid1Spalten->setDataControl(Data1);
    DBGrid1 = new QTableView;
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setAccessibleName(QStringLiteral("Preise"));
    DBGrid1->setModel(DBGrid1Spalten);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    cmdDbPreiseNeu = befehlsknopf("cmdDbPreiseNeu", QStringLiteral("Andere Datenbank "));
    auto* f1 = new QVBoxLayout(Frame1);
    f1->addWidget(lblDbPreise);
    f1->addWidget(DBGrid1, 1);
    f1->addWidget(cmdDbPreiseNeu, 0, Qt::AlignLeft);

    Frame2 = new QGroupBox(QStringLiteral("an folgendes Datenfeld angebunden:"));
    Frame2->setObjectName(QStringLiteral("Frame2"));
    lblDatenfeld = beschriftung("lblDatenfeld", kKeinFeld);
    lstDbPreis = new QListWidget;
    lstDbPreis->setObjectName(QStringLiteral("lstDbPreis"));
    lstDbPreis->setSortingEnabled(true);
    lblMoeglich = beschriftung("lblMoeglich", QStringLiteral("Mögliche Felder:"), lstDbPreis);
    auto* f2 = new QVBoxLayout(Frame2);
    f2->addWidget(lblDatenfeld);
    f2->addWidget(lblMoeglich);
    f2->addWidget(lstDbPreis, 1);

    lblinhalt = beschriftung("lblinhalt", QStringLiteral("Inhalt:"));
    lblinhalt->setBuddy(DBGrid1);
    f1->insertWidget(1, lblinhalt);

    cmdOK = befehlsknopf("cmdOK", QStringLiteral("OK"));
    cmdOK->setEnabled(false);
    cmdAbbrechen = befehlsknopf("cmdAbbrechen", QStringLiteral("Abbrechen"));

    auto* mitte = new QHBoxLayout;
    mitte->addWidget(Frame1, 3);
    mitte->addWidget(Frame2, 2);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(cmdOK);
    knoepfe->addWidget(cmdAbbrechen);
    auto* l = new QVBoxLayout(this);
    l->addWidget(Label1);
    l->addLayout(mitte, 1);
    l->addLayout(knoepfe);
    resize(640, 420);

    // Whatever Data1 binds anew, the index and the record of the file read
    // belong to the rows it held before.
    connect(Data1, &jet::DataControl::refreshed, this, [this] {
        if (m_lauf)
            m_lauf->clear();
        m_zeilen.reset();
    });

    connect(lstDbPreis, &QListWidget::itemDoubleClicked, this, [this] { lstDbPreis_DblClick(); });
    connect(cmdDbPreiseNeu, &QPushButton::clicked, this, [this] { cmdDbPreiseNeu_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdAbbrechen, &QPushButton::clicked, this, [this] { cmdAbbrechen_Click(); });
}

bool frmDbPreis::feldGewaehlt() const {
    return lblDatenfeld->text() != kKeinFeld;
}

void frmDbPreis::feldListeSetzen(const QStringList& namen) {
    lstDbPreis->clear();
    for (const QString& n : namen)
        lstDbPreis->addItem(new Eintrag(n));
}

int frmDbPreis::preisZeile(const QString& schluessel) {
    const jet::Recordset* preise = Data1->recordset();
    if (!preise)
        return -1;
    if (!m_zeilen) {
        QHash<QString, int> zeilen;
        zeilen.reserve(preise->recordCount());
        for (int r = 0; r < preise->recordCount(); ++r) {
            const jet::Value k = preise->valueAt(r, 0);
            if (k.isNull())
                continue;
            const QString text = k.toString();
            if (!zeilen.contains(text))
                zeilen.insert(text, r);
        }
        m_zeilen = std::move(zeilen);
    }
    return m_zeilen->value(schluessel, -1);
}

frmDbPreis::EinmalLesen::EinmalLesen() {
    DbPreis().m_lauf.emplace();
}

frmDbPreis::EinmalLesen::~EinmalLesen() {
    DbPreis().m_lauf.reset();
}

bool frmDbPreis::imLaufGelesen(const QString& pfad) const {
    return m_lauf && !m_lauf->isEmpty() && *m_lauf == pfad && Data1->recordset();
}

void frmDbPreis::gelesen(const QString& pfad) {
    if (m_lauf)
        *m_lauf = pfad;
}

void frmDbPreis::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    Form_Activate();
}

void frmDbPreis::Form_Activate() {
    const int32_t n = aktiv();
    if (schildGueltig(n) && S(n).blnPreisDbGeladen && feldGewaehlt())
        cmdOK->setEnabled(true);
}

void frmDbPreis::lstDbPreis_DblClick() {
    QListWidgetItem* e = lstDbPreis->currentItem();
    const int32_t n = aktiv();
    if (!e || !schildGueltig(n))
        return;
    lblDatenfeld->setText(e->text());
    S(n).strPreisSpalte = e->text();
    if (S(n).blnPreisDbGeladen)
        cmdOK->setEnabled(true);
}

void frmDbPreis::cmdDbPreiseNeu_Click() {
    const int32_t n = aktiv();
    if (!schildGueltig(n))
        return;
    auto* db = dynamic_cast<frmDbAuswaehlen*>(&SchildDb(n));
    if (db)
        db->DBPreiseAuswaehlen();
    if (S(n).blnPreisDbGeladen && feldGewaehlt())
        cmdOK->setEnabled(true);
}

void frmDbPreis::cmdOK_Click() {
    hide();
    accept();
    if (schildGueltig(aktiv()))
        SchildGeaendert();
    if (auto* m = nachbarn().mdi)
        m->SetFocus();
}

void frmDbPreis::cmdAbbrechen_Click() {
    reject();
    if (auto* m = nachbarn().mdi)
        m->SetFocus();
}

void frmDbPreis::closeEvent(QCloseEvent* e) {
    QDialog::closeEvent(e);
}

// --- The prices binding of a label window ---------------------------------

void frmDbAuswaehlen::DBPreiseAuswaehlen() {
    const int32_t n = aktiv();
    if (!schildGueltig(n))
        return;
    cdlDatei.FileName = pfadVerbinden(aktuellerOrdner(), QStringLiteral("*.txt"));
    cdlDatei.Filter = QStringList{QStringLiteral("Text (*.txt)")};
    DateiAuswahl a;
    a.dateiname = cdlDatei.FileName;
    a.filter = cdlDatei.Filter;
    a.mussExistieren = true;
    const auto pfad = dialoge().dateiOeffnen(a);
    if (!pfad) {
        DbPreis().activateWindow();
        return;
    }
    cdlDatei.FileName = *pfad;
    S(n).strPreisDbPfad = *pfad;
    DBPreiseLaden();
}

void frmDbAuswaehlen::DBPreiseLaden() {
    const int32_t n = aktiv();
    if (!schildGueltig(n))
        return;
    auto& e = S(n);
    frmDbPreis& f = DbPreis();
    if (e.strPreisDbPfad.isEmpty()) {
        e.blnPreisDbGeladen = false;
        placeholder(*f.Data1, kKeineDb);
        f.lblDbPreise->setText(kKeineDb);
        f.cmdOK->setEnabled(false);
    } else {
        e.blnPreisDbGeladen = true;
        const QString& pfad = e.strPreisDbPfad;
        const qsizetype trenner =
            std::max(pfad.lastIndexOf(QLatin1Char('/')), pfad.lastIndexOf(QLatin1Char('\\')));
        const QString ordner = trenner < 0 ? QStringLiteral(".") : pfad.left(trenner);
        const QString datei = pfad.mid(trenner + 1);
        // A name without an extension is its own table name.
        const qsizetype punkt = datei.lastIndexOf(QLatin1Char('.'));
        e.strPreisDateiName = punkt < 0 ? datei : datei.left(punkt);
        try {
            // A record transfer binds the template's prices file again for
            // every label it makes; it is read once per transfer.
            const bool neu = !f.imLaufGelesen(pfad);
            if (neu) {
                placeholder(*f.Data1, QString());
                f.Data1->setDatabaseName(ordner.isEmpty() ? QStringLiteral("/") : ordner);
                // The whole file name, so that another file of the same name
                // with another extension cannot stand in for it; quoted, so
                // that no name is taken for SQL or loses its blanks.
                f.Data1->setRecordSource(jet::sqlName(datei));
                f.Data1->setCaption(e.strPreisDateiName);
                f.Data1->refresh();
            }
            f.lblDbPreise->setText(pfad);
            if (!f.Data1->recordset())
                throw jet::JetError(jet::fehler::ObjektNichtGefunden, pfad);
            f.Data1->recordset()->moveFirst();
            if (neu)
                f.gelesen(pfad);
            if (f.feldGewaehlt())
                f.cmdOK->setEnabled(true);
        } catch (const jet::JetError&) {
            f.Data1->setDatabaseName(QString());
            f.Data1->setRecordSource(QString());
            f.Data1->setCaption(QString());
            f.Data1->refresh();
            f.lblDbPreise->setText(QStringLiteral("Keine Datenbank ausgewählt!"));
            e.blnPreisDbGeladen = false;
            dialoge().meldung(QStringLiteral("Keine gültige Preisdatenbank! hoho"), Msg::OK,
                              programmTitel());
            return;
        }
    }
    f.lblDatenfeld->setText(e.strPreisSpalte.isEmpty() ? kKeinFeld : e.strPreisSpalte);
}

// --- The price lookup ----------------------------------------------------

QString PreisSchluesselFeld(const jet::Recordset& rs) {
    const int32_t n = aktiv();
    if (!schildGueltig(n))
        return {};
    const QString& spalte = S(n).strPreisSpalte;
    if (spalte.isEmpty())
        return {};
    const int k = kategorieIndex(SchildDb(n).BotrelDateiArt);
    if (k < 0) {
        // An own table: the chosen entry is a field name.
        const int i = rs.fieldIndex(spalte);
        return i < 0 ? QString() : rs.fieldInfos()[static_cast<size_t>(i)].name;
    }
    // A plant category: the display name leads to its short name, and the
    // short name to the column that feeds the data field of that name.
    const auto kat = static_cast<Kategorie>(k);
    const qsizetype i = varDfAnzeigeNamen(kat).indexOf(spalte);
    if (i < 0)
        return {};
    const QString kurz = varDfKurzNamen(kat).value(i);
    const qsizetype j = varDfSpaltenNamen(kat).indexOf(kurz);
    if (kurz.isEmpty() || j < 0 || j >= rs.fieldCount())
        return {};
    return rs.fieldInfos()[static_cast<size_t>(j)].name;
}

QString PreisSuchen(const jet::Recordset& rs, QString* fehler) {
    QString preis;
    try {
        const jet::Recordset* preise = DbPreis().Data1->recordset();
        if (!preise)
            throw jet::JetError(jet::fehler::ObjektNichtGefunden, QString());
        const QString feld = PreisSchluesselFeld(rs);
        if (feld.isEmpty())
            throw jet::JetError(jet::fehler::ElementNichtGefunden, QString());
        const jet::Value schluessel = rs.value(feld);
        if (schluessel.isNull())
            throw jet::JetError(jet::fehler::KeinAktuellerDatensatz, QString());
        // The first row whose key is the same text, blanks and case included.
        if (const int r = DbPreis().preisZeile(schluessel.toString()); r >= 0) {
            const jet::Value p = preise->valueAt(r, 1);
            if (p.isNull())
                throw jet::JetError(jet::fehler::KeinAktuellerDatensatz, QString());
            preis = p.toString();
        }
    } catch (const jet::JetError& e) {
        // The search does not go on.
        const QString meldung = QStringLiteral("Keine gültige Preisdatenbank!");
        if (!fehler)
            dialoge().meldung(meldung, Msg::OK, programmTitel());
        else
            *fehler = meldung +
                      (e.description().isEmpty() ? QString() : QLatin1Char(' ') + e.description()) +
                      QStringLiteral(" (") + QString::number(e.number()) + QLatin1Char(')');
    }
    return preis.isEmpty() ? QStringLiteral("?Preis?") : preis;
}

} // namespace sorvo
