#include "app/MDI.h"

#include "app/einstellungen.h"
#include "app/frmInfos.h"
#include "app/frmMDIOptionen.h"
#include "app/werkzeugleiste.h"
#include "catalogue/mdlDruck.h"
#include "database/frmBotrelOrdner.h"
#include "database/frmDbAuswaehlen.h"
#include "label/frmLabel.h"
#include "label/frmNeu.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/bilder.h"
#include "platform/dialogs.h"
#include "platform/system.h"
#include "print/clsPrintDialog.h"
#include "print/frmDrucker.h"
#include "print/frmSchlaufenetikett.h"
#include "print/frmVorschau.h"
#include "template/vorlage.h"
#include "tools/frmTools.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QScreen>
#include <QShortcut>
#include <QVBoxLayout>

namespace sorvo {

namespace {

qint64 flaeche(const QRect& r) {
    return r.isEmpty() ? 0 : static_cast<qint64>(r.width()) * r.height();
}

// A stored geometry may come from another screen layout or from damage. The
// window is never larger than the screens together (or than the program's
// own first-run size, where that is larger), and a window whose top left
// corner lies on no screen goes back onto the screen it overlaps most, or
// the primary one, wholly inside it where it fits. Anything else is kept.
QRect aufDemBildschirm(const QRect& r) {
    const auto schirme = QGuiApplication::screens();
    if (schirme.isEmpty())
        return r;
    QRect alle;
    for (const QScreen* s : schirme)
        alle |= s->availableGeometry();
    const int b = std::min(r.width(), std::max(alle.width(), px(kStandardBreite)));
    const int h = std::min(r.height(), std::max(alle.height(), px(kStandardHoehe)));
    for (const QScreen* s : schirme)
        if (s->availableGeometry().contains(r.topLeft()))
            return {r.topLeft(), QSize(b, h)};
    const QScreen* ziel = QGuiApplication::primaryScreen();
    qint64 beste = 0;
    for (const QScreen* s : schirme) {
        const qint64 a = flaeche(s->availableGeometry().intersected(r));
        if (a > beste) {
            beste = a;
            ziel = s;
        }
    }
    const QRect frei = ziel ? ziel->availableGeometry() : alle;
    const int x =
        std::clamp(r.x(), frei.left(), std::max(frei.left(), frei.left() + frei.width() - b));
    const int y =
        std::clamp(r.y(), frei.top(), std::max(frei.top(), frei.top() + frei.height() - h));
    return {x, y, b, h};
}

// The label windows that are open, in number order.
std::vector<frmLabel*> offeneSchilder() {
    std::vector<frmLabel*> v;
    const auto& p = P();
    for (int32_t i = 1; i <= p.hoechstesSchild(); ++i)
        if (!p.Schilder[i].blnSchildFrei && p.Schilder[i].frmSchilder)
            v.push_back(p.Schilder[i].frmSchilder.data());
    return v;
}

// The field catalogue as the label windows reach it. Its start-up call also
// sets the defaults that belong to a fresh program: one loop label per row,
// one print per loop label, no database-bound template open.
class KatalogDienst final : public FeldKatalog {
public:
    void TabellenInitialisieren() override {
        DO().lngSchilderProReihe = 1;
        DO().lngDruckeProSchild = 1;
        P().blnVorlageGeoeffnet = false;
        sorvo::TabellenInitialisieren();
    }
    QString FeldBeschreibung(const QString& feldname, const QString& art) const override {
        return sorvo::FeldBeschreibung(feldname, art);
    }
};

bool istErzeugt(int32_t i) {
    const auto& e = P().Schilder[i];
    return !e.blnSchildFrei && e.frmSchilder &&
           e.frmSchilder->Caption().contains(QStringLiteral("erzeugt von"));
}

// Every label window builds its system menu from the title bar icons, and
// the style reads those from image files each time: a transfer of a
// thousand records read them a thousand times. They never change, so the
// style keeps the first it made.
class TitelleistenStil : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap sp, const QStyleOption* option,
                       const QWidget* widget) const override {
        const bool titelleiste = sp == SP_TitleBarMenuButton || sp == SP_TitleBarMinButton ||
                                 sp == SP_TitleBarMaxButton || sp == SP_TitleBarCloseButton ||
                                 sp == SP_TitleBarNormalButton || sp == SP_TitleBarShadeButton ||
                                 sp == SP_TitleBarUnshadeButton ||
                                 sp == SP_TitleBarContextHelpButton;
        if (!titelleiste || option)
            return QProxyStyle::standardIcon(sp, option, widget);
        auto it = m_icons.constFind(sp);
        if (it == m_icons.cend())
            it = m_icons.insert(sp, QProxyStyle::standardIcon(sp, nullptr, widget));
        return *it;
    }

private:
    mutable QHash<int, QIcon> m_icons;
};

} // namespace

