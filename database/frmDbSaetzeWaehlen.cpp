#include "database/frmDbSaetzeWaehlen.h"

#include "database/frmDbAuswaehlen.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/dialogs.h"
#include "platform/system.h"
#include "platform/units.h"
#include "platform/zugang.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPointer>
#include <QPushButton>
#include <QTableView>

namespace sorvo {

namespace {

// Design geometry in twips.
constexpr int kButtonsHoehe = 1710;
constexpr int kBreite = 7500;
constexpr int kHoehe = 6600;
constexpr int kEigeneDbHoehe = 3600;

QPointer<frmDbSaetzeWaehlen>& instanz() {
    static QPointer<frmDbSaetzeWaehlen> p;
    return p;
}

struct Aktuell {
    bool pflanzen = false;
    QString art;
    const frmDbAuswaehlen* db = nullptr;
};

// Label window n's plant flag and database-choice object.
Aktuell aktuell(int32_t n) {
    Aktuell a;
    if (n < 1 || n > P().hoechstesSchild())
        return a;
    a.pflanzen = S(n).blnPflanzenDb;
    const DatenbankAuswahl& db = SchildDb(n);
    a.art = db.BotrelDateiArt;
    a.db = dynamic_cast<const frmDbAuswaehlen*>(&db);
    return a;
}

// The field that holds the botanical name: the third in the woody plants'
// table, the second elsewhere; -1 for a kind outside the six.
int namensFeld(const QString& art) {
    const int k = kategorieIndex(art);
    if (k < 0)
        return -1;
    return kategorieArten().at(k) == QStringLiteral("vxg") ? 2 : 1;
}

QTableView* gridAnlegen(QWidget* eltern, const char* name, const QString& beschriftung,
                        jet::RecordsetModel* modell) {
    auto* g = new QTableView(eltern);
    g->setObjectName(QString::fromLatin1(name));
    g->setAccessibleName(beschriftung);
    g->setModel(modell);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setSelectionMode(QAbstractItemView::ExtendedSelection);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSortingEnabled(false);
    g->setWordWrap(false);
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 4);
    g->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    g->horizontalHeader()->setSectionsClickable(true);
    g->horizontalHeader()->setStretchLastSection(true);
    // A header click sorts anew; it selects nothing.
    QObject::disconnect(g->horizontalHeader(), SIGNAL(sectionPressed(int)), g,
                        SLOT(selectColumn(int)));
    QObject::disconnect(g->horizontalHeader(), SIGNAL(sectionEntered(int)), g,
                        SLOT(_q_selectColumn(int)));
    return g;
}

bool hatAuswahl(const QTableView& g) {
    return g.selectionModel() && g.selectionModel()->hasSelection();
}

} // namespace

frmDbSaetzeWaehlen& DbSaetze() {
    auto& p = instanz();
    if (!p)
        p = new frmDbSaetzeWaehlen(nachbarn().mdi ? nachbarn().mdi->widget() : nullptr);
    return *p;
}

void DbSaetzeSetzen(frmDbSaetzeWaehlen* fenster) {
    instanz() = fenster;
}

