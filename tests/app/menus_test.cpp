#include "app/werkzeugleiste.h"
#include "label/unterprogramme.h"
#include "platform/elements.h"
#include "platform/system.h"
#include "print/drucker.h"
#include "print/frmVorschau.h"
#include "tests/app/mdi_fixture.h"
#include "tools/frmTools.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrinter>

namespace sorvo::test {
namespace {

class MenueTest : public MdiTest {
protected:
    bool an(const char* name) { return m_mdi->menuAktiv(QString::fromLatin1(name)); }
    BildKnopf* knopf(const char* name) {
        return m_mdi->picMenue()->knopf(QString::fromLatin1(name));
    }
    void bewegen(QWidget* w) {
        QMouseEvent e(QEvent::MouseMove, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    void maus(QWidget* w, QEvent::Type t) {
        QMouseEvent e(t, QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), Qt::LeftButton,
                      t == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
};

TEST_F(MenueTest, MenuTreeCaptionsAndStartStates) {
    starten();
    const struct {
        const char* name;
        const char* text;
        bool aktiv;
    } erwartet[] = {
        {"mnuDatei", "&Datei", true},
        {"mnuDateiNeu", "&Neu", true},
        {"mnuDateiOeffnen", "&Öffnen", true},
        {"mnuDateiSpeichern", "&Speichern", false},
        {"mnuDateiSpeichernunter", "Speichern &unter", false},
        {"mnuDrucken", "Drucken", false},
        {"mnuDruckenEinstellungen", "Einstellungen", true},
        {"mnuDateiDVorschau", "Vorschau", true},
        {"mnuDateiDrucken", "Schild &drucken", true},
        {"mnuDruckerEinrichten", "Drucker einrichten", true},
        {"mnuDateiSchliessen", "Schild s&chließen", false},
        {"mnuBeenden", "&Beenden", true},
        {"mnuDatenbanken", "Daten&banken", true},
        {"mnuDbLaden", "Botrel-/Sorvo-Datenbank laden", false},
        {"mnuDbEigeneLaden", "Eigene Datenbank laden", false},
        {"mnuDbEntladen", "Datenbank entladen", false},
        {"mnuDBWechseln", "Datenbank wechseln", false},
        {"mnuDbDatensaetzeWaehlen", "Datensätze  &wählen", false},
        {"mnuSonstiges", "Sonstiges", true},
        {"mnuPreisedatenbank", "Preisedatenbank laden", false},
        {"mnuBotrel", "&Botrel-Programme", true},
        {"mnuExtras", "&Extras", true},
        {"mnuOptionen", "&Optionen", true},
        {"mnuFenster", "&Fenster", true},
        {"mnuFensterUeberlappend", "Überlappend", true},
        {"mnuFensterNebeneinander", "Nebeneinander", true},
        {"mnuFensterUntereinander", "Untereinander", true},
        {"mnuHilfe", "&Hilfe", true},
        {"mnuInhalt", "&Inhalt", true},
        {"mnuUeberSorvo", "&Über Sorvo", true},
    };
    for (const auto& e : erwartet) {
        QAction* a = m_mdi->menu(QString::fromLatin1(e.name));
        ASSERT_NE(a, nullptr) << e.name;
        EXPECT_EQ(a->text(), QString::fromUtf8(e.text)) << e.name;
        EXPECT_EQ(a->isEnabled(), e.aktiv) << e.name;
        EXPECT_TRUE(a->isVisible()) << e.name;
        EXPECT_TRUE(a->shortcut().isEmpty()) << e.name;
    }
    // Top menus in display order.
    QStringList oben;
    for (QAction* a : m_mdi->menuBar()->actions())
        oben << a->objectName();
    EXPECT_EQ(oben, QStringList({"mnuDatei", "mnuDatenbanken", "mnuBotrel", "mnuExtras",
                                 "mnuFenster", "mnuHilfe"}));
    for (const char* versteckt :
         {"mnuBotrelSuchen", "mnuBotrelBilderSuchen", "mnuBotrelTrennstrich"})
        EXPECT_FALSE(m_mdi->menu(QString::fromLatin1(versteckt))->isVisible()) << versteckt;
    // Toolbar: New and Open usable, the six others not, each with its picture.
    const struct {
        const char* name;
        const char* tipp;
        bool aktiv;
        const char* bild;
    } knoepfe[] = {
        {"cmdNeu", "Neues Schild", true, "new_n"},
        {"cmdOeffnen", "Schild laden", true, "open_n"},
        {"cmdSpeichern", "Schild speichern", false, "save_ef"},
        {"cmdVorschau", "Druck-Vorschau", false, "preview_ef"},
        {"cmdDrucken", "Schild drucken", false, "print_ef"},
        {"cmdBack", "letztes Schild", false, "back_ef"},
        {"cmdNext", "nächstes Schild", false, "next_ef"},
        {"cmdDruckNeueSchilder", "alle erzeugten Schilder drucken", false, "printschilder_ef"}};
    int links = -1;
    for (const auto& k : knoepfe) {
        BildKnopf* b = knopf(k.name);
        ASSERT_NE(b, nullptr);
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(k.tipp));
        EXPECT_EQ(b->isEnabled(), k.aktiv) << k.name;
        EXPECT_EQ(b->bild(), k.bild);
        EXPECT_FALSE(b->pixmap().isNull()) << k.name;
        EXPECT_EQ(b->size(), QSize(23, 23));
        EXPECT_GT(b->x(), links);
        links = b->x();
        EXPECT_TRUE(b->Tag.isEmpty());
    }
}

TEST_F(MenueTest, NewLabelEnablesFileItemsAndClosingTheLastDisablesThem) {
    starten();
    const int32_t n = neuesSchild();
    for (const char* name : {"mnuDateiSpeichern", "mnuDateiSpeichernunter", "mnuDateiSchliessen",
                             "mnuDrucken", "mnuDbLaden", "mnuDbEigeneLaden"})
        EXPECT_TRUE(an(name)) << name;
    EXPECT_FALSE(an("mnuDbEntladen"));
    for (const char* name : {"cmdSpeichern", "cmdDrucken", "cmdVorschau"}) {
        EXPECT_TRUE(knopf(name)->isEnabled());
        EXPECT_TRUE(knopf(name)->bild().endsWith(QLatin1String("_n")));
    }
    EXPECT_TRUE(m_mdi->werkzeuge()->isVisible());
    EXPECT_TRUE(P().blnWerkzeugeAktiv);

    // A database-bound window then closes as the last one.
    S(n).blnDbGeladen = true;
    S(n).blnPflanzenDb = true;
    Schild(n).Form_Activate();
    EXPECT_TRUE(an("mnuDBWechseln"));
    m_mdi->mnuDateiSchliessen_Click();
    for (const char* name : {"mnuDateiSpeichern", "mnuDateiSpeichernunter", "mnuDateiSchliessen",
                             "mnuDrucken", "mnuDbLaden", "mnuDbEigeneLaden", "mnuDbEntladen",
                             "mnuPreisedatenbank", "mnuDbDatensaetzeWaehlen", "mnuDBWechseln"})
        EXPECT_FALSE(an(name)) << name;
    EXPECT_EQ(knopf("cmdSpeichern")->bild(), "save_ef");
    EXPECT_EQ(knopf("cmdDrucken")->bild(), "print_ef");
    EXPECT_EQ(knopf("cmdVorschau")->bild(), "preview_ef");
    EXPECT_FALSE(knopf("cmdSpeichern")->isEnabled());
    EXPECT_FALSE(m_mdi->werkzeuge()->isVisible());
    EXPECT_FALSE(P().blnWerkzeugeAktiv);
    EXPECT_TRUE(an("mnuDateiNeu"));
}

TEST_F(MenueTest, ToolWindowComesBackWithALabelInAReusedSlot) {
    starten();
    const int32_t n = neuesSchild();
    Schild(n).schliessen();
    EXPECT_FALSE(m_mdi->werkzeuge()->isVisible());
    EXPECT_EQ(neuesSchild(), n);
    EXPECT_TRUE(m_mdi->werkzeuge()->isVisible());
    EXPECT_EQ(m_mdi->werkzeuge()->Caption(), "Werkzeuge - Schild: 1");
}

TEST_F(MenueTest, ToolWindowStandsTopRightUnlessItFollows) {
    starten();
    frmTools* t = m_mdi->werkzeuge();
    EXPECT_EQ(t->Width(), 3075);
    t->Form_Load(15000, false);
    EXPECT_EQ(t->Top(), 0);
    EXPECT_EQ(t->Left(), 15000 - 3075 - 250);
}

TEST_F(MenueTest, DatabaseItemsFollowTheActiveWindow) {
    starten();
    const int32_t a = neuesSchild();
    const int32_t b = neuesSchild();
    struct Fall {
        bool geladen, pflanzen, vorlageOffen;
        bool laden, eigene, entladen, preise, wechseln;
    };
    const Fall faelle[] = {
        {false, false, false, true, true, false, false, false},
        {false, false, true, false, false, false, false, false},
        {true, true, true, false, false, true, true, true},
        {true, false, true, false, false, true, true, false},
    };
    for (const auto& f : faelle) {
        S(b).blnDbGeladen = f.geladen;
        S(b).blnPflanzenDb = f.pflanzen;
        P().blnVorlageGeoeffnet = f.vorlageOffen;
        Schild(a).SetFocus();
        Schild(b).SetFocus();
        EXPECT_EQ(P().lngAktivesSchild, b);
        EXPECT_EQ(an("mnuDbLaden"), f.laden);
        EXPECT_EQ(an("mnuDbEigeneLaden"), f.eigene);
        EXPECT_EQ(an("mnuDbEntladen"), f.entladen);
        EXPECT_EQ(an("mnuPreisedatenbank"), f.preise);
        EXPECT_EQ(an("mnuDBWechseln"), f.wechseln);
        EXPECT_FALSE(an("mnuDbDatensaetzeWaehlen")); // no placeholder on these labels
    }
}

TEST_F(MenueTest, ToolbarHoverPressAndRelease) {
    starten();
    BildKnopf* neu = knopf("cmdNeu");
    BildKnopf* oeffnen = knopf("cmdOeffnen");
    bewegen(neu);
    EXPECT_EQ(neu->bild(), "new");
    EXPECT_EQ(neu->Tag, "benutzt");
    EXPECT_EQ(m_mdi->picMenue()->AktiverButton, "cmdNeu");
    // Straight from New to Open: one move swaps both.
    bewegen(oeffnen);
    EXPECT_EQ(oeffnen->bild(), "open");
    EXPECT_EQ(neu->bild(), "new_n");
    EXPECT_TRUE(neu->Tag.isEmpty());
    // Press and release on Open: pressed, then its normal picture, and a
    // further move over it does not highlight it again.
    oeffnen->klick = nullptr;
    maus(oeffnen, QEvent::MouseButtonPress);
    EXPECT_EQ(oeffnen->bild(), "open_u");
    maus(oeffnen, QEvent::MouseButtonRelease);
    EXPECT_EQ(oeffnen->bild(), "open_n");
    bewegen(oeffnen);
    EXPECT_EQ(oeffnen->bild(), "open_n");
    // Release on another button shows its highlighted picture again.
    maus(neu, QEvent::MouseButtonPress);
    maus(neu, QEvent::MouseButtonRelease);
    EXPECT_EQ(neu->bild(), "new");
    // The strip's background and the main window's background reset all.
    bewegen(m_mdi->picMenue());
    EXPECT_EQ(m_mdi->picMenue()->AktiverButton, "");
    EXPECT_EQ(oeffnen->bild(), "open_n");
    bewegen(neu);
    bewegen(m_mdi->mdiBereich()->viewport());
    EXPECT_EQ(neu->bild(), "new_n");
}

TEST_F(MenueTest, MouseOverThePreviewResetsTheToolbar) {
    starten();
    neuesSchild();
    m_mdi->menu(QStringLiteral("mnuDateiDVorschau"))->trigger();
    ASSERT_TRUE(vorschauGeladen());
    bewegen(knopf("cmdNeu"));
    ASSERT_EQ(knopf("cmdNeu")->bild(), "new");
    bewegen(Vorschaufenster().picVorschau());
    EXPECT_EQ(knopf("cmdNeu")->bild(), "new_n");
    EXPECT_EQ(m_mdi->picMenue()->AktiverButton, "");
    vorschauEntladen();
}

TEST_F(MenueTest, DisabledSaveButtonDoesNothing) {
    starten();
    struct Zaehler : Vorlagen {
        int speichern = 0;
        bool VorlageSpeichern() override { return ++speichern, true; }
        bool VorlageSpeichernUnter() override { return true; }
        void VorlageOeffnen() override {}
    } vorlagen;
    nachbarn().vorlagen = &vorlagen;
    knopf("cmdSpeichern")->setEnabled(true); // the picture alone is not what decides
    knopf("cmdSpeichern")->klick();
    EXPECT_EQ(vorlagen.speichern, 0);
    neuesSchild();
    knopf("cmdSpeichern")->klick();
    EXPECT_EQ(vorlagen.speichern, 1);
}

TEST_F(MenueTest, BackAndNextStepThroughGeneratedWindows) {
    starten();
    for (int i = 0; i < 7; ++i)
        neuesSchild();
    for (int32_t i : {2, 5, 7})
        Schild(i).setCaption(QStringLiteral("Schild %1 (erzeugt von: rosen.vxp)").arg(i));
    Schild(5).SetFocus();
    ASSERT_EQ(P().lngAktivesSchild, 5);
    m_mdi->cmdBack_Click();
    EXPECT_EQ(P().lngAktivesSchild, 2);
    m_mdi->cmdBack_Click();
    EXPECT_EQ(P().lngAktivesSchild, 7);
    m_mdi->cmdNext_Click();
    EXPECT_EQ(P().lngAktivesSchild, 2);
    // Only one generated window: it keeps the focus; none: nothing happens.
    Schild(2).setCaption(QStringLiteral("Schild 2"));
    Schild(7).setCaption(QStringLiteral("Schild 7"));
    Schild(5).SetFocus();
    m_mdi->cmdNext_Click();
    EXPECT_EQ(P().lngAktivesSchild, 5);
    Schild(5).setCaption(QStringLiteral("Schild 5 (Erzeugt von: x)"));
    Schild(3).SetFocus();
    m_mdi->cmdBack_Click();
    EXPECT_EQ(P().lngAktivesSchild, 3);
}

TEST_F(MenueTest, NavigationButtonsOnAndOff) {
    starten();
    const int32_t v = neuesSchild();
    P().lngVorlagenSchild = v;
    NavigationEin();
    EXPECT_TRUE(knopf("cmdNext")->isEnabled());
    EXPECT_EQ(knopf("cmdBack")->bild(), "back_n");
    EXPECT_EQ(knopf("cmdDruckNeueSchilder")->bild(), "printschilder_n");
    NavigationAus();
    EXPECT_EQ(knopf("cmdNext")->bild(), "next_ef");
    EXPECT_FALSE(knopf("cmdDruckNeueSchilder")->isEnabled());
    S(v).blnSchlaufenetikett = true; // loop labels print as one sheet
    NavigationEin();
    EXPECT_TRUE(knopf("cmdBack")->isEnabled());
    EXPECT_FALSE(knopf("cmdDruckNeueSchilder")->isEnabled());
    EXPECT_EQ(knopf("cmdDruckNeueSchilder")->bild(), "printschilder_ef");
}

TEST_F(MenueTest, LockingHasNoNesting) {
    starten();
    const int32_t a = neuesSchild();
    const int32_t b = neuesSchild();
    Schild(b).schliessen(); // b becomes a free slot
    const QStringList oben = {"mnuDatei",  "mnuDatenbanken", "mnuBotrel",
                              "mnuExtras", "mnuFenster",     "mnuHilfe"};
    AllesSperren();
    AllesSperren();
    EXPECT_FALSE(Schild(a).isEnabled());
    EXPECT_TRUE(Schild(b).isEnabled()); // free slots are left alone
    EXPECT_FALSE(m_mdi->werkzeuge()->einfuegenKnoepfeAktiv());
    for (const auto& m : oben)
        EXPECT_FALSE(m_mdi->menuAktiv(m)) << m.toStdString();
    AllesFreigeben();
    EXPECT_TRUE(Schild(a).isEnabled());
    EXPECT_TRUE(m_mdi->werkzeuge()->einfuegenKnoepfeAktiv());
    for (const auto& m : oben)
        EXPECT_TRUE(m_mdi->menuAktiv(m)) << m.toStdString();
}

TEST_F(MenueTest, ToolWindowRestoreOnlyWhileItServesALabel) {
    starten();
    frmTools* t = m_mdi->werkzeuge();
    t->setHeight(7500);
    t->einfuegenKnoepfeAktivieren(false);
    WerkzeugeWiederherstellen(); // no label yet: untouched
    EXPECT_EQ(t->Height(), 7500);
    EXPECT_FALSE(t->einfuegenKnoepfeAktiv());
    neuesSchild();
    t->setHeight(7500);
    t->einfuegenKnoepfeAktivieren(false);
    WerkzeugeWiederherstellen();
    EXPECT_EQ(t->Height(), 1850);
    EXPECT_TRUE(t->einfuegenKnoepfeAktiv());
}

TEST_F(MenueTest, WindowArrangements) {
    starten();
    const int32_t a = neuesSchild(QStringLiteral("60"), QStringLiteral("40"));
    const int32_t b = neuesSchild(QStringLiteral("60"), QStringLiteral("40"));
    m_mdi->mnuFensterNebeneinander_Click();
    EXPECT_EQ(Schild(a).y(), Schild(b).y());
    EXPECT_EQ(Schild(a).height(), Schild(b).height());
    EXPECT_LT(Schild(a).x() + Schild(a).width(), Schild(b).x() + 2);
    m_mdi->mnuFensterUntereinander_Click();
    EXPECT_EQ(Schild(a).x(), Schild(b).x());
    EXPECT_EQ(Schild(a).width(), Schild(b).width());
    EXPECT_LT(Schild(a).y() + Schild(a).height(), Schild(b).y() + 2);
    m_mdi->mnuFensterUeberlappend_Click();
    EXPECT_LT(Schild(a).x(), Schild(b).x());
    EXPECT_LT(Schild(a).y(), Schild(b).y());
    // The tool window was visible, so it has the focus now.
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), m_mdi->werkzeuge());
}

TEST_F(MenueTest, ArrangementBeforeAnyLabelOnlyArranges) {
    starten();
    m_mdi->mnuFensterNebeneinander_Click();
    EXPECT_FALSE(m_mdi->werkzeuge()->isVisible());
}

TEST_F(MenueTest, WindowMenuListsOpenLabels) {
    starten();
    neuesSchild();
    neuesSchild();
    QMenu* fenster = m_mdi->menu(QStringLiteral("mnuFenster"))->menu();
    emit fenster->aboutToShow();
    QStringList texte;
    for (QAction* a : fenster->actions())
        if (a->isCheckable())
            texte << a->text();
    EXPECT_EQ(texte, QStringList({"&1 Schild 1*", "&2 Schild 2*"}));
}

TEST_F(MenueTest, SiblingProgramStartsInItsFolderAndLeavesCurrentFolder) {
    starten();
    P().strBotrelVerz = m_dir.path() + QStringLiteral("/");
    std::vector<std::pair<QString, QString>> gestartet;
    programmStartSetzen([&](const QString& o, const QString& d) {
        gestartet.emplace_back(o, d);
        return true;
    });
    const QString vorher = aktuellerOrdner();
    m_mdi->mnuBotrelStarten_Click();
    programmStartSetzen({});
    ASSERT_EQ(gestartet.size(), 1u);
    EXPECT_EQ(gestartet[0].first, P().strBotrelVerz);
    EXPECT_EQ(gestartet[0].second, "botrel3.exe");
    EXPECT_EQ(aktuellerOrdner(), vorher);
    EXPECT_TRUE(m_mdi->timBotrel.isActive());
    EXPECT_TRUE(m_mdi->timBotrel.isSingleShot());
}

TEST_F(MenueTest, PreviewAndPrintFromTheMenu) {
    starten();
    const int32_t n = neuesSchild();
    frmLabel& f = Schild(n);
    ASSERT_TRUE(f.TextNeu());
    TextLayoutLaden(QStringLiteral("Rosa canina"), S(n).lngAktuellerText);
    m_mdi->menu(QStringLiteral("mnuDateiDVorschau"))->trigger();
    EXPECT_TRUE(vorschauGeladen());
    EXPECT_EQ(P().lngVorschauSchild, n);
    EXPECT_TRUE(Vorschaufenster().isVisible());
    vorschauEntladen();

    QPrinter& drucker = programmDrucker();
    const QPrinter::OutputFormat vorher = drucker.outputFormat();
    drucker.setOutputFormat(QPrinter::PdfFormat);
    const QString pdf = m_dir.path() + QStringLiteral("/schild.pdf");
    drucker.setOutputFileName(pdf);
    m_mdi->menu(QStringLiteral("mnuDateiDrucken"))->trigger();
    drucker.setOutputFileName(QString());
    drucker.setOutputFormat(vorher);
    QFile datei(pdf);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    EXPECT_TRUE(datei.read(5).startsWith("%PDF"));
    EXPECT_FALSE(vorschauGeladen()); // a print run unloads the hidden preview
}

TEST_F(MenueTest, PreviewAndPrintButtonsClickedAsTheUserDoes) {
    // The program's printer writes a file for the time of the test.
    struct PdfDrucker {
        QPrinter& drucker = programmDrucker();
        QPrinter::OutputFormat vorher = drucker.outputFormat();
        explicit PdfDrucker(const QString& pdf) {
            drucker.setOutputFormat(QPrinter::PdfFormat);
            drucker.setOutputFileName(pdf);
        }
        ~PdfDrucker() {
            drucker.setOutputFileName(QString());
            drucker.setOutputFormat(vorher);
        }
    };
    const QString pdf = m_dir.path() + QStringLiteral("/knopf.pdf");
    const auto klicken = [&](const char* name) {
        maus(knopf(name), QEvent::MouseButtonPress);
        maus(knopf(name), QEvent::MouseButtonRelease);
    };

    // The start sets up the printer stored in the settings; this one follows.
    starten();
    const PdfDrucker zumPdf(pdf);
    // No label yet: both buttons are off and a click does nothing.
    klicken("cmdVorschau");
    klicken("cmdDrucken");
    EXPECT_FALSE(vorschauGeladen());
    EXPECT_FALSE(QFile::exists(pdf));

    const int32_t n = neuesSchild();
    ASSERT_TRUE(Schild(n).TextNeu());
    TextLayoutLaden(QStringLiteral("Rosa canina"), S(n).lngAktuellerText);
    Schild(n).lblText(S(n).lngAktuellerText).setFontSize(28);

    // Preview: the window shows the label with its text.
    klicken("cmdVorschau");
    ASSERT_TRUE(vorschauGeladen());
    EXPECT_TRUE(Vorschaufenster().isVisible());
    EXPECT_EQ(P().lngVorschauSchild, n);
    EXPECT_EQ(knopf("cmdVorschau")->bild(), "preview");
    const QImage& seite = Vorschaufenster().picVorschau()->bild();
    int dunkel = 0;
    for (int y = 0; y < seite.height(); ++y)
        for (int x = 0; x < seite.width(); ++x)
            dunkel += seite.pixelColor(x, y).lightness() < 100;
    EXPECT_GT(dunkel, 50);
    vorschauEntladen();

    // Print: one page with the text's font goes to the program's printer,
    // and the preview window used for it is gone again.
    klicken("cmdDrucken");
    QFile datei(pdf);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray inhalt = datei.readAll();
    datei.close();
    EXPECT_TRUE(inhalt.startsWith("%PDF"));
    EXPECT_EQ(inhalt.count("/Type /Page\n") + inhalt.count("/Type /Page\r"), 1);
    EXPECT_TRUE(inhalt.contains("/BaseFont"));
    EXPECT_FALSE(vorschauGeladen());

    // While printing is off in the menu the buttons do nothing, whatever
    // they show.
    QFile::remove(pdf);
    m_mdi->menuAktivSetzen(QStringLiteral("mnuDrucken"), false);
    klicken("cmdVorschau");
    klicken("cmdDrucken");
    EXPECT_FALSE(vorschauGeladen());
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(MenueTest, PrinterSetupShowsTheSetupFormOfThePrinterDialog) {
    starten();
    ASSERT_NE(m_mdi->prtDlg(), nullptr);
    SkriptDialoge d;
    d.drucker(false);
    m_mdi->menu(QStringLiteral("mnuDruckerEinrichten"))->trigger();
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_EQ(d.gezeigt()[0].art, "drucker");
    EXPECT_EQ(d.gezeigt()[0].text, "einrichten");
}

TEST_F(MenueTest, SiblingProgramThatCannotStartIsReported) {
    starten();
    P().strBotrelEditorVerz = m_dir.path();
    programmStartSetzen([](const QString&, const QString&) { return false; });
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    m_mdi->mnuBotrelEditorRun_Click();
    programmStartSetzen({});
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_TRUE(d.gezeigt()[0].text.contains(QStringLiteral("botrel-editor.exe")));
    EXPECT_FALSE(m_mdi->timBotrelEditor.isActive());
}

} // namespace
} // namespace sorvo::test