MDI::MDI(QWidget* parent) : QMainWindow(parent) {
    if (!dynamic_cast<TitelleistenStil*>(QApplication::style()))
        QApplication::setStyle(new TitelleistenStil);
    setWindowTitle(QStringLiteral("Sorvo"));
    auto* mitte = new QWidget;
    auto* l = new QVBoxLayout(mitte);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    m_leiste = new Werkzeugleiste;
    m_bereich = new QMdiArea;
    m_bereich->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_bereich->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_bereich->viewport()->setMouseTracking(true);
    m_bereich->viewport()->installEventFilter(this);
    l->addWidget(m_leiste);
    l->addWidget(m_bereich, 1);
    setCentralWidget(mitte);
    menuesAnlegen();

    connect(m_bereich, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* w) {
        if (auto* s = qobject_cast<frmLabel*>(w))
            s->Form_Activate();
    });
    // The close key of the label windows, once for the area: a shortcut per
    // window would make every new window slower to create than the last.
    auto* schliessen = new QShortcut(QKeySequence::Close, m_bereich);
    schliessen->setContext(Qt::WidgetWithChildrenShortcut);
    connect(schliessen, &QShortcut::activated, this, [this] {
        if (QMdiSubWindow* w = m_bereich->activeSubWindow())
            w->close();
    });

    const std::pair<const char*, std::function<void()>> klicks[] = {
        {"cmdNeu", [this] { mnuDateiNeu_Click(); }},
        {"cmdOeffnen", [this] { mnuDateiOeffnen_Click(); }},
        {"cmdSpeichern",
         [this] {
             if (menuAktiv(QStringLiteral("mnuDateiSpeichern")))
                 mnuDateiSpeichern_Click();
         }},
        {"cmdVorschau",
         [this] {
             if (menuAktiv(QStringLiteral("mnuDrucken")))
                 mnuDateiDVorschau_Click();
         }},
        {"cmdDrucken",
         [this] {
             if (menuAktiv(QStringLiteral("mnuDrucken")))
                 mnuDateiDrucken_Click();
         }},
        {"cmdBack", [this] { cmdBack_Click(); }},
        {"cmdNext", [this] { cmdNext_Click(); }},
        {"cmdDruckNeueSchilder", [this] { cmdDruckNeueSchilder_Click(); }},
    };
    for (const auto& [name, f] : klicks)
        m_leiste->knopf(QString::fromLatin1(name))->klick = f;

    for (QTimer* t : {&timBotrel, &timBotrelEditor}) {
        t->setInterval(500);
        t->setSingleShot(true);
    }
    connect(&timBotrel, &QTimer::timeout, this,
            [] { fensterAktivieren(QStringLiteral("Botrel")); });
    connect(&timBotrelEditor, &QTimer::timeout, this,
            [] { fensterAktivieren(QStringLiteral("Botrel-Editor")); });
}

MDI::~MDI() {
    if (nachbarn().mdi == this)
        nachbarn().mdi = nullptr;
    if (nachbarn().werkzeuge == m_tools)
        nachbarn().werkzeuge = nullptr;
    if (nachbarn().bearbeitung == m_tools)
        nachbarn().bearbeitung = nullptr;
}

