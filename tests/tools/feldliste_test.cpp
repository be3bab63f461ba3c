// The stock texts: FeldListe.dat read and written line by line, and the two
// dialogs that add, change and delete entries.
#include "platform/cp1252.h"
#include "tests/support/benennung.h"
#include "tests/support/dateigrenze.h"
#include "tests/tools/werkzeug_fixture.h"
#include "tools/feldliste.h"
#include "tools/frmTextListe.h"
#include "tools/listen.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>
#include <QTemporaryDir>

namespace sorvo::test {
namespace {

TEST(FeldListeDatei, EntriesRoundTripWhole) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("FeldListe.dat"));
    const QStringList eintraege = {QStringLiteral("Topf, 12 cm"),
                                   QStringLiteral("\"Rose, rot\""),
                                   QStringLiteral("  eingerückt"),
                                   QStringLiteral("Größe über 2 m; Blüte Mai–Juni"),
                                   QString(),
                                   QStringLiteral("letzter ")};
    ASSERT_TRUE(feldListeSchreiben(pfad, eintraege));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(),
              zuCp1252(eintraege.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    EXPECT_EQ(feldListeLesen(pfad), eintraege);
}

TEST(FeldListeDatei, ReadingTakesEveryLineWhole) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("FeldListe.dat"));
    struct Fall {
        QByteArray inhalt;
        QStringList erwartet;
    };
    const Fall faelle[] = {
        {"", {}},
        {"\r\n", {""}},
        {"a, b\r\n\"c, d\"\r\n", {"a, b", "\"c, d\""}},
        {"ohne Zeilenende", {"ohne Zeilenende"}},
        {"eins\ndrei\rvier\r\n", {"eins", "drei", "vier"}},
        {"Gr\xf6\xdf"
         "e\r\n\r\n",
         {"Größe", ""}},
    };
    for (const Fall& f : faelle) {
        QFile d(pfad);
        ASSERT_TRUE(d.open(QIODevice::WriteOnly));
        d.write(f.inhalt);
        d.close();
        EXPECT_EQ(feldListeLesen(pfad), f.erwartet) << f.inhalt.toStdString();
    }
}

TEST(FeldListeDatei, MissingFileIsEmptyAndTheFirstEntryCreatesIt) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("FeldListe.dat"));
    EXPECT_EQ(feldListeLesen(pfad), QStringList());
    ASSERT_TRUE(feldListeAnhaengen(pfad, QStringLiteral("Topf, 12 cm")));
    ASSERT_TRUE(feldListeAnhaengen(pfad, QStringLiteral("Öl")));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("Topf, 12 cm\r\n\xd6l\r\n"));
}

TEST(FeldListeDatei, AppendingAfterALastLineWithoutItsEnd) {
    QTemporaryDir dir;
    const QString pfad = dir.filePath(QStringLiteral("FeldListe.dat"));
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Rose");
    f.close();
    ASSERT_TRUE(feldListeAnhaengen(pfad, QStringLiteral("Tulpe")));
    EXPECT_EQ(feldListeLesen(pfad), QStringList({"Rose", "Tulpe"}));
}

TEST(FeldListeDatei, AFileThatCannotBeUsedFails) {
    QTemporaryDir dir;
    // A folder where the file should be: neither readable nor writable.
    const QString pfad = dir.filePath(QStringLiteral("FeldListe.dat"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("FeldListe.dat")));
    EXPECT_FALSE(feldListeLesen(pfad).has_value());
    EXPECT_FALSE(feldListeAnhaengen(pfad, QStringLiteral("x")));
    EXPECT_FALSE(feldListeSchreiben(pfad, {QStringLiteral("x")}));
    EXPECT_TRUE(QFileInfo(pfad).isDir());
    // A folder that does not exist.
    const QString fehlt = dir.filePath(QStringLiteral("fehlt/FeldListe.dat"));
    EXPECT_FALSE(feldListeAnhaengen(fehlt, QStringLiteral("x")));
    EXPECT_FALSE(feldListeSchreiben(fehlt, {QStringLiteral("x")}));
}