frmDbSaetzeWaehlen::frmDbSaetzeWaehlen(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmDbSaetzeWaehlen"));
    setWindowTitle(QStringLiteral("Datensätze wählen"));
    zugangsRolleSetzen(*this, QAccessible::Window); // a window, not a plain widget

    jet::DataControl** daten[] = {&Data1, &Data2, &Data3, &Data4, &Data5, &Data6, &Data7};
    for (int i = 0; i < 7; ++i) {
        *daten[i] = new jet::DataControl(this);
        (*daten[i])->setObjectName(QStringLiteral("Data%1").arg(i + 1));
        (*daten[i])->setConnectString(QStringLiteral("Access"));
    }

    picButtons = new QWidget(this);
    picButtons->setObjectName(QStringLiteral("picButtons"));
    picButtons->setGeometry(0, 0, px(kBreite), px(kButtonsHoehe));

    Frame1 = new QGroupBox(QStringLiteral("Datensätze anzeigen"), picButtons);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    constexpr int kAlleBreite = 600;
    constexpr int kKnopfHoehe = 375;
    constexpr int kKnopfOben = 330;
    const int buchstabenLinks = 120 + kAlleBreite + 60;
    Frame1->setGeometry(px(120), px(60), px(buchstabenLinks + 25 * 240 + 255 + 120),
                        px(kKnopfOben + kKnopfHoehe + 150));
    cmdAlle = new QPushButton(QStringLiteral("Alle"), Frame1);
    cmdAlle->setObjectName(QStringLiteral("cmdAlle"));
    cmdAlle->setAccessibleName(cmdAlle->text());
    cmdAlle->setGeometry(px(120), px(kKnopfOben), px(kAlleBreite), px(kKnopfHoehe));
    connect(cmdAlle, &QPushButton::clicked, this, [this] { cmdAlle_Click(); });
    for (int i = 0; i < 26; ++i) {
        const QString l(QChar(u'A' + i));
        auto* k = new QPushButton(l, Frame1);
        k->setObjectName(QStringLiteral("cmdAuswahl%1").arg(i));
        k->setAccessibleName(l);
        // Neighbours overlap by 15 twips, as the row was always laid out.
        k->setGeometry(px(buchstabenLinks + i * 240), px(kKnopfOben), px(255), px(kKnopfHoehe));
        k->setStyleSheet(QStringLiteral("padding: 0px;"));
        connect(k, &QPushButton::clicked, this, [this, i] { cmdAuswahl_Click(i); });
        cmdAuswahl[static_cast<size_t>(i)] = k;
    }

    cmdUebertragen = new QPushButton(QStringLiteral("Auf Schild übertragen"), picButtons);
    cmdUebertragen->setObjectName(QStringLiteral("cmdUebertragen"));
    cmdUebertragen->setAccessibleName(cmdUebertragen->text());
    cmdUebertragen->setGeometry(px(120), px(1140), px(2400), px(450));
    connect(cmdUebertragen, &QPushButton::clicked, this, [this] { cmdUebertragen_Click(); });
    cmdSchliessen = new QPushButton(QStringLiteral("Schliessen"), picButtons);
    cmdSchliessen->setObjectName(QStringLiteral("cmdSchliessen"));
    cmdSchliessen->setAccessibleName(cmdSchliessen->text());
    cmdSchliessen->setGeometry(px(2640), px(1140), px(1500), px(450));
    connect(cmdSchliessen, &QPushButton::clicked, this, [this] { cmdSchliessen_Click(); });

    grdDataGridSpalten = new jet::RecordsetModel(this);
    grdDataGridSpalten->setColumns(
        {{QStringLiteral("BOT_NAME"), QStringLiteral("Botanischer Name")},
         {QStringLiteral("DTNAM"), QStringLiteral("Deutscher Name")}});
    grdDataGridSpalten->setDataControl(Data1);
    grdEigeneDBSpalten = new jet::RecordsetModel(this);
    grdEigeneDBSpalten->setDataControl(Data1);
    grdDataGrid =
        gridAnlegen(this, "grdDataGrid", QStringLiteral("Pflanzendatensätze"), grdDataGridSpalten);
    grdEigeneDB = gridAnlegen(this, "grdEigeneDB", QStringLiteral("Datensätze der Tabelle"),
                              grdEigeneDBSpalten);
    // The two names share the plant grid's width.
    grdDataGrid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdDataGrid->setGeometry(0, px(kButtonsHoehe), px(kBreite), px(kHoehe - 425 - kButtonsHoehe));
    grdEigeneDB->setGeometry(0, px(kButtonsHoehe), px(kBreite), px(kEigeneDbHoehe));
    grdEigeneDB->hide();
    connect(grdDataGrid->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int c) { grdDataGrid_HeadClick(c); });
    connect(grdEigeneDB->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int c) { grdEigeneDB_HeadClick(c); });

    resize(px(kBreite), px(kHoehe));
    Uebertragung = [this] { DatensaetzeUebertragen(); };
}

frmDbSaetzeWaehlen::~frmDbSaetzeWaehlen() {
    if (nachbarn().datensatzWahl == this)
        nachbarn().datensatzWahl = nullptr;
}

