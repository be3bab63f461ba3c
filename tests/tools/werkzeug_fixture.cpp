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