class StockTextTest : public WerkzeugTest {
protected:
    frmText_Neu* neu() {
        m_t->cmdFeld_B->click();
        auto* d = dialog<frmText_Neu>("frmText_Neu");
        EXPECT_NE(d, nullptr);
        return d;
    }
    frmEdit* aendern() {
        m_t->cmdEdit->click();
        auto* d = dialog<frmEdit>("frmEdit");
        EXPECT_NE(d, nullptr);
        return d;
    }
    QString markiert() const {
        const auto l = m_t->lstText->selectedItems();
        return l.isEmpty() ? QStringLiteral("(keiner)") : l.first()->text();
    }
    void waehlen(QListWidget* l, const QString& text) {
        const int z = ersteZeile(l, text);
        ASSERT_GE(z, 0) << text.toStdString();
        l->setCurrentRow(z);
    }
    void weg() {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

TEST_F(StockTextTest, ListIsSortedAndKeepsWholeLines) {
    feldListeSchreiben("Topf, 12 cm\r\nrose\r\n\"Rose, rot\"\r\n  Aster\r\nAlpen\r\n");
    m_t->Liste_Neu();
    EXPECT_EQ(stockTexte(),
              QStringList({"  Aster", "\"Rose, rot\"", "Alpen", "rose", "Topf, 12 cm"}));
}

TEST_F(StockTextTest, MissingFileIsAnEmptyListUnreadableGivesAMessage) {
    m_t->Liste_Neu();
    EXPECT_TRUE(stockTexte().isEmpty());
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("FeldListe.dat")));
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    m_t->Liste_Neu();
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_EQ(d.gezeigt()[0].titel, "Datei nicht lesbar!");
    EXPECT_TRUE(stockTexte().isEmpty());
}

TEST_F(StockTextTest, AddingAppendsTheLineAndHighlightsIt) {
    feldListeSchreiben("Rose\r\n");
    m_t->Liste_Neu();
    struct Fall {
        QString text;
        QByteArray zeile;
    };
    const Fall faelle[] = {
        {QStringLiteral("Topf, 12 cm"), "Topf, 12 cm\r\n"},
        {QStringLiteral(" eingerückt"), " einger\xfc"
                                        "ckt\r\n"},
        {QString(), "\r\n"},
        {QStringLiteral("Rose"), "Rose\r\n"},
    };
    for (const Fall& f : faelle) {
        const QByteArray vorher = feldListeInhalt();
        frmText_Neu* d = neu();
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(d->windowTitle(), "Benutzerdefiniertes Feld einfügen");
        EXPECT_EQ(d->windowModality(), Qt::ApplicationModal);
        d->txtText->setText(f.text);
        d->cmdOK->click();
        weg();
        EXPECT_EQ(feldListeInhalt(), vorher + f.zeile);
        EXPECT_EQ(m_t->strFeldListeEintrag, f.text);
        // The new entry is in the list whole, and the first equal one is
        // highlighted.
        EXPECT_EQ(markiert(), f.text);
        EXPECT_EQ(m_t->lstText->currentRow(), ersteZeile(m_t->lstText, f.text));
    }
    EXPECT_EQ(stockTexte(), QStringList({"", " eingerückt", "Rose", "Rose", "Topf, 12 cm"}));
    EXPECT_EQ(dialog<frmText_Neu>("frmText_Neu"), nullptr);
}

TEST_F(StockTextTest, AddingCancelledOrClosedWritesNothing) {
    feldListeSchreiben("Rose\r\n");
    for (int weise = 0; weise < 2; ++weise) {
        frmText_Neu* d = neu();
        ASSERT_NE(d, nullptr);
        d->txtText->setText(QStringLiteral("Tulpe"));
        if (weise == 0)
            d->cmdCancel->click();
        else
            d->close();
        weg();
        EXPECT_EQ(feldListeInhalt(), "Rose\r\n");
        EXPECT_EQ(dialog<frmText_Neu>("frmText_Neu"), nullptr);
    }
}

TEST_F(StockTextTest, AddingToAnUnwritableFileSaysSo) {
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("FeldListe.dat")));
    frmText_Neu* d = neu();
    ASSERT_NE(d, nullptr);
    d->txtText->setText(QStringLiteral("Tulpe"));
    SkriptDialoge s;
    s.meldung(Antwort::OK);
    d->cmdOK->click();
    weg();
    ASSERT_EQ(s.gezeigt().size(), 1u);
    EXPECT_EQ(s.gezeigt()[0].titel, "Datei nicht beschreibbar!");
    EXPECT_TRUE(QFileInfo(m_feldListe).isDir());
    EXPECT_NE(m_t->strFeldListeEintrag, "Tulpe");
}

