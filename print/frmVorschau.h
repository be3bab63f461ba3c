#pragma once
// Output of a label: one engine draws the current label window, or a sheet of
// generated loop labels, in millimetres on either the printer or the preview
// window's page picture. The preview window with its zoom and scroll bars is
// the engine's home.
#include "platform/colour.h"

#include <QImage>
#include <QMainWindow>
#include <QPainter>
#include <QPen>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <vector>

class QAction;
class QPrinter;
class QScrollBar;

namespace sorvo {

class Beschriftung;
class Bild;
class Ersatzdatei;
class ElementCanvas;
class Steuerelement;

// Options of the whole print run; written by the print settings and the
// loop-label dialog.
struct DruckOptionen {
    bool blnHZentrieren = false;
    bool blnVZentrieren = false;
    int32_t lngSchilderProReihe = 1;
    int32_t lngDruckeProSchild = 1;
    // Set just before the preview opens the loop-label dialog.
    bool blnSchlaufeAusVorschau = false;
    // The margins the print settings keep while a centring box is checked,
    // in the order of its margin boxes: left, right, top, bottom.
    std::array<float, 4> sngGrenzeGemerkt{};
    // The print settings dialog, shown modally from the preview; empty while
    // the program has none (its menu item then stays disabled).
    std::function<void()> druckerEinstellungen;
};
DruckOptionen& DO();

// A failure inside an output run; Ausgabe reports it and stops the run.
struct DruckFehler : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// The user cancelled the job (no file for the PDF printer): the run stops
// without a message and the job is dropped.
struct DruckAbgebrochen : DruckFehler {
    DruckAbgebrochen() : DruckFehler("print job cancelled") {}
};

// Where the engine draws. The members mirror the drawing state of the
// targets the program was designed for: pen position, font, colour, line
// style and width, scale mode (6 = millimetres).
class Zeichenziel {
public:
    virtual ~Zeichenziel();
    virtual bool istDrucker() const = 0;
    // The painter of the open page, in device pixels; nullptr while closed.
    virtual QPainter* painter() = 0;
    // Device pixels per millimetre of the page.
    virtual double pixelProMm() const = 0;

    int ScaleMode = 1;
    double CurrentX = 0;
    double CurrentY = 0;
    QString FontName = QStringLiteral("Arial");
    double FontSize = 10;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    Farbe ForeColor = 0;
    int DrawStyle = 0; // 0 solid, 2 dotted
    int DrawWidth = 1;
};

// The program's printer as a drawing target. Drawing opens the print
// document on first use; EndDoc sends it: one job per run.
class DruckerZiel final : public Zeichenziel {
public:
    DruckerZiel();
    ~DruckerZiel() override;
    bool istDrucker() const override { return true; }
    QPainter* painter() override;
    double pixelProMm() const override;

    // The printer in use: the program's printer unless another was set
    // (tests: a PDF printer); nullptr goes back to the program's.
    void druckerSetzen(QPrinter* drucker);
    QPrinter& drucker();
    // Page size in twips, as whole numbers, from the printer's paper.
    int32_t WidthTwips();
    int32_t HeightTwips();
    // Opens the document; throws DruckFehler when the printer cannot print.
    // A PDF printer without a file asks for one first and throws
    // DruckAbgebrochen when the user cancels; the file it got serves this
    // job only.
    void oeffnen();
    // Ends the page: the next drawing goes on a new page of the same
    // document (the first call only opens the document).
    void neueSeite();
    // Height of the printable area in millimetres, from its top edge.
    double druckHoeheMm();
    void EndDoc();
    // Drops a half-drawn document after a failure.
    void abbrechen();

