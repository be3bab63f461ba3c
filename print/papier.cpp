#include "print/papier.h"

#include "platform/dialogs.h"
#include "print/drucker.h"

#include <QPrinter>
#include <array>
#include <cmath>
#include <stdexcept>

namespace sorvo {

namespace {

struct Papier {
    const char* name;
    QPageSize::PageSizeId seite;
};

// Index = code - 1. The page follows the name where the name leaves no
// doubt, so that the name shown for a printer's paper is the paper it holds
// (the envelopes C3, C4 and C5 are numbered 29, 30 and 28 elsewhere).
// Codes 2 and 10 are the same sheets as 1 and 9 with a wider unprintable
// margin; 17 is the tabloid sheet.
const std::array<Papier, 41> papiere{{
    {"US Letter, 8 1/2 x 11 Zoll", QPageSize::Letter},
    {"US Letter Small, 8 1/2 x 11 Zoll", QPageSize::LetterSmall},
    {"US Tabloid, 11 x 17 Zoll", QPageSize::Tabloid},
    {"US Ledger, 17 x 11 Zoll", QPageSize::Ledger},
    {"US Legal, 8 1/2 x 14 Zoll", QPageSize::Legal},
    {"US Statement,  5 1/2 x 8 1/2", QPageSize::Statement},
    {"Executive, 7 1/2 x 10 1/2 Zoll", QPageSize::Executive},
    {"DIN A3, 297 x 420 mm", QPageSize::A3},
    {"DIN A4, 210 x 297 mm", QPageSize::A4},
    {"DIN A4 Small, 210 x 297 mm", QPageSize::A4Small},
    {"DIN A5, 148 x 210 mm", QPageSize::A5},
    {"DIN B4, 250 x 354 mm", QPageSize::B4},
    {"DIN B5, 182 x 257 mm", QPageSize::JisB5},
    {"Folio, 8 1/2 x 13 Zoll", QPageSize::FanFoldGermanLegal},
    {"Quarto, 215 x 275 mm", QPageSize::Quarto},
    {"10 x 14 Zoll", QPageSize::Imperial10x14},
    {"11 x 17 Zoll", QPageSize::Tabloid},
    {"US Note, 8 1/2 x 11 Zoll", QPageSize::Note},
    {"Umschlag 9, 3 7/8 x 8 7/8 Zoll", QPageSize::Envelope9},
    {"Umschlag 10, 4 1/8 x 9 1/2 Zoll", QPageSize::Envelope10},
    {"Umschlag 11, 4 1/2 x 10 3/8 Zoll", QPageSize::Envelope11},
    {"Umschlag 12, 4 1/2 x 11 Zoll", QPageSize::Envelope12},
    {"Umschlag 14, 5 x 11 1/2 Zoll", QPageSize::Envelope14},
    {"Blatt in C-Größe", QPageSize::AnsiC},
    {"Blatt in D-Größe", QPageSize::AnsiD},
    {"Blatt in E-Größe", QPageSize::AnsiE},
    {"Umschlag DL, 110 x 220 mm", QPageSize::EnvelopeDL},
    {"Umschlag C3, 324 x 458 mm", QPageSize::EnvelopeC3},
    {"Umschlag C4, 229 x 324 mm", QPageSize::EnvelopeC4},
    {"Umschlag C5, 162 x 229 mm", QPageSize::EnvelopeC5},
    {"Umschlag C6, 114 x 162 mm", QPageSize::EnvelopeC6},
    {"Umschlag C65, 114 x 229 mm", QPageSize::EnvelopeC65},
    {"Umschlag B4, 250 x 353 mm", QPageSize::EnvelopeB4},
    {"Umschlag B5, 176 x 250 mm", QPageSize::EnvelopeB5},
    {"Umschlag B6, 176 x 125 mm", QPageSize::EnvelopeB6},
    {"Umschlag, 110 x 230 mm", QPageSize::EnvelopeItalian},
    {"Umschlag Monarch, 3 7/8 x 7 1/2 Zoll", QPageSize::EnvelopeMonarch},
    {"Umschlag, 3 5/8 x 6 1/2 Zoll", QPageSize::EnvelopePersonal},
    {"U.S. Standard Fanfold, 14 7/8 x 11 Zoll", QPageSize::FanFoldUS},
    {"Deutsch Standard-Durchschlag, 8 1/2 x 13 Zoll", QPageSize::FanFoldGerman},
    {"Deutsch Legal-Durchschlag, 8 1/2 x 13 Zoll", QPageSize::FanFoldGermanLegal},
}};

bool benannt(long code) {
    return code >= 1 && code <= static_cast<long>(papiere.size());
}

// Device pixels per unit, for a resolution of dpi pixels per inch.
double pixelProEinheit(int scaleMode, int dpi) {
    switch (scaleMode) {
    case Skala::Twips:
        return dpi / 1440.0;
    case Skala::Punkt:
        return dpi / 72.0;
    case Skala::Pixel:
        return 1.0;
    case Skala::Zoll:
        return dpi;
    case Skala::Millimeter:
        return dpi / 25.4;
    case Skala::Zentimeter:
        return dpi / 2.54;
    default:
        throw std::invalid_argument("SeitenMasse: unknown scale mode");
    }
}

long rundeGerade(double x) {
    return static_cast<long>(std::nearbyint(x)); // default rounding: a half to even
}

} // namespace

QString FormatUebers(long intUebergabe) {
    if (benannt(intUebergabe))
        return QString::fromUtf8(papiere[static_cast<size_t>(intUebergabe - 1)].name);
    if (intUebergabe == PapierBenutzerdefiniert)
        return QStringLiteral("Benutzerdefiniert");
    return {};
}

std::optional<QPageSize::PageSizeId> papierGroesse(long code) {
    if (!benannt(code))
        return std::nullopt;
    return papiere[static_cast<size_t>(code - 1)].seite;
}

long papierCode(const QPageSize& seite) {
    if (!seite.isValid() || seite.id() == QPageSize::Custom)
        return PapierBenutzerdefiniert;
    // A size may stand behind two codes (11 x 17 and tabloid): its own number first.
    const long eigene = seite.windowsId();
    if (benannt(eigene) && papiere[static_cast<size_t>(eigene - 1)].seite == seite.id())
        return eigene;
    for (size_t i = 0; i < papiere.size(); ++i)
        if (papiere[i].seite == seite.id())
            return static_cast<long>(i + 1);
    return eigene > 0 ? eigene : PapierBenutzerdefiniert;
}

void SeitenMasse(const QPrinter& Drucker, long& OffsetX, long& OffsetY, long& Breite, long& Hoehe,
                 long& RandRechts, long& RandUnten, int ScaleMode) {
    const Geraetewerte g = geraeteWerte(Drucker);
    const double fx = pixelProEinheit(ScaleMode, g.dpiX);
    const double fy = pixelProEinheit(ScaleMode, g.dpiY);
    Breite = rundeGerade(g.physBreite / fx);
    Hoehe = rundeGerade(g.physHoehe / fy);
    OffsetX = rundeGerade(g.offsetX / fx);
    OffsetY = rundeGerade(g.offsetY / fy);
    // From the rounded sheet and offset, so that the four values add up.
    RandRechts = rundeGerade(static_cast<double>(Breite - OffsetX) - g.druckBreite / fx);
    RandUnten = rundeGerade(static_cast<double>(Hoehe - OffsetY) - g.druckHoehe / fy);
}

long PapierBreite() {
    long ox = 0, oy = 0, b = 0, h = 0, rr = 0, ru = 0;
    SeitenMasse(programmDrucker(), ox, oy, b, h, rr, ru, Skala::Millimeter);
    return b;
}

long PapierHoehe() {
    long ox = 0, oy = 0, b = 0, h = 0, rr = 0, ru = 0;
    SeitenMasse(programmDrucker(), ox, oy, b, h, rr, ru, Skala::Millimeter);
    return h;
}

QString seitenMasseMeldung(const QPrinter& drucker) {
    long ox = 0, oy = 0, b = 0, h = 0, rr = 0, ru = 0;
    SeitenMasse(drucker, ox, oy, b, h, rr, ru, Skala::Millimeter);
    const QString n = QStringLiteral("\r\n");
    return QStringLiteral("Papiergröße: %1 x %2mm").arg(b).arg(h) + n +
           QStringLiteral("Linker Rand: %1mm").arg(ox) + n +
           QStringLiteral("Rechter Rand: %1mm").arg(rr) + n +
           QStringLiteral("Oberer Rand: %1mm").arg(oy) + n +
           QStringLiteral("Unterer Rand: %1mm").arg(ru);
}

void SeitenMasseText() {
    dialoge().meldung(seitenMasseMeldung(programmDrucker()), Msg::OK, QString());
}

} // namespace sorvo