void MDI::menuesAnlegen() {
    QMenuBar* leiste = menuBar();
    QMenu* oben = nullptr;
    QMenu* unter = nullptr;
    const auto top = [&](const char* name, const char* text) {
        oben = leiste->addMenu(QString::fromUtf8(text));
        oben->menuAction()->setObjectName(QString::fromLatin1(name));
        m_menues[QString::fromLatin1(name)] = oben->menuAction();
        unter = nullptr;
    };
    const auto item = [&](const char* name, const char* text, bool an,
                          std::function<void()> f = {}) {
        QMenu* ziel = unter ? unter : oben;
        QAction* a = ziel->addAction(QString::fromUtf8(text));
        a->setObjectName(QString::fromLatin1(name));
        a->setEnabled(an);
        if (f)
            connect(a, &QAction::triggered, this, f);
        m_menues[QString::fromLatin1(name)] = a;
        return a;
    };
    const auto trenner = [&](const char* name) {
        QMenu* ziel = unter ? unter : oben;
        QAction* a = ziel->addSeparator();
        a->setObjectName(QString::fromLatin1(name));
        m_menues[QString::fromLatin1(name)] = a;
        return a;
    };
    const auto submenu = [&](const char* name, const char* text, bool an) {
        unter = oben->addMenu(QString::fromUtf8(text));
        unter->menuAction()->setObjectName(QString::fromLatin1(name));
        unter->menuAction()->setEnabled(an);
        m_menues[QString::fromLatin1(name)] = unter->menuAction();
    };
    const auto wiederherstellenBeimOeffnen = [this](QMenu* m) {
        connect(m, &QMenu::aboutToShow, this, [] { WerkzeugeWiederherstellen(); });
    };

    top("mnuDatei", "&Datei");
    wiederherstellenBeimOeffnen(oben);
    item("mnuDateiNeu", "&Neu", true, [this] { mnuDateiNeu_Click(); });
    item("mnuDateiOeffnen", "&Öffnen", true, [this] { mnuDateiOeffnen_Click(); });
    item("mnuDateiSpeichern", "&Speichern", false, [this] { mnuDateiSpeichern_Click(); });
    item("mnuDateiSpeichernunter", "Speichern &unter", false,
         [this] { mnuDateiSpeichernunter_Click(); });
    submenu("mnuDrucken", "Drucken", false);
    item("mnuDruckenEinstellungen", "Einstellungen", true,
         [this] { mnuDruckenEinstellungen_Click(); });
    item("mnuDateiDVorschau", "Vorschau", true, [this] { mnuDateiDVorschau_Click(); });
    item("mnuDateiDrucken", "Schild &drucken", true, [this] { mnuDateiDrucken_Click(); });
    trenner("mnuDruckerTrennstrich2");
    item("mnuDruckerEinrichten", "Drucker einrichten", true,
         [this] { mnuDruckerEinrichten_Click(); });
    unter = nullptr;
    item("mnuDateiSchliessen", "Schild s&chließen", false, [this] { mnuDateiSchliessen_Click(); });
    trenner("mnuDateiTrennstrich");
    item("mnuBeenden", "&Beenden", true, [this] { mnuBeenden_Click(); });

    top("mnuDatenbanken", "Daten&banken");
    wiederherstellenBeimOeffnen(oben);
    item("mnuDbLaden", "Botrel-/Sorvo-Datenbank laden", false, [this] { mnuDbLaden_Click(); });
    item("mnuDbEigeneLaden", "Eigene Datenbank laden", false, [this] { mnuDbEigeneLaden_Click(); });
    item("mnuDbEntladen", "Datenbank entladen", false, [this] { mnuDbEntladen_Click(); });
    item("mnuDBWechseln", "Datenbank wechseln", false, [this] { mnuDBWechseln_Click(); });
    item("mnuDbDatensaetzeWaehlen", "Datensätze  &wählen", false,
         [this] { mnuDbDatensaetzeWaehlen_Click(); });
    submenu("mnuSonstiges", "Sonstiges", true);
    item("mnuPreisedatenbank", "Preisedatenbank laden", false,
         [this] { mnuPreisedatenbank_Click(); });

    top("mnuBotrel", "&Botrel-Programme");
    item("mnuBotrelSuchen", "Botrel suchen", true, [this] {
        mnuBotrelSuchen_Click();
    })->setVisible(false);
    item("mnuBotrelBilderSuchen", "Botrel-Bilder suchen", true, [this] {
        mnuBotrelBilderSuchen_Click();
    })->setVisible(false);
    trenner("mnuBotrelTrennstrich")->setVisible(false);
    item("mnuBotrelStarten", "Botrel starten", true, [this] { mnuBotrelStarten_Click(); });
    item("mnuBotrelEditorRun", "Botrel-Editor starten", true,
         [this] { mnuBotrelEditorRun_Click(); });

    top("mnuExtras", "&Extras");
    item("mnuOptionen", "&Optionen", true, [this] { mnuOptionen_Click(); });

    top("mnuFenster", "&Fenster");
    m_fensterMenue = oben;
    wiederherstellenBeimOeffnen(oben);
    connect(oben, &QMenu::aboutToShow, this, [this] { fensterListeAufbauen(); });
    item("mnuFensterUeberlappend", "Überlappend", true, [this] { mnuFensterUeberlappend_Click(); });
    item("mnuFensterNebeneinander", "Nebeneinander", true,
         [this] { mnuFensterNebeneinander_Click(); });
    item("mnuFensterUntereinander", "Untereinander", true,
         [this] { mnuFensterUntereinander_Click(); });

    top("mnuHilfe", "&Hilfe");
    item("mnuInhalt", "&Inhalt", true, [this] { mnuInhalt_Click(); });
    item("mnuUeberSorvo", "&Über Sorvo", true, [this] { mnuUeberSorvo_Click(); });
}

