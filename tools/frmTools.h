#pragma once
// The tool window beside the labels: the insert bar, the three insert
// panels (stock text, picture, data field) and the edit frames an element is
// loaded into. It is one top-level tool window owned by the main window.
// Its position is kept in twips of the area that holds the label windows,
// so that it compares directly with theirs; its size is the outer size in
// twips.
#include "label/nachbarn.h"
#include "platform/colour.h"
#include "tools/masse.h"

#include <QImage>
#include <QWidget>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace sorvo {

class Beschriftung;
class Bild;
class Farbfeld;
class Farbwahl;
class Steuerelement;
class frmBild;
class frmLabel;

// What an edit records of its element when it begins; Cancel puts it back.
// The own background colour is P().lngAltHintergrundFarbe, which the label
// window's unmarking reads.
struct AlteWerte {
    // Whole millimetres, halves to even, as the frame's boxes show them.
    int32_t lngAltLinks = 0;
    int32_t lngAltOben = 0;
    int32_t lngAltHoehe = 0;
    int32_t lngAltBreite = 0;
    int32_t lngAltMaxHoehe = 0;
    int32_t lngAltMaxBreite = 0;
    int32_t lngAltTextMaxBreite = 0;
    QString strAltText;
    QString strAltSchriftart;
    int32_t lngAltSchriftGroesse = 0;
    bool blnAltFett = false;
    bool blnAltKursiv = false;
    bool blnAltUnterstrichen = false;
    Farbe lngAltSchriftFarbe = 0;
    int32_t lngAltRahmen = 0;
    int32_t lngAltAusrichtung = 0;
    int32_t lngAltHintergrundArt = 0;
    // The values as they were, unrounded, for Cancel.
    double links = 0;
    double oben = 0;
    double breite = 0;
    double hoehe = 0;
    double schriftGroesse = 0;
    bool autoSize = false;
    bool wortUmbruch = false;

    // Height, width, left and top of a picture or picture field, exact and
    // in whole millimetres; and back onto it.
    void geometrieMerken(const Steuerelement& e);
    void geometrieZurueck(Steuerelement& e) const;
};

class frmTools : public QWidget, public Werkzeugfenster, public ElementBearbeitung {
    Q_OBJECT
public:
    // hauptfenster owns the window; it stays above it.
    explicit frmTools(QWidget* hauptfenster = nullptr);
    ~frmTools() override;

    // The load: width 3075; unless the window follows the label windows it
    // stands at the top right of the main window (outer width in twips);
    // the stock texts and the font lists are filled.
    void Form_Load(int hauptfensterBreite, bool folgt);
    // Another window of the program became active (not one of the tool
    // window's own dialogs): an open insert panel collapses.
    void Form_Deactivate();
    void Form_Activate();
    // One of the tool window's own dialogs closed: the tool window takes the
    // focus back. The window the desktop activates meanwhile is nobody's
    // choice and collapses nothing.
    void eigenerDialogGeschlossen();

    // --- Werkzeugfenster --------------------------------------------------
    void setCaption(const QString& c) override { setWindowTitle(c); }
    QString Caption() const override { return windowTitle(); }
    void setHeight(int twips) override;
    int Height() const override;
    void setVisible(bool v) override;
    bool Visible() const override { return isVisible(); }
    void SetFocus() override;
    void NeuePosition() override;
    void einfuegenKnoepfeAktivieren(bool aktiv) override;
    bool einfuegenKnoepfeAktiv() const override;
    void maxBreiteLeeren(bool datenfeld) override;
    void feldListenSetzen(const QStringList& anzeigeNamen,
                          const QStringList& spaltenNamen) override;
    int feldnamenAnzahl() const override;
    int feldnamen2Anzahl() const override;
    void setDBName(const QString& name) override;
    QString DBName() const override;

    // Outer width and position in twips; the position in the label windows'
    // area.
    int Width() const;
    int Left() const;
    int Top() const;
    void setLinksOben(int links, int oben);

    // --- Public operations ------------------------------------------------
    // Refills lstText from the stock-text file.
    void Liste_Neu();
    // Inserts the previewed picture at half its natural size.
    void BildEinfuegen();
    // Inserts the stock text chosen in lstText.
    void TextEinfuegen();
    // Inserts the text typed in txtTextEinfuegen.
    void TextEinfuegen_BD();
    // Inserts a data field for a display name of the current window's
    // database.
    void DatenfeldEinfuegen(const QString& strFeldname);
    // Shows the picture named in txtBild in the preview.
    void BildAnzeigen();
    // The price data field; no control of the window offers it.
    void PreisfeldEinfuegen();

