// The tool window itself: its controls, its size and place, its activation,
// the insert bar and the stock-text list.
#include "tools/frmTools.h"

#include "label/frmLabel.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/knopf.h"
#include "platform/system.h"
#include "platform/units.h"
#include "platform/zugang.h"
#include "tools/farbwahl.h"
#include "tools/feldliste.h"
#include "tools/frmBild.h"
#include "tools/frmTextListe.h"
#include "tools/listen.h"
#include "tools/rahmenteile.h"
#include "tools/zahlenfeld.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

namespace sorvo {

using namespace rahmenteile;

namespace {

constexpr int kBreite = 3075;
constexpr int kZu = 1850;
constexpr int kPanelOffen = 5600;
constexpr int kPanelLinks = 100;
constexpr int kPanelOben = 1680;
constexpr int kRahmenOben = 120;

const char* const kGroessen[] = {"6",  "7",  "8",  "9",  "10", "11", "12", "14", "16",
                                 "18", "20", "24", "26", "28", "36", "48", "72"};

} // namespace

frmTools::frmTools(QWidget* hauptfenster) : QWidget(hauptfenster, Qt::Tool) {
    setObjectName(QStringLiteral("frmTools"));
    setWindowTitle(QStringLiteral("Werkzeugfenster"));
    // A fixed tool window: no close box, not resizable, and shown without
    // taking the focus from the label window that showed it.
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_DeleteOnClose, false);
    zugangsRolleSetzen(*this, QAccessible::Window); // a window, not a plain panel
    aufbauen();
    groesseAnwenden();
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this] { aktivierungPruefen(); });
    qApp->installEventFilter(this);
}

frmTools::~frmTools() = default;

// --- Building the controls ----------------------------------------------------

void frmTools::aufbauen() {
    fraEinfuegen = insertBarAufbauen();
    fraText_E = textPanelAufbauen();
    fraBild_E = bildPanelAufbauen();
    fraDatenfeld_E = datenfeldPanelAufbauen();
    fraBild_B = bildRahmenAufbauen();
    fraText_B = textRahmenAufbauen();
    fraDatenfeld_B = datenfeldRahmenAufbauen();
    fraDfBild_B = dfBildRahmenAufbauen();
    bearbeitungVerbinden();

    lstFeldnamen2 = liste("lstFeldnamen2", QStringLiteral("Spalten"));
    lstFeldnamen2->setParent(this);
    lstFeldnamen2->hide();

    // The panels and frames stand at their own places; each opener sizes
    // the one it shows.
    for (QGroupBox* g : {fraText_E, fraBild_E, fraDatenfeld_E})
        g->setGeometry(px(kPanelLinks), px(kPanelOben), px(kBreite - 2 * kPanelLinks) - 4,
                       px(3500));
}

QGroupBox* frmTools::insertBarAufbauen() {
    auto* g = new QGroupBox(QStringLiteral("Einfügen"), this);
    g->setObjectName(QStringLiteral("fraEinfuegen"));
    cmdEinfuegenDatenFeld = knopf("cmdEinfuegenDatenFeld", QStringLiteral("Datenbank-\nfeld"));
    cmdEinfuegenBild = knopf("cmdEinfuegenBild", QStringLiteral("Bild"));
    cmdEinfuegenText = knopf("cmdEinfuegenText", QStringLiteral("Text"));
    auto* l = new QHBoxLayout(g);
    l->setContentsMargins(3, 3, 3, 3);
    l->setSpacing(3);
    // Every caption whole: the buttons take what their text needs, the
    // data-field button the rest.
    for (QPushButton* k : {cmdEinfuegenDatenFeld, cmdEinfuegenBild, cmdEinfuegenText}) {
        k->setStyleSheet(QStringLiteral("padding: 2px 3px;"));
        k->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        l->addWidget(k, k == cmdEinfuegenDatenFeld ? 2 : 1);
    }
    g->setGeometry(px(60), px(30), px(kBreite - 120) - 4, px(1380));
    connect(cmdEinfuegenDatenFeld, &QPushButton::clicked, this,
            [this] { cmdEinfuegenDatenFeld_Click(); });
    connect(cmdEinfuegenBild, &QPushButton::clicked, this, [this] { cmdEinfuegenBild_Click(); });
    connect(cmdEinfuegenText, &QPushButton::clicked, this, [this] { cmdEinfuegenText_Click(); });
    return g;
}