QAction* MDI::menu(const QString& name) const {
    const auto it = m_menues.find(name);
    return it == m_menues.end() ? nullptr : it->second;
}

void MDI::menuAktivSetzen(const QString& name, bool aktiv) {
    if (QAction* a = menu(name))
        a->setEnabled(aktiv);
}

bool MDI::menuAktiv(const QString& name) const {
    const QAction* a = menu(name);
    return a && a->isEnabled();
}

void MDI::knopfSetzen(const QString& name, bool aktiv, const QString& bild) {
    if (BildKnopf* k = m_leiste->knopf(name)) {
        k->setEnabled(aktiv);
        if (!bild.isEmpty())
            k->bildSetzen(bild);
    }
}

bool MDI::knopfAktiv(const QString& name) const {
    const BildKnopf* k = m_leiste->knopf(name);
    return k && k->isEnabled();
}

int MDI::Width() const {
    return twips(width());
}
int MDI::Height() const {
    return twips(height());
}

QIcon MDI::fensterIcon(const QString& key) const {
    return fensterBild(key);
}

void MDI::SetFocus() {
    activateWindow();
    setFocus();
}

void MDI::knoepfeNormal() {
    m_leiste->mausWeg();
}

void MDI::geometrieSetzen(int links, int oben, int breite, int hoehe, int status) {
    setGeometry(aufDemBildschirm(
        QRect(px(links), px(oben), std::max(1, px(breite)), std::max(1, px(hoehe)))));
    setWindowState(status == 2   ? Qt::WindowMaximized
                   : status == 1 ? Qt::WindowMinimized
                                 : Qt::WindowNoState);
}

QRect MDI::normaleGeometrie() const {
    QRect g =
        windowState() & (Qt::WindowMaximized | Qt::WindowMinimized) ? normalGeometry() : geometry();
    if (!g.isValid())
        g = geometry();
    return {twips(g.x()), twips(g.y()), twips(g.width()), twips(g.height())};
}

int MDI::fensterStatus() const {
    if (windowState() & Qt::WindowMinimized)
        return 1;
    if (windowState() & Qt::WindowMaximized)
        return 2;
    return 0;
}

void MDI::MDIForm_Load() {
    auto& p = P();
    nachbarn().mdi = this;
    p.strSorvoVerz = programmOrdner();
    aktuellenOrdnerSetzen(p.strSorvoVerz);
    p.strFeldListePfad = pfadVerbinden(p.strSorvoVerz, QStringLiteral("FeldListe.dat"));
    for (auto* k : m_leiste->knoepfe())
        k->Tag.clear();
    EinstellungenLaden(*this);
    ProgrammMenuesFreigeben();
    // A catalogue registered before the load (a test's observer) stays.
    static KatalogDienst katalog;
    if (!nachbarn().katalog)
        nachbarn().katalog = &katalog;
    nachbarn().katalog->TabellenInitialisieren();
    m_prtDlg = std::make_unique<clsPrintDialog>();
    p.lngMaxTexte = 70;
    p.lngMaxBilder = 30;
    p.lngMaxDatenfelder = 30;
    TabellenAnlegen();
    for (auto& namen : p.strBenuNamen)
        namen.fill(QString());
    vorlagenEinrichten();
    vorschauEinrichten();
    druckerEinrichten();
    schlaufenetikettEinrichten();
    DatenbankenEinrichten();
    m_tools = new frmTools(this);
    m_tools->hide();
    m_tools->Form_Load(Width(), p.blnWerkzeugFensterFolgt);
    nachbarn().werkzeuge = m_tools;
    nachbarn().bearbeitung = m_tools;
}