jet::DataControl& frmDbSaetzeWaehlen::Data(int i) const {
    jet::DataControl* const d[] = {Data1, Data2, Data3, Data4, Data5, Data6, Data7};
    return *d[std::clamp(i, 1, 7) - 1];
}

int frmDbSaetzeWaehlen::Width() const {
    return twips(frameGeometry().width());
}

int frmDbSaetzeWaehlen::Height() const {
    return twips(frameGeometry().height());
}

QString frmDbSaetzeWaehlen::feld(int k) const {
    const Aktuell a = aktuell(bedientesSchild());
    return a.db ? a.db->lstFeldnamenUnsortiert.value(k) : QString();
}

void frmDbSaetzeWaehlen::abfragen(const QString& sql) {
    Data1->setRecordSource(sql);
    try {
        Data1->refresh();
    } catch (const jet::JetError& e) {
        LaufzeitfehlerMelden(e);
    }
}

void frmDbSaetzeWaehlen::abfragen(Abfrage art, int wert, bool pflanzen) {
    const QString t = Data1->caption();
    if (pflanzen) {
        // The plant tables' plain names as they are; anything else quoted.
        const auto name = [](const QString& n) {
            return jet::sqlName(n, jet::Brackets::WhenNeeded);
        };
        const int s = namensFeld(aktuell(bedientesSchild()).art);
        if (s < 0) {
            abfragen(QString());
            return;
        }
        const QString filter =
            art == Abfrage::Buchstabe
                ? QStringLiteral("BOT_NAME LIKE '") + QChar(u'A' + wert) + QStringLiteral("*'")
                : QStringLiteral("ARTNR LIKE '*'");
        const QString sortierung = name(feld(art == Abfrage::Spalte ? wert + s : s));
        abfragen(QStringLiteral("SELECT * FROM ") + name(t) + QStringLiteral(" WHERE ") + filter +
                 QStringLiteral(" ORDER BY ") + sortierung);
        return;
    }
    // An own table: the first field for a letter, the second otherwise.
    const QString filter = art == Abfrage::Buchstabe
                               ? jet::sqlName(feld(0)) + QStringLiteral(" LIKE '") +
                                     QChar(u'A' + wert) + QStringLiteral("*'")
                               : jet::sqlName(feld(1)) + QStringLiteral(" LIKE '*'");
    const QString sortierung = jet::sqlName(feld(art == Abfrage::Alle        ? 1
                                                 : art == Abfrage::Buchstabe ? 0
                                                                             : wert));
    abfragen(QStringLiteral("SELECT * FROM ") + jet::sqlName(t) + QStringLiteral(" WHERE ") +
             filter + QStringLiteral(" ORDER BY ") + sortierung);
}

int32_t frmDbSaetzeWaehlen::bedientesSchild() const {
    const auto& p = P();
    if (m_bedientesSchild >= 1 && m_bedientesSchild <= p.hoechstesSchild() &&
        !S(m_bedientesSchild).blnSchildFrei && S(m_bedientesSchild).blnDbGeladen)
        return m_bedientesSchild;
    return p.lngAktivesSchild;
}

void frmDbSaetzeWaehlen::cmdAlle_Click() {
    abfragen(Abfrage::Alle, 0, aktuell(bedientesSchild()).pflanzen);
}

void frmDbSaetzeWaehlen::cmdAuswahl_Click(int Index) {
    if (hatAuswahl(*grdDataGrid) || hatAuswahl(*grdEigeneDB)) {
        const Antwort a = dialoge().meldung(
            QStringLiteral("Vorsicht! Die getroffene Auswahl geht verloren!\rSollen die Daten "
                           "jetzt auf die Schilder übertragen werden?"),
            Msg::YesNo + Msg::Question, QStringLiteral("Auswahl geht verloren!"));
        if (a == Antwort::Yes) {
            cmdUebertragen_Click();
            show();
            raise();
            activateWindow();
            AllesSperren();
        }
    }
    abfragen(Abfrage::Buchstabe, std::clamp(Index, 0, 25), aktuell(bedientesSchild()).pflanzen);
}