    // --- Events -------------------------------------------------------------
    void cmdEinfuegenBild_Click();
    void cmdEinfuegenText_Click();
    void cmdEinfuegenDatenFeld_Click();
    void cmdTextEinfuegen_Click();
    void cmdEdit_Click();
    void cmdFeld_B_Click();
    void cmdBild_E_Click();
    void cmdPfad_B_Click();
    void lblDBName_Click();
    void filBild_Click();
    void filBild_DblClick();
    void lstText_DblClick();
    void lstFeldnamen_DblClick();
    void lstDfListe_DblClick();
    // Enter in the typed-text box, and the box losing the focus.
    void txtTextEinfuegen_Enter();
    void txtTextEinfuegen_LostFocus();

    // --- Loading an element for editing, and ending the edit -------------
    void ElementLaden(int32_t art, int32_t index) override;
    void cmdOK_B_Click();
    void cmdCancel_B_Click();
    void cmdOK_T_Click();
    void cmdCancel_T_Click();
    void cmdDfOK_Click();
    void cmdCancel_d_Click();
    void cmdDfBild_Ok_Click();
    void cmdCancelDf_Bild_Click();
    // Delete, after the confirmation question.
    void cmdDel_T_Click();
    void cmdBildLoeschen_Click();
    void cmdDfloeschen_Click();
    void cmdDfBild_Loeschen_Click();

    // --- The frames' controls, each acting on the element at once ----------
    // Font and style of the text (datenfeld false) or data field.
    void schriftartGewaehlt(bool datenfeld);
    void schriftgroesseGewaehlt(bool datenfeld);
    void fettUmschalten(bool datenfeld);
    void kursivUmschalten(bool datenfeld);
    void unterstrichenUmschalten(bool datenfeld);
    void rahmenUmschalten(bool datenfeld);
    void hintergrundUmschalten(bool datenfeld);
    // "zentrieren" of the text, data-field or picture-data-field frame.
    void zentrierenUmschalten(masse::Feldart art);
    // The 1 mm buttons beside the position boxes.
    void cmdX_Click(int index);
    void cmdPosX_Click(int index);
    void cmdPosY_Click(int index);
    // Typed positions (Enter and focus loss alike), by box index.
    void PositionXUebernehmen(int index);
    void PositionYUebernehmen(int index);
    // Typed sizes of a picture (0 height, 1 width) and the maxima of a
    // picture data field (2 height, 3 width).
    void GroesseUebernehmen(int index);
    // The size buttons: cmdH / cmdB 0 "-" and 1 "+" of a picture, 2 "-" and
    // 3 "+" of a picture data field's maximum.
    void cmdH_Click(int index);
    void cmdB_Click(int index);
    // "feste Breite:" of a text or data field: its "-" and "+", and the box
    // applied by Enter (held to the label) or by leaving it (as typed).
    void maxBreiteMinus(bool datenfeld);
    void maxBreitePlus(bool datenfeld);
    void maxBreiteEnter(bool datenfeld);
    void maxBreiteVerlassen(bool datenfeld);

    // The edit frame that is open.
    enum class Bearbeitung { Keine, Bild, Text, Datenfeld, DatenfeldBild };
    Bearbeitung bearbeitung() const { return m_bearbeitung; }
    // Index of the element being edited, and what it was like when the edit
    // began.
    int32_t lngElementIndex = 0;
    AlteWerte alt;

    // The stock text handed between the window and its stock-text dialogs.
    QString strFeldListeEintrag;

    // The folder filBild lists ("" before one was set).
    QString filBildPfad() const { return m_bildOrdner; }
    void filBildPfadSetzen(const QString& ordner);
    // The previewed picture, null when there is none.
    const QImage& vorschauBild() const { return m_vorschau; }
    void vorschauLeeren();
    frmBild* bildDialog() const { return m_bildDialog; }

    // --- Controls -------------------------------------------------------------
    QGroupBox* fraEinfuegen;
    QPushButton* cmdEinfuegenDatenFeld;
    QPushButton* cmdEinfuegenBild;
    QPushButton* cmdEinfuegenText;

    QGroupBox* fraText_E;
    QLabel* lblStandardtext;
    QListWidget* lstText;
    QFrame* Line1;
    QLineEdit* txtTextEinfuegen;
    QPushButton* cmdTextEinfuegen;
    QPushButton* cmdEdit;
    QPushButton* cmdFeld_B;

    QGroupBox* fraBild_E;
    QFrame* picBeAnzeige;
    QLabel* imgBild;
    QLineEdit* txtBild;
    QListWidget* filBild;
    QPushButton* cmdBild_E;
    QPushButton* cmdPfad_B;