void MDI::ProgrammMenuesFreigeben() {
    auto& p = P();
    const auto pruefen = [this](QString& ordner, const char* datei, const char* menuName) {
        const bool da =
            !ordner.isEmpty() && dateiExistiert(pfadVerbinden(ordner, QString::fromLatin1(datei)));
        menuAktivSetzen(QString::fromLatin1(menuName), da);
        if (!da)
            ordner.clear();
    };
    pruefen(p.strBotrelVerz, "botrel3.exe", "mnuBotrelStarten");
    pruefen(p.strBotrelEditorVerz, "botrel-editor.exe", "mnuBotrelEditorRun");
}

// A label window is no window of the desktop's, so between clicks the
// keyboard focus may rest with the main window; F1 is then still the label
// window's, and opens its page.
void MDI::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1)
        if (auto* f = qobject_cast<frmLabel*>(m_bereich->activeSubWindow())) {
            QApplication::sendEvent(f, e);
            return;
        }
    QMainWindow::keyPressEvent(e);
}

void MDI::closeEvent(QCloseEvent* e) {
    if (m_beendet) {
        e->accept();
        return;
    }
    const auto& p = P();
    // Every label window closes unlocked; unlocked once here, the windows
    // need not each unlock again.
    if (SchilderZaehlen() > 0)
        AllesFreigeben();
    for (int32_t i = 1; i <= p.hoechstesSchild(); ++i) {
        if (p.Schilder[i].blnSchildFrei || !p.Schilder[i].frmSchilder)
            continue;
        if (Schild(i).QueryUnload(frmLabel::HauptfensterSchliesst)) {
            e->ignore();
            return;
        }
    }
    MDIForm_Unload();
    e->accept();
}

void MDI::MDIForm_Unload() {
    hide();
    if (m_tools)
        m_tools->hide();
    EinstellungenSpeichern(*this);
    if (auto* d = nachbarn().datensatzWahl)
        d->entladen();
    m_beendet = true;
}

void MDI::mnuBeenden_Click() {
    // A label window whose save question is cancelled keeps the program open.
    close();
    if (m_beendet)
        QApplication::quit();
}

void MDI::mnuDateiNeu_Click() {
    AllesSperren();
    if (P().blnVorlageGeoeffnet) {
        const Antwort a = dialoge().meldung(
            QStringLiteral("Es ist schon eine Vorlage geöffnet!\rNeu geöffnete Schilder können "
                           "nicht\rmit einer Datenbank verbunden werden.\r\rSoll trotzdem ein "
                           "neues Schild geöffnet werden"),
            Msg::YesNo + Msg::Exclamation, QStringLiteral("Es ist schon eine Vorlage geöffnet!"));
        if (a == Antwort::No) {
            AllesFreigeben();
            return;
        }
    }
    auto* d = new frmNeu(this);
    d->setObjectName(QStringLiteral("frmNeu"));
    d->show();
}

namespace {
// The current label window, or 0 when there is none.
int32_t aktuellesSchild() {
    const auto& p = P();
    const int32_t n = p.lngAktivesSchild;
    return n >= 1 && n <= p.hoechstesSchild() && !p.Schilder[n].blnSchildFrei ? n : 0;
}
} // namespace

void MDI::mnuDbLaden_Click() {
    if (const int32_t n = aktuellesSchild()) {
        SchildDb(n).DBBotrelAuswaehlen();
        SchildGeaendert();
    }
}

void MDI::mnuDbEigeneLaden_Click() {
    if (const int32_t n = aktuellesSchild()) {
        SchildDb(n).DBEigeneAuswaehlen();
        SchildGeaendert();
    }
}

void MDI::mnuDBWechseln_Click() {
    if (const int32_t n = aktuellesSchild()) {
        SchildDb(n).DBBotrelWechseln();
        SchildGeaendert();
    }
}

void MDI::mnuDbEntladen_Click() {
    const int32_t n = aktuellesSchild();
    if (!n)
        return;
    const Antwort a = dialoge().meldung(
        QStringLiteral("Vorsicht! Beim Entladen einer Datenbank werden automatisch alle "
                       "Datenfelder gelöscht!\rWollen Sie die Datenbank wirklich entladen?"),
        Msg::YesNo + Msg::Exclamation, QStringLiteral("Sorvo"));
    if (a != Antwort::Yes)
        return;
    // A data field that could not be removed keeps the database (the user
    // was told).
    if (!SchildDb(n).DatenbankEntladen())
        return;
    P().blnVorlageGeoeffnet = false;
    frmLabel& f = Schild(n);
    if (f.Caption().endsWith(QStringLiteral(" (Vorlage)")))
        f.setCaption(f.Caption().chopped(10));
    f.setIcon(fensterIcon(QStringLiteral("pen04")));
    SchildGeaendert();
}

