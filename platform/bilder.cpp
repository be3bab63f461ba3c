#include "platform/bilder.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace sorvo {
namespace {

constexpr int kGroesse = 23;

enum class Zustand { Hell, Gedrueckt, Normal, Aus };

void zeichneSymbol(QPainter& p, const QString& basis, const QColor& farbe) {
    const QColor akzent = farbe == Qt::gray ? Qt::gray : QColor(40, 120, 60);
    p.setPen(QPen(farbe, 1.2));
    if (basis == QLatin1String("new")) {
        QPainterPath blatt;
        blatt.moveTo(6, 3);
        blatt.lineTo(13, 3);
        blatt.lineTo(17, 7);
        blatt.lineTo(17, 19);
        blatt.lineTo(6, 19);
        blatt.closeSubpath();
        p.fillPath(blatt, Qt::white);
        p.drawPath(blatt);
        p.drawLine(QPointF(13, 3), QPointF(13, 7));
        p.drawLine(QPointF(13, 7), QPointF(17, 7));
        p.setPen(QPen(akzent, 1.5));
        p.drawLine(QPointF(9, 13), QPointF(14, 13));
        p.drawLine(QPointF(11.5, 10.5), QPointF(11.5, 15.5));
    } else if (basis == QLatin1String("open")) {
        p.setBrush(farbe == Qt::gray ? QColor(220, 220, 220) : QColor(240, 200, 90));
        p.drawRect(QRectF(3, 7, 15, 11));
        p.drawRect(QRectF(3, 5, 6, 2));
        p.setBrush(farbe == Qt::gray ? QColor(235, 235, 235) : QColor(250, 225, 130));
        QPolygonF klappe({QPointF(6, 10), QPointF(20, 10), QPointF(17, 18), QPointF(3, 18)});
        p.drawPolygon(klappe);
    } else if (basis == QLatin1String("save")) {
        p.setBrush(farbe == Qt::gray ? QColor(210, 210, 210) : QColor(60, 90, 160));
        p.drawRect(QRectF(4, 4, 15, 15));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(7, 4, 9, 6));
        p.drawRect(QRectF(7, 13, 9, 6));
    } else if (basis == QLatin1String("preview") || basis == QLatin1String("print") ||
               basis == QLatin1String("printschilder")) {
        if (basis == QLatin1String("preview")) {
            p.setBrush(Qt::white);
            p.drawRect(QRectF(4, 3, 11, 15));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(farbe, 1.8));
            p.drawEllipse(QPointF(13, 12), 4, 4);
            p.drawLine(QPointF(16, 15), QPointF(20, 19));
        } else {
            const bool stapel = basis == QLatin1String("printschilder");
            p.setBrush(Qt::white);
            if (stapel) {
                p.drawRect(QRectF(9, 2, 8, 6));
                p.drawRect(QRectF(7, 4, 8, 6));
            } else {
                p.drawRect(QRectF(7, 3, 9, 7));
            }
            p.setBrush(farbe == Qt::gray ? QColor(200, 200, 200) : QColor(120, 120, 130));
            p.drawRect(QRectF(3, 10, 17, 7));
            p.setBrush(Qt::white);
            p.drawRect(QRectF(7, 15, 9, 5));
            p.setPen(QPen(akzent, 1.5));
            p.drawPoint(QPointF(17, 12));
        }
    } else if (basis == QLatin1String("back") || basis == QLatin1String("next")) {
        const bool zurueck = basis == QLatin1String("back");
        QPolygonF pfeil;
        if (zurueck)
            pfeil << QPointF(4, 11.5) << QPointF(11, 5) << QPointF(11, 9) << QPointF(19, 9)
                  << QPointF(19, 14) << QPointF(11, 14) << QPointF(11, 18);
        else
            pfeil << QPointF(19, 11.5) << QPointF(12, 5) << QPointF(12, 9) << QPointF(4, 9)
                  << QPointF(4, 14) << QPointF(12, 14) << QPointF(12, 18);
        p.setBrush(farbe == Qt::gray ? QColor(210, 210, 210) : QColor(70, 150, 80));
        p.drawPolygon(pfeil);
    }
}