    // One print job for several runs (all generated labels): until
    // sammelnBeenden, each run on the printer is a page of its own in one
    // open document, and EndDoc leaves it open. A failure drops the job;
    // the further runs then print nothing.
    void sammelnBeginnen();
    // Sends the collected job (unless it was dropped).
    void sammelnBeenden();
    bool sammelt() const { return sammeln_; }
    bool sammelnFehlgeschlagen() const { return sammelFehler_; }
    // The generated loop labels of one height are one sheet: a job holds
    // each sheet once.
    bool rasterGesammelt(double hoehe) const;
    void rasterGesammeltMerken(double hoehe) { sammelRaster_.push_back(hoehe); }

private:
    QPrinter* drucker_ = nullptr;
    std::unique_ptr<QPainter> painter_;
    // A PDF file is written beside its place and takes it only once it is
    // whole: a job that fails leaves no cut file and keeps one printed
    // before. pdfDatei_ is the job's file while the printer writes ersatz_.
    void pdfUmleiten();
    void pdfZurueck();
    // Puts the job's PDF file in place, or tells the user it could not be.
    void pdfAbschliessen();
    QString pdfDatei_;
    std::unique_ptr<Ersatzdatei> ersatz_;
    // Ends the job's use of a file asked for: the next job asks again.
    void gefragteDateiVergessen();
    bool dateiGefragt_ = false;
    bool sammeln_ = false;
    bool sammelFehler_ = false;
    std::vector<double> sammelRaster_;
};
DruckerZiel& Printer();

// The preview's page picture (picVorschau): a widget that shows an image
// drawn at zoom x screen resolution.
class Bildflaeche final : public QWidget, public Zeichenziel {
    Q_OBJECT
public:
    explicit Bildflaeche(QWidget* parent = nullptr);
    ~Bildflaeche() override;
    bool istDrucker() const override { return false; }
    QPainter* painter() override { return painter_.get(); }
    double pixelProMm() const override { return pixelProMm_; }

    // Resizes to the page at the zoom, clears it white and opens it for drawing.
    void seiteAnlegen(double breiteMm, double hoeheMm, double zoom);
    // Ends drawing and shows the result.
    void fertig();
    const QImage& bild() const { return bild_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QImage bild_;
    std::unique_ptr<QPainter> painter_;
    double pixelProMm_ = 96.0 / 25.4;
};

// The preview window ("Seitenvorschau") and the output engine.
class frmVorschau : public QMainWindow {
    Q_OBJECT
public:
    explicit frmVorschau(QWidget* parent = nullptr);
    ~frmVorschau() override;

    // The drawing target: &Printer() or picVorschau().
    Zeichenziel* objZiel = nullptr;
    Bildflaeche* picVorschau() const { return picVorschau_; }

    // --- Output engine ---------------------------------------------------
    void Ausgabe(int32_t Prozent);
    void DruckStart(int32_t Prozent);
    void DruckEnde();
    void DruckSchildrahmen();
    void DruckBegrenzung();
    void DruckBildfeld(int32_t i, int32_t j);

    // --- Drawing primitives (label millimetres, shifted by the margins) ---
    void DruckCurrentX(float X);
    void DruckCurrentY(float Y);
    void DruckBild(const Bild& Quelle, float Links, float Oben, float Breite, float Hoehe);
    void DruckKreis(float Links, float Oben, float Radius);
    // Hoehe is shortened so that the rectangle ends at MaxHoehe.
    void DruckRahmen(float Links, float Oben, float Breite, float& Hoehe, float MaxHoehe);
    void DruckRahmen(float Links, float Oben, float Breite, float& Hoehe, float MaxHoehe,
                     const QString& farbText);
    void DruckRahmenVoll(float Links, float Oben, float Breite, float& Hoehe, float MaxHoehe,
                         Farbe farbe);
    void DruckRahmenZentriert(float Breite, float Hoehe);
    void DrucklinieZentriert(float Oben, float Breite, int Staerke = 0);
    void DruckSchriftGroesse(float Groesse);
    void DruckTextZentriert(const QString& Txt, float Oben);
    void DruckEinzeltext();
    // Draws text element or data field i of window j in one piece.
    void DruckTextfeld(int32_t i, int32_t j);
    void DruckDatenfeld(int32_t i, int32_t j);

    // --- Text and data fields, line by line as the label window breaks them
    void DruckTeOriginal(int32_t i, int32_t l);
    void DruckDfOriginal(int32_t i, int32_t H);