void MDI::mnuDbDatensaetzeWaehlen_Click() {
    if (aktuellesSchild())
        if (auto* d = nachbarn().datensatzWahl)
            d->oeffnen();
}

void MDI::mnuPreisedatenbank_Click() {
    if (const int32_t n = aktuellesSchild()) {
        SchildDb(n).DBPreiseLaden();
        if (auto& zeigen = nachbarn().preisDialogZeigen)
            zeigen();
    }
}

void MDI::mnuDateiOeffnen_Click() {
    if (auto* v = nachbarn().vorlagen)
        v->VorlageOeffnen();
    SchilderAnzeigen();
}

void MDI::mnuDateiSpeichern_Click() {
    if (auto* v = nachbarn().vorlagen)
        v->VorlageSpeichern();
}

void MDI::mnuDateiSpeichernunter_Click() {
    if (auto* v = nachbarn().vorlagen)
        v->VorlageSpeichernUnter();
}

void MDI::mnuDateiSchliessen_Click() {
    const auto& p = P();
    if (p.lngAktivesSchild >= 1 && p.lngAktivesSchild <= p.hoechstesSchild())
        Schild(p.lngAktivesSchild).schliessen(frmLabel::DurchProgramm);
}

void MDI::geschwisterStarten(const QString& ordner, const QString& datei, QTimer& timer) {
    if (!programmStarten(ordner, datei)) {
        dialoge().meldung(QStringLiteral("Das Programm konnte nicht gestartet werden:\r") +
                              pfadVerbinden(ordner, datei),
                          Msg::OK + Msg::Exclamation, programmTitel());
        return;
    }
    timer.start();
}

void MDI::mnuBotrelSuchen_Click() {
    BotrelSucheZeigen();
}

void MDI::mnuBotrelBilderSuchen_Click() {
    BotrelBilderZeigen();
}

void MDI::mnuBotrelStarten_Click() {
    geschwisterStarten(P().strBotrelVerz, QStringLiteral("botrel3.exe"), timBotrel);
}

void MDI::mnuBotrelEditorRun_Click() {
    geschwisterStarten(P().strBotrelEditorVerz, QStringLiteral("botrel-editor.exe"),
                       timBotrelEditor);
}

void MDI::mnuOptionen_Click() {
    WerkzeugeWiederherstellen();
    auto* d = new frmMDIOptionen(this);
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->open();
}

void MDI::werkzeugFokus() {
    if (m_tools && m_tools->isVisible())
        m_tools->SetFocus();
}

void MDI::mnuFensterUeberlappend_Click() {
    // Only the label windows are arranged; the tool window keeps its place.
    const auto schilder = offeneSchilder();
    const int schritt = px(375);
    int i = 0;
    for (frmLabel* s : schilder) {
        if (!s->isVisible() || s->isMinimized())
            continue;
        s->showNormal();
        s->move(i * schritt, i * schritt);
        s->raise();
        ++i;
    }
    werkzeugFokus();
}

void MDI::anordnen(bool nebeneinander) {
    std::vector<frmLabel*> sichtbar;
    for (frmLabel* s : offeneSchilder())
        if (s->isVisible() && !s->isMinimized())
            sichtbar.push_back(s);
    const int n = static_cast<int>(sichtbar.size());
    const QSize flaeche = m_bereich->viewport()->size();
    for (int i = 0; i < n; ++i) {
        frmLabel* s = sichtbar[static_cast<size_t>(i)];
        s->showNormal();
        if (nebeneinander) {
            const int b = flaeche.width() / n;
            s->setGeometry(i * b, 0, b, flaeche.height());
        } else {
            const int h = flaeche.height() / n;
            s->setGeometry(0, i * h, flaeche.width(), h);
        }
    }
    werkzeugFokus();
}

void MDI::mnuFensterNebeneinander_Click() {
    anordnen(true);
}
void MDI::mnuFensterUntereinander_Click() {
    anordnen(false);
}