TEST_F(StockTextTest, EditOpensWithTheSelectedEntry) {
    feldListeSchreiben("Rose\r\nTopf, 12 cm\r\n");
    m_t->Liste_Neu();
    // Nothing selected: nothing chosen, OK and delete wait for a choice.
    frmEdit* d = aendern();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->windowTitle(), "Feld ändern");
    EXPECT_EQ(eintraege(d->lstFeld), QStringList({"Rose", "Topf, 12 cm"}));
    EXPECT_TRUE(d->lstFeld->selectedItems().isEmpty());
    EXPECT_FALSE(d->cmdOK->isEnabled());
    EXPECT_FALSE(d->cmdClear->isEnabled());
    d->cmdClear->click();
    d->cmdOK->click();
    EXPECT_EQ(feldListeInhalt(), "Rose\r\nTopf, 12 cm\r\n");
    d->cmdCancel->click();
    weg();

    waehlen(m_t->lstText, QStringLiteral("Topf, 12 cm"));
    d = aendern();
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->txtFeld->text(), "Topf, 12 cm");
    EXPECT_EQ(d->index(), 1);
    EXPECT_TRUE(d->cmdOK->isEnabled());
    EXPECT_TRUE(d->cmdClear->isEnabled());
    d->close(); // the close box is Abbrechen
    weg();
    EXPECT_EQ(dialog<frmEdit>("frmEdit"), nullptr);
    EXPECT_EQ(feldListeInhalt(), "Rose\r\nTopf, 12 cm\r\n");
}

TEST_F(StockTextTest, ChangingAndDeletingRewriteTheFile) {
    struct Fall {
        const char* name;
        QString waehlen;
        std::function<void(frmEdit*)> tun;
        QByteArray datei;
        QString markiert;
    };
    const Fall faelle[] = {
        // The changed entry keeps its place; the file follows the list.
        {"ändern", "Rose",
         [](frmEdit* d) {
             d->txtFeld->setText(QStringLiteral("  Zwerg, rosa  "));
             d->cmdOK->click();
         },
         "Aster\r\nZwerg, rosa\r\nTopf, 12 cm\r\n", "Zwerg, rosa"},
        {"zu Blanks ändern löscht", "Rose",
         [](frmEdit* d) {
             d->txtFeld->setText(QStringLiteral("   "));
             d->cmdOK->click();
         },
         "Aster\r\nTopf, 12 cm\r\n", "(keiner)"},
        {"Feld löschen", "Topf, 12 cm", [](frmEdit* d) { d->cmdClear->click(); },
         "Aster\r\nRose\r\n", "(keiner)"},
        {"Abbrechen", "Rose", [](frmEdit* d) { d->cmdCancel->click(); },
         "Topf, 12 cm\r\nRose\r\nAster\r\n", "(keiner)"},
    };
    for (const Fall& f : faelle) {
        feldListeSchreiben("Topf, 12 cm\r\nRose\r\nAster\r\n");
        m_t->Liste_Neu();
        waehlen(m_t->lstText, f.waehlen);
        frmEdit* d = aendern();
        ASSERT_NE(d, nullptr);
        f.tun(d);
        weg();
        EXPECT_EQ(feldListeInhalt(), f.datei) << f.name;
        EXPECT_EQ(markiert(), f.markiert) << f.name;
        const QStringList datei = *feldListeLesen(m_feldListe);
        const QStringList liste = stockTexte();
        EXPECT_EQ(QSet<QString>(liste.begin(), liste.end()),
                  QSet<QString>(datei.begin(), datei.end()))
            << f.name;
        EXPECT_EQ(dialog<frmEdit>("frmEdit"), nullptr) << f.name;
    }
}

