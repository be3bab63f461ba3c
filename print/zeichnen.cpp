// Drawing targets and the drawing primitives of the output engine. Positions
// are label millimetres; the primitives add the current window's margins.
#include "label/nachbarn.h"
#include "label/programm.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/elements.h"
#include "platform/ersetzen.h"
#include "platform/fonts.h"
#include "platform/units.h"
#include "print/drucker.h"
#include "print/frmVorschau.h"

#include <QFile>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPaintEvent>
#include <QPrinter>
#include <algorithm>
#include <cmath>

namespace sorvo {

namespace {

constexpr double kBildschirmPixelProMm = 96.0 / 25.4;

// Whether a PDF file ends as a whole document does: "startxref", the offset
// of its cross-reference table, "%%EOF", and that table where the offset
// says. The painter reports a file cut short by a full disk as written;
// such a file lacks its end, or holds it at the wrong place.
bool pdfGanz(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const qint64 groesse = f.size();
    const qint64 ab = std::max<qint64>(0, groesse - 1024);
    if (!f.seek(ab))
        return false;
    const QByteArray ende = f.read(groesse - ab);
    const qsizetype start = ende.lastIndexOf("startxref");
    if (start < 0)
        return false;
    const QList<QByteArray> teile = ende.mid(start).simplified().split(' ');
    if (teile.size() != 3 || teile[2] != "%%EOF")
        return false;
    bool zahl = false;
    const qint64 tabelle = teile[1].toLongLong(&zahl);
    return zahl && tabelle >= 0 && tabelle < groesse && f.seek(tabelle) && f.read(4) == "xref";
}

} // namespace

DruckOptionen& DO() {
    static DruckOptionen o;
    return o;
}

Zeichenziel::~Zeichenziel() = default;

// ---------------------------------------------------------------------------
// Printer

DruckerZiel::DruckerZiel() = default;
DruckerZiel::~DruckerZiel() = default;

DruckerZiel& Printer() {
    // Never destroyed: a printer may not outlive the application's plug-ins.
    static auto* ziel = new DruckerZiel;
    return *ziel;
}

void DruckerZiel::druckerSetzen(QPrinter* drucker) {
    abbrechen();
    drucker_ = drucker;
}

QPrinter& DruckerZiel::drucker() {
    return drucker_ ? *drucker_ : programmDrucker();
}

int32_t DruckerZiel::WidthTwips() {
    return static_cast<int32_t>(drucker().pageLayout().fullRect(QPageLayout::Point).width() * 20.0);
}

int32_t DruckerZiel::HeightTwips() {
    return static_cast<int32_t>(drucker().pageLayout().fullRect(QPageLayout::Point).height() *
                                20.0);
}

double DruckerZiel::pixelProMm() const {
    auto* self = const_cast<DruckerZiel*>(this);
    return self->drucker().resolution() / 25.4;
}

QPainter* DruckerZiel::painter() {
    oeffnen();
    return painter_.get();
}

void DruckerZiel::oeffnen() {
    if (painter_)
        return;
    QPrinter& d = drucker();
    if (druckerFragtNachDatei(d)) {
        const auto datei = pdfDateiFragen();
        if (!datei)
            throw DruckAbgebrochen();
        d.setOutputFileName(*datei);
        dateiGefragt_ = true;
    }
    pdfUmleiten();
    auto p = std::make_unique<QPainter>();
    if (!p->begin(&d)) {
        pdfZurueck();
        gefragteDateiVergessen();
        // A failed start can leave the printer busy for good; the program's
        // printer is made anew so that the next run can print.
        if (!drucker_)
            druckerErneuern();
        throw DruckFehler("printer cannot be opened");
    }
    painter_ = std::move(p);
}

void DruckerZiel::pdfUmleiten() {
    QPrinter& d = drucker();
    if (d.outputFormat() != QPrinter::PdfFormat || d.outputFileName().isEmpty())
        return;
    pdfDatei_ = d.outputFileName();
    auto ersatz = std::make_unique<Ersatzdatei>(pdfDatei_);
    // A folder that takes no new file: the printer writes the file itself.
    if (ersatz->pfad().isEmpty())
        return;
    ersatz_ = std::move(ersatz);
    d.setOutputFileName(ersatz_->pfad());
}

void DruckerZiel::pdfZurueck() {
    if (ersatz_)
        drucker().setOutputFileName(pdfDatei_);
    ersatz_.reset();
    pdfDatei_.clear();
}

void DruckerZiel::pdfAbschliessen() {
    if (pdfDatei_.isEmpty())
        return;
    const QString datei = pdfDatei_;
    bool ganz = false;
    if (ersatz_) {
        ganz = pdfGanz(ersatz_->pfad()) && ersatz_->einsetzen() == 0;
    } else {
        ganz = pdfGanz(datei);
        if (!ganz)
            QFile::remove(datei);
    }
    pdfZurueck();
    if (!ganz)
        dialoge().meldung(QStringLiteral("Die Datei\r") + datei +
                              QStringLiteral("\rkonnte nicht vollständig geschrieben werden!"),
                          Msg::Exclamation, QStringLiteral("Fehler beim Drucken!"));
}

void DruckerZiel::gefragteDateiVergessen() {
    if (dateiGefragt_)
        pdfAusgabeSetzen(drucker(), QString());
    dateiGefragt_ = false;
}

void DruckerZiel::neueSeite() {
    if (!painter_) {
        oeffnen();
        return;
    }
    if (!drucker().newPage())
        throw DruckFehler("no new page");
}

double DruckerZiel::druckHoeheMm() {
    return drucker().pageLayout().paintRect(QPageLayout::Millimeter).height();
}

void DruckerZiel::EndDoc() {
    if (painter_) {
        painter_->end();
        painter_.reset();
        pdfAbschliessen();
    }
    gefragteDateiVergessen();
}

void DruckerZiel::abbrechen() {
    if (painter_) {
        QPrinter& d = drucker();
        d.abort();
        painter_->end();
        painter_.reset();
        // A PDF document cannot be aborted: the file it wrote goes instead,
        // with the replacement unless the printer wrote the file itself.
        if (!ersatz_ && d.outputFormat() == QPrinter::PdfFormat && !d.outputFileName().isEmpty())
            QFile::remove(d.outputFileName());
    }
    pdfZurueck();
    gefragteDateiVergessen();
    if (sammeln_)
        sammelFehler_ = true;
}

void DruckerZiel::sammelnBeginnen() {
    sammeln_ = false;
    abbrechen();
    sammeln_ = true;
    sammelFehler_ = false;
    sammelRaster_.clear();
}

void DruckerZiel::sammelnBeenden() {
    if (!sammeln_)
        return;
    sammeln_ = false;
    sammelRaster_.clear();
    if (!sammelFehler_)
        EndDoc();
    sammelFehler_ = false;
}

bool DruckerZiel::rasterGesammelt(double hoehe) const {
    return std::find(sammelRaster_.begin(), sammelRaster_.end(), hoehe) != sammelRaster_.end();
}

// ---------------------------------------------------------------------------
// Preview picture

Bildflaeche::Bildflaeche(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picVorschau"));
    setMouseTracking(true);
    ForeColor = 0;
}

void Bildflaeche::mouseMoveEvent(QMouseEvent* e) {
    // Moving onto the preview leaves the main window's toolbar.
    if (auto* m = nachbarn().mdi)
        m->knoepfeNormal();
    QWidget::mouseMoveEvent(e);
}

Bildflaeche::~Bildflaeche() = default;

void Bildflaeche::seiteAnlegen(double breiteMm, double hoeheMm, double zoom) {
    if (painter_)
        painter_->end();
    painter_.reset();
    pixelProMm_ = zoom * kBildschirmPixelProMm;
    const QSize groesse(std::max(1, static_cast<int>(std::lround(breiteMm * pixelProMm_))),
                        std::max(1, static_cast<int>(std::lround(hoeheMm * pixelProMm_))));
    bild_ = QImage(groesse, QImage::Format_ARGB32_Premultiplied);
    bild_.fill(Qt::white);
    resize(groesse);
    painter_ = std::make_unique<QPainter>(&bild_);
}

void Bildflaeche::fertig() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
    update();
}