void MDI::fensterListeAufbauen() {
    for (QAction* a : m_fensterListe) {
        m_fensterMenue->removeAction(a);
        delete a;
    }
    m_fensterListe.clear();
    const auto schilder = offeneSchilder();
    if (schilder.empty())
        return;
    m_fensterListe.push_back(m_fensterMenue->addSeparator());
    int nr = 1;
    for (frmLabel* s : schilder) {
        QAction* a =
            m_fensterMenue->addAction(QStringLiteral("&%1 %2").arg(nr++).arg(s->Caption()));
        a->setCheckable(true);
        a->setChecked(m_bereich->activeSubWindow() == s);
        QPointer<frmLabel> ziel = s;
        connect(a, &QAction::triggered, this, [ziel] {
            if (ziel)
                ziel->SetFocus();
        });
        m_fensterListe.push_back(a);
    }
}

void MDI::mnuInhalt_Click() {
    WerkzeugeWiederherstellen();
    HilfeAnzeigen(QString());
}

void MDI::mnuUeberSorvo_Click() {
    auto* d = new frmInfos(this);
    d->setAttribute(Qt::WA_DeleteOnClose);
    d->open();
}

void MDI::generiertesSchildSuchen(int schritt) {
    const auto& p = P();
    const int32_t hoechstes = p.hoechstesSchild();
    if (hoechstes < 1)
        return;
    int32_t n = p.lngAktivesSchild;
    // Every other slot first, the current window last.
    for (int32_t versuch = 0; versuch < hoechstes; ++versuch) {
        n += schritt;
        if (n < 1)
            n = hoechstes;
        if (n > hoechstes)
            n = 1;
        if (istErzeugt(n)) {
            Schild(n).SetFocus();
            return;
        }
    }
}

void MDI::cmdBack_Click() {
    generiertesSchildSuchen(-1);
}
void MDI::cmdNext_Click() {
    generiertesSchildSuchen(+1);
}

void MDI::cmdDruckNeueSchilder_Click() {
    auto& p = P();
    const int32_t gemerkt = p.lngAktivesSchild;
    // One print job with a page per label: print runs of their own would each
    // overwrite the last in a PDF file and repeat a loop-label sheet.
    auto* v = nachbarn().vorschau;
    // The label windows hold their shaped texts, so a page adds little to
    // the heap: making it ready in large pages would cost more memory than
    // the faults it saves.
    const GrosseBloeckeBehalten seitenpuffer;
    // The pending events run before every page, but the label windows are
    // drawn once the job is done: drawing a thousand windows for every page
    // would cost more than printing them.
    struct Ruhe {
        QPointer<QWidget> bereich;
        bool vorher;
        ~Ruhe() {
            if (bereich)
                bereich->setUpdatesEnabled(vorher);
        }
    } ruhe{m_bereich, m_bereich->updatesEnabled()};
    m_bereich->setUpdatesEnabled(false);
    if (v)
        v->sammelnBeginnen();
    // Each window becomes the current one for its page without coming to
    // the front: activating a window among a thousand costs more than
    // printing it, and the remembered window gets the focus back anyway.
    for (int32_t i = 1; i <= p.hoechstesSchild(); ++i) {
        if (!istErzeugt(i))
            continue;
        QApplication::processEvents();
        p.lngAktivesSchild = i;
        if (v)
            v->drucken();
    }
    if (v)
        v->sammelnBeenden();
    if (gemerkt >= 1 && gemerkt <= p.hoechstesSchild()) {
        Schild(gemerkt).SetFocus();
        p.lngAktivesSchild = gemerkt;
    }
}

void MDI::mnuDateiDVorschau_Click() {
    auto& p = P();
    p.lngVorschauSchild = p.lngAktivesSchild;
    if (auto* v = nachbarn().vorschau)
        v->zeigen();
}

void MDI::mnuDruckenEinstellungen_Click() {
    druckerEinstellungenZeigen();
}

void MDI::mnuDruckerEinrichten_Click() {
    if (!m_prtDlg)
        return;
    m_prtDlg->PD_PrintSetup(true);
    m_prtDlg->ShowPrinter(0);
}

void MDI::mnuDateiDrucken_Click() {
    if (auto* v = nachbarn().vorschau)
        v->drucken();
}

bool MDI::eventFilter(QObject* o, QEvent* e) {
    if (o == m_bereich->viewport() && e->type() == QEvent::MouseMove)
        m_leiste->mausWeg();
    return QMainWindow::eventFilter(o, e);
}

} // namespace sorvo