TEST_F(StockTextTest, ChangingAnUnwritableFileLeavesItAsItWas) {
    feldListeSchreiben("Rose\r\n");
    m_t->Liste_Neu();
    waehlen(m_t->lstText, QStringLiteral("Rose"));
    frmEdit* d = aendern();
    ASSERT_NE(d, nullptr);
    // The file is replaced by a folder before OK: the write must fail.
    QFile::remove(m_feldListe);
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("FeldListe.dat")));
    d->txtFeld->setText(QStringLiteral("Tulpe"));
    SkriptDialoge s;
    s.meldung(Antwort::OK).meldung(Antwort::OK);
    d->cmdOK->click();
    weg();
    ASSERT_GE(s.gezeigt().size(), 1u);
    EXPECT_EQ(s.gezeigt()[0].titel, "Datei nicht beschreibbar!");
    EXPECT_TRUE(QFileInfo(m_feldListe).isDir());
    EXPECT_EQ(dialog<frmEdit>("frmEdit"), nullptr);
}

// A disk too full for the new list: the old file stays whole, the user is
// told, and the tool window keeps showing what the file holds.
TEST_F(StockTextTest, AFullDiskKeepsTheOldListWhole) {
    QByteArray alt;
    for (int i = 1; i <= 20; ++i)
        alt += "Standardtext " + QByteArray::number(i) + "\r\n";
    struct Fall {
        const char* was;
        std::function<void()> tun;
    };
    const Fall faelle[] = {
        {"ändern",
         [this] {
             waehlen(m_t->lstText, QStringLiteral("Standardtext 7"));
             frmEdit* d = aendern();
             ASSERT_NE(d, nullptr);
             d->txtFeld->setText(QStringLiteral("Standardtext 7, verlängert"));
             d->cmdOK->click();
         }},
        {"Feld löschen",
         [this] {
             waehlen(m_t->lstText, QStringLiteral("Standardtext 12"));
             frmEdit* d = aendern();
             ASSERT_NE(d, nullptr);
             d->cmdClear->click();
         }},
        {"neuer Text",
         [this] {
             frmText_Neu* d = neu();
             ASSERT_NE(d, nullptr);
             d->txtText->setText(QStringLiteral("Topf, 12 cm"));
             d->cmdOK->click();
         }},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        feldListeSchreiben(alt);
        m_t->Liste_Neu();
        const QStringList ordner = QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden);
        SkriptDialoge s;
        s.meldung(Antwort::OK);
        // Room for 64 bytes of the new file only.
        ASSERT_TRUE(mitDateigrenze(64, [&] {
            f.tun();
            weg();
        }));
        EXPECT_EQ(feldListeInhalt(), alt);
        EXPECT_EQ(stockTexte().size(), 20);
        EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), ordner);
        EXPECT_EQ(s.gezeigt().size(), 1u);
        if (!s.gezeigt().empty()) {
            EXPECT_EQ(s.gezeigt()[0].titel, "Datei nicht beschreibbar!");
            EXPECT_EQ(s.gezeigt()[0].text,
                      "Die Standard-Texte konnten nicht gespeichert werden:\r" + m_feldListe +
                          "\rDie Datei bleibt unverändert.");
        }
    }
}

TEST_F(StockTextTest, CaptionsNameTheirControls) {
    benennungenPruefen(*m_t, {{m_t->lstText, "lblStandardtext", "Standard - Texte:"},
                              {m_t->txtX[0], "lblX", "von Links:"},
                              {m_t->txtY[0], "lblY", "von Oben:"},
                              {m_t->txtHB[0], "", "Höhe:"},
                              {m_t->txtHB[1], "", "Breite:"},
                              {m_t->txtX[2], "lblX", "von Links:"},
                              {m_t->txtHB[2], "lblHB", "maximale Höhe:"},
                              {m_t->txtHB[3], "lblHB", "maximale Breite:"}});

    frmText_Neu* neuer = neu();
    ASSERT_NE(neuer, nullptr);
    benennungenPruefen(*neuer, {{neuer->txtText, "lblInfo",
                                 "Bitte geben Sie den Text des gewünschten Feldes ein."}});
    EXPECT_TRUE(neuer->lblInfo->wordWrap());
    neuer->cmdCancel->click();
    weg();

    frmEdit* aenderung = aendern();
    ASSERT_NE(aenderung, nullptr);
    benennungenPruefen(*aenderung, {{aenderung->lstFeld, "lblInfo",
                                     "Wählen Sie aus der Liste aus welches Feld Sie ändern möchten "
                                     "und ändern Sie dieses dann im Textfeld."}});
    EXPECT_TRUE(aenderung->lblInfo->wordWrap());
    aenderung->cmdCancel->click();
    weg();
}

} // namespace
} // namespace sorvo::test