QGroupBox* frmTools::textPanelAufbauen() {
    QGroupBox* g = rahmen("fraText_E", QStringLiteral("Textfeld einfügen"), this);
    lstText = liste("lstText", QString());
    lblStandardtext = beschriftung("lblStandardtext", QStringLiteral("Standard - Texte:"), lstText);
    Line1 = new QFrame;
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    txtTextEinfuegen = feld("txtTextEinfuegen", QStringLiteral("Textfeld einfügen"));
    cmdTextEinfuegen = knopf("cmdTextEinfuegen", QStringLiteral("&Einfügen"));
    cmdEdit = knopf("cmdEdit", QStringLiteral("&Text ändern"));
    cmdFeld_B = knopf("cmdFeld_B", QStringLiteral("&Neuer Text"));

    auto* l = new QVBoxLayout(g);
    l->setContentsMargins(4, 4, 4, 4);
    l->setSpacing(3);
    l->addWidget(lblStandardtext);
    l->addWidget(lstText, 1);
    auto* aendern = new QHBoxLayout;
    aendern->addWidget(cmdEdit);
    aendern->addWidget(cmdFeld_B);
    l->addLayout(aendern);
    l->addWidget(Line1);
    l->addWidget(txtTextEinfuegen);
    l->addWidget(cmdTextEinfuegen);

    connect(lstText, &QListWidget::itemDoubleClicked, this, [this] { lstText_DblClick(); });
    connect(txtTextEinfuegen, &QLineEdit::returnPressed, this,
            [this] { txtTextEinfuegen_Enter(); });
    connect(txtTextEinfuegen, &QLineEdit::textEdited, this,
            [this] { m_getipptEingefuegt = false; });
    txtTextEinfuegen->installEventFilter(this);
    connect(cmdTextEinfuegen, &QPushButton::clicked, this, [this] { cmdTextEinfuegen_Click(); });
    connect(cmdEdit, &QPushButton::clicked, this, [this] { cmdEdit_Click(); });
    connect(cmdFeld_B, &QPushButton::clicked, this, [this] { cmdFeld_B_Click(); });
    return g;
}

QGroupBox* frmTools::bildPanelAufbauen() {
    QGroupBox* g = rahmen("fraBild_E", QStringLiteral("Bild einfügen"), this);
    picBeAnzeige = new QFrame;
    picBeAnzeige->setObjectName(QStringLiteral("picBeAnzeige"));
    picBeAnzeige->setFixedSize(px(2535), px(1455));
    imgBild = new QLabel(picBeAnzeige);
    imgBild->setObjectName(QStringLiteral("imgBild"));
    imgBild->setScaledContents(true);
    imgBild->setGeometry(0, 0, 0, 0);
    txtBild = feld("txtBild", QStringLiteral("Bild"));
    filBild = liste("filBild", QStringLiteral("Bilddateien"));
    // The preview keeps its size; the list takes what is left.
    filBild->setMinimumHeight(px(450));
    cmdBild_E = knopf("cmdBild_E", QStringLiteral("&Bild einfügen"));
    cmdBild_E->setEnabled(false);
    cmdPfad_B = knopf("cmdPfad_B", QStringLiteral("&Pfad ändern"));

    auto* l = new QVBoxLayout(g);
    l->setContentsMargins(4, 4, 4, 4);
    l->setSpacing(3);
    l->setSpacing(2);
    l->addWidget(picBeAnzeige, 0, Qt::AlignHCenter);
    l->addWidget(txtBild);
    l->addWidget(filBild, 1);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(cmdBild_E);
    knoepfe->addWidget(cmdPfad_B);
    l->addLayout(knoepfe);

    connect(filBild, &QListWidget::itemSelectionChanged, this, [this] {
        if (!filBild->selectedItems().isEmpty())
            filBild_Click();
    });
    connect(filBild, &QListWidget::itemDoubleClicked, this, [this] { filBild_DblClick(); });
    connect(cmdBild_E, &QPushButton::clicked, this, [this] { cmdBild_E_Click(); });
    connect(cmdPfad_B, &QPushButton::clicked, this, [this] { cmdPfad_B_Click(); });
    return g;
}