void Bildflaeche::paintEvent(QPaintEvent* e) {
    if (painter_ || bild_.isNull())
        return;
    QPainter p(this);
    p.drawImage(e->rect(), bild_, e->rect());
}

// ---------------------------------------------------------------------------
// Primitives

QPainter& frmVorschau::p() {
    if (!objZiel)
        throw DruckFehler("no target");
    QPainter* pt = objZiel->painter();
    if (!pt)
        throw DruckFehler("target not open");
    return *pt;
}

double frmVorschau::px(double mm) const {
    return mm * objZiel->pixelProMm();
}

QPen frmVorschau::stift(Farbe farbe) const {
    QPen s(zuQColor(farbe));
    s.setWidthF(objZiel->DrawWidth > 1 ? objZiel->DrawWidth : 0.0);
    s.setStyle(objZiel->DrawStyle == 2 ? Qt::DotLine : Qt::SolidLine);
    return s;
}

void frmVorschau::DruckCurrentX(float X) {
    objZiel->CurrentX = S(P().lngAktivesSchild).sngGrenzeLinks + X;
}

void frmVorschau::DruckCurrentY(float Y) {
    objZiel->CurrentY = S(P().lngAktivesSchild).sngGrenzeOben + Y;
}

void frmVorschau::DruckBild(const Bild& Quelle, float Links, float Oben, float Breite,
                            float Hoehe) {
    // An image control without a picture leaves its place empty.
    if (Quelle.Picture().isNull())
        return;
    const auto& e = S(P().lngAktivesSchild);
    const QRectF r(px(e.sngGrenzeLinks + Links), px(e.sngGrenzeOben + Oben), px(Breite), px(Hoehe));
    QPainter& pt = p();
    pt.save();
    pt.setRenderHint(QPainter::SmoothPixmapTransform);
    pt.drawImage(r, Quelle.Picture());
    pt.restore();
}

