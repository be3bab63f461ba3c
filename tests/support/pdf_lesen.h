#pragma once
// Reads back a PDF the program wrote, with the PDF tools of the system
// (poppler-utils): page count and size, the words with their boxes, and a
// page as a picture. Lengths in millimetres from the page's top left corner.
#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <vector>

namespace sorvo::test {

struct PdfWort {
    int seite = 0; // from 1
    QString text;
    QRectF box; // the words' advance box: left = pen position, mm
};

struct PdfSeite {
    QSizeF groesse; // mm
};

struct PdfInhalt {
    std::vector<PdfSeite> seiten;
    std::vector<PdfWort> woerter;
    // The words of one page, in reading order of the file.
    std::vector<PdfWort> aufSeite(int seite) const;
    // The first word with this text, or nullptr.
    const PdfWort* wort(const QString& text, int seite = 0) const;
};

// Empty (no pages) when the file is missing or cannot be read.
PdfInhalt pdfLesen(const QString& pfad);

// Page n (from 1) drawn at the resolution in pixels per millimetre.
QImage pdfBild(const QString& pfad, int seite, double pixelProMm);

// Bounding box, in millimetres, of the pixels of img (drawn at pixelProMm)
// that pass the test inside the area (mm; empty: everywhere).
QRectF tintenBox(const QImage& img, double pixelProMm, bool (*passt)(QRgb),
                 QRectF bereichMm = QRectF());

bool istDunkel(QRgb c);

} // namespace sorvo::test