QGroupBox* frmTools::datenfeldPanelAufbauen() {
    QGroupBox* g = rahmen("fraDatenfeld_E", QStringLiteral("Datenfeld einfügen"), this);
    lstFeldnamen = liste("lstFeldnamen", QStringLiteral("Datenfelder"));
    lblDBName = new QLabel(QStringLiteral("Keine Datenbank ausgewählt!"));
    lblDBName->setObjectName(QStringLiteral("lblDBName"));
    lblDBName->setAccessibleName(lblDBName->text());
    lblDBName->setToolTip(QStringLiteral("Datenbankname wird beim Anklicken angezeigt!"));
    lblDBName->setWordWrap(true);
    lblDBName->setCursor(Qt::PointingHandCursor);
    lblDBName->installEventFilter(this);
    auto* l = new QVBoxLayout(g);
    l->setContentsMargins(4, 4, 4, 4);
    l->setSpacing(3);
    l->addWidget(lstFeldnamen, 1);
    l->addWidget(lblDBName);
    connect(lstFeldnamen, &QListWidget::itemDoubleClicked, this,
            [this] { lstFeldnamen_DblClick(); });
    return g;
}

// The frames' controls that act on the element at once.
void frmTools::bearbeitungVerbinden() {
    const auto zahl = [](QLineEdit* box) { return static_cast<ZahlenFeld*>(box); };
    for (int i = 0; i < 4; ++i) {
        // Enter and leaving the box apply a position or size alike.
        for (auto signal : {&ZahlenFeld::eingabe, &ZahlenFeld::fokusVerloren}) {
            connect(zahl(txtX[static_cast<size_t>(i)]), signal, this,
                    [this, i] { PositionXUebernehmen(i); });
            connect(zahl(txtY[static_cast<size_t>(i)]), signal, this,
                    [this, i] { PositionYUebernehmen(i); });
            connect(zahl(txtHB[static_cast<size_t>(i)]), signal, this,
                    [this, i] { GroesseUebernehmen(i); });
        }
        connect(cmdH[static_cast<size_t>(i)], &QPushButton::clicked, this,
                [this, i] { cmdH_Click(i); });
        connect(cmdB[static_cast<size_t>(i)], &QPushButton::clicked, this,
                [this, i] { cmdB_Click(i); });
    }
    for (int i = 0; i < 12; ++i)
        connect(cmdX[static_cast<size_t>(i)], &QPushButton::clicked, this,
                [this, i] { cmdX_Click(i); });
    for (int i = 0; i < 2; ++i) {
        connect(cmdPosX[static_cast<size_t>(i)], &QPushButton::clicked, this,
                [this, i] { cmdPosX_Click(i); });
        connect(cmdPosY[static_cast<size_t>(i)], &QPushButton::clicked, this,
                [this, i] { cmdPosY_Click(i); });
    }
    // The maximum width: Enter holds it to the label, leaving the box does not.
    for (const bool df : {false, true}) {
        ZahlenFeld* box = zahl(df ? txtMaxBDatenfeld : txtMaxBText);
        connect(box, &ZahlenFeld::eingabe, this, [this, df] { maxBreiteEnter(df); });
        connect(box, &ZahlenFeld::fokusVerloren, this, [this, df] { maxBreiteVerlassen(df); });
        QComboBox* art = df ? cboDfArt : cboArt;
        QComboBox* groesse = df ? cboDfGroesse : cboGroesse;
        connect(art, &QComboBox::activated, this, [this, df] { schriftartGewaehlt(df); });
        connect(groesse, &QComboBox::activated, this, [this, df] { schriftgroesseGewaehlt(df); });
        connect(df ? cmdDfBold : cmdBold, &QPushButton::clicked, this,
                [this, df] { fettUmschalten(df); });
        connect(df ? cmdDfItalic : cmdItalic, &QPushButton::clicked, this,
                [this, df] { kursivUmschalten(df); });
        connect(df ? cmdDfUnderline : cmdULine, &QPushButton::clicked, this,
                [this, df] { unterstrichenUmschalten(df); });
        connect(df ? chkDfRahmen : chkRahmen, &QCheckBox::clicked, this,
                [this, df] { rahmenUmschalten(df); });
        connect(df ? chkDfTransparent : chkTransparent, &QCheckBox::clicked, this,
                [this, df] { hintergrundUmschalten(df); });
    }
    using masse::Feldart;
    for (const Feldart art : {Feldart::Text, Feldart::Datenfeld, Feldart::BildDatenfeld})
        connect(zentrierenKasten(art), &QCheckBox::clicked, this,
                [this, art] { zentrierenUmschalten(art); });
}

// --- Load, size, place and activation --------------------------------------

void frmTools::Form_Load(int hauptfensterBreite, bool folgt) {
    groesseAnwenden();
    if (!folgt)
        setLinksOben(hauptfensterBreite - Width() - 250, 0);
    Liste_Neu();
    schriftListenFuellen();
}

