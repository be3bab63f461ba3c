#pragma once
// A label window of 100 x 60 mm on A4 without a main window, a PDF printer in
// a temporary folder, and helpers that draw the preview and find colours in it.
#include "label/frmLabel.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "platform/elements.h"
#include "print/frmVorschau.h"
#include "tests/label/schild_fixture.h"

#include <QApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace sorvo::test {

// Screen pixels per millimetre at 100 %.
inline constexpr double kPxMm = 96.0 / 25.4;

class VorschauTest : public ::testing::Test {
protected:
    void SetUp() override {
        ProgrammZuruecksetzen();
        DO() = DruckOptionen{};
        nachbarn().werkzeuge = &m_werkzeuge;
        m_f = neuesFenster(100, 60);
        m_drucker = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_drucker->setOutputFormat(QPrinter::PdfFormat);
        m_drucker->setOutputFileName(pdfPfad());
        m_drucker->setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        Printer().druckerSetzen(m_drucker.get());
    }
    void TearDown() override {
        vorschauEntladen();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Printer().druckerSetzen(nullptr);
        ProgrammZuruecksetzen();
        DO() = DruckOptionen{};
        nachbarn() = Nachbarn{};
    }

    // A new current label window of the given inner size in millimetres.
    frmLabel* neuesFenster(double breite, double hoehe) {
        NeuesSchild();
        const int32_t n = P().lngAktivesSchild;
        frmLabel* f = &Schild(n);
        f->innenGroesseSetzen(breite, hoehe);
        S(n).sngSchildBreite = static_cast<float>(breite);
        S(n).sngSchildHoehe = static_cast<float>(hoehe);
        return f;
    }

    QString pdfPfad() const { return m_dir.path() + QStringLiteral("/schild.pdf"); }

    // Window n as a loop label: column step, left offset and distance from
    // the sheet's top edge; no right or bottom margin.
    static void schlaufeSetzen(int32_t n, float etikettBreite, float links, float oben) {
        auto& e = S(n);
        e.blnSchlaufenetikett = true;
        e.sngEtikettBreite = etikettBreite;
        e.sngGrenzeLinks = links;
        e.sngGrenzeOben = oben;
        e.sngGrenzeRechts = 0;
        e.sngGrenzeUnten = 0;
    }

    // A picture of one colour on the current window.
    Bild& bild(double links, double oben, double breite, double hoehe, Qt::GlobalColor farbe) {
        frmLabel& f = Schild(P().lngAktivesSchild);
        EXPECT_TRUE(f.BildNeu());
        Bild& b = f.imgBild(S(P().lngAktivesSchild).lngAktuellesBild);
        QImage img(8, 8, QImage::Format_RGB32);
        img.fill(farbe);
        b.setPicture(img);
        b.setLeft(links);
        b.setTop(oben);
        b.setWidth(breite);
        b.setHeight(hoehe);
        b.setVisible(true);
        return b;
    }

    // A text of the current window, fitted as the label window fits it.
    Beschriftung& text(const QString& caption, double links, double oben, int32_t maxBreite = 0,
                       int32_t* index = nullptr) {
        return textAnlegen(P().lngAktivesSchild, caption, links, oben, maxBreite, index);
    }

    // Draws the current window on a shown preview at the zoom.
    const QImage& vorschau(int32_t prozent = 100) {
        frmVorschau& v = Vorschaufenster();
        v.show();
        v.objZiel = v.picVorschau();
        v.Ausgabe(prozent);
        return v.picVorschau()->bild();
    }

    AufzeichnendeWerkzeuge m_werkzeuge;
    QTemporaryDir m_dir;
    std::unique_ptr<QPrinter> m_drucker;
    frmLabel* m_f = nullptr;
};

// The bounding box of the pixels that pass the test, inside bereich.
inline QRect umriss(const QImage& img, const std::function<bool(QColor)>& passt,
                    QRect bereich = QRect()) {
    if (bereich.isNull())
        bereich = img.rect();
    bereich &= img.rect();
    QRect r;
    for (int y = bereich.top(); y <= bereich.bottom(); ++y)
        for (int x = bereich.left(); x <= bereich.right(); ++x)
            if (passt(img.pixelColor(x, y)))
                r |= QRect(x, y, 1, 1);
    return r;
}

inline bool rein(QColor c, QColor soll) {
    return std::abs(c.red() - soll.red()) < 40 && std::abs(c.green() - soll.green()) < 40 &&
           std::abs(c.blue() - soll.blue()) < 40;
}

inline bool dunkel(QColor c) {
    return c.lightness() < 128;
}

// Millimetres on the page to preview pixels.
inline int mmPx(double mm, double zoom = 1.0) {
    return static_cast<int>(std::lround(mm * kPxMm * zoom));
}

} // namespace sorvo::test
