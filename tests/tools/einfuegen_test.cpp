// Inserting texts: a stock text by a double-click, a typed text by Enter,
// by its button or by leaving its box, each once per user action.
#include "label/frmLabel.h"
#include "platform/canvas.h"
#include "platform/elements.h"
#include "tests/tools/werkzeug_fixture.h"
#include "tools/listen.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace sorvo::test {
namespace {

class TextEinfuegenTest : public WerkzeugTest {
protected:
    void SetUp() override {
        WerkzeugTest::SetUp();
        m_t->activateWindow();
        QApplication::processEvents();
        m_t->cmdEinfuegenText->click();
    }
    // Types text into the box key by key, as the user does.
    void tippen(const QString& text) {
        m_t->txtTextEinfuegen->setFocus();
        for (const QChar c : text) {
            QKeyEvent e(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(m_t->txtTextEinfuegen, &e);
        }
    }
    void enter() {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(m_t->txtTextEinfuegen, &e);
    }
    QStringList texte() const {
        QStringList l;
        for (int32_t i = 1; i <= m_f->hoechsterText(); ++i)
            if (m_f->TextStatusLesen(i))
                l << m_f->lblText(i).Caption();
        return l;
    }
};

TEST_F(TextEinfuegenTest, EveryWayPutsTheTextOnTheLabel) {
    feldListeSchreiben("Topf, 12 cm\r\nRose\r\n");
    m_t->Liste_Neu();
    struct Weg {
        const char* name;
        std::function<void()> tun;
        QString erwartet;
    };
    const Weg wege[] = {
        {"Doppelklick",
         [this] {
             const int z = ersteZeile(m_t->lstText, QStringLiteral("Topf, 12 cm"));
             m_t->lstText->setCurrentRow(z);
             emit m_t->lstText->itemDoubleClicked(m_t->lstText->item(z));
         },
         QStringLiteral("Topf, 12 cm")},
        {"Enter",
         [this] {
             tippen(QStringLiteral("Größe: 2 m"));
             enter();
         },
         QStringLiteral("Größe: 2 m")},
        {"Knopf",
         [this] {
             tippen(QStringLiteral(" x"));
             m_t->cmdTextEinfuegen->setFocus();
             m_t->cmdTextEinfuegen->click();
         },
         QStringLiteral("Größe: 2 m x")},
    };
    for (const Weg& w : wege) {
        S(m_n).blnGeaendert = false;
        m_f->setCaption(QStringLiteral("Schild 1"));
        m_t->cmdEinfuegenText->click();
        w.tun();
        const int32_t i = S(m_n).lngAktuellerText;
        ASSERT_GE(i, 1) << w.name;
        const Beschriftung& t = m_f->lblText(i);
        EXPECT_EQ(t.Caption(), w.erwartet) << w.name;
        EXPECT_TRUE(t.AutoSize()) << w.name;
        EXPECT_EQ(t.BackStyle(), 1) << w.name;
        EXPECT_TRUE(t.Visible()) << w.name;
        EXPECT_EQ(t.Left(), 0);
        EXPECT_EQ(t.Top(), 0);
        EXPECT_EQ(m_f->flaeche()->stapel().back(), &t) << w.name;
        EXPECT_EQ(S(m_n).lngReihenfolge[S(m_n).lngReihenfolgeAnzahl], Elementcode(ArtText, i));
        EXPECT_FALSE(m_t->fraText_E->isVisible()) << w.name;
        EXPECT_EQ(m_t->Height(), 1850) << w.name;
        EXPECT_TRUE(m_t->cmdEinfuegenText->isEnabled()) << w.name;
        EXPECT_EQ(m_f->Caption(), "Schild 1*") << w.name;
    }
    EXPECT_EQ(texte().size(), 3);
    // The box keeps its text.
    EXPECT_EQ(m_t->txtTextEinfuegen->text(), "Größe: 2 m x");
}

TEST_F(TextEinfuegenTest, OneActionInsertsOnce) {
    struct Fall {
        const char* name;
        std::function<void()> tun;
        QStringList erwartet;
    };
    const Fall faelle[] = {
        // Enter closes the panel, which takes the focus from the box.
        {"Enter und Fokusverlust",
         [this] {
             tippen(QStringLiteral("Rose"));
             enter();
             m_t->lstText->setFocus();
         },
         {"Rose"}},
        // A click on the button takes the focus from the box first.
        {"Knopf",
         [this] {
             tippen(QStringLiteral("Tulpe"));
             m_t->cmdTextEinfuegen->setFocus();
             m_t->cmdTextEinfuegen->click();
         },
         {"Tulpe"}},
        {"Fokusverlust",
         [this] {
             tippen(QStringLiteral("Aster"));
             m_t->lstText->setFocus();
         },
         {"Aster"}},
        // Leaving the box again without a change inserts nothing more.
        {"Fokusverlust ohne Änderung",
         [this] {
             tippen(QStringLiteral("Iris"));
             enter();
             m_t->cmdEinfuegenText->click();
             m_t->txtTextEinfuegen->setFocus();
             m_t->lstText->setFocus();
         },
         {"Iris"}},
        // A second Enter is a second action.
        {"zweimal Enter",
         [this] {
             tippen(QStringLiteral("Mohn"));
             enter();
             m_t->cmdEinfuegenText->click();
             m_t->txtTextEinfuegen->setFocus();
             enter();
         },
         {"Mohn", "Mohn"}},
        {"leer",
         [this] {
             m_t->txtTextEinfuegen->setFocus();
             enter();
             m_t->lstText->setFocus();
             m_t->cmdTextEinfuegen->click();
         },
         {}},
    };
    for (const Fall& f : faelle) {
        for (int32_t i = 1; i <= m_f->hoechsterText(); ++i)
            if (m_f->TextStatusLesen(i))
                m_f->TextLoeschen(i);
        m_t->txtTextEinfuegen->clear();
        m_t->cmdEinfuegenText->click();
        f.tun();
        EXPECT_EQ(texte(), f.erwartet) << f.name;
    }
}

TEST_F(TextEinfuegenTest, AtTheLimitThePanelStaysOpen) {
    P().lngMaxTexte = 0;
    tippen(QStringLiteral("Rose"));
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    enter();
    // Leaving the box does not ask again.
    m_t->lstText->setFocus();
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_EQ(d.gezeigt()[0].text, "Zu viele Texte!");
    EXPECT_TRUE(texte().isEmpty());
    EXPECT_TRUE(m_t->fraText_E->isVisible());
    EXPECT_TRUE(unveraendert());
}

} // namespace
} // namespace sorvo::test