void frmTools::schriftListenFuellen() {
    // The label fonts are drawn on screen and printer alike, so the font
    // database offers the names, each family once.
    QStringList namen = schriftFamilien();
    alphabetischSortieren(namen);
    QStringList groessen;
    for (const char* g : kGroessen)
        groessen << QString::fromLatin1(g);
    for (QComboBox* art : {cboArt, cboDfArt}) {
        art->clear();
        art->addItems(namen);
    }
    for (QComboBox* groesse : {cboGroesse, cboDfGroesse}) {
        groesse->clear();
        groesse->addItems(groessen);
    }
}

int frmTools::rahmenHoehe() const {
    return frameGeometry().height() - height();
}
int frmTools::rahmenBreite() const {
    return frameGeometry().width() - width();
}

void frmTools::groesseAnwenden() {
    // The outer size is the one in twips; the title bar and border come off
    // the inner size.
    setFixedSize(std::max(1, px(kBreite) - rahmenBreite()),
                 std::max(1, px(m_hoeheTwips) - rahmenHoehe()));
}

void frmTools::setHeight(int twips) {
    m_hoeheTwips = twips;
    groesseAnwenden();
}

int frmTools::Height() const {
    if (height() == std::max(1, px(m_hoeheTwips) - rahmenHoehe()))
        return m_hoeheTwips;
    return twips(frameGeometry().height());
}

int frmTools::Width() const {
    return twips(frameGeometry().width());
}

QPoint frmTools::ursprung() const {
    if (auto* m = nachbarn().mdi)
        if (QMdiArea* b = m->mdiBereich())
            return b->viewport()->mapToGlobal(QPoint(0, 0));
    return {0, 0};
}

void frmTools::setLinksOben(int links, int oben) {
    m_linksTwips = links;
    m_obenTwips = oben;
    m_platzGesetzt = true;
    platzAnwenden();
}

void frmTools::platzAnwenden() {
    const QPoint ziel = ursprung() + QPoint(px(m_linksTwips), px(m_obenTwips));
    m_gesetztBei = ziel;
    move(ziel);
}

int frmTools::Left() const {
    if (m_platzGesetzt && frameGeometry().topLeft() == m_gesetztBei)
        return m_linksTwips;
    return twips(frameGeometry().x() - ursprung().x());
}

int frmTools::Top() const {
    if (m_platzGesetzt && frameGeometry().topLeft() == m_gesetztBei)
        return m_obenTwips;
    return twips(frameGeometry().y() - ursprung().y());
}

void frmTools::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // The frame is known once the window is shown; the main window may have
    // moved while the tool window was hidden.
    groesseAnwenden();
    if (m_platzGesetzt)
        platzAnwenden();
}

void frmTools::moveEvent(QMoveEvent* e) {
    QWidget::moveEvent(e);
    // Moved by the user: that place counts from now on.
    if (isVisible() && m_platzGesetzt && frameGeometry().topLeft() != m_gesetztBei) {
        m_gesetztBei = frameGeometry().topLeft();
        m_linksTwips = twips(m_gesetztBei.x() - ursprung().x());
        m_obenTwips = twips(m_gesetztBei.y() - ursprung().y());
    }
}

void frmTools::setVisible(bool v) {
    QWidget::setVisible(v);
}

void frmTools::SetFocus() {
    if (!isVisible())
        return;
    raise();
    activateWindow();
}

void frmTools::NeuePosition() {
    const auto& p = P();
    if (p.lngAktivesSchild < 1 || p.lngAktivesSchild > p.hoechstesSchild())
        return;
    const frmLabel& s = Schild(p.lngAktivesSchild);
    const int hauptBreite = nachbarn().mdi ? nachbarn().mdi->Width() : 0;
    if (s.Left() + s.Width() + Width() < hauptBreite)
        setLinksOben(s.Left() + s.Width(), s.Top());
    else if (s.Left() - Width() > 0)
        setLinksOben(s.Left() - Width(), s.Top());
}

void frmTools::aktivierungPruefen() {
    QWidget* aktiv = QApplication::activeWindow();
    // Another program took the focus: nothing changed within this one.
    if (!aktiv)
        return;
    bool unser = false;
    for (QWidget* w = aktiv; w && !unser; w = w->parentWidget())
        unser = w == this;
    if (!unser && m_fokusZurueck) {
        m_fokusZurueck = false;
        return;
    }
    if (unser == m_aktiv)
        return;
    m_aktiv = unser;
    if (unser)
        Form_Activate();
    else
        Form_Deactivate();
}