    // --- Window ----------------------------------------------------------
    void ScrollbarsAusrichten();
    void Form_Load();
    // An element drag dropped on the preview ends; the element shows again.
    void Form_DragDrop(Steuerelement& Source);
    void mnuBeenden_Click();
    void mnuDrucken_Click();
    void mnuEinstellungen_Click();
    void mnuSV100_Click();
    void mnuSV200_Click();
    void vscVorschau_Change();
    void hscVorschau_Change();

    QAction* mnuSV100 = nullptr;
    QAction* mnuSV200 = nullptr;
    QAction* mnuBeenden = nullptr;
    QAction* mnuEinstellungen = nullptr;
    QAction* mnuDrucken = nullptr;
    QScrollBar* hscVorschau = nullptr;
    QScrollBar* vscVorschau = nullptr;
    QWidget* picAbdeckung = nullptr;

    // Printing variables of the line DruckEinzeltext draws.
    QString strDruckText;
    QString strDruckSchrift;
    float sngDruckGroesse = 0;
    bool blnDruckFett = false;
    bool blnDruckKursiv = false;
    bool blnDruckUnterstrichen = false;
    float sngDruckOben = 0;
    float sngDruckLinks = 0;
    float sngDruckBreite = 0;
    float sngDruckHoehe = 0;
    Farbe lngDruckFarbe = 0;
    Farbe lngDruckHintergrund = 0;
    int32_t lngDruckDeckend = 0;
    float sngDruckMaxHoehe = 0;
    // Alignment of the line inside sngDruckBreite: 0 left, 1 right, 2 centred.
    int32_t lngDruckAusrichtung = 0;

    float sngSeitenBreite = 0;
    float sngSeitenHoehe = 0;
    float sngZoom = 1;
    float sngRahmenLinks = 0;
    float sngRahmenOben = 0;

    // The lines an element was broken into by the last DruckTeOriginal or
    // DruckDfOriginal.
    const QStringList& letzteZeilen() const { return zeilen_; }

protected:
    void resizeEvent(QResizeEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void SchildElementeDrucken();
    void SchilderRasterDrucken();
    void elementeZeichnen(int32_t j);
    void elementOriginal(const Beschriftung& e, int32_t maxBreite, int32_t fenster);
    void einteilig(const Beschriftung& e);
    QPainter& p();
    double px(double mm) const;
    QPen stift(Farbe farbe) const;
    // Draws one line at the pen position with the target's font.
    void zeileDrucken(const QString& text, double breiteMm, int32_t ausrichtung);
    void messfensterLaden();
    // The printing caption holding text in the target's font.
    Beschriftung& druckzeile(const QString& text);
    // Fills the printing variables from a text or data field.
    void druckwerteSetzen(const Beschriftung& e, double maxHoehe);

    int32_t lngAlterScaleMode = 1;
    Bildflaeche* picVorschau_ = nullptr;
    QWidget* flaeche_ = nullptr;
    // The measuring labels: lblTest1 wraps, lbltest2 holds one line;
    // lblDruck draws the lines.
    std::unique_ptr<ElementCanvas> frmBilderTest_;
    Beschriftung* lblTest1_ = nullptr;
    Beschriftung* lbltest2_ = nullptr;
    Beschriftung* lblDruck_ = nullptr;
    QStringList zeilen_;
};

// The preview window, loaded on first use.
frmVorschau& Vorschaufenster();
bool vorschauGeladen();
// Unloads it (it goes with the next turn of the event loop).
void vorschauEntladen();
// A shown preview draws the current label window again, at its zoom: after
// the dialogs it opens changed the settings.
void vorschauErneuern();

// Registers the preview and printing (nachbarn().vorschau). The dialogs the
// preview opens register themselves (druckerEinrichten,
// schlaufenetikettEinrichten): the preview reaches them only through
// DO().druckerEinstellungen and nachbarn().schlaufenetikett.
void vorschauEinrichten();

} // namespace sorvo
