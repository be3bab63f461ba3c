#include "platform/bilddatei.h"

#include "platform/system.h"

#include <QFile>
#include <QImageReader>

namespace sorvo {

namespace {

constexpr double kStandardDpi = 96.0;
constexpr double kMmProZoll = 25.4;

int wort(const QByteArray& b, qsizetype i) {
    return (static_cast<unsigned char>(b[i]) << 8) | static_cast<unsigned char>(b[i + 1]);
}

} // namespace

std::optional<QSizeF> bildAufloesung(const QString& pfad) {
    QFile f(pfad);
    if (!lesbareDatei(pfad) || !f.open(QIODevice::ReadOnly))
        return std::nullopt;
    // The JFIF segment follows the start marker, after at most a few
    // other segments; its fields sit in the first bytes.
    const QByteArray b = f.read(64 * 1024);
    if (b.size() < 4 || static_cast<unsigned char>(b[0]) != 0xFF ||
        static_cast<unsigned char>(b[1]) != 0xD8)
        return std::nullopt;
    qsizetype i = 2;
    while (i + 4 <= b.size() && static_cast<unsigned char>(b[i]) == 0xFF) {
        const int marke = static_cast<unsigned char>(b[i + 1]);
        const int laenge = wort(b, i + 2);
        if (marke == 0xDA || laenge < 2)
            break; // the picture data begins: no header came
        if (marke == 0xE0 && laenge >= 14 && i + 4 + 12 <= b.size() &&
            b.mid(i + 4, 5) == QByteArray("JFIF\0", 5)) {
            const int einheit = static_cast<unsigned char>(b[i + 11]);
            const int x = wort(b, i + 12), y = wort(b, i + 14);
            if (x <= 0 || y <= 0 || (einheit != 1 && einheit != 2))
                return std::nullopt;
            const double f = einheit == 2 ? 2.54 : 1.0; // per centimetre
            return QSizeF(x * f, y * f);
        }
        i += 2 + laenge;
    }
    return std::nullopt;
}

std::optional<QSize> bildPixel(const QString& pfad) {
    if (!lesbareDatei(pfad))
        return std::nullopt;
    QImageReader r(pfad);
    const QSize px = r.size();
    if (!px.isValid() || px.isEmpty() || !r.canRead() || px.width() > kGroessteBildSeite ||
        px.height() > kGroessteBildSeite ||
        qint64(px.width()) * qint64(px.height()) > kGroessteBildPixel)
        return std::nullopt;
    return px;
}

std::optional<QSizeF> bildGroesseMm(const QString& pfad) {
    const auto px = bildPixel(pfad);
    if (!px)
        return std::nullopt;
    const QSizeF dpi = bildAufloesung(pfad).value_or(QSizeF(kStandardDpi, kStandardDpi));
    return QSizeF(px->width() * kMmProZoll / dpi.width(), px->height() * kMmProZoll / dpi.height());
}

QImage bildLaden(const QString& pfad, QSize groesse) {
    // The header is read first: its size decides what decoding allocates.
    if (!bildPixel(pfad))
        return {};
    QImageReader r(pfad);
    if (groesse.isValid() && !groesse.isEmpty())
        r.setScaledSize(groesse);
    return r.read();
}

} // namespace sorvo
