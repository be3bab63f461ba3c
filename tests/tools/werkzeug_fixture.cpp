#include "tests/tools/werkzeug_fixture.h"

#include "tools/listen.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>

namespace sorvo::test {

void WerkzeugTest::SetUp() {
    MdiTest::SetUp();
    starten();
    m_n = neuesSchild(QStringLiteral("100"), QStringLiteral("60"));
    m_f = &Schild(m_n);
    m_t = m_mdi->werkzeuge();
    m_feldListe = m_dir.filePath(QStringLiteral("FeldListe.dat"));
    P().strFeldListePfad = m_feldListe;
    P().blnWerkzeugFensterFolgt = false;
    m_t->Liste_Neu();
    S(m_n).blnGeaendert = false;
    m_f->setCaption(QStringLiteral("Schild 1"));
}

void WerkzeugTest::TearDown() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    MdiTest::TearDown();
}

Beschriftung& WerkzeugTest::neuerText(const QString& caption) {
    EXPECT_TRUE(m_f->TextNeu());
    Beschriftung& t = m_f->lblText(S(m_n).lngAktuellerText);
    t.setCaption(caption);
    t.setVisible(true);
    return t;
}

Beschriftung& WerkzeugTest::neuesDatenfeld(const QString& caption) {
    EXPECT_TRUE(m_f->DatenfeldNeu());
    Beschriftung& d = m_f->lblDatenfeld(S(m_n).lngAktuellesDatenfeld);
    d.setCaption(caption);
    d.setVisible(true);
    return d;
}

Bild& WerkzeugTest::neuesBild(double breite, double hoehe) {
    EXPECT_TRUE(m_f->BildNeu());
    Bild& b = m_f->imgBild(S(m_n).lngAktuellesBild);
    QImage img(40, 20, QImage::Format_RGB32);
    img.fill(Qt::blue);
    b.setPicture(img);
    b.setWidth(breite);
    b.setHeight(hoehe);
    b.setVisible(true);
    return b;
}

QString WerkzeugTest::bild(const QString& name, int breite, int hoehe, QRgb farbe) {
    QImage img(breite, hoehe, QImage::Format_RGB32);
    img.fill(farbe);
    const QString pfad = m_dir.filePath(name);
    EXPECT_TRUE(img.save(pfad, "PNG")) << pfad.toStdString();
    return pfad;
}

void WerkzeugTest::feldListeSchreiben(const QByteArray& inhalt) {
    QFile f(m_feldListe);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
}

QByteArray WerkzeugTest::feldListeInhalt() const {
    QFile f(m_feldListe);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList WerkzeugTest::stockTexte() const {
    return eintraege(m_t->lstText);
}

bool WerkzeugTest::unveraendert() const {
    return !S(m_n).blnGeaendert && m_f->Caption() == QStringLiteral("Schild 1");
}

} // namespace sorvo::test