void frmVorschau::DruckKreis(float Links, float Oben, float Radius) {
    const auto& e = S(P().lngAktivesSchild);
    QPainter& pt = p();
    pt.setPen(stift(objZiel->ForeColor));
    pt.setBrush(Qt::NoBrush);
    pt.drawEllipse(QPointF(px(e.sngGrenzeLinks + Links), px(e.sngGrenzeOben + Oben)), px(Radius),
                   px(Radius));
}

void frmVorschau::DruckRahmen(float Links, float Oben, float Breite, float& Hoehe, float MaxHoehe) {
    if (Oben + Hoehe > MaxHoehe)
        Hoehe = MaxHoehe - Oben;
    const auto& e = S(P().lngAktivesSchild);
    QPainter& pt = p();
    pt.setPen(stift(objZiel->ForeColor));
    pt.setBrush(Qt::NoBrush);
    pt.drawRect(
        QRectF(px(e.sngGrenzeLinks + Links), px(e.sngGrenzeOben + Oben), px(Breite), px(Hoehe)));
}

void frmVorschau::DruckRahmen(float Links, float Oben, float Breite, float& Hoehe, float MaxHoehe,
                              const QString& farbText) {
    bool ok = false;
    const qlonglong wert = farbText.trimmed().toLongLong(&ok);
    if (!ok)
        throw DruckFehler("frame colour is not a number");
    const Farbe vorher = objZiel->ForeColor;
    objZiel->ForeColor = static_cast<Farbe>(wert);
    DruckRahmen(Links, Oben, Breite, Hoehe, MaxHoehe);
    objZiel->ForeColor = vorher;
}

void frmVorschau::DruckRahmenVoll(float Links, float Oben, float Breite, float& Hoehe,
                                  float MaxHoehe, Farbe farbe) {
    if (Oben + Hoehe > MaxHoehe)
        Hoehe = MaxHoehe - Oben;
    const auto& e = S(P().lngAktivesSchild);
    QPainter& pt = p();
    const QRectF r(px(e.sngGrenzeLinks + Links), px(e.sngGrenzeOben + Oben), px(Breite), px(Hoehe));
    pt.fillRect(r, zuQColor(farbe));
}

void frmVorschau::DruckRahmenZentriert(float Breite, float Hoehe) {
    const auto& e = S(P().lngAktivesSchild);
    sngRahmenLinks =
        (sngSeitenBreite - (e.sngGrenzeRechts + e.sngGrenzeLinks) - Breite) / 2 + e.sngGrenzeLinks;
    sngRahmenOben =
        (sngSeitenHoehe - (e.sngGrenzeUnten + e.sngGrenzeOben) - Hoehe) / 2 + e.sngGrenzeOben;
    QPainter& pt = p();
    pt.setPen(stift(objZiel->ForeColor));
    pt.setBrush(Qt::NoBrush);
    pt.drawRect(QRectF(px(sngRahmenLinks), px(sngRahmenOben), px(Breite), px(Hoehe)));
}

