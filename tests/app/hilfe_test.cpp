// The help window with the pages built beside the test program, as they
// lie beside the program: the page each window's F1 and "&Inhalt" open,
// the links between the pages, and a page that is missing.
#include "database/frmDbSaetzeWaehlen.h"
#include "label/frmLabel.h"
#include "label/frmNeu.h"
#include "label/unterprogramme.h"
#include "platform/hilfe.h"
#include "platform/system.h"
#include "tests/app/mdi_fixture.h"
#include "tools/frmTools.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <functional>

namespace sorvo::test {
namespace {

class HilfeTest : public MdiTest {
protected:
    void SetUp() override {
        MdiTest::SetUp();
        starten();
    }

    static QString ordner() { return programmOrdner() + QStringLiteral("/hilfe"); }

    // F1 pressed in a window; the window takes the key.
    static void f1(QWidget* w) {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
        EXPECT_TRUE(e.isAccepted());
    }

    static QString text() { return hilfeFenster()->txtHilfe->document()->toPlainText(); }

    // The link targets of the page shown, in document order.
    static QStringList links() {
        QStringList l;
        const QTextDocument* d = hilfeFenster()->txtHilfe->document();
        for (QTextBlock b = d->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QString href = it.fragment().charFormat().anchorHref();
                if (!href.isEmpty() && (l.isEmpty() || l.last() != href))
                    l << href;
            }
        return l;
    }
};

TEST_F(HilfeTest, F1InEachWindowAndTheContentsMenuOpenTheirPage) {
    ASSERT_EQ(hilfeFenster(), nullptr);
    const int32_t n = neuesSchild();
    const struct {
        const char* wo;
        std::function<void()> aufrufen;
        const char* seite;
        const char* titel; // the page's title: the window's caption
    } faelle[] = {
        {"Hilfe > Inhalt", [this] { m_mdi->mnuInhalt_Click(); }, "index.htm", "Sorvo-Hilfe"},
        {"new-label dialog",
         [this] {
             m_mdi->mnuDateiNeu_Click();
             auto* neu = m_mdi->findChild<frmNeu*>(QStringLiteral("frmNeu"));
             ASSERT_NE(neu, nullptr);
             f1(neu);
             // Cancelled, so that the label windows take keys again.
             neu->cmdCancel_Click();
             delete neu;
         },
         "2.htm", "Neues Schild definieren"},
        {"label window", [n] { f1(&Schild(n)); }, "3.htm", "Das Schildfenster"},
        {"record choice", [] { f1(&DbSaetze()); }, "5.htm", "Datensätze wählen"},
        // On a desktop the key reaches the main window when no control of
        // the label window holds the focus.
        {"label window, key at the main window",
         [this, n] {
             Schild(n).SetFocus();
             f1(m_mdi.get());
         },
         "3.htm", "Das Schildfenster"},
        {"tool window", [this] { f1(m_mdi->werkzeuge()); }, "index-funktion.htm",
         "Das Werkzeugfenster"},
    };
    HilfeFenster* erstes = nullptr;
    for (const auto& c : faelle) {
        SCOPED_TRACE(c.wo);
        c.aufrufen();
        HilfeFenster* f = hilfeFenster();
        ASSERT_NE(f, nullptr);
        // One help window, brought up again for each page.
        if (!erstes)
            erstes = f;
        EXPECT_EQ(f, erstes);
        EXPECT_TRUE(f->isVisible());
        EXPECT_EQ(f->windowTitle(), "Sorvo-Hilfe");
        EXPECT_EQ(f->seite(), c.seite);
        EXPECT_FALSE(f->seiteFehlt());
        EXPECT_EQ(f->txtHilfe->documentTitle(), QString::fromUtf8(c.titel));
        EXPECT_TRUE(text().startsWith(QString::fromUtf8(c.titel))) << text().left(80).toStdString();
        EXPECT_GT(text().size(), 300);
    }
}

TEST_F(HilfeTest, EveryLinkLeadsToAPageAndEveryPageBackToTheStart) {
    const QStringList seiten = QDir(ordner()).entryList({QStringLiteral("*.htm")}, QDir::Files);
    for (const char* s : {"index.htm", "2.htm", "3.htm", "5.htm", "index-funktion.htm"})
        EXPECT_TRUE(seiten.contains(QString::fromLatin1(s))) << s;
    m_mdi->mnuInhalt_Click();
    QTextBrowser* b = hilfeFenster()->txtHilfe;
    // The start page leads to every other page.
    QStringList vonStart = links();
    vonStart.sort();
    QStringList andere = seiten;
    andere.removeOne(kHilfeStartseite);
    andere.sort();
    vonStart.removeDuplicates();
    EXPECT_EQ(vonStart, andere);

    for (const QString& seite : seiten) {
        SCOPED_TRACE(seite.toStdString());
        HilfeAnzeigen(seite);
        ASSERT_EQ(hilfeFenster()->seite(), seite);
        const QUrl hier = b->source();
        const QStringList ziele = links();
        EXPECT_FALSE(ziele.isEmpty());
        if (seite != kHilfeStartseite) {
            EXPECT_TRUE(ziele.contains(kHilfeStartseite));
        }
        for (const QString& ziel : ziele) {
            SCOPED_TRACE(ziel.toStdString());
            // Followed as a click follows it: relative to the page shown.
            b->setSource(hier.resolved(QUrl(ziel)));
            EXPECT_FALSE(hilfeFenster()->seiteFehlt());
            EXPECT_EQ(hilfeFenster()->seite(), ziel);
            EXPECT_FALSE(text().trimmed().isEmpty());
            b->setSource(hier);
        }
    }
}

TEST_F(HilfeTest, AMissingPageIsNamedInGermanInsteadOfABlankWindow) {
    HilfeAnzeigen(QStringLiteral("gibt-es-nicht.htm"));
    HilfeFenster* f = hilfeFenster();
    ASSERT_NE(f, nullptr);
    EXPECT_TRUE(f->isVisible());
    EXPECT_TRUE(f->seiteFehlt());
    EXPECT_EQ(f->seite(), "gibt-es-nicht.htm");
    EXPECT_TRUE(text().contains(QStringLiteral("Hilfeseite nicht gefunden")));
    EXPECT_TRUE(text().contains(QStringLiteral("„gibt-es-nicht.htm“")));
    EXPECT_TRUE(text().contains(QDir::toNativeSeparators(ordner())));
    // The way back to the start page.
    ASSERT_EQ(links(), QStringList{kHilfeStartseite});
    f->txtHilfe->setSource(f->txtHilfe->source().resolved(QUrl(kHilfeStartseite)));
    EXPECT_FALSE(f->seiteFehlt());
    EXPECT_EQ(f->txtHilfe->documentTitle(), "Sorvo-Hilfe");

    // No pages beside the program at all: said so, and no link to nowhere.
    P().strSorvoVerz = m_dir.path();
    m_mdi->mnuInhalt_Click();
    EXPECT_TRUE(f->seiteFehlt());
    EXPECT_TRUE(text().contains(QStringLiteral("„index.htm“")));
    EXPECT_TRUE(text().contains(QDir::toNativeSeparators(m_dir.path() + QStringLiteral("/hilfe"))));
    EXPECT_TRUE(links().isEmpty());
}

} // namespace
} // namespace sorvo::test