QPixmap knopf(const QString& basis, Zustand z) {
    QPixmap pm(kGroesse, kGroesse);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF rahmen(0.5, 0.5, kGroesse - 1, kGroesse - 1);
    if (z == Zustand::Hell || z == Zustand::Gedrueckt) {
        p.fillRect(rahmen, z == Zustand::Hell ? QColor(235, 242, 252) : QColor(205, 215, 230));
        const QColor licht = z == Zustand::Hell ? Qt::white : QColor(110, 110, 110);
        const QColor schatten = z == Zustand::Hell ? QColor(110, 110, 110) : Qt::white;
        p.setPen(licht);
        p.drawLine(rahmen.topLeft(), rahmen.topRight());
        p.drawLine(rahmen.topLeft(), rahmen.bottomLeft());
        p.setPen(schatten);
        p.drawLine(rahmen.bottomLeft(), rahmen.bottomRight());
        p.drawLine(rahmen.topRight(), rahmen.bottomRight());
    }
    if (z == Zustand::Gedrueckt)
        p.translate(1, 1);
    zeichneSymbol(p, basis, z == Zustand::Aus ? QColor(Qt::gray) : QColor(30, 30, 30));
    return pm;
}

QPixmap fensterPixmap(const QString& key) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (key == QLatin1String("pen04")) {
        p.setPen(QPen(QColor(40, 40, 40), 1));
        p.setBrush(QColor(240, 200, 90));
        QPolygonF stift(
            {QPointF(3, 13), QPointF(4, 10), QPointF(12, 2), QPointF(14, 4), QPointF(6, 12)});
        p.drawPolygon(stift);
    } else if (key == QLatin1String("vorlage")) {
        p.setPen(QColor(40, 40, 40));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(2.5, 1.5, 11, 13));
        p.setPen(QPen(QColor(40, 120, 60), 1.5));
        for (int y = 5; y <= 11; y += 3)
            p.drawLine(QPointF(5, y), QPointF(11, y));
    } else if (key == QLatin1String("druck")) {
        p.setPen(QColor(40, 40, 40));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(120, 120, 130));
        p.drawRect(QRectF(1.5, 6.5, 13, 5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
    } else if (key == QLatin1String("hand-m")) {
        p.setPen(QColor(40, 40, 40));
        p.setBrush(QColor(245, 210, 180));
        p.drawRoundedRect(QRectF(3.5, 6.5, 9, 8), 2, 2);
        for (int i = 0; i < 4; ++i)
            p.drawRoundedRect(QRectF(3.5 + i * 2.3, 2.5 + (i == 0 ? 2 : 0), 2, 6), 1, 1);
    } else {
        return {};
    }
    return pm;
}

void blatt(QPainter& p, const QRectF& r, const QString& text, int schrift) {
    p.setPen(QPen(QColor(40, 90, 50), 2));
    p.setBrush(QColor(250, 250, 240));
    p.drawRoundedRect(r, 8, 8);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(schrift);
    f.setBold(true);
    p.setFont(f);
    p.drawText(r, Qt::AlignCenter, text);
}

} // namespace

QPixmap werkzeugBild(const QString& key) {
    static QHash<QString, QPixmap> cache;
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    static const QStringList basen = {QStringLiteral("new"),   QStringLiteral("open"),
                                      QStringLiteral("save"),  QStringLiteral("preview"),
                                      QStringLiteral("print"), QStringLiteral("back"),
                                      QStringLiteral("next"),  QStringLiteral("printschilder")};
    QString basis = key;
    Zustand z = Zustand::Hell;
    if (key.endsWith(QLatin1String("_ef"))) {
        basis.chop(3);
        z = Zustand::Aus;
    } else if (key.endsWith(QLatin1String("_n"))) {
        basis.chop(2);
        z = Zustand::Normal;
    } else if (key.endsWith(QLatin1String("_u"))) {
        basis.chop(2);
        z = Zustand::Gedrueckt;
    }
    if (!basen.contains(basis))
        return {};
    const QPixmap pm = knopf(basis, z);
    cache.insert(key, pm);
    return pm;
}

QIcon fensterBild(const QString& key) {
    // Drawn once: a record transfer gives thousands of windows the same two.
    static QHash<QString, QIcon> cache;
    auto it = cache.constFind(key);
    if (it == cache.constEnd()) {
        const QPixmap pm = fensterPixmap(key);
        it = cache.insert(key, pm.isNull() ? QIcon() : QIcon(pm));
    }
    return *it;
}

QPixmap startBild() {
    QPixmap pm(420, 260);
    pm.fill(QColor(90, 140, 80));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    blatt(p, QRectF(40, 40, 340, 150), QStringLiteral("Sorvo"), 64);
    p.setPen(Qt::white);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(16);
    p.setFont(f);
    p.drawText(QRectF(0, 205, 420, 30), Qt::AlignCenter, QStringLiteral("Pflanzenschilder"));
    return pm;
}

QPixmap logoBild() {
    QPixmap pm(96, 96);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    blatt(p, QRectF(4, 20, 88, 56), QStringLiteral("S"), 36);
    return pm;
}

} // namespace sorvo