void frmVorschau::DrucklinieZentriert(float Oben, float Breite, int Staerke) {
    const auto& e = S(P().lngAktivesSchild);
    sngRahmenLinks =
        (sngSeitenBreite - (e.sngGrenzeRechts + e.sngGrenzeLinks) - Breite) / 2 + e.sngGrenzeLinks;
    if (Staerke > 0)
        objZiel->DrawWidth = Staerke;
    QPainter& pt = p();
    pt.setPen(stift(objZiel->ForeColor));
    const double y = px(e.sngGrenzeOben + Oben);
    pt.drawLine(QPointF(px(sngRahmenLinks), y), QPointF(px(sngRahmenLinks + Breite), y));
    if (Staerke > 0)
        objZiel->DrawWidth = 1;
}

void frmVorschau::DruckSchriftGroesse(float Groesse) {
    if (objZiel->istDrucker())
        objZiel->FontSize = Groesse;
    else
        objZiel->FontSize = RundenGerade(static_cast<double>(sngZoom) * Groesse);
}

void frmVorschau::messfensterLaden() {
    if (frmBilderTest_)
        return;
    frmBilderTest_ = std::make_unique<ElementCanvas>();
    lblTest1_ = frmBilderTest_->neueBeschriftung();
    lbltest2_ = frmBilderTest_->neueBeschriftung();
    lblDruck_ = frmBilderTest_->neueBeschriftung();
}

Beschriftung& frmVorschau::druckzeile(const QString& text) {
    messfensterLaden();
    // The preview's font size carries the zoom; the page is drawn in page
    // millimetres, so the zoom comes out again here.
    const double punkte =
        objZiel->istDrucker() ? objZiel->FontSize : objZiel->FontSize / std::max(sngZoom, 0.01f);
    Beschriftung& b = *lblDruck_;
    b.setAutoSize(true);
    b.setWordWrap(false);
    b.setBackStyle(0);
    b.setFontName(objZiel->FontName);
    b.setFontSize(punkte);
    b.setFontBold(objZiel->FontBold);
    b.setFontItalic(objZiel->FontItalic);
    b.setFontUnderline(objZiel->FontUnderline);
    b.setForeColor(objZiel->ForeColor);
    b.setCaption(text);
    return b;
}

void frmVorschau::zeileDrucken(const QString& text, double breiteMm, int32_t ausrichtung) {
    if (text.isEmpty())
        return;
    // The line is drawn by a caption control like the label window's own, so
    // glyphs and widths are the same as on the label.
    Beschriftung& b = druckzeile(text);
    double versatz = 0;
    if (ausrichtung == 1)
        versatz = breiteMm - b.Width();
    else if (ausrichtung == 2)
        versatz = (breiteMm - b.Width()) / 2.0;
    b.setLeft(objZiel->CurrentX + versatz);
    b.setTop(objZiel->CurrentY);
    QPainter& pt = p();
    pt.save();
    pt.setRenderHint(QPainter::Antialiasing);
    pt.setRenderHint(QPainter::TextAntialiasing);
    b.zeichnen(pt, objZiel->pixelProMm(), QPalette());
    pt.restore();
}

void frmVorschau::DruckTextZentriert(const QString& Txt, float Oben) {
    const auto& e = S(P().lngAktivesSchild);
    const double breite = druckzeile(Txt).Width();
    objZiel->CurrentX = e.sngGrenzeLinks +
                        ((sngSeitenBreite - e.sngGrenzeRechts - e.sngGrenzeLinks) - breite) / 2.0;
    DruckCurrentY(Oben);
    zeileDrucken(Txt, 0, 0);
}

void frmVorschau::DruckEinzeltext() {
    if (lngDruckDeckend != 0)
        DruckRahmenVoll(sngDruckLinks, sngDruckOben, sngDruckBreite, sngDruckHoehe,
                        sngDruckMaxHoehe, lngDruckHintergrund);
    objZiel->FontName = strDruckSchrift;
    DruckSchriftGroesse(sngDruckGroesse);
    objZiel->FontBold = blnDruckFett;
    objZiel->FontItalic = blnDruckKursiv;
    objZiel->FontUnderline = blnDruckUnterstrichen;
    objZiel->ForeColor = lngDruckFarbe;
    DruckCurrentX(sngDruckLinks);
    DruckCurrentY(sngDruckOben);
    zeileDrucken(strDruckText, sngDruckBreite, lngDruckAusrichtung);
}

} // namespace sorvo