void frmDbSaetzeWaehlen::grdDataGrid_HeadClick(int ColIndex) {
    abfragen(Abfrage::Spalte, ColIndex, true);
}

void frmDbSaetzeWaehlen::grdEigeneDB_HeadClick(int ColIndex) {
    abfragen(Abfrage::Spalte, ColIndex, false);
}

void frmDbSaetzeWaehlen::cmdUebertragen_Click() {
    if (Uebertragung)
        Uebertragung();
}

void frmDbSaetzeWaehlen::cmdSchliessen_Click() {
    hide();
    AllesFreigeben();
}

jet::Value frmDbSaetzeWaehlen::FeldWertLesen(const QString& Feld) const {
    const jet::Recordset* rs = Data1->recordset();
    if (!rs)
        throw jet::JetError(jet::fehler::KeinAktuellerDatensatz,
                            QStringLiteral("Kein aktueller Datensatz."));
    const jet::Value v = rs->value(Feld);
    return v.isNull() ? jet::Value::text(QString()) : v;
}

QTableView& frmDbSaetzeWaehlen::sichtbaresGrid() const {
    return grdEigeneDB->isVisibleTo(this) ? *grdEigeneDB : *grdDataGrid;
}

void frmDbSaetzeWaehlen::platzhalterBinden(const QString& programmOrdner) {
    // A copy that a running transfer could not make is closed again; the
    // records still to come must stay where the transfer reads them.
    if (m_lauf)
        return;
    const QString dummy = pfadVerbinden(programmOrdner, QStringLiteral("dummy.vxd"));
    for (int i = 1; i <= 7; ++i) {
        jet::DataControl& d = Data(i);
        d.setDatabaseName(dummy);
        d.setRecordSource(QStringLiteral("dummy1"));
        d.refresh();
    }
}

void frmDbSaetzeWaehlen::entladen() {
    // The data controls let go of their databases; the window is closed for
    // good.
    m_entladen = true;
    for (int i = 1; i <= 7; ++i) {
        jet::DataControl& d = Data(i);
        d.setDatabaseName(QString());
        d.setRecordSource(QString());
        d.refresh();
    }
    close();
}

void frmDbSaetzeWaehlen::oeffnen() {
    const int32_t n = P().lngAktivesSchild;
    if (n < 1 || n > P().hoechstesSchild())
        return;
    if (S(n).blnPflanzenDb)
        SchildDb(n).DbTabellenAnzeigen();
    else
        SchildDb(n).DbTabellenAnzeigenEigeneDb();
    if (!blnAnfangsPosition) {
        if (auto* m = nachbarn().mdi) {
            const QRect h = m->widget()->frameGeometry();
            const QSize eigen = frameGeometry().size();
            move(h.x() + (h.width() - eigen.width()) / 2,
                 h.y() + (h.height() - eigen.height()) / 2);
        }
        setWindowTitle(QStringLiteral("Datensätze wählen"));
        blnAnfangsPosition = true;
    }
    // Locked while it is open, so that no other label window becomes the one
    // whose records are chosen.
    AllesSperren();
    show();
    raise();
    activateWindow();
    setFocus();
}

void frmDbSaetzeWaehlen::closeEvent(QCloseEvent* e) {
    if (m_entladen) {
        e->accept();
        return;
    }
    // The user's close box only hides the window.
    e->ignore();
    hide();
    AllesFreigeben();
}

void frmDbSaetzeWaehlen::keyPressEvent(QKeyEvent* e) {
    if (!HilfeTaste(e, QStringLiteral("5.htm")))
        QWidget::keyPressEvent(e);
}

void frmDbSaetzeWaehlen::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Form_Resize();
}

void frmDbSaetzeWaehlen::Form_Resize() {
    if (isMinimized())
        return;
    picButtons->resize(width(), picButtons->height());
    // The grid fills the window below the buttons; a window made smaller
    // than that leaves it with no height.
    const int hoehe = Height() - (425 + twips(picButtons->height()));
    grdDataGrid->setGeometry(0, picButtons->height(), width(), std::max(0, px(hoehe)));
}

} // namespace sorvo