void frmTools::eigenerDialogGeschlossen() {
    m_fokusZurueck = true;
    SetFocus();
}

void frmTools::Form_Activate() {
    groesseAnwenden();
}

void frmTools::Form_Deactivate() {
    // An element being edited keeps its frame and the insert buttons stay
    // locked until the frame's own buttons end the edit.
    if (m_bearbeitung != Bearbeitung::Keine)
        return;
    setHeight(kZu);
    einfuegenKnoepfeAktivieren(!P().blnAllesGesperrt);
}

void frmTools::closeEvent(QCloseEvent* e) {
    // The tool window lives as long as the program; closing only hides it.
    e->ignore();
    hide();
    P().blnWerkzeugeAktiv = false;
}

void frmTools::keyPressEvent(QKeyEvent* e) {
    if (!HilfeTaste(e, QStringLiteral("index-funktion.htm")))
        QWidget::keyPressEvent(e);
}

bool frmTools::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::KeyPress)
        m_fokusZurueck = false;
    if (o == lblDBName && e->type() == QEvent::MouseButtonRelease) {
        lblDBName_Click();
        return true;
    }
    if (o == txtTextEinfuegen && e->type() == QEvent::FocusOut) {
        // A click on the insert button takes the focus first; the click
        // itself inserts.
        if (QApplication::focusWidget() != cmdTextEinfuegen)
            txtTextEinfuegen_LostFocus();
    }
    return QWidget::eventFilter(o, e);
}

// --- The insert bar and its panels ----------------------------------------------

void frmTools::einfuegenKnoepfeAktivieren(bool aktiv) {
    cmdEinfuegenBild->setEnabled(aktiv);
    cmdEinfuegenText->setEnabled(aktiv);
    cmdEinfuegenDatenFeld->setEnabled(aktiv);
}

bool frmTools::einfuegenKnoepfeAktiv() const {
    return cmdEinfuegenBild->isEnabled() && cmdEinfuegenText->isEnabled() &&
           cmdEinfuegenDatenFeld->isEnabled();
}

void frmTools::panelOeffnen(QGroupBox* panel, QPushButton* knopf) {
    panel->move(px(kPanelLinks), px(kPanelOben));
    m_hoeheTwips = kPanelOffen;
    groesseAnwenden();
    for (QGroupBox* g : {fraText_E, fraBild_E, fraDatenfeld_E})
        if (g != panel)
            g->hide();
    panel->show();
    for (QPushButton* k : {cmdEinfuegenBild, cmdEinfuegenText, cmdEinfuegenDatenFeld})
        k->setEnabled(k != knopf);
}

void frmTools::panelSchliessen(QGroupBox* panel, QPushButton* knopf) {
    panel->hide();
    setHeight(kZu);
    knopf->setEnabled(true);
    SchildGeaendert();
}

void frmTools::cmdEinfuegenBild_Click() {
    if (txtBild->text().isEmpty())
        txtBild->setText(P().strSorvoVerz);
    panelOeffnen(fraBild_E, cmdEinfuegenBild);
    // The file list shows the program folder until a folder is chosen.
    if (m_bildOrdner.isEmpty())
        filBildPfadSetzen(P().strSorvoVerz);
}

void frmTools::cmdEinfuegenText_Click() {
    panelOeffnen(fraText_E, cmdEinfuegenText);
}

void frmTools::cmdEinfuegenDatenFeld_Click() {
    datenbankAnzeigen();
    panelOeffnen(fraDatenfeld_E, cmdEinfuegenDatenFeld);
}

void frmTools::datenbankAnzeigen() {
    const auto& p = P();
    const int32_t n = p.lngAktivesSchild;
    if (aktuellesSchild() && S(n).blnDbGeladen) {
        DatenbankAuswahl& db = SchildDb(n);
        if (S(n).blnPflanzenDb)
            db.DbTabellenAnzeigen();
        else
            db.DbTabellenAnzeigenEigeneDb();
        return;
    }
    setDBName(QStringLiteral("Keine Datenbank geladen!"));
    lstFeldnamen->clear();
    lstDfListe->clear();
}

void frmTools::cmdTextEinfuegen_Click() {
    TextEinfuegen_BD();
}

void frmTools::cmdEdit_Click() {
    const auto auswahl = lstText->selectedItems();
    strFeldListeEintrag = auswahl.isEmpty() ? QString() : auswahl.first()->text();
    auto* d = new frmEdit(*this);
    d->Form_Load();
    d->show();
}

