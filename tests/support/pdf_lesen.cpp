#include "pdf_lesen.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <climits>
#include <cmath>
#include <gtest/gtest.h>

namespace sorvo::test {

namespace {

constexpr double kMmProPunkt = 25.4 / 72.0;

QByteArray ausfuehren(const QString& programm, const QStringList& argumente) {
    QProcess p;
    p.start(programm, argumente);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << programm.toStdString()
                      << " failed: " << p.readAllStandardError().toStdString();
        return {};
    }
    return p.readAllStandardOutput();
}

} // namespace

std::vector<PdfWort> PdfInhalt::aufSeite(int seite) const {
    std::vector<PdfWort> v;
    for (const PdfWort& w : woerter)
        if (w.seite == seite)
            v.push_back(w);
    return v;
}

const PdfWort* PdfInhalt::wort(const QString& text, int seite) const {
    for (const PdfWort& w : woerter)
        if (w.text == text && (seite == 0 || w.seite == seite))
            return &w;
    return nullptr;
}

PdfInhalt pdfLesen(const QString& pfad) {
    PdfInhalt inhalt;
    if (!QFile::exists(pfad))
        return inhalt;
    // -bbox writes XHTML: <page width height> holding <word xMin yMin xMax yMax>.
    const QByteArray html = ausfuehren(QStringLiteral("pdftotext"),
                                       {QStringLiteral("-bbox"), pfad, QStringLiteral("-")});
    QXmlStreamReader xml(html);
    int seite = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        if (xml.name() == QLatin1String("page")) {
            ++seite;
            inhalt.seiten.push_back(
                {QSizeF(a.value(QLatin1String("width")).toDouble() * kMmProPunkt,
                        a.value(QLatin1String("height")).toDouble() * kMmProPunkt)});
        } else if (xml.name() == QLatin1String("word")) {
            PdfWort w;
            w.seite = seite;
            const double x0 = a.value(QLatin1String("xMin")).toDouble() * kMmProPunkt;
            const double y0 = a.value(QLatin1String("yMin")).toDouble() * kMmProPunkt;
            const double x1 = a.value(QLatin1String("xMax")).toDouble() * kMmProPunkt;
            const double y1 = a.value(QLatin1String("yMax")).toDouble() * kMmProPunkt;
            w.box = QRectF(QPointF(x0, y0), QPointF(x1, y1));
            w.text = xml.readElementText();
            inhalt.woerter.push_back(w);
        }
    }
    if (xml.hasError())
        ADD_FAILURE() << "pdftotext output: " << xml.errorString().toStdString();
    return inhalt;
}

QImage pdfBild(const QString& pfad, int seite, double pixelProMm) {
    QTemporaryDir dir;
    const QString ziel = dir.filePath(QStringLiteral("seite"));
    const QString dpi = QString::number(pixelProMm * 25.4, 'f', 3);
    ausfuehren(QStringLiteral("pdftoppm"),
               {QStringLiteral("-r"), dpi, QStringLiteral("-f"), QString::number(seite),
                QStringLiteral("-l"), QString::number(seite), QStringLiteral("-singlefile"),
                QStringLiteral("-png"), pfad, ziel});
    return QImage(ziel + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

QRectF tintenBox(const QImage& img, double pixelProMm, bool (*passt)(QRgb), QRectF bereichMm) {
    QRect bereich = img.rect();
    if (!bereichMm.isNull())
        bereich &= QRect(QPoint(static_cast<int>(std::floor(bereichMm.left() * pixelProMm)),
                                static_cast<int>(std::floor(bereichMm.top() * pixelProMm))),
                         QPoint(static_cast<int>(std::ceil(bereichMm.right() * pixelProMm)),
                                static_cast<int>(std::ceil(bereichMm.bottom() * pixelProMm))));
    int x0 = INT_MAX, y0 = INT_MAX, x1 = -1, y1 = -1;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y) {
        const QRgb* zeile = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (passt(zeile[x])) {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
    }
    if (x1 < 0)
        return {};
    return QRectF(QPointF(x0 / pixelProMm, y0 / pixelProMm),
                  QPointF((x1 + 1) / pixelProMm, (y1 + 1) / pixelProMm));
}

bool istDunkel(QRgb c) {
    return qGray(c) < 128;
}

} // namespace sorvo::test
