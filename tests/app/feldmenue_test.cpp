// Mouse presses on label elements (layer moves, explanations, position box)
// and the element context menu, inside the real main window.
#include "label/frmFeldMenue.h"
#include "label/unterprogramme.h"
#include "tests/app/maus_fixture.h"
#include "tools/frmTools.h"

#include <QLabel>
#include <QLocale>
#include <QPointer>

namespace sorvo::test {
namespace {

struct Katalog : FeldKatalog {
    void TabellenInitialisieren() override {}
    QString FeldBeschreibung(const QString& name, const QString& art) const override {
        return art + QLatin1Char('/') + name;
    }
};

void aufraeumen() {
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Text 1, picture 1 and data field 1 side by side (stacking list 11, 21, 31).
class ElementMausTest : public SchildMausTest {
protected:
    void SetUp() override {
        SchildMausTest::SetUp();
        m_f->TextNeu();
        m_f->BildNeu();
        m_f->DatenfeldNeu();
        platzieren(m_f->lblText(1), 5.5, 5.25, 20, 5);
        platzieren(m_f->imgBild(1), 30, 5, 20, 10);
        platzieren(m_f->lblDatenfeld(1), 55, 5, 30, 5);
        m_f->lblText(1).setCaption(QStringLiteral("Rose"));
        m_f->lblDatenfeld(1).setCaption(QStringLiteral("<Höhe>"));
        m_alteLocale = QLocale();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void TearDown() override {
        QLocale::setDefault(m_alteLocale);
        for (auto* m : QApplication::topLevelWidgets())
            if (qobject_cast<frmFeldMenue*>(m))
                delete m;
        SchildMausTest::TearDown();
    }

    static void platzieren(Steuerelement& e, double l, double o, double b, double h) {
        if (auto* t = dynamic_cast<Beschriftung*>(&e))
            t->setAutoSize(false);
        e.setLeft(l);
        e.setTop(o);
        e.setWidth(b);
        e.setHeight(h);
        e.setVisible(true);
    }

    Steuerelement& element(int32_t art) {
        return art == ArtText   ? static_cast<Steuerelement&>(m_f->lblText(1))
               : art == ArtBild ? static_cast<Steuerelement&>(m_f->imgBild(1))
                                : static_cast<Steuerelement&>(m_f->lblDatenfeld(1));
    }

    // A press (and its release) 1 mm inside the element of the kind.
    void klick(int32_t art, Qt::MouseButton knopf, Qt::KeyboardModifiers umschalt = {}) {
        const Steuerelement& e = element(art);
        const QPointF p = QPointF(e.Left() + 1, e.Top() + 1) * m_f->flaeche()->pixelProMm();
        maus(m_f->flaeche(), QEvent::MouseButtonPress, p, knopf, umschalt);
        maus(m_f->flaeche(), QEvent::MouseButtonRelease, p, knopf, umschalt);
    }

    std::vector<int32_t> liste() const {
        const auto& e = S(m_n);
        return {e.lngReihenfolge.begin() + 1,
                e.lngReihenfolge.begin() + 1 + e.lngReihenfolgeAnzahl};
    }
    // Codes of the canvas's stacking order, bottom first, visible ones only.
    std::vector<int32_t> stapel() const {
        std::vector<int32_t> r;
        for (const Steuerelement* s : m_f->flaeche()->stapel())
            if (s->Visible())
                r.push_back(s->Kennung());
        return r;
    }
    void listeSetzen(std::vector<int32_t> codes) {
        auto& e = S(m_n);
        for (size_t i = 0; i < codes.size(); ++i)
            e.lngReihenfolge[i + 1] = codes[i];
        e.lngReihenfolgeAnzahl = static_cast<int32_t>(codes.size());
        ReihenfolgeHerstellen();
    }
    frmFeldMenue* menue() const { return m_mdi->findChild<frmFeldMenue*>(); }

    QLocale m_alteLocale;
};

TEST_F(ElementMausTest, CtrlClickMovesOneLayerWithoutChangeNotice) {
    const struct {
        int32_t art;
        Qt::MouseButton knopf;
        std::vector<int32_t> danach;
    } faelle[] = {
        {ArtBild, Qt::LeftButton, {11, 31, 21}},       // position 2 of 3 goes on top
        {ArtDatenfeld, Qt::LeftButton, {11, 21, 31}},  // already on top
        {ArtDatenfeld, Qt::RightButton, {11, 31, 21}}, // position 3 of 3 goes down
        {ArtText, Qt::RightButton, {11, 21, 31}},      // already at the bottom
    };
    for (const auto& c : faelle) {
        listeSetzen({11, 21, 31});
        // Disturb the canvas so that the re-stacking shows.
        m_f->flaeche()->nachVorne(&m_f->lblText(1));
        klick(c.art, c.knopf, Qt::ControlModifier);
        EXPECT_EQ(liste(), c.danach) << c.art << " " << c.knopf;
        EXPECT_EQ(stapel(), c.danach) << "re-stacked anyway";
        EXPECT_TRUE(unveraendert());
        EXPECT_EQ(menue(), nullptr);
        EXPECT_EQ(m_f->gezogenesElement(), nullptr);
    }
}

TEST_F(ElementMausTest, AltClickExplainsDataFieldsAndShowsPositions) {
    Katalog k;
    nachbarn().katalog = &k;
    S(m_n).strDbArt = QStringLiteral("vxs");
    const struct {
        const char* fall;
        int32_t art;
        Qt::MouseButton knopf;
        Qt::KeyboardModifiers umschalt;
        bool pflanzenDb;
        const char* caption; // of the data field
        const char* titel;   // nullptr: no box
        const char* text;
    } faelle[] = {
        {"explanation", ArtDatenfeld, Qt::LeftButton, Qt::AltModifier, true, "<Höhe>",
         "Erklärung Datenfeld", "Das Datenfeld <Höhe> gibt folgenden Wert zurück:\r\rvxs/Höhe"},
        {"no plant database", ArtDatenfeld, Qt::LeftButton, Qt::AltModifier, false, "<Höhe>",
         nullptr, nullptr},
        {"no placeholder", ArtDatenfeld, Qt::LeftButton, Qt::AltModifier, true, "Höhe", nullptr,
         nullptr},
        {"position of a text", ArtText, Qt::RightButton, Qt::AltModifier, true, "<Höhe>", "",
         "left:5,5  top:5,25"},
        {"position of a data field", ArtDatenfeld, Qt::RightButton, Qt::AltModifier, false,
         "<Höhe>", "", "left:55  top:5"},
        {"Alt+left on a text", ArtText, Qt::LeftButton, Qt::AltModifier, true, "<Höhe>", nullptr,
         nullptr},
        {"Alt+right on a picture", ArtBild, Qt::RightButton, Qt::AltModifier, true, "<Höhe>",
         nullptr, nullptr},
        {"Ctrl+Alt", ArtDatenfeld, Qt::LeftButton, Qt::AltModifier | Qt::ControlModifier, true,
         "<Höhe>", nullptr, nullptr},
        {"Shift", ArtText, Qt::LeftButton, Qt::ShiftModifier, true, "<Höhe>", nullptr, nullptr},
        {"Shift+right", ArtText, Qt::RightButton, Qt::ShiftModifier, true, "<Höhe>", nullptr,
         nullptr},
        {"middle button", ArtText, Qt::MiddleButton, Qt::NoModifier, true, "<Höhe>", nullptr,
         nullptr},
    };
    for (const auto& c : faelle) {
        S(m_n).blnPflanzenDb = c.pflanzenDb;
        m_f->lblDatenfeld(1).setCaption(QString::fromUtf8(c.caption));
        SkriptDialoge d;
        if (c.titel)
            d.meldung(Antwort::OK);
        klick(c.art, c.knopf, c.umschalt);
        if (c.titel) {
            ASSERT_EQ(d.gezeigt().size(), 1u) << c.fall;
            EXPECT_EQ(d.gezeigt()[0].text, QString::fromUtf8(c.text)) << c.fall;
            const QString titel = *c.titel ? QString::fromUtf8(c.titel) : programmTitel();
            EXPECT_EQ(d.gezeigt()[0].titel, titel) << c.fall;
            EXPECT_EQ(d.gezeigt()[0].stil, Msg::OK) << c.fall;
        } else {
            EXPECT_TRUE(d.gezeigt().empty()) << c.fall;
        }
        EXPECT_EQ(liste(), (std::vector<int32_t>{11, 21, 31})) << c.fall;
        EXPECT_EQ(menue(), nullptr) << c.fall;
        EXPECT_EQ(m_f->gezogenesElement(), nullptr) << c.fall;
        EXPECT_TRUE(unveraendert()) << c.fall;
    }
}

TEST_F(ElementMausTest, PressInAnotherWindowMakesItCurrentFirst) {
    const int32_t anderes = neuesSchild();
    ASSERT_EQ(P().lngAktivesSchild, anderes);
    SkriptDialoge d;
    klick(ArtText, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_EQ(P().lngAktivesSchild, m_n);
    EXPECT_EQ(m_mdi->werkzeuge()->Caption(), "Werkzeuge - Schild: 1");
    // Ctrl+click acts on this window's list, not the other's.
    P().lngAktivesSchild = anderes;
    klick(ArtText, Qt::LeftButton, Qt::ControlModifier);
    EXPECT_EQ(liste(), (std::vector<int32_t>{21, 11, 31}));
    EXPECT_EQ(S(anderes).lngReihenfolgeAnzahl, 0);
}

TEST_F(ElementMausTest, RightClickOpensMenuForTheElement) {
    const struct {
        int32_t art;
        const char* artText;
        bool erklaeren;
    } faelle[] = {
        {ArtText, "Text", false}, {ArtBild, "Bild", false}, {ArtDatenfeld, "Datenfeld", true}};
    for (const auto& c : faelle) {
        P().lngAktivesSchild = 0;
        klick(c.art, Qt::RightButton);
        QApplication::processEvents();
        frmFeldMenue* m = menue();
        ASSERT_NE(m, nullptr) << c.artText;
        EXPECT_EQ(P().strElementArt, c.artText);
        EXPECT_EQ(P().strElementNummer, "1");
        EXPECT_EQ(P().lngAktivesSchild, m_n);
        EXPECT_TRUE(m->isVisible());
        EXPECT_TRUE(m->isActiveWindow());
        EXPECT_TRUE(m->isWindow());
        EXPECT_TRUE(m->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(m->Width(), 2385);
        EXPECT_EQ(m->Height(), 1470);
        const char* texte[] = {"  Feld bearbeiten", "  eine Ebene nach Oben",
                               "  eine Ebene nach Unten", "  Datenfeld erklären"};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(m->lblSchaltflaeche[static_cast<size_t>(i)]->text(),
                      QString::fromUtf8(texte[i]));
        EXPECT_TRUE(m->lblSchaltflaeche[0]->isEnabled());
        EXPECT_EQ(m->lblSchaltflaeche[3]->isEnabled(), c.erklaeren) << c.artText;
        // The right press does not select the element for the tool window.
        EXPECT_EQ(m_f->gezogenesElement(), nullptr);
        m->Form_LostFocus();
        aufraeumen();
        EXPECT_EQ(menue(), nullptr);
    }
}

TEST_F(ElementMausTest, MenuOpensAtThePointerAndIsPulledBackAtTheEdges) {
    // The main window is 1200 x 900 pixels: 18000 x 13500 twips.
    ASSERT_EQ(m_mdi->Width(), 18000);
    ASSERT_EQ(m_mdi->Height(), 13500);
    const struct {
        const char* fall;
        QPoint fenster;     // label window position, pixels in the main window's client area
        double links, oben; // text position in millimetres
        double menueLinks, menueOben;
    } faelle[] = {
        // 0 + (10 + 1) * 56.5 - 100, 0 + (10 + 1) * 56 + 250
        {"inside", {0, 0}, 10, 10, 521.5, 866},
        // 12000 + 91 * 56.5 - 100 = 17041.5 reaches past 18000 with the width 2385
        {"right edge", {800, 0}, 90, 10, 17041.5 - 2385 + 250, 866},
        // 9000 + 51 * 56 + 250 = 12106; + 1470 + 450 passes 13500
        {"bottom edge", {0, 600}, 10, 50, 521.5, 12106 - 1470 + 250},
        {"corner", {800, 600}, 90, 50, 17041.5 - 2385 + 250, 12106 - 1470 + 250},
    };
    for (const auto& c : faelle) {
        m_f->move(c.fenster);
        platzieren(m_f->lblText(1), c.links, c.oben, 8, 5);
        klick(ArtText, Qt::RightButton);
        frmFeldMenue* m = menue();
        ASSERT_NE(m, nullptr) << c.fall;
        EXPECT_NEAR(m->Left(), c.menueLinks, 1e-6) << c.fall;
        EXPECT_NEAR(m->Top(), c.menueOben, 1e-6) << c.fall;
        // On the screen, at that place of the client area.
        const QPoint soll = m_f->parentWidget()->mapToGlobal(
            QPoint(RundenGerade(c.menueLinks / 15), RundenGerade(c.menueOben / 15)));
        EXPECT_EQ(m->pos(), soll) << c.fall;
        m->Form_LostFocus();
        aufraeumen();
    }
}

TEST_F(ElementMausTest, MenuLightsTheEntryUnderThePointer) {
    klick(ArtText, Qt::RightButton);
    frmFeldMenue* m = menue();
    ASSERT_NE(m, nullptr);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(m->BackColor(i), kSchaltflaeche);
        EXPECT_EQ(m->ForeColor(i), kMenueText);
    }
    const auto mitte = [m](int i) {
        return QPointF(m->lblSchaltflaeche[static_cast<size_t>(i)]->geometry().center());
    };
    maus(m, QEvent::MouseMove, mitte(1), Qt::NoButton);
    EXPECT_EQ(m->BackColor(1), kTitelAktiv);
    EXPECT_EQ(m->ForeColor(1), kTitelText);
    EXPECT_EQ(m->BackColor(0), kSchaltflaeche);
    // Straight to entry 2: entry 1 stays lit, as nothing crossed a gap.
    maus(m, QEvent::MouseMove, mitte(2), Qt::NoButton);
    EXPECT_EQ(m->BackColor(1), kTitelAktiv);
    EXPECT_EQ(m->BackColor(2), kTitelAktiv);
    // The disabled entry 3 counts as the window: everything to menu colours.
    maus(m, QEvent::MouseMove, mitte(3), Qt::NoButton);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(m->BackColor(i), kMenue);
        EXPECT_EQ(m->ForeColor(i), kMenueText);
    }
    // A click on the disabled entry does nothing; the menu stays.
    maus(m, QEvent::MouseButtonPress, mitte(3), Qt::LeftButton);
    maus(m, QEvent::MouseButtonRelease, mitte(3), Qt::LeftButton);
    aufraeumen();
    EXPECT_EQ(menue(), m);
    EXPECT_TRUE(m->isVisible());
}

TEST_F(ElementMausTest, MenuLayerEntriesMoveAndClose) {
    const struct {
        int32_t art;
        int eintrag;
        std::vector<int32_t> danach;
    } faelle[] = {
        {ArtBild, 1, {11, 31, 21}},      {ArtDatenfeld, 1, {11, 21, 31}},
        {ArtDatenfeld, 2, {11, 31, 21}}, {ArtText, 2, {11, 21, 31}},
        {ArtText, 1, {21, 11, 31}},
    };
    for (const auto& c : faelle) {
        listeSetzen({11, 21, 31});
        m_f->flaeche()->nachVorne(&m_f->lblText(1));
        klick(c.art, Qt::RightButton);
        QPointer<frmFeldMenue> m = menue();
        ASSERT_TRUE(m);
        const QPointF p(m->lblSchaltflaeche[static_cast<size_t>(c.eintrag)]->geometry().center());
        maus(m, QEvent::MouseButtonPress, p, Qt::LeftButton);
        maus(m, QEvent::MouseButtonRelease, p, Qt::LeftButton);
        EXPECT_EQ(liste(), c.danach) << c.art << " " << c.eintrag;
        EXPECT_EQ(stapel(), c.danach);
        EXPECT_TRUE(unveraendert());
        aufraeumen();
        EXPECT_FALSE(m);
    }
}

TEST_F(ElementMausTest, EditEntryHandsTheElementOver) {
    AufzeichnendeBearbeitung b;
    for (const bool angemeldet : {true, false}) {
        nachbarn().bearbeitung = angemeldet ? &b : nullptr;
        klick(ArtBild, Qt::RightButton);
        QPointer<frmFeldMenue> m = menue();
        ASSERT_TRUE(m);
        m->lblSchaltflaeche_Click(0);
        aufraeumen();
        EXPECT_FALSE(m);
    }
    ASSERT_EQ(b.geladen.size(), 1u);
    EXPECT_EQ(b.geladen[0], std::make_pair(int32_t{ArtBild}, int32_t{1}));
}

TEST_F(ElementMausTest, ExplainEntryShowsFieldDescription) {
    Katalog k;
    S(m_n).strDbArt = QStringLiteral("vxs");
    S(m_n).blnPflanzenDb = false; // the entry does not ask
    const struct {
        const char* caption;
        bool katalog;
        const char* text; // nullptr: no box, the menu stays open
    } faelle[] = {
        {"<Höhe>", true, "Das Datenfeld <Höhe> gibt folgenden Wert zurück:\r\rvxs/Höhe"},
        {"<Höhe>", false, "Das Datenfeld <Höhe> gibt folgenden Wert zurück:\r\r"},
        {"Höhe", true, nullptr},
    };
    for (const auto& c : faelle) {
        nachbarn().katalog = c.katalog ? &k : nullptr;
        m_f->lblDatenfeld(1).setCaption(QString::fromUtf8(c.caption));
        klick(ArtDatenfeld, Qt::RightButton);
        QPointer<frmFeldMenue> m = menue();
        ASSERT_TRUE(m);
        SkriptDialoge d;
        bool versteckt = false;
        if (c.text)
            d.meldung(Antwort::OK).waehrend([&] { versteckt = !m->isVisible(); });
        m->lblSchaltflaeche_Click(3);
        aufraeumen();
        if (c.text) {
            ASSERT_EQ(d.gezeigt().size(), 1u);
            EXPECT_EQ(d.gezeigt()[0].text, QString::fromUtf8(c.text));
            EXPECT_EQ(d.gezeigt()[0].titel, "Erklärung Datenfeld");
            EXPECT_EQ(d.gezeigt()[0].stil, Msg::OK);
            EXPECT_TRUE(versteckt);
            EXPECT_FALSE(m);
        } else {
            EXPECT_TRUE(d.gezeigt().empty());
            ASSERT_TRUE(m);
            EXPECT_TRUE(m->isVisible());
            m->Form_LostFocus();
            aufraeumen();
        }
    }
}

TEST_F(ElementMausTest, MenuClosesWhenItLosesTheFocus) {
    klick(ArtText, Qt::RightButton);
    QApplication::processEvents();
    QPointer<frmFeldMenue> erstes = menue();
    ASSERT_TRUE(erstes);
    ASSERT_TRUE(erstes->isActiveWindow());
    // A click into the label window activates the main window.
    m_mdi->activateWindow();
    aufraeumen();
    EXPECT_FALSE(erstes);
    EXPECT_EQ(P().strElementArt, "Text"); // kept after closing
    // A right click there opens a fresh one.
    klick(ArtDatenfeld, Qt::RightButton);
    QApplication::processEvents();
    frmFeldMenue* zweites = menue();
    ASSERT_NE(zweites, nullptr);
    EXPECT_TRUE(zweites->lblSchaltflaeche[3]->isEnabled());
}

} // namespace
} // namespace sorvo::test