void frmTools::cmdFeld_B_Click() {
    auto* d = new frmText_Neu(*this);
    d->show();
}

void frmTools::cmdBild_E_Click() {
    BildEinfuegen();
}

void frmTools::cmdPfad_B_Click() {
    if (!m_bildDialog) {
        m_bildDialog = new frmBild(*this);
        m_bildDialog->Form_Load();
        // First shown in the middle of the main window; later where it was.
        if (auto* m = nachbarn().mdi)
            m_bildDialog->move(m->widget()->frameGeometry().center() -
                               m_bildDialog->rect().center());
    }
    m_bildDialog->show();
    m_bildDialog->raise();
    m_bildDialog->activateWindow();
    if (auto* m = nachbarn().mdi) {
        m->widget()->setEnabled(false);
        // Disabling the main window reaches the windows it owns; only the
        // main window is meant.
        setEnabled(true);
        m_bildDialog->setEnabled(true);
    }
}

void frmTools::lblDBName_Click() {
    const int32_t n = P().lngAktivesSchild;
    const QString pfad = aktuellesSchild() ? S(n).strDbPfad : QString();
    dialoge().meldung(QStringLiteral("Dieses Schild ist mit der Datenbank:\r\r") + pfad +
                          QStringLiteral("\r\rverbunden!"),
                      Msg::Information, QStringLiteral("Name der Datenbank"));
}

void frmTools::lstText_DblClick() {
    TextEinfuegen();
}

void frmTools::lstFeldnamen_DblClick() {
    if (QListWidgetItem* e = lstFeldnamen->currentItem())
        DatenfeldEinfuegen(e->text());
}

void frmTools::filBild_Click() {
    const auto auswahl = filBild->selectedItems();
    if (auswahl.isEmpty())
        return;
    txtBild->setText(pfadVerbinden(m_bildOrdner, auswahl.first()->text()));
    BildAnzeigen();
}

void frmTools::filBild_DblClick() {
    BildEinfuegen();
}

void frmTools::txtTextEinfuegen_Enter() {
    TextEinfuegen_BD();
}

void frmTools::txtTextEinfuegen_LostFocus() {
    // Leaving the box inserts a text typed since the last insertion; an
    // empty box inserts nothing.
    if (m_getipptEingefuegt || txtTextEinfuegen->text().isEmpty() || !fraText_E->isVisible())
        return;
    TextEinfuegen_BD();
}

// --- Lists ------------------------------------------------------------------------

void frmTools::Liste_Neu() {
    lstText->clear();
    const QString& pfad = P().strFeldListePfad;
    if (pfad.isEmpty())
        return;
    const auto eintraege = feldListeLesen(pfad);
    if (!eintraege) {
        feldListeNichtLesbar(pfad);
        return;
    }
    for (const QString& e : *eintraege)
        sortiertEinfuegen(lstText, e);
}

void frmTools::feldListenSetzen(const QStringList& anzeigeNamen, const QStringList& spaltenNamen) {
    lstFeldnamen->clear();
    lstDfListe->clear();
    lstFeldnamen2->clear();
    for (const QString& n : anzeigeNamen) {
        sortiertEinfuegen(lstFeldnamen, n);
        sortiertEinfuegen(lstDfListe, n);
    }
    lstFeldnamen2->addItems(spaltenNamen);
}

int frmTools::feldnamenAnzahl() const {
    return lstFeldnamen->count();
}

int frmTools::feldnamen2Anzahl() const {
    return lstFeldnamen2->count();
}

void frmTools::setDBName(const QString& name) {
    lblDBName->setText(name);
    lblDBName->setAccessibleName(name);
}

QString frmTools::DBName() const {
    return lblDBName->text();
}

void frmTools::maxBreiteLeeren(bool datenfeld) {
    (datenfeld ? txtMaxBDatenfeld : txtMaxBText)->clear();
}

void frmTools::filBildPfadSetzen(const QString& ordner) {
    m_bildOrdner = ordner;
    const QSignalBlocker sperre(filBild);
    filBild->clear();
    filBild->addItems(bildDateien(ordner));
    filBild->setCurrentRow(-1);
}

Farbe frmTools::farbeVon(const Farbfeld* feld) {
    return feld->BackColor();
}

frmLabel* frmTools::aktuellesSchild() const {
    const auto& p = P();
    const int32_t n = p.lngAktivesSchild;
    if (n < 1 || n > p.hoechstesSchild() || p.Schilder[n].blnSchildFrei)
        return nullptr;
    return &Schild(n);
}

} // namespace sorvo
