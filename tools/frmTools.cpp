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

namespace {

int px(double twips) {
    return RundenGerade(twipsZuPixel(twips));
}
int twips(int pixel) {
    return static_cast<int>(pixelZuTwips(pixel));
}

constexpr int kBreite = 3075;
constexpr int kZu = 1850;
constexpr int kPanelOffen = 5600;
constexpr int kPanelLinks = 100;
constexpr int kPanelOben = 1680;
constexpr int kRahmenOben = 120;

const char* const kGroessen[] = {"6",  "7",  "8",  "9",  "10", "11", "12", "14", "16",
                                 "18", "20", "24", "26", "28", "36", "48", "72"};

QPushButton* knopf(const char* name, const QString& text) {
    return befehlsknopf(name, text, false);
}

QGroupBox* rahmen(const char* name, const QString& titel, QWidget* eltern) {
    auto* g = new QGroupBox(titel, eltern);
    g->setObjectName(QString::fromLatin1(name));
    g->setAccessibleName(titel);
    g->hide();
    return g;
}

QLineEdit* feld(const char* name, const QString& zugang = QString()) {
    auto* f = new QLineEdit;
    f->setObjectName(QString::fromLatin1(name));
    if (!zugang.isEmpty())
        f->setAccessibleName(zugang);
    return f;
}

// A number box; laenge 0: any length.
ZahlenFeld* zahlenfeld(const char* name, int laenge = 0) {
    auto* f = new ZahlenFeld;
    f->setObjectName(QString::fromLatin1(name));
    // Narrow enough that the caption beside it is shown whole.
    f->setMinimumWidth(px(450));
    if (laenge > 0)
        f->setMaxLength(laenge);
    return f;
}

// A member of a button array: the array's name, its index as "Index".
QPushButton* arrayKnopf(const char* name, int index, const QString& text, const QString& tipp) {
    QPushButton* k = knopf(name, text);
    k->setProperty("Index", index);
    k->setToolTip(tipp);
    k->setAccessibleDescription(tipp);
    k->setFixedWidth(px(300));
    return k;
}

// A style toggle shown as a letter in its style; named by its tip.
QPushButton* stilKnopf(const char* name, const QString& buchstabe, const QString& tipp) {
    QPushButton* k = knopf(name, buchstabe);
    k->setToolTip(tipp);
    k->setAccessibleName(tipp);
    QFont f = k->font();
    f.setBold(buchstabe == QStringLiteral("F"));
    f.setItalic(buchstabe == QStringLiteral("K"));
    f.setUnderline(buchstabe == QStringLiteral("U"));
    k->setFont(f);
    k->setFixedWidth(px(375));
    return k;
}

// A box with its "+" and "-" beside it.
QHBoxLayout* mitKnoepfen(QWidget* box, QPushButton* plus, QPushButton* minus) {
    auto* l = new QHBoxLayout;
    l->setSpacing(1);
    l->addWidget(box, 1);
    l->addWidget(plus);
    l->addWidget(minus);
    return l;
}

// A caption for a control; the control takes the caption as its name.
QLabel* beschriftung(const char* name, const QString& text, QWidget* fuer = nullptr) {
    auto* l = new QLabel(text);
    if (name)
        l->setObjectName(QString::fromLatin1(name));
    if (fuer) {
        l->setBuddy(fuer);
        fuer->setAccessibleName(text);
    }
    return l;
}

QListWidget* liste(const char* name, const QString& zugang) {
    auto* l = new QListWidget;
    l->setObjectName(QString::fromLatin1(name));
    l->setAccessibleName(zugang);
    return l;
}

QCheckBox* kasten(const char* name, const QString& text) {
    auto* k = new QCheckBox(text);
    k->setObjectName(QString::fromLatin1(name));
    k->setAccessibleName(text);
    return k;
}

QComboBox* auswahl(const char* name, const QString& zugang) {
    auto* c = new QComboBox;
    c->setObjectName(QString::fromUtf8(name));
    c->setAccessibleName(zugang);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    // The lists take no typing, only choosing; the box shows what the
    // element has even when the list lacks it.
    c->lineEdit()->setReadOnly(true);
    return c;
}

QLabel* ueberschrift(const QString& text) {
    auto* l = new QLabel(text);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

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

QGroupBox* frmTools::bildRahmenAufbauen() {
    QGroupBox* g = rahmen("fraBild_B", QStringLiteral("Bild bearbeiten"), this);
    txtX[0] = zahlenfeld("txtX");
    txtY[0] = zahlenfeld("txtY");
    txtHB[0] = zahlenfeld("txtHB");
    txtHB[1] = zahlenfeld("txtHB");
    cmdX[0] = arrayKnopf("cmdX", 0, QStringLiteral("+"), QStringLiteral("1 mm nach rechts"));
    cmdX[1] = arrayKnopf("cmdX", 1, QStringLiteral("-"), QStringLiteral("1 mm nach links"));
    cmdX[2] = arrayKnopf("cmdX", 2, QStringLiteral("+"), QStringLiteral("1 mm nach unten"));
    cmdX[3] = arrayKnopf("cmdX", 3, QStringLiteral("-"), QStringLiteral("1 mm nach oben"));
    cmdH[1] = arrayKnopf("cmdH", 1, QStringLiteral("+"), QStringLiteral("1 mm höher"));
    cmdH[0] = arrayKnopf("cmdH", 0, QStringLiteral("-"), QStringLiteral("1 mm niedriger"));
    cmdB[1] = arrayKnopf("cmdB", 1, QStringLiteral("+"), QStringLiteral("1 mm breiter"));
    cmdB[0] = arrayKnopf("cmdB", 0, QStringLiteral("-"), QStringLiteral("1 mm schmaler"));
    chkProportional = kasten("chkProportional", QStringLiteral("Bildgröße proportional ändern"));
    // On two lines: the frame is narrower than the caption.
    chkProportional->setText(QStringLiteral("Bildgröße proportional\nändern"));
    picBeisp = new QFrame;
    picBeisp->setObjectName(QStringLiteral("picBeisp"));
    picBeisp->setFixedSize(px(2532), px(1215));
    imgBbTestbild = new QLabel(picBeisp);
    imgBbTestbild->setObjectName(QStringLiteral("imgBbTestbild"));
    imgBbTestbild->setScaledContents(true);
    imgBbTestbild->setGeometry(0, 0, 0, 0);
    cmdOK_B = knopf("cmdOK_B", QStringLiteral("&OK"));
    cmdCancel_B = knopf("cmdCancel_B", QStringLiteral("&Abbrechen"));
    cmdBildLoeschen = knopf("cmdBildLoeschen", QStringLiteral("&Bild löschen"));

    auto* l = new QGridLayout(g);
    l->setContentsMargins(4, 4, 4, 4);
    l->setVerticalSpacing(3);
    l->addWidget(beschriftung("lblPos", QStringLiteral("Position:")), 0, 0, 1, 2);
    l->addWidget(beschriftung("lblX", QStringLiteral("von Links:"), txtX[0]), 1, 0);
    l->addLayout(mitKnoepfen(txtX[0], cmdX[0], cmdX[1]), 1, 1);
    l->addWidget(beschriftung("lblY", QStringLiteral("von Oben:"), txtY[0]), 2, 0);
    l->addLayout(mitKnoepfen(txtY[0], cmdX[2], cmdX[3]), 2, 1);
    l->addWidget(beschriftung("lblSize", QStringLiteral("Bildgröße:")), 3, 0, 1, 2);
    l->addWidget(beschriftung(nullptr, QStringLiteral("Höhe:"), txtHB[0]), 4, 0);
    l->addLayout(mitKnoepfen(txtHB[0], cmdH[1], cmdH[0]), 4, 1);
    l->addWidget(beschriftung(nullptr, QStringLiteral("Breite:"), txtHB[1]), 5, 0);
    l->addLayout(mitKnoepfen(txtHB[1], cmdB[1], cmdB[0]), 5, 1);
    l->addWidget(chkProportional, 6, 0, 1, 2);
    l->addWidget(picBeisp, 7, 0, 1, 2, Qt::AlignHCenter);
    l->addWidget(beschriftung("lblXY", QStringLiteral("alle Angaben in mm")), 8, 0, 1, 2);
    l->setRowStretch(9, 1);
    l->addWidget(cmdBildLoeschen, 10, 0, 1, 2);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(cmdOK_B);
    knoepfe->addWidget(cmdCancel_B);
    l->addLayout(knoepfe, 11, 0, 1, 2);

    connect(cmdOK_B, &QPushButton::clicked, this, [this] { cmdOK_B_Click(); });
    connect(cmdCancel_B, &QPushButton::clicked, this, [this] { cmdCancel_B_Click(); });
    connect(cmdBildLoeschen, &QPushButton::clicked, this, [this] { cmdBildLoeschen_Click(); });
    return g;
}

namespace {

// The controls the text frame and the data-field frame have alike.
struct Beschriftungsrahmen {
    QComboBox* art;
    QComboBox* groesse;
    QPushButton* fett;
    QPushButton* kursiv;
    QPushButton* unterstrichen;
    QCheckBox* zentriert;
    Farbwahl* farben;
    QCheckBox* transparent;
    QCheckBox* rahmen;
    QLineEdit* x;
    QPushButton* xPlus;
    QPushButton* xMinus;
    QLineEdit* y;
    QPushButton* yPlus;
    QPushButton* yMinus;
    QLineEdit* maxBreite;
    QPushButton* maxPlus;
    QPushButton* maxMinus;
    QPushButton* loeschen;
};

// Lays out a text or data-field frame: sample box (text only), font,
// colours and frame, position and maximum width, then liste (data field
// only), the delete button and the OK and Cancel buttons.
void beschriftungsrahmenLegen(QGroupBox* g, QLineEdit* probe, const Beschriftungsrahmen& c,
                              QListWidget* liste, QPushButton* ok, QPushButton* abbrechen) {
    auto* l = new QGridLayout(g);
    l->setContentsMargins(4, 4, 4, 4);
    l->setVerticalSpacing(3);
    int z = 0;
    l->addWidget(ueberschrift(QStringLiteral("Schriftformatierungen:")), z++, 0, 1, 2);
    if (probe)
        l->addWidget(probe, z++, 0, 1, 2);
    l->addWidget(c.art, z++, 0, 1, 2);
    auto* stil = new QHBoxLayout;
    stil->setSpacing(1);
    stil->addWidget(c.groesse, 1);
    stil->addWidget(c.fett);
    stil->addWidget(c.kursiv);
    stil->addWidget(c.unterstrichen);
    l->addLayout(stil, z++, 0, 1, 2);
    l->addWidget(c.zentriert, z++, 0, 1, 2);
    l->addWidget(ueberschrift(QStringLiteral("Farben und Rahmen:")), z++, 0, 1, 2);
    l->addWidget(c.farben, z++, 0, 1, 2);
    l->addWidget(c.transparent, z++, 0, 1, 2);
    l->addWidget(c.rahmen, z++, 0, 1, 2);
    l->addWidget(ueberschrift(QStringLiteral("Position und Größe:")), z++, 0, 1, 2);
    l->addWidget(beschriftung("lblX", QStringLiteral("von Links:"), c.x), z, 0);
    l->addLayout(mitKnoepfen(c.x, c.xPlus, c.xMinus), z++, 1);
    l->addWidget(beschriftung("lblY", QStringLiteral("von Oben:"), c.y), z, 0);
    l->addLayout(mitKnoepfen(c.y, c.yPlus, c.yMinus), z++, 1);
    l->addWidget(beschriftung("lblMaxB", QStringLiteral("feste Breite:"), c.maxBreite), z, 0);
    l->addLayout(mitKnoepfen(c.maxBreite, c.maxPlus, c.maxMinus), z++, 1);
    l->addWidget(beschriftung(nullptr, QStringLiteral("alle Angaben in mm")), z++, 0, 1, 2);
    if (liste)
        l->addWidget(liste, z, 0, 1, 2);
    l->setRowStretch(z++, 1);
    l->addWidget(c.loeschen, z++, 0, 1, 2);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    l->addLayout(knoepfe, z, 0, 1, 2);
}

} // namespace

QGroupBox* frmTools::textRahmenAufbauen() {
    QGroupBox* g = rahmen("fraText_B", QStringLiteral("Textfeld bearbeiten"), this);
    txtFont = feld("txtFont", QStringLiteral("Schriftprobe"));
    txtFont->setText(QStringLiteral("Schriftprobe"));
    cboArt = auswahl("cboArt", QStringLiteral("Schriftart"));
    cboGroesse = auswahl("cboGroeße", QStringLiteral("Schriftgröße"));
    cmdBold = stilKnopf("cmdBold", QStringLiteral("F"), QStringLiteral("fett"));
    cmdItalic = stilKnopf("cmdItalic", QStringLiteral("K"), QStringLiteral("kursiv"));
    cmdULine = stilKnopf("cmdULine", QStringLiteral("U"), QStringLiteral("unterstrichen"));
    chkTfZentriert = kasten("chkTfZentriert", QStringLiteral("zentrieren"));
    chkTransparent = kasten("chkTransparent", QStringLiteral("Hintergrund an"));
    chkRahmen = kasten("chkRahmen", QStringLiteral("Rahmen"));
    farbwahlText = new Farbwahl(Farbwahl::Art::Text, g, *this);
    farbwahlText->elementSetzen([this] { return beschriftungBearbeitet(masse::Feldart::Text); });
    picFarbe_S = farbwahlText->picFarbe_S;
    picFarbe_H = farbwahlText->picFarbe_H;
    txtX[1] = zahlenfeld("txtX", 5);
    txtY[1] = zahlenfeld("txtY", 5);
    txtMaxBText = zahlenfeld("txtMaxBText", 5);
    cmdX[4] = arrayKnopf("cmdX", 4, QStringLiteral("+"), QStringLiteral("1 mm nach rechts"));
    cmdX[5] = arrayKnopf("cmdX", 5, QStringLiteral("-"), QStringLiteral("1 mm nach links"));
    cmdX[6] = arrayKnopf("cmdX", 6, QStringLiteral("+"), QStringLiteral("1 mm nach unten"));
    cmdX[7] = arrayKnopf("cmdX", 7, QStringLiteral("-"), QStringLiteral("1 mm nach oben"));
    cmdMBTPlus = arrayKnopf("cmdMBTPlus", 0, QStringLiteral("+"), QStringLiteral("1 mm breiter"));
    cmdMBTMinus =
        arrayKnopf("cmdMBTMinus", 0, QStringLiteral("-"), QStringLiteral("1 mm schmaler"));
    cmdOK_T = knopf("cmdOK_T", QStringLiteral("&OK"));
    cmdCancel_T = knopf("cmdCancel_T", QStringLiteral("&Abbrechen"));
    cmdDel_T = knopf("cmdDel_T", QStringLiteral("&Text löschen"));
    beschriftungsrahmenLegen(g, txtFont,
                             {cboArt, cboGroesse, cmdBold, cmdItalic, cmdULine, chkTfZentriert,
                              farbwahlText, chkTransparent, chkRahmen, txtX[1], cmdX[4], cmdX[5],
                              txtY[1], cmdX[6], cmdX[7], txtMaxBText, cmdMBTPlus, cmdMBTMinus,
                              cmdDel_T},
                             nullptr, cmdOK_T, cmdCancel_T);
    connect(cmdOK_T, &QPushButton::clicked, this, [this] { cmdOK_T_Click(); });
    connect(cmdCancel_T, &QPushButton::clicked, this, [this] { cmdCancel_T_Click(); });
    connect(cmdDel_T, &QPushButton::clicked, this, [this] { cmdDel_T_Click(); });
    connect(cmdMBTPlus, &QPushButton::clicked, this, [this] { maxBreitePlus(false); });
    connect(cmdMBTMinus, &QPushButton::clicked, this, [this] { maxBreiteMinus(false); });
    return g;
}

QGroupBox* frmTools::datenfeldRahmenAufbauen() {
    QGroupBox* g = rahmen("fraDatenfeld_B", QStringLiteral("Datenfeld bearbeiten"), this);
    cboDfArt = auswahl("cboDfArt", QStringLiteral("Schriftart"));
    cboDfGroesse = auswahl("cboDfGroesse", QStringLiteral("Schriftgröße"));
    cmdDfBold = stilKnopf("cmdDfBold", QStringLiteral("F"), QStringLiteral("fett"));
    cmdDfItalic = stilKnopf("cmdDfItalic", QStringLiteral("K"), QStringLiteral("kursiv"));
    cmdDfUnderline =
        stilKnopf("cmdDfUnderline", QStringLiteral("U"), QStringLiteral("unterstrichen"));
    chkDfZentriert = kasten("chkDfZentriert", QStringLiteral("zentrieren"));
    chkDfTransparent = kasten("chkDfTransparent", QStringLiteral("Hintergrund an"));
    chkDfRahmen = kasten("chkDfRahmen", QStringLiteral("Rahmen"));
    farbwahlDf = new Farbwahl(Farbwahl::Art::Datenfeld, g, *this);
    farbwahlDf->elementSetzen([this] { return beschriftungBearbeitet(masse::Feldart::Datenfeld); });
    picDfFarbe_S = farbwahlDf->picFarbe_S;
    picDfFarbe_H = farbwahlDf->picFarbe_H;
    txtX[3] = zahlenfeld("txtX", 4);
    txtY[3] = zahlenfeld("txtY", 4);
    txtMaxBDatenfeld = zahlenfeld("txtMaxBDatenfeld", 4);
    cmdPosX[0] = arrayKnopf("cmdPosX", 0, QStringLiteral("+"), QStringLiteral("1 mm nach rechts"));
    cmdPosX[1] = arrayKnopf("cmdPosX", 1, QStringLiteral("-"), QStringLiteral("1 mm nach links"));
    cmdPosY[0] = arrayKnopf("cmdPosY", 0, QStringLiteral("+"), QStringLiteral("1 mm nach unten"));
    cmdPosY[1] = arrayKnopf("cmdPosY", 1, QStringLiteral("-"), QStringLiteral("1 mm nach oben"));
    cmdMBDPlus = arrayKnopf("cmdMBDPlus", 0, QStringLiteral("+"), QStringLiteral("1 mm breiter"));
    cmdMBDMinus =
        arrayKnopf("cmdMBDMinus", 0, QStringLiteral("-"), QStringLiteral("1 mm schmaler"));
    lstDfListe = liste("lstDfListe", QStringLiteral("Datenfelder"));
    cmdDfOK = knopf("cmdDfOK", QStringLiteral("&OK"));
    cmdCancel_d = knopf("cmdCancel_d", QStringLiteral("&Abbrechen"));
    cmdDfloeschen = knopf("cmdDfloeschen", QStringLiteral("&Feld löschen"));
    beschriftungsrahmenLegen(g, nullptr,
                             {cboDfArt, cboDfGroesse, cmdDfBold, cmdDfItalic, cmdDfUnderline,
                              chkDfZentriert, farbwahlDf, chkDfTransparent, chkDfRahmen, txtX[3],
                              cmdPosX[0], cmdPosX[1], txtY[3], cmdPosY[0], cmdPosY[1],
                              txtMaxBDatenfeld, cmdMBDPlus, cmdMBDMinus, cmdDfloeschen},
                             lstDfListe, cmdDfOK, cmdCancel_d);
    connect(lstDfListe, &QListWidget::itemDoubleClicked, this, [this] { lstDfListe_DblClick(); });
    connect(cmdDfOK, &QPushButton::clicked, this, [this] { cmdDfOK_Click(); });
    connect(cmdCancel_d, &QPushButton::clicked, this, [this] { cmdCancel_d_Click(); });
    connect(cmdDfloeschen, &QPushButton::clicked, this, [this] { cmdDfloeschen_Click(); });
    connect(cmdMBDPlus, &QPushButton::clicked, this, [this] { maxBreitePlus(true); });
    connect(cmdMBDMinus, &QPushButton::clicked, this, [this] { maxBreiteMinus(true); });
    return g;
}

QGroupBox* frmTools::dfBildRahmenAufbauen() {
    QGroupBox* g = rahmen("fraDfBild_B", QStringLiteral("Datenfeld (Bild) bearbeiten"), this);
    txtX[2] = zahlenfeld("txtX", 5);
    txtY[2] = zahlenfeld("txtY", 5);
    txtHB[2] = zahlenfeld("txtHB", 5);
    txtHB[3] = zahlenfeld("txtHB", 5);
    cmdX[11] = arrayKnopf("cmdX", 11, QStringLiteral("+"), QStringLiteral("1 mm nach rechts"));
    cmdX[10] = arrayKnopf("cmdX", 10, QStringLiteral("-"), QStringLiteral("1 mm nach links"));
    cmdX[9] = arrayKnopf("cmdX", 9, QStringLiteral("+"), QStringLiteral("1 mm nach unten"));
    cmdX[8] = arrayKnopf("cmdX", 8, QStringLiteral("-"), QStringLiteral("1 mm nach oben"));
    cmdH[3] = arrayKnopf("cmdH", 3, QStringLiteral("+"), QStringLiteral("1 mm höher"));
    cmdH[2] = arrayKnopf("cmdH", 2, QStringLiteral("-"), QStringLiteral("1 mm niedriger"));
    cmdB[3] = arrayKnopf("cmdB", 3, QStringLiteral("+"), QStringLiteral("1 mm breiter"));
    cmdB[2] = arrayKnopf("cmdB", 2, QStringLiteral("-"), QStringLiteral("1 mm schmaler"));
    chkDfBildZentriert = kasten("chkDfBildZentriert", QStringLiteral("zentrieren"));
    cmdDfBild_Ok = knopf("cmdDfBild_Ok", QStringLiteral("&OK"));
    cmdCancelDf_Bild = knopf("cmdCancelDf_Bild", QStringLiteral("&Abbrechen"));
    cmdDfBild_Loeschen = knopf("cmdDfBild_Loeschen", QStringLiteral("&Feld löschen"));

    auto* l = new QGridLayout(g);
    l->setContentsMargins(4, 4, 4, 4);
    l->setVerticalSpacing(3);
    l->addWidget(ueberschrift(QStringLiteral("Position:")), 0, 0, 1, 2);
    l->addWidget(beschriftung("lblX", QStringLiteral("von Links:"), txtX[2]), 1, 0);
    l->addLayout(mitKnoepfen(txtX[2], cmdX[11], cmdX[10]), 1, 1);
    l->addWidget(beschriftung("lblY", QStringLiteral("von Oben:"), txtY[2]), 2, 0);
    l->addLayout(mitKnoepfen(txtY[2], cmdX[9], cmdX[8]), 2, 1);
    l->addWidget(ueberschrift(QStringLiteral("Bildgröße:")), 3, 0, 1, 2);
    // The long captions stand above their boxes.
    l->addWidget(beschriftung("lblHB", QStringLiteral("maximale Höhe:"), txtHB[2]), 4, 0, 1, 2);
    l->addLayout(mitKnoepfen(txtHB[2], cmdH[3], cmdH[2]), 5, 1);
    l->addWidget(beschriftung("lblHB", QStringLiteral("maximale Breite:"), txtHB[3]), 6, 0, 1, 2);
    l->addLayout(mitKnoepfen(txtHB[3], cmdB[3], cmdB[2]), 7, 1);
    l->addWidget(chkDfBildZentriert, 8, 0, 1, 2);
    l->addWidget(beschriftung(nullptr, QStringLiteral("alle Angaben in mm")), 9, 0, 1, 2);
    l->setRowStretch(10, 1);
    l->addWidget(cmdDfBild_Loeschen, 11, 0, 1, 2);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(cmdDfBild_Ok);
    knoepfe->addWidget(cmdCancelDf_Bild);
    l->addLayout(knoepfe, 12, 0, 1, 2);

    connect(cmdDfBild_Ok, &QPushButton::clicked, this, [this] { cmdDfBild_Ok_Click(); });
    connect(cmdCancelDf_Bild, &QPushButton::clicked, this, [this] { cmdCancelDf_Bild_Click(); });
    connect(cmdDfBild_Loeschen, &QPushButton::clicked, this,
            [this] { cmdDfBild_Loeschen_Click(); });
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
    if (e->key() == Qt::Key_F1) {
        e->accept();
        HilfeAnzeigen(QStringLiteral("index-funktion.htm"));
        return;
    }
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
