#pragma once
// The real main window with one label of 100 x 60 mm, current and unchanged,
// its tool window, a stock-text file and pictures in the test's folder.
#include "platform/elements.h"
#include "tests/app/mdi_fixture.h"
#include "tools/frmTools.h"

#include <QImage>

namespace sorvo::test {

class WerkzeugTest : public MdiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A PNG of breite x hoehe pixels in the test's folder; its path.
    QString bild(const QString& name, int breite, int hoehe, QRgb farbe = qRgb(200, 40, 40));
    // Writes the stock-text file as raw bytes.
    void feldListeSchreiben(const QByteArray& inhalt);
    QByteArray feldListeInhalt() const;
    QStringList stockTexte() const;
    // The label is unchanged: no flag and no "*" in its caption.
    bool unveraendert() const;
    // A new element of the label, visible, made current in its kind.
    Beschriftung& neuerText(const QString& caption = QStringLiteral("Rose"));
    Beschriftung& neuesDatenfeld(const QString& caption);
    Bild& neuesBild(double breite, double hoehe);
    // The dialog of that name among the tool window's children, if open.
    template <class T> T* dialog(const char* name) const {
        return m_t->findChild<T*>(QString::fromLatin1(name));
    }

    frmTools* m_t = nullptr;
    frmLabel* m_f = nullptr;
    int32_t m_n = 0;
    QString m_feldListe;
};

} // namespace sorvo::test