    QGroupBox* fraDatenfeld_E;
    QListWidget* lstFeldnamen;
    QLabel* lblDBName;
    // Never shown: the column list of the category.
    QListWidget* lstFeldnamen2;

    // Position boxes by kind: 0 picture, 1 text, 2 picture data field,
    // 3 data field. Size boxes: 0 picture height, 1 picture width, 2 and 3
    // the picture data field's maximum height and width.
    std::array<QLineEdit*, 4> txtX{};
    std::array<QLineEdit*, 4> txtY{};
    std::array<QLineEdit*, 4> txtHB{};

    QGroupBox* fraBild_B;
    QFrame* picBeisp;
    QLabel* imgBbTestbild;
    QCheckBox* chkProportional;
    QPushButton* cmdOK_B;
    QPushButton* cmdCancel_B;
    QPushButton* cmdBildLoeschen;

    QGroupBox* fraText_B;
    QLineEdit* txtFont;
    QComboBox* cboArt;
    QComboBox* cboGroesse; // cboGroeße
    QCheckBox* chkTfZentriert;
    QCheckBox* chkTransparent;
    QCheckBox* chkRahmen;
    QPushButton* cmdBold;
    QPushButton* cmdItalic;
    QPushButton* cmdULine;
    Farbwahl* farbwahlText;
    Farbfeld* picFarbe_S;
    Farbfeld* picFarbe_H;
    QLineEdit* txtMaxBText;
    QPushButton* cmdMBTMinus;
    QPushButton* cmdMBTPlus;
    QPushButton* cmdOK_T;
    QPushButton* cmdCancel_T;
    QPushButton* cmdDel_T;

    QGroupBox* fraDatenfeld_B;
    QComboBox* cboDfArt;
    QComboBox* cboDfGroesse;
    QCheckBox* chkDfZentriert;
    QCheckBox* chkDfTransparent;
    QCheckBox* chkDfRahmen;
    QPushButton* cmdDfBold;
    QPushButton* cmdDfItalic;
    QPushButton* cmdDfUnderline;
    Farbwahl* farbwahlDf;
    Farbfeld* picDfFarbe_S;
    Farbfeld* picDfFarbe_H;
    QLineEdit* txtMaxBDatenfeld;
    QPushButton* cmdMBDMinus;
    QPushButton* cmdMBDPlus;
    QListWidget* lstDfListe;
    QPushButton* cmdDfOK;
    QPushButton* cmdCancel_d;
    QPushButton* cmdDfloeschen;

    QGroupBox* fraDfBild_B;
    QCheckBox* chkDfBildZentriert;
    QPushButton* cmdDfBild_Ok;
    QPushButton* cmdCancelDf_Bild;
    QPushButton* cmdDfBild_Loeschen;

    // The 1 mm position buttons ("+" and "-" by index as the frames have
    // them) and the size buttons.
    std::array<QPushButton*, 12> cmdX{};
    std::array<QPushButton*, 2> cmdPosX{};
    std::array<QPushButton*, 2> cmdPosY{};
    std::array<QPushButton*, 4> cmdH{};
    std::array<QPushButton*, 4> cmdB{};

    // The colour a colour sample shows.
    static Farbe farbeVon(const Farbfeld* feld);

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void aufbauen();
    QGroupBox* insertBarAufbauen();
    QGroupBox* textPanelAufbauen();
    QGroupBox* bildPanelAufbauen();
    QGroupBox* datenfeldPanelAufbauen();
    QGroupBox* bildRahmenAufbauen();
    QGroupBox* textRahmenAufbauen();
    QGroupBox* datenfeldRahmenAufbauen();
    QGroupBox* dfBildRahmenAufbauen();
    // The text and the data-field frame are built alike from a table of
    // their names; their controls go into the members ziel names.
    struct Beschriftungsnamen;
    struct Beschriftungsrahmen;
    QGroupBox* beschriftungsrahmenAufbauen(const Beschriftungsnamen& namen,
                                           const Beschriftungsrahmen& ziel, QLineEdit* probe,
                                           QListWidget* liste);
    void schriftListenFuellen();
    void bearbeitungVerbinden();

    // Opens an insert panel: placed, the window 5600 high, the other two
    // panels hidden, its button disabled and the other two enabled.
    void panelOeffnen(QGroupBox* panel, QPushButton* knopf);
    // After an insertion: panel hidden, window collapsed, its button
    // enabled, the label marked changed.
    void panelSchliessen(QGroupBox* panel, QPushButton* knopf);
    // The current label window when it is an open label, else nullptr.
    frmLabel* aktuellesSchild() const;
    // The caption of a data field for a display name of the current
    // window's database kind; nothing when the kind's vocabulary lacks it.
    std::optional<QString> datenfeldCaption(const QString& name) const;
    // Asks for a user-defined property; "" when none was chosen.
    QString benutzerEigenschaft();
    void datenbankAnzeigen();

    // Edit frames.
    void rahmenZeigen(QGroupBox* rahmen, int hoehe);
    void bearbeitungBeenden(QGroupBox* rahmen);
    void beschriftungMerken(const Beschriftung& b, int32_t maxBreite);
    void beschriftungZurueck(Beschriftung& b);
    void beschriftungAnzeigen(bool datenfeld);
    // What loading a text and a data field share, from the title on: the
    // element recorded, its maximum width (maxText as the box shows it), the
    // frame open and its boxes filled.
    void beschriftungLaden(bool datenfeld, const QString& titel, int32_t index,
                           const Beschriftung& b, int32_t maxBreite, const QString& maxText);
    // Loading an element of label n into its frame.
    void bildLaden(int32_t n, int32_t index);
    void textLaden(int32_t n, int32_t index);
    void datenfeldLaden(int32_t n, int32_t index);
    void dfBildLaden(int32_t n, int32_t index);
    // An edit that changed the label ends: the frame closes, the label is
    // marked changed and takes the focus.
    void bearbeitungFertig(QGroupBox* rahmen);
    // The delete question of the frame of that kind, when that frame is
    // open; the current label's number when the user said yes.
    std::optional<int32_t> loeschenGefragt(Bearbeitung art, const QString& frage);
    void datenfeldLoeschen(Bearbeitung art, QGroupBox* rahmen);
    // OK and Cancel of the text frame, or of the data-field frame.
    void beschriftungOk(bool datenfeld);
    void beschriftungAbbrechen(bool datenfeld);
    // Every box an OK reads holds a number ("" counts as 0); otherwise the
    // user is told and the frame stays open.
    bool boxenPruefen(std::initializer_list<QLineEdit*> boxen);
    void maxBreiteGetippt(bool datenfeld, bool enter);
    void groesseSchritt(bool hoehe, int index);
    void maxBreiteSchritt(bool datenfeld, bool plus);

    // The element the open frame of that kind edits; nullptr when that frame
    // is not open.
    Steuerelement* bearbeitet(masse::Feldart art) const;
    Beschriftung* beschriftungBearbeitet(masse::Feldart art) const;
    Bild* bildBearbeitet() const;
    // What goes with a kind: its maximum-width box and "zentrieren".
    QLineEdit* maxBox(masse::Feldart art) const;
    QCheckBox* zentrierenKasten(masse::Feldart art) const;
    void maxBreiteSchreiben(masse::Feldart art, int32_t wert);
    int32_t maxBreiteLesen(masse::Feldart art) const;
    // A text or data field has no maximum width any more.
    void ohneMaxBreite(masse::Feldart art, bool zentrierenAus);
    // The maximum width held against the right edge after a move; the new
    // maximum when it had to change.
    std::optional<int32_t> maxBreiteAmRand(masse::Feldart art, bool knopf);
    void positionSchritt(const masse::Positionsknopf& k);
    // The picture's new size, kept inside the label; the boxes show what it
    // got.
    void bildGroesseSetzen(const masse::Bildgroesse& g);
    // A maximum height or width of the picture data field.
    void bildDfMaxSetzen(bool hoehe, int32_t wert, bool linksAusBox);
    void titelSetzen(const QString& art, int32_t index);

    // Window geometry.
    QPoint ursprung() const;
    int rahmenHoehe() const;
    int rahmenBreite() const;
    void groesseAnwenden();
    void platzAnwenden();
    // The tool window or one of its own dialogs is the active window.
    void aktivierungPruefen();

    int m_hoeheTwips = 1850;
    int m_linksTwips = 0;
    int m_obenTwips = 0;
    QPoint m_gesetztBei{-1, -1};
    bool m_platzGesetzt = false;
    bool m_aktiv = false;
    // Set when an own dialog closed, cleared by the user's next key or click.
    bool m_fokusZurueck = false;

    Bearbeitung m_bearbeitung = Bearbeitung::Keine;

    QString m_bildOrdner;
    QImage m_vorschau;
    QString m_vorschauPfad;
    frmBild* m_bildDialog = nullptr;
    // The typed text was inserted and not changed since; leaving the box
    // then inserts nothing more.
    bool m_getipptEingefuegt = false;
};

} // namespace sorvo
