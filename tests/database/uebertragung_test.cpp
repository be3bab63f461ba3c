// The record transfer against real Jet 4 files: the frame (copies,
// captions, counter, navigation), the column walk, the range, synonym,
// property and price fields, and what a full label or a failing read does.
#include "label/frmLabel.h"
#include "label/unterprogramme.h"
#include "platform/bilder.h"
#include "platform/canvas.h"
#include "template/vorlage.h"
#include "tests/database/db_fixture.h"
#include "tools/frmTools.h"

#include <QApplication>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTableView>
#include <limits>

namespace sorvo::test {
namespace {

using jet::testing::Cell;
using jet::testing::Row;

const Cell N = std::monostate{};
Cell z(double d) {
    return Cell(d);
}
Cell t(const char* s) {
    return Cell(QString::fromUtf8(s));
}
Cell nr(qint64 n) {
    return Cell(n);
}

class UebertragungTest : public DbTest {
protected:
    // A database of kind art with these records in the test's own folder.
    QString datenbank(const QString& art, const std::vector<Satz>& saetze,
                      const Nebentabellen& neben = {}) {
        return satzDatenbankSchreiben(m_eigenerOrdner.path(),
                                      QStringLiteral("db%1.%2").arg(++m_dateien).arg(art), art,
                                      saetze, neben);
    }

    // A template bound to pfad with data fields of these captions.
    int32_t vorlage(const QString& pfad, const QString& art, const QStringList& captions) {
        const int32_t n = schildMitFeldern(captions);
        direktBinden(n, pfad, art);
        return n;
    }

    // The elements of window w in stacking order: a text by its caption, a
    // data field as "DF <caption>".
    static QStringList elemente(int32_t w) {
        QStringList l;
        const auto& e = S(w);
        frmLabel& f = Schild(w);
        for (int32_t p = 1; p <= e.lngReihenfolgeAnzahl; ++p) {
            const int32_t code = e.lngReihenfolge[static_cast<size_t>(p)];
            const int32_t i = elementIndexAusCode(code);
            switch (elementArtAusCode(code)) {
            case ArtText:
                l << f.lblText(i).Caption();
                break;
            case ArtDatenfeld:
                l << QStringLiteral("DF ") + f.lblDatenfeld(i).Caption();
                break;
            default:
                l << QStringLiteral("Bild");
            }
        }
        return l;
    }

    // Transfers these records, expecting one message only: the one that
    // tells what the transfer could not do. Its lines after the heading.
    QStringList unvollstaendig(const QList<qint64>& artnr) {
        SkriptDialoge d;
        d.meldung(Antwort::OK);
        uebertragen(artnr);
        EXPECT_EQ(d.gezeigt().size(), 1u);
        if (d.gezeigt().empty())
            return {};
        EXPECT_EQ(d.gezeigt()[0].titel, "Datenübertragung unvollständig");
        return d.gezeigt()[0].text.split(QLatin1Char('\r')).mid(1);
    }

    static QStringList texte(const SkriptDialoge& d) {
        QStringList l;
        for (const Gezeigt& g : d.gezeigt())
            l << g.text;
        return l;
    }

    // A pot-plant file whose main table has three fields only, with empty
    // side tables; without the botanical synonym table if told.
    QString kurzeDatenbank(bool botanischeSynonyme = true) {
        jet::testing::Jet4Writer wr;
        using jet::DataType;
        wr.addTable(QStringLiteral("Topfpfl"),
                    {{"ARTNR", DataType::Long},
                     {"Bot_Name", DataType::Text, 50},
                     {"DTNAM", DataType::Text, 50}},
                    {{nr(1), t("Aster"), t("Herbstaster")},
                     {nr(2), t("Bellis"), N},
                     {nr(3), t("Canna"), t("Blumenrohr")}});
        topfNebentabellen(wr, {}, {}, botanischeSynonyme);
        const QString pfad =
            m_eigenerOrdner.filePath(QStringLiteral("kurz%1.vxt").arg(++m_dateien));
        wr.write(pfad);
        return pfad;
    }

    // The side tables of a pot-plant file: the synonym tables with these
    // rows (the botanical one left out if told), and empty picture, family
    // and property-name tables.
    static void topfNebentabellen(jet::testing::Jet4Writer& wr, std::vector<Row> botanisch,
                                  std::vector<Row> deutsch, bool botanischeSynonyme = true) {
        using jet::DataType;
        const std::vector<jet::testing::ColumnSpec> synonym = {{"ARTNR", DataType::Long},
                                                               {"SYN", DataType::Text, 50}};
        if (botanischeSynonyme)
            wr.addTable(QStringLiteral("Topfpfl_Synonyme_Botanisch"), synonym,
                        std::move(botanisch));
        wr.addTable(QStringLiteral("Topfpfl_Synonyme_Deutsch"), synonym, std::move(deutsch));
        wr.addTable(QStringLiteral("Topfpfl_Bilder"),
                    {{"ARTNR", DataType::Long}, {"BILD1-G", DataType::Text, 50}}, {});
        wr.addTable(QStringLiteral("Familien"),
                    {{"FAMILIE", DataType::Integer}, {"FAMNAME", DataType::Text, 50}}, {});
        std::vector<jet::testing::ColumnSpec> namen;
        for (const char* k : {"Topfpflanzen", "Stauden", "Gehoelze", "Apfel", "Obst", "Friedhof"})
            namen.push_back({QString::fromLatin1(k), DataType::Text, 50});
        wr.addTable(QStringLiteral("Namen_Benutzer_Optionen"), namen, {});
    }

    int m_dateien = 0;
};

TEST_F(UebertragungTest, EveryRecordBecomesALabelOfTheTemplate) {
    const QString pfad = datenbank(
        QStringLiteral("vxt"), {{nr(1), {{"Bot_Name", t("Abutilon")}, {"DTNAM", t("Malve")}}},
                                {nr(2), {{"Bot_Name", t("Begonia")}, {"DTNAM", N}}},
                                {nr(3), {{"Bot_Name", t("Canna")}, {"DTNAM", t("Blumenrohr")}}}});
    // A free slot between the fields, a field whose name is no column, and
    // a fixed text above everything.
    const int32_t n = vorlage(pfad, QStringLiteral("vxt"),
                              {QStringLiteral("<Bot Name>"), QStringLiteral("<Deu Name>"),
                               QStringLiteral("<Gibt es nicht>"), QStringLiteral("<Typ>")});
    frmLabel& v = Schild(n);
    DatenfeldEntfernen(n, 3);
    v.lblDatenfeld(4).setLeft(-4);
    v.DatenfeldMaxBreiteSchreiben(4, 40);
    v.lblDatenfeld(1).setFontBold(true);
    v.TextNeu();
    v.lblText(S(n).lngAktuellerText).setCaption(QStringLiteral("Gärtnerei"));
    const QString vorlagenTitel = v.Caption();
    ASSERT_TRUE(vorlagenTitel.endsWith(QStringLiteral(" (Vorlage)")));
    const QStringList vorlagenElemente = elemente(n);

    AllesSperren();
    w().show();
    SkriptDialoge d;
    uebertragen({1, 3});

    const std::vector<int32_t> neu = erzeugte();
    ASSERT_EQ(neu.size(), 2u);
    // In the grid's order, sorted by botanical name.
    const QStringList erwartet[] = {{"Abutilon", "Malve", "F05-0", "Gärtnerei"},
                                    {"Canna", "Blumenrohr", "F05-2", "Gärtnerei"}};
    for (size_t k = 0; k < neu.size(); ++k) {
        SCOPED_TRACE(k);
        const int32_t g = neu[k];
        frmLabel& f = Schild(g);
        EXPECT_EQ(elemente(g), erwartet[k]);
        EXPECT_EQ(
            f.Caption(),
            QStringLiteral("Schild %1 (erzeugt von: %2)*").arg(g).arg(vorlagenTitel.chopped(10)));
        EXPECT_EQ(f.DatenfeldZaehlen(), 0);
        // The print icon, also as the title bar draws it right away.
        EXPECT_EQ(f.windowIcon().pixmap(16).toImage(),
                  fensterBild(QStringLiteral("druck")).pixmap(16).toImage());
        EXPECT_TRUE(titelleisteZeigt(f, fensterBild(QStringLiteral("druck"))));
        EXPECT_FALSE(titelleisteZeigt(f, fensterBild(QStringLiteral("pen04"))));
        // Made while the windows were locked, unlocked with them.
        EXPECT_TRUE(f.isEnabled());
        EXPECT_TRUE(S(g).blnGeaendert);
        EXPECT_FALSE(S(g).blnDbGeladen);
        EXPECT_FALSE(S(g).blnPflanzenDb);
        EXPECT_TRUE(S(g).strDbPfad.isEmpty());
        EXPECT_TRUE(SchildDb(g).BotrelDateiArt.isEmpty());
        // The texts take the look, place and maximum width of their fields.
        const auto text = [&f, g](int32_t p) {
            return elementIndexAusCode(S(g).lngReihenfolge[static_cast<size_t>(p)]);
        };
        EXPECT_TRUE(f.lblText(text(1)).FontBold());
        EXPECT_EQ(f.lblText(text(3)).Left(), 0);
        EXPECT_EQ(f.TextMaxBreiteLesen(text(3)), "40");
        EXPECT_TRUE(f.lblText(text(3)).WordWrap());
    }
    // The template is as it was and the windows unlocked; the label made
    // last is the current window.
    EXPECT_EQ(P().lngAktivesSchild, erzeugte().back());
    EXPECT_EQ(v.Caption(), vorlagenTitel);
    EXPECT_EQ(elemente(n), vorlagenElemente);
    EXPECT_TRUE(S(n).blnDbGeladen);
    EXPECT_TRUE(v.isEnabled());
    EXPECT_TRUE(m_mdi->menuAktiv("mnuDatei"));
    EXPECT_FALSE(w().isVisible());
    EXPECT_TRUE(d.gezeigt().empty());
    EXPECT_EQ(w().ESZaehler, 2);
    EXPECT_TRUE(m_mdi->knopfAktiv("cmdNext"));
}

// The window menu of a generated label opens from its title bar with Qt's
// standard entries, and they act on that window.
TEST_F(UebertragungTest, TheWindowMenuOfAGeneratedLabelOpensWithItsEntries) {
    const QString pfad = datenbank(QStringLiteral("vxt"), {{nr(1), {}}, {nr(2), {}}});
    vorlage(pfad, QStringLiteral("vxt"), {QStringLiteral("<Typ>")});
    AllesSperren();
    uebertragen({1, 2});
    const std::vector<int32_t> neu = erzeugte();
    ASSERT_EQ(neu.size(), 2u);
    frmLabel& f = Schild(neu[0]);
    ASSERT_TRUE(f.isVisible());

    // The title bar's menu button, found as the style lays the bar out.
    QStyleOptionTitleBar opt;
    opt.initFrom(&f);
    opt.titleBarFlags = f.windowFlags();
    opt.subControls = QStyle::SC_All;
    opt.rect = QRect(0, 0, f.width(), f.style()->pixelMetric(QStyle::PM_TitleBarHeight, &opt, &f));
    const QPoint knopf =
        f.style()
            ->subControlRect(QStyle::CC_TitleBar, &opt, QStyle::SC_TitleBarSysMenu, &f)
            .center();
    const QPoint global = f.mapToGlobal(knopf);
    QMouseEvent bewegt(QEvent::MouseMove, knopf, global, Qt::NoButton, Qt::NoButton,
                       Qt::NoModifier);
    QApplication::sendEvent(&f, &bewegt);
    QMouseEvent gedrueckt(QEvent::MouseButtonPress, knopf, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(&f, &gedrueckt);

    auto* menue = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menue, nullptr);
    EXPECT_EQ(menue, f.systemMenu());
    // The same entries as a window of the area gets from Qt.
    QMdiSubWindow vergleich;
    QStringList soll, ist;
    for (const QAction* a : vergleich.systemMenu()->actions())
        soll << a->text();
    for (const QAction* a : menue->actions()) {
        ist << a->text();
        // The area gives the close key to the active label.
        EXPECT_TRUE(a->shortcuts().isEmpty()) << a->text().toStdString();
    }
    EXPECT_EQ(ist, soll);
    menue->close();

    // Its entries follow and change the window's state.
    const auto eintrag = [&](const QString& text) {
        for (QAction* a : menue->actions())
            if (a->text() == text)
                return a;
        return static_cast<QAction*>(nullptr);
    };
    QAction* maximieren = eintrag(vergleich.systemMenu()->actions().at(4)->text());
    QAction* wiederherstellen = eintrag(vergleich.systemMenu()->actions().at(0)->text());
    ASSERT_NE(maximieren, nullptr);
    ASSERT_NE(wiederherstellen, nullptr);
    EXPECT_FALSE(wiederherstellen->isEnabled());
    maximieren->trigger();
    EXPECT_TRUE(f.isMaximized());
    EXPECT_TRUE(wiederherstellen->isEnabled());
    wiederherstellen->trigger();
    EXPECT_FALSE(f.isMaximized());

    // In every state, each entry is shown, usable, ticked and pictured as
    // Qt shows the entry of a window of its own in the same area.
    auto* qt = new QMdiSubWindow;
    f.mdiArea()->addSubWindow(qt);
    qt->show();
    const auto stand = [](const QMenu* m) {
        QStringList l;
        for (const QAction* a : m->actions())
            l << QStringLiteral("%1 sichtbar=%2 aktiv=%3 haken=%4/%5 bild=%6")
                     .arg(a->text())
                     .arg(a->isVisible())
                     .arg(a->isEnabled())
                     .arg(a->isCheckable())
                     .arg(a->isChecked())
                     .arg(!a->icon().isNull());
        return l;
    };
    const struct {
        const char* name;
        void (QWidget::*zeigen)();
        Qt::WindowStates soll;
    } zustaende[] = {{"normal", &QWidget::showNormal, Qt::WindowNoState},
                     {"minimiert", &QWidget::showMinimized, Qt::WindowMinimized},
                     {"wieder normal", &QWidget::showNormal, Qt::WindowNoState},
                     {"maximiert", &QWidget::showMaximized, Qt::WindowMaximized},
                     {"zuletzt normal", &QWidget::showNormal, Qt::WindowNoState}};
    for (const auto& z : zustaende) {
        SCOPED_TRACE(z.name);
        // One after the other: the area shows one window maximised at most.
        (f.*z.zeigen)();
        EXPECT_EQ(f.windowState() & ~Qt::WindowActive, z.soll);
        const QStringList eigen = stand(f.systemMenu());
        (qt->*z.zeigen)();
        EXPECT_EQ(qt->windowState() & ~Qt::WindowActive, z.soll);
        EXPECT_EQ(eigen, stand(qt->systemMenu()));
    }
    // Staying on top is Qt's own handling, ticked in the menu.
    QAction* oben = eintrag(vergleich.systemMenu()->actions().at(5)->text());
    ASSERT_NE(oben, nullptr);
    oben->trigger();
    EXPECT_TRUE(f.windowFlags() & Qt::WindowStaysOnTopHint);
    qt->systemMenu()->actions().at(5)->trigger();
    EXPECT_EQ(stand(f.systemMenu()), stand(qt->systemMenu()));
    oben->trigger();
    EXPECT_FALSE(f.windowFlags() & Qt::WindowStaysOnTopHint);
    // Close closes the label.
    eintrag(vergleich.systemMenu()->actions().at(7)->text())->trigger();
    EXPECT_FALSE(f.isVisible());
    delete qt;
    // The other generated window still opens its own menu.
    Schild(neu[1]).systemMenueAnlegen();
    ASSERT_NE(Schild(neu[1]).systemMenu(), nullptr);
    EXPECT_NE(Schild(neu[1]).systemMenu(), f.systemMenu());
    EXPECT_EQ(Schild(neu[1]).systemMenu()->actions().size(), soll.size());
}

TEST_F(UebertragungTest, CounterAndNavigationAcrossTransfers) {
    const QString pfad = datenbank(QStringLiteral("vxt"), {{nr(1), {}}, {nr(2), {}}});
    const int32_t n = vorlage(pfad, QStringLiteral("vxt"), {QStringLiteral("<Typ>")});
    const struct {
        QList<qint64> zeilen;
        long zaehler;
        bool navigation;
    } schritte[] = {{{}, 0, false}, {{1}, 1, false}, {{2}, 2, true}, {{}, 2, true}};
    for (const auto& s : schritte) {
        SCOPED_TRACE(s.zaehler);
        AllesSperren();
        uebertragen(s.zeilen);
        EXPECT_EQ(w().ESZaehler, s.zaehler);
        EXPECT_EQ(m_mdi->knopfAktiv("cmdNext"), s.navigation);
        EXPECT_TRUE(Schild(n).isEnabled());
        // The label made last is current, or the template when none was.
        EXPECT_EQ(P().lngAktivesSchild, s.zeilen.isEmpty() ? n : erzeugte().back());
    }
}

// The option decides which window the user sees after a transfer: the
// template, or the label made last. Either way the window in front is the
// current one, which the menus, the tool window and the preview act on.
TEST_F(UebertragungTest, TheOptionBringsTheTemplateOrTheLastLabelToTheFront) {
    const QString pfad = datenbank(QStringLiteral("vxt"), {{nr(1), {}}, {nr(2), {}}, {nr(3), {}}});
    const int32_t n = vorlage(pfad, QStringLiteral("vxt"), {QStringLiteral("<Typ>")});
    QMdiArea* bereich = m_mdi->mdiBereich();
    for (const bool option : {false, true}) {
        SCOPED_TRACE(option);
        P().blnVorlageVordergrund = option;
        const std::vector<int32_t> vorher = erzeugte();
        AllesSperren();
        uebertragen({1, 2, 3});
        QApplication::processEvents();
        std::vector<int32_t> neu;
        for (const int32_t g : erzeugte())
            if (std::find(vorher.begin(), vorher.end(), g) == vorher.end())
                neu.push_back(g);
        ASSERT_EQ(neu.size(), 3u);
        const int32_t vorn = option ? n : neu.back();
        ASSERT_EQ(P().lngAktivesSchild, vorn);
        EXPECT_EQ(bereich->activeSubWindow(), &Schild(vorn));
        EXPECT_EQ(bereich->subWindowList(QMdiArea::StackingOrder).last(), &Schild(vorn));
        EXPECT_TRUE(fensterHaken(*m_mdi).endsWith(Schild(vorn).Caption()))
            << fensterHaken(*m_mdi).toStdString();
        EXPECT_EQ(m_mdi->werkzeuge()->Caption(),
                  QStringLiteral("Werkzeuge - Schild: ") + QString::number(vorn));
        m_mdi->mnuDateiDVorschau_Click();
        EXPECT_EQ(P().lngVorschauSchild, vorn);
    }
    EXPECT_EQ(erzeugte().size(), 6u);

    // Stepping through the generated labels keeps the two together as well.
    m_mdi->cmdNext_Click();
    const int32_t g = P().lngAktivesSchild;
    ASSERT_NE(g, n);
    EXPECT_EQ(bereich->activeSubWindow(), &Schild(g));
    EXPECT_EQ(bereich->subWindowList(QMdiArea::StackingOrder).last(), &Schild(g));
    EXPECT_TRUE(fensterHaken(*m_mdi).endsWith(Schild(g).Caption()));
}

// Whichever window is current when a transfer starts, the copies are made
// of the template whose records the record window offers: after the last
// label was left in front, after the user clicked a generated label, and
// from a letter button that first transfers the rows still chosen.
TEST_F(UebertragungTest, EveryTransferCopiesTheTemplateWhateverWindowIsCurrent) {
    const QString pfad = datenbank(QStringLiteral("vxt"), {{nr(1), {{"Bot_Name", t("Abutilon")}}},
                                                           {nr(2), {{"Bot_Name", t("Begonia")}}},
                                                           {nr(3), {{"Bot_Name", t("Bellis")}}}});
    const int32_t n = vorlage(pfad, QStringLiteral("vxt"), {QStringLiteral("<Bot Name>")});
    const QString vonVorlage = QStringLiteral(" (erzeugt von: ") +
                               Schild(n).Caption().chopped(10) + QLatin1Char(')');
    P().blnVorlageVordergrund = false;
    // The labels a step made, as their texts.
    const auto neueTexte = [](const std::vector<int32_t>& vorher) {
        QStringList l;
        for (const int32_t g : erzeugte())
            if (std::find(vorher.begin(), vorher.end(), g) == vorher.end()) {
                EXPECT_TRUE(Schild(g).Caption().contains(QStringLiteral(" (erzeugt von: ")))
                    << Schild(g).Caption().toStdString();
                l << elemente(g);
            }
        return l;
    };

    AllesSperren();
    uebertragen({1});
    ASSERT_EQ(erzeugte().size(), 1u);
    const int32_t erste = erzeugte().front();
    ASSERT_EQ(P().lngAktivesSchild, erste);

    // The generated label is current: the next transfer still copies the
    // template.
    std::vector<int32_t> vorher = erzeugte();
    AllesSperren();
    uebertragen({2});
    EXPECT_EQ(neueTexte(vorher), QStringList{"Begonia"});
    for (const int32_t g : erzeugte())
        EXPECT_TRUE(Schild(g).Caption().contains(vonVorlage)) << Schild(g).Caption().toStdString();

    // The user clicked the first generated label.
    Schild(erste).SetFocus();
    ASSERT_EQ(P().lngAktivesSchild, erste);
    vorher = erzeugte();
    AllesSperren();
    uebertragen({3});
    EXPECT_EQ(neueTexte(vorher), QStringList{"Bellis"});

    // A letter button with rows still chosen: they are transferred, the
    // label made last is current, and the letter still filters the
    // template's records, from which the next transfer copies again.
    vorher = erzeugte();
    Schild(n).SetFocus(); // the record window is opened from the template
    w().oeffnen();
    QTableView& g = w().sichtbaresGrid();
    g.clearSelection();
    g.selectRow(0);
    {
        SkriptDialoge d;
        d.meldung(Antwort::Yes);
        w().cmdAuswahl[1]->click();
        ASSERT_EQ(d.gezeigt().size(), 1u);
        EXPECT_EQ(d.gezeigt()[0].titel, "Auswahl geht verloren!");
    }
    EXPECT_EQ(neueTexte(vorher), QStringList{"Abutilon"});
    EXPECT_NE(P().lngAktivesSchild, n);
    EXPECT_EQ(spalte(QStringLiteral("Bot_Name")), (QStringList{"Begonia", "Bellis"}));
    vorher = erzeugte();
    uebertragen({3});
    EXPECT_EQ(neueTexte(vorher), QStringList{"Bellis"});
    for (const int32_t e : erzeugte())
        EXPECT_TRUE(Schild(e).Caption().contains(vonVorlage)) << Schild(e).Caption().toStdString();
    EXPECT_FALSE(S(n).blnSchildFrei);
    EXPECT_TRUE(Schild(n).Caption().endsWith(QStringLiteral(" (Vorlage)")));
}

// Each transfer reads the template as it is then: an edit between two
// transfers is in the labels of the second.
TEST_F(UebertragungTest, ASecondTransferSeesTheTemplateEditedInBetween) {
    const QString pfad =
        datenbank(QStringLiteral("vxt"),
                  {{nr(1), {{"Bot_Name", t("Abutilon")}, {"DTNAM", t("Malve")}}},
                   {nr(2), {{"Bot_Name", t("Begonia")}, {"DTNAM", t("Schiefblatt")}}}});
    const int32_t n = vorlage(pfad, QStringLiteral("vxt"),
                              {QStringLiteral("<Bot Name>"), QStringLiteral("<Deu Name>")});
    frmLabel& v = Schild(n);
    v.TextNeu();
    const int32_t fest = S(n).lngAktuellerText;
    v.lblText(fest).setCaption(QStringLiteral("Gärtnerei"));
    AllesSperren();
    uebertragen({1, 2});
    std::vector<int32_t> erste = erzeugte();
    ASSERT_EQ(erste.size(), 2u);
    for (const int32_t g : erste)
        EXPECT_EQ(elemente(g).last(), "Gärtnerei");

    // The fixed text and the German name's look and place change.
    v.lblText(fest).setCaption(QStringLiteral("Baumschule"));
    v.lblDatenfeld(2).setFontItalic(true);
    v.lblDatenfeld(2).setTop(20);
    v.DatenfeldMaxBreiteSchreiben(2, 30);
    P().lngAktivesSchild = n;
    AllesSperren();
    uebertragen({2});
    std::vector<int32_t> alle = erzeugte();
    ASSERT_EQ(alle.size(), 3u);
    int32_t neu = 0;
    for (const int32_t g : alle)
        if (std::find(erste.begin(), erste.end(), g) == erste.end())
            neu = g;
    ASSERT_NE(neu, 0);
    EXPECT_EQ(elemente(neu), (QStringList{"Begonia", "Schiefblatt", "Baumschule"}));
    frmLabel& f = Schild(neu);
    const int32_t deutsch = elementIndexAusCode(S(neu).lngReihenfolge[2]);
    EXPECT_TRUE(f.lblText(deutsch).FontItalic());
    EXPECT_EQ(f.lblText(deutsch).Top(), 20);
    EXPECT_EQ(f.TextMaxBreiteLesen(deutsch), "30");
    // The labels of the first transfer stay as they were made.
    for (const int32_t g : erste) {
        EXPECT_EQ(elemente(g).last(), "Gärtnerei");
        EXPECT_FALSE(Schild(g).lblText(elementIndexAusCode(S(g).lngReihenfolge[2])).FontItalic());
    }
}

TEST_F(UebertragungTest, ChangedTemplateKeepsItsStarInTheCaption) {
    const QString pfad = datenbank(QStringLiteral("vxt"), {{nr(1), {}}});
    const int32_t n = vorlage(pfad, QStringLiteral("vxt"), {QStringLiteral("<Typ>")});
    SchildGeaendert();
    ASSERT_EQ(Schild(n).Caption(), QStringLiteral("Schild %1* (Vorlage)").arg(n));
    uebertragen({1});
    ASSERT_EQ(erzeugte().size(), 1u);
    const int32_t g = erzeugte().front();
    EXPECT_EQ(Schild(g).Caption(),
              QStringLiteral("Schild %1 (erzeugt von: Schild %2*)*").arg(g).arg(n));
}

TEST_F(UebertragungTest, HeightLightAndTemperatureTexts) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* name;
        std::vector<std::pair<QString, Cell>> werte;
        QStringList texte; // <Höhe>, <Höhe Blüten>, <Beleuchtung>, <Temperatur>
    } faelle[] = {
        {"both given",
         {{"MINHOEHE", z(0.5)},
          {"MAXHOEHE", z(1.2)},
          {"BLMINH", z(0.3)},
          {"BLMAXH", z(0.8)},
          {"LICHTMIN", z(500)},
          {"LICHTMAX", z(1000)},
          {"TEMPMIN", z(-5)},
          {"TEMPMAX", z(10)}},
         {"0,5 - 1,2 m", "0,3 - 0,8 m", "500 - 1000 Lux", "-5 - 10 °C"}},
        {"one of two",
         {{"MINHOEHE", N},
          {"MAXHOEHE", z(2)},
          {"BLMINH", z(3)},
          {"BLMAXH", z(0)},
          {"LICHTMIN", N},
          {"LICHTMAX", z(800)},
          {"TEMPMIN", z(0)},
          {"TEMPMAX", z(10)}},
         {"max. 2 m", "min. 3 m", "max. 800 Lux", "max. 10 °C"}},
        {"as stored",
         {{"MINHOEHE", z(1)},
          {"MAXHOEHE", z(1)},
          {"BLMINH", z(3)},
          {"BLMAXH", z(1)},
          {"TEMPMIN", z(12.5)},
          {"TEMPMAX", N}},
         {"1 - 1 m", "3 - 1 m", "min. 12,5 °C"}},
        {"none", {{"MINHOEHE", z(0)}, {"MAXHOEHE", z(0)}}, {}},
        // NaN and the infinities are no values: never "nan" or "inf".
        {"one end a number",
         {{"MINHOEHE", z(nan)},
          {"MAXHOEHE", z(2)},
          {"BLMINH", z(0.3)},
          {"BLMAXH", z(-inf)},
          {"LICHTMIN", z(inf)},
          {"LICHTMAX", z(800)},
          {"TEMPMIN", z(5)},
          {"TEMPMAX", z(nan)}},
         {"max. 2 m", "min. 0,3 m", "max. 800 Lux", "min. 5 °C"}},
        {"no end a number",
         {{"MINHOEHE", z(inf)},
          {"MAXHOEHE", z(nan)},
          {"BLMINH", z(nan)},
          {"BLMAXH", z(nan)},
          {"LICHTMIN", z(-inf)},
          {"LICHTMAX", z(inf)},
          {"TEMPMIN", z(nan)},
          {"TEMPMAX", z(-inf)}},
         {}},
    };
    std::vector<Satz> saetze;
    for (size_t k = 0; k < std::size(faelle); ++k)
        saetze.push_back({nr(static_cast<qint64>(k + 1)), faelle[k].werte});
    const QString pfad = datenbank(QStringLiteral("vxt"), saetze);
    vorlage(pfad, QStringLiteral("vxt"),
            {QStringLiteral("<Höhe>"), QStringLiteral("<Höhe Blüten>"),
             QStringLiteral("<Beleuchtung>"), QStringLiteral("<Temperatur>")});
    SkriptDialoge d;
    uebertragen({1, 2, 3, 4, 5, 6});
    const std::vector<int32_t> neu = erzeugte();
    ASSERT_EQ(neu.size(), std::size(faelle));
    // The grid sorts by the botanical names "Bot_Name-<row>".
    for (size_t k = 0; k < neu.size(); ++k) {
        SCOPED_TRACE(faelle[k].name);
        EXPECT_EQ(elemente(neu[k]), faelle[k].texte);
    }
    EXPECT_TRUE(d.gezeigt().empty());
}

TEST_F(UebertragungTest, AGreatestDiameterThatIsNoNumberPrintsNothing) {
    const std::vector<Satz> gehoelze = {
        {nr(1), {{"MAXDURCHM", z(std::numeric_limits<double>::infinity())}}},
        {nr(2), {{"MAXDURCHM", z(std::numeric_limits<double>::quiet_NaN())}}},
        {nr(3), {{"MAXDURCHM", z(3)}}}};
    vorlage(datenbank(QStringLiteral("vxg"), gehoelze), QStringLiteral("vxg"),
            {QStringLiteral("<Durchmesser max>")});
    SkriptDialoge d;
    uebertragen({1, 2, 3});
    const std::vector<int32_t> neu = erzeugte();
    ASSERT_EQ(neu.size(), 3u);
    EXPECT_TRUE(elemente(neu[0]).isEmpty());
    EXPECT_TRUE(elemente(neu[1]).isEmpty());
    EXPECT_EQ(elemente(neu[2]), QStringList{"max. 3 m"});
    EXPECT_TRUE(d.gezeigt().empty());
}

TEST_F(UebertragungTest, RangeFieldsOfKindsWithoutThemSayHopplaOncePerFieldAndLabel) {
    const struct {
        const char* art;
        QStringList captions;
        std::vector<std::pair<QString, Cell>> werte;
        QStringList meldungen; // per label
        QStringList texte;
    } faelle[] = {
        {"vxs",
         {"<Beleuchtung>", "<Temperatur>", "<Höhe>"},
         {{"MINHOEHE", z(0.4)}},
         {"Hoppla, Beleuchtung!", "Hoppla, Temperatur!"},
         {"min. 0,4 m"}},
        {"vxg",
         {"<Höhe>", "<Höhe>", "<Durchmesser max>", "<Höhe Blüten>"},
         {{"MAXDURCHM", z(3)}},
         {"Hoppla, Höhe!", "Hoppla, Höhe!", "Hoppla, Blütenhöhe!"},
         {"max. 3 m"}},
        {"vxt", {"<Durchmesser max>", "<höhe>"}, {}, {"Hoppla, Durchmesser!"}, {}},
        {"vxg", {"<Durchmesser max>"}, {{"MAXDURCHM", z(0)}}, {}, {}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::string(f.art) + " " + f.captions.join(',').toStdString());
        const QString art = QString::fromLatin1(f.art);
        const QString pfad = datenbank(art, {{nr(1), f.werte}, {nr(2), f.werte}});
        const int32_t n = vorlage(pfad, art, f.captions);
        const size_t vorher = erzeugte().size();
        SkriptDialoge d;
        for (int k = 0; k < 2 * f.meldungen.size(); ++k)
            d.meldung(Antwort::OK);
        uebertragen({1, 2});
        EXPECT_EQ(texte(d), f.meldungen + f.meldungen);
        const std::vector<int32_t> neu = erzeugte();
        ASSERT_EQ(neu.size(), vorher + 2);
        EXPECT_EQ(elemente(neu.back()), f.texte);
        Schild(n).schliessen();
    }
}

TEST_F(UebertragungTest, CemeteryEntriesReadTheirOwnGroupOfColumns) {
    // Column 24 (BdB-Nummer) belongs to woody entries, 58 (Lebensraum) to
    // perennial ones; "Fruchtfarbe" stands at 14 (neither), 35 (woody) and
    // 67 (perennial).
    const QString pfad = datenbank(
        QStringLiteral("vxf"),
        {{nr(1),
          {{"DB", t("100")},
           {"Stauden.MINHOEHE", z(0.2)},
           {"Stauden.MAXHOEHE", z(0.6)},
           {"MINHOEHE", z(5)},
           {"BLMINH", z(0.1)},
           {"BLMAXH", N}}},
         {nr(2),
          {{"DB", t("010")}, {"Stauden.MAXHOEHE", z(0.6)}, {"MAXHOEHE", z(7)}, {"BLMINH", z(1)}}},
         {nr(3), {{"DB", N}, {"MINHOEHE", z(4)}, {"MAXHOEHE", z(6)}}}});
    vorlage(pfad, QStringLiteral("vxf"),
            {QStringLiteral("<BdB-Nummer>"), QStringLiteral("<Lebensraum>"),
             QStringLiteral("<Fruchtfarbe>"), QStringLiteral("<Höhe>"),
             QStringLiteral("<Höhe Blüten>")});
    SkriptDialoge d;
    uebertragen({1, 2, 3});
    const std::vector<int32_t> neu = erzeugte();
    ASSERT_EQ(neu.size(), 3u);
    EXPECT_EQ(elemente(neu[0]), (QStringList{"F58-0", "F67-0", "0,2 - 0,6 m", "min. 0,1 m"}));
    EXPECT_EQ(elemente(neu[1]), (QStringList{"F24-1", "F35-1", "max. 7 m"}));
    // DB Null: a woody entry for the heights, no group passed over.
    EXPECT_EQ(elemente(neu[2]), (QStringList{"F24-2", "F58-2", "F14-2", "4 - 6 m"}));
    EXPECT_TRUE(d.gezeigt().empty());
}

TEST_F(UebertragungTest, SynonymsAndGermanNames) {
    const auto syn = [](qint64 a, Cell s) { return Row{nr(a), std::move(s)}; };
    Nebentabellen neben;
    neben.synonyme = {
        {"Stauden_Synonyme_Botanisch",
         {syn(1, t("A")), syn(2, t("C")), syn(1, N), syn(1, t("B")), syn(70000, t("Groß")),
          syn(4, t("D")), syn(4, t("")), syn(5, t("")), syn(5, t("E")), syn(1, t("A"))}},
        {"Stauden_Synonyme_Deutsch", {syn(1, t("X1")), syn(1, t("X2")), syn(3, t("Y"))}},
    };
    const QString pfad = datenbank(QStringLiteral("vxs"),
                                   {{nr(1), {{"DTNAM", t("Deutsch")}}},
                                    {nr(2), {{"DTNAM", N}}},
                                    {nr(3), {{"DTNAM", N}}},
                                    {nr(4), {}},
                                    {nr(5), {}},
                                    {nr(70000), {{"DTNAM", t("Weit")}}}},
                                   neben);
    vorlage(pfad, QStringLiteral("vxs"), {QStringLiteral("<Syn.>"), QStringLiteral("<Deu Name>")});
    SkriptDialoge d;
    uebertragen({1, 2, 3, 4, 5, 70000});
    const std::vector<int32_t> neu = erzeugte();
    ASSERT_EQ(neu.size(), 6u);
    const QStringList erwartet[] = {
        // In the table's order, a repeated one repeated.
        {"A, B, A", "Deutsch, X1, X2"},
        {"C"},
        {"Y"},
        {"D, ", "DTNAM-3"},
        {"E", "DTNAM-4"},
        {"Groß", "Weit"},
    };
    for (size_t k = 0; k < neu.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(elemente(neu[k]), erwartet[k]);
    }
    EXPECT_TRUE(d.gezeigt().empty());
}

// The article number is looked up as the record holds it, all of it: a
// text that holds a number and then a NUL names no plant, and the synonyms
// of the plant its first digits name stay off its label.
TEST_F(UebertragungTest, SynonymsAreLookedUpByTheWholeArticleNumber) {
    jet::testing::Jet4Writer wr;
    using jet::DataType;
    const auto text = [](const char16_t* s, qsizetype n) { return Cell(QString::fromUtf16(s, n)); };
    wr.addTable(QStringLiteral("Topfpfl"),
                {{"ARTNR", DataType::Text, 20},
                 {"Bot_Name", DataType::Text, 50},
                 {"DTNAM", DataType::Text, 50}},
                {{t("1001"), t("Aster"), t("Bergaster")},
                 {text(u"1001\0 9", 7), t("Bellis"), t("Gänseblümchen")},
                 {text(u"1001\0", 5), t("Canna"), t("Blumenrohr")},
                 {t(" 1002 "), t("Dahlia"), t("Dahlie")}});
    topfNebentabellen(wr, {{nr(1001), t("Aster amellus")}, {nr(1002), t("Dahlia pinnata")}},
                      {{nr(1001), t("Sternaster")}});
    const QString pfad = m_eigenerOrdner.filePath(QStringLiteral("nul.vxt"));
    wr.write(pfad);
    vorlage(pfad, QStringLiteral("vxt"), {QStringLiteral("<Syn.>"), QStringLiteral("<Deu Name>")});
    SkriptDialoge d;
    w().sichtbaresGrid().selectAll();
    w().cmdUebertragen->click();
    const std::vector<int32_t> neu = erzeugte();
    ASSERT_EQ(neu.size(), 4u);
    // In the grid's order, by botanical name.
    const QStringList erwartet[] = {
        {"Aster amellus", "Bergaster, Sternaster"},
        {"Gänseblümchen"},
        {"Blumenrohr"},
        {"Dahlia pinnata", "Dahlie"}, // blanks around the number are no part of it
    };
    for (size_t k = 0; k < neu.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(elemente(neu[k]), erwartet[k]);
    }
    EXPECT_TRUE(d.gezeigt().empty());
}

TEST_F(UebertragungTest, CemeterySynonymsComeFromTheEntrysGroup) {
    const auto syn = [](const char* s) { return std::vector<Row>{{nr(1), t(s)}, {nr(2), t(s)}}; };
    Nebentabellen neben;
    neben.synonyme = {{"Stauden_Synonyme_Botanisch", syn("Staude")},
                      {"Gehoelze_Synonyme_Botanisch", syn("Gehölz")},
                      {"Stauden_Synonyme_Deutsch", syn("Staudenname")},
                      {"Gehoelze_Synonyme_Deutsch", syn("Gehölzname")}};
    const QString pfad = datenbank(
        QStringLiteral("vxf"),
        {{nr(1), {{"DB", t("100")}, {"DTNAM", N}}}, {nr(2), {{"DB", N}, {"DTNAM", N}}}}, neben);
    vorlage(pfad, QStringLiteral("vxf"), {QStringLiteral("<Syn.>"), QStringLiteral("<Deu Name>")});
    uebertragen({1, 2});
    const std::vector<int32_t> neu = erzeugte();
    ASSERT_EQ(neu.size(), 2u);
    EXPECT_EQ(elemente(neu[0]), (QStringList{"Staude", "Staudenname"}));
    EXPECT_EQ(elemente(neu[1]), (QStringList{"Gehölz", "Gehölzname"}));
}

TEST_F(UebertragungTest, KindsWithoutSynonymTablesSayHopplaOnceAndPrintNothing) {
    // The plants' own synonyms would be found by ARTNR in any earlier
    // bound synonym table; none may show on an apple label.
    const QString topf = datenbank(QStringLiteral("vxt"), {{nr(1), {}}},
                                   {{{"Topfpfl_Synonyme_Botanisch", {{nr(1), t("Fremd")}}},
                                     {"Topfpfl_Synonyme_Deutsch", {{nr(1), t("Fremdname")}}}},
                                    {}});
    const int32_t a = vorlage(topf, QStringLiteral("vxt"), {QStringLiteral("<Syn.>")});
    uebertragen({1});
    ASSERT_EQ(elemente(erzeugte().back()), QStringList{"Fremd"});
    Schild(a).schliessen();

    const QString apfel = datenbank(QStringLiteral("vxa"), {{nr(1), {{"DTNAM", t("Boskoop")}}}});
    vorlage(apfel, QStringLiteral("vxa"), {QStringLiteral("<Syn.>"), QStringLiteral("<Deu Name>")});
    SkriptDialoge d;
    d.meldung(Antwort::OK).meldung(Antwort::OK);
    uebertragen({1});
    EXPECT_EQ(texte(d), (QStringList{"Hoppla, Synonyme", "Hoppla, Synonyme"}));
    EXPECT_TRUE(elemente(erzeugte().back()).isEmpty());
}

TEST_F(UebertragungTest, UserPropertiesShowTheirNamesWhenFlagged) {
    Nebentabellen neben;
    // Property 4 is named like the picture field: it is filled as a
    // property. Property 3 has no name.
    const char* const eigenschaften[] = {"Duftend", "Bienenweide", nullptr, "Bild", "Winterhart"};
    for (const char* name : eigenschaften) {
        Row r(6, N);
        r[0] = name ? t(name) : N;
        r[1] = t("Staudenname");
        neben.benutzerNamen.push_back(r);
    }
    const QString pfad = datenbank(QStringLiteral("vxt"),
                                   {{nr(1), {{"BENU_EIGEN", t("01001")}}},
                                    {nr(2), {{"BENU_EIGEN", t("1")}}},
                                    {nr(3), {{"BENU_EIGEN", N}}},
                                    {nr(4), {{"BENU_EIGEN", t("xa -b")}}},
                                    {nr(5), {{"BENU_EIGEN", t("11111")}}}},
                                   neben);
    vorlage(pfad, QStringLiteral("vxt"),
            {QStringLiteral("<Duftend>"), QStringLiteral("<Bienenweide>"), QStringLiteral("<Bild>"),
             QStringLiteral("<Winterhart>"), QStringLiteral("<Staudenname>")});
    SkriptDialoge d;
    uebertragen({1, 2, 3, 4, 5});
    const std::vector<int32_t> neu = erzeugte();
    ASSERT_EQ(neu.size(), 5u);
    const QStringList erwartet[] = {{"Bienenweide", "Winterhart"},
                                    {"Duftend"},
                                    {},
                                    {},
                                    {"Duftend", "Bienenweide", "Bild", "Winterhart"}};
    for (size_t k = 0; k < neu.size(); ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(elemente(neu[k]), erwartet[k]);
    }
    EXPECT_TRUE(d.gezeigt().empty());
}

TEST_F(UebertragungTest, OwnTableFieldsAreColumnsWhateverTheirCaptions) {
    const int32_t n = schildMitFeldern({QStringLiteral("<Name>"), QStringLiteral("<Ort>"),
                                        QStringLiteral("<Bild>"), QStringLiteral("<Höhe>"),
                                        QStringLiteral("<Sorvo-Preis>")});
    eigeneLaden(n, eigene(), QStringLiteral("Meine Pflanzen"));
    w().cmdAlle->click();
    // Rows sorted by Name: Ahorn (A7), Bergenie (b9), Buchs (B12),
    // Christrose (C1, Ort Null), Ölweide.
    QTableView& g = w().sichtbaresGrid();
    g.selectRow(0);
    g.selectionModel()->select(g.model()->index(3, 0),
                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
    SkriptDialoge d;
    w().cmdUebertragen->click();
    const std::vector<int32_t> neu = erzeugte();
    ASSERT_EQ(neu.size(), 2u);
    EXPECT_EQ(elemente(neu[0]), (QStringList{"Ahorn", "Hof"}));
    EXPECT_EQ(elemente(neu[1]), (QStringList{"Christrose"}));
    EXPECT_TRUE(d.gezeigt().empty());
}

TEST_F(UebertragungTest, AFullLabelKeepsItsTextsAndLosesTheField) {
    const QString pfad =
        datenbank(QStringLiteral("vxt"), {{nr(1), {{"Bot_Name", t("Aster")}, {"MINHOEHE", z(1)}}}},
                  {{{"Topfpfl_Synonyme_Botanisch", {{nr(1), t("S")}}}}, {}});
    for (const QString caption : {"<Bot Name>", "<Höhe>", "<Syn.>"}) {
        SCOPED_TRACE(caption.toStdString());
        const int32_t n = vorlage(pfad, QStringLiteral("vxt"), {caption});
        frmLabel& v = Schild(n);
        for (int k = 1; k <= P().lngMaxTexte; ++k) {
            ASSERT_TRUE(v.TextNeu());
            v.lblText(S(n).lngAktuellerText).setCaption(QStringLiteral("T%1").arg(k));
        }
        const QStringList vorher = elemente(n);
        SkriptDialoge d;
        d.meldung(Antwort::OK);
        uebertragen({1});
        EXPECT_EQ(texte(d), QStringList{"Zu viele Texte!"});
        const int32_t g = erzeugte().back();
        QStringList ohneFeld = vorher;
        ohneFeld.removeAll(QStringLiteral("DF ") + caption);
        EXPECT_EQ(elemente(g), ohneFeld);
        EXPECT_EQ(Schild(g).DatenfeldZaehlen(), 0);
        for (int32_t i = 1; i <= Schild(g).hoechsterText(); ++i)
            EXPECT_EQ(Schild(g).lblText(i).Caption(), QStringLiteral("T%1").arg(i));
        Schild(n).schliessen();
    }
}

TEST_F(UebertragungTest, ARecordSourceShorterThanTheColumnListIsWalkedToItsEnd) {
    vorlage(kurzeDatenbank(), QStringLiteral("vxt"),
            {QStringLiteral("<Bot Name>"), QStringLiteral("<Bewert.>"), QStringLiteral("<Syn.>")});
    SkriptDialoge d;
    uebertragen({1});
    ASSERT_EQ(erzeugte().size(), 1u);
    // An empty synonym table gives no text and no message.
    EXPECT_EQ(elemente(erzeugte().front()), QStringList{"Aster"});
    EXPECT_TRUE(d.gezeigt().empty());
}

TEST_F(UebertragungTest, AFailingReadIsToldOnceAndOnlyItsFieldIsLost) {
    // The short table has no height columns: every record's "<Höhe>" fails.
    const int32_t n = vorlage(kurzeDatenbank(), QStringLiteral("vxt"),
                              {QStringLiteral("<Höhe>"), QStringLiteral("<Bot Name>")});
    AllesSperren();
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    uebertragen({1, 2});
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_EQ(d.gezeigt()[0].titel, "Datenübertragung unvollständig");
    EXPECT_TRUE(d.gezeigt()[0].text.contains(QStringLiteral("2 von 2 Datensätzen: <Höhe>: ")));
    EXPECT_TRUE(d.gezeigt()[0].text.endsWith(QStringLiteral("(3265)")))
        << d.gezeigt()[0].text.toStdString();
    const std::vector<int32_t> neu = erzeugte();
    ASSERT_EQ(neu.size(), 2u);
    EXPECT_EQ(elemente(neu[0]), QStringList{"Aster"});
    EXPECT_EQ(elemente(neu[1]), QStringList{"Bellis"});
    // Finished all the same: no second template.
    EXPECT_FALSE(S(neu[0]).blnDbGeladen);
    EXPECT_TRUE(Schild(neu[1]).Caption().contains(QStringLiteral("erzeugt von")));
    EXPECT_TRUE(Schild(n).isEnabled());
    EXPECT_TRUE(m_mdi->menuAktiv("mnuDatei"));
    EXPECT_EQ(P().lngAktivesSchild, neu[1]);
    EXPECT_EQ(w().ESZaehler, 2);
}

// A record that cannot be copied at all (here: the template's database path
// holds the records' field separator) is told once for the whole transfer.
TEST_F(UebertragungTest, RecordsThatFailWholeAreToldOnce) {
    const QString pfad = m_eigenerOrdner.filePath(QStringLiteral("a|b.vxt"));
    ASSERT_TRUE(QFile::rename(kurzeDatenbank(), pfad));
    const int32_t n = vorlage(pfad, QStringLiteral("vxt"), {QStringLiteral("<Bot Name>")});
    // Every failure is one line with its number of records, out of three.
    const QStringList zeilen = unvollstaendig({1, 2, 3});
    ASSERT_FALSE(zeilen.isEmpty());
    int saetze = 0;
    for (const QString& z : zeilen) {
        ASSERT_TRUE(z.contains(QStringLiteral(" von 3 Datensätzen: "))) << z.toStdString();
        saetze += z.section(QLatin1Char(' '), 0, 0).toInt();
    }
    EXPECT_EQ(saetze, 3);
    // Each record met the template's own fault, not one left by the copy
    // closed before it.
    EXPECT_EQ(zeilen.size(), 1);
    EXPECT_TRUE(zeilen[0].endsWith(QStringLiteral("Typen unverträglich (13)")));
    EXPECT_TRUE(erzeugte().empty());
    EXPECT_TRUE(Schild(n).isEnabled());
}

// A copy that fails as a whole is closed again; that costs only its own
// record: the records after it are still read and become labels. The copy
// of the second record fails with a run-time error while it tells that the
// template's prices file is gone, as running out of memory there would.
TEST_F(UebertragungTest, ACopyThatFailsCostsOnlyItsOwnRecord) {
    const int32_t n =
        vorlage(kurzeDatenbank(), QStringLiteral("vxt"), {QStringLiteral("<Bot Name>")});
    S(n).strPreisDbPfad = m_eigenerOrdner.filePath(QStringLiteral("weg.txt"));
    S(n).strPreisSpalte = QStringLiteral("Deutscher Name");
    S(n).blnPreisDbGeladen = true;
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    d.meldung(Antwort::OK).waehrend([] {
        throw Laufzeitfehler(7, QStringLiteral("Nicht genügend Speicher"));
    });
    d.meldung(Antwort::OK);
    d.meldung(Antwort::OK);
    uebertragen({1, 2, 3});
    EXPECT_TRUE(d.alleBeantwortet());
    // The prices file is missed once per copy, as always; the failure is
    // told once, at the end.
    QStringList fehlt, sonst;
    for (const Gezeigt& g : d.gezeigt())
        (g.titel == QStringLiteral("Datei nicht vorhanden!") ? fehlt : sonst) << g.text;
    EXPECT_EQ(fehlt.size(), 3);
    EXPECT_EQ(sonst.size(), 1);
    EXPECT_EQ(d.gezeigt().back().titel, "Datenübertragung unvollständig");
    EXPECT_EQ(d.gezeigt().back().text.split(QLatin1Char('\r')).mid(1),
              QStringList{"1 von 3 Datensätzen: Nicht genügend Speicher (7)"});
    const std::vector<int32_t> neu = erzeugte();
    ASSERT_EQ(neu.size(), 2u);
    EXPECT_EQ(elemente(neu[0]), QStringList{"Aster"});
    EXPECT_EQ(elemente(neu[1]), QStringList{"Canna"});
    EXPECT_EQ(w().ESZaehler, 2);
    EXPECT_EQ(P().lngAktivesSchild, neu[1]);
    // The record-choice window still shows the template's records.
    ASSERT_NE(w().Data1->recordset(), nullptr);
    EXPECT_EQ(w().Data1->recordset()->recordCount(), 3);
}

// A template picture that cannot be read (changed on disk after it was
// placed): every label is made without it, and it is named once.
TEST_F(UebertragungTest, AnUnreadableTemplatePictureIsNamedOnce) {
    const int32_t n =
        vorlage(kurzeDatenbank(), QStringLiteral("vxt"), {QStringLiteral("<Bot Name>")});
    const QString bild = datei(QStringLiteral("logo.png"), "kein Bild");
    frmLabel& f = Schild(n);
    P().lngAktivesSchild = n;
    ASSERT_TRUE(f.BildNeu());
    const int32_t j = S(n).lngAktuellesBild;
    f.BildPfadSchreiben(j, bild);
    f.imgBild(j).setWidth(10);
    f.imgBild(j).setHeight(10);
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    uebertragen({1, 2, 3});
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_EQ(d.gezeigt()[0].titel, "Bilder nicht lesbar!");
    EXPECT_EQ(d.gezeigt()[0].text.split(QLatin1Char('\r')).mid(1), QStringList{bild});
    const std::vector<int32_t> neu = erzeugte();
    ASSERT_EQ(neu.size(), 3u);
    EXPECT_EQ(elemente(neu[0]), QStringList{"Aster"});
    EXPECT_EQ(elemente(neu[2]), QStringList{"Canna"});
}

// A plant database without its botanical synonym table: one message for
// the whole transfer, the synonym field gone from every label, and the
// fields after it filled.
TEST_F(UebertragungTest, AMissingSynonymTableIsToldOnceAndTheOtherFieldsAreFilled) {
    {
        // The binding says so already.
        SkriptDialoge b;
        b.meldung(Antwort::OK);
        vorlage(
            kurzeDatenbank(false), QStringLiteral("vxt"),
            {QStringLiteral("<Syn.>"), QStringLiteral("<Bot Name>"), QStringLiteral("<Deu Name>")});
        ASSERT_EQ(b.gezeigt().size(), 1u);
        EXPECT_TRUE(b.gezeigt()[0].text.contains(QStringLiteral("Topfpfl_Synonyme_Botanisch")));
    }
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    uebertragen({1, 2, 3});
    ASSERT_EQ(d.gezeigt().size(), 1u);
    const QString& text = d.gezeigt()[0].text;
    EXPECT_TRUE(text.contains(QStringLiteral("3 von 3 Datensätzen: <Syn.>: ")) &&
                text.contains(QStringLiteral("Topfpfl_Synonyme_Botanisch")))
        << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("Datensätzen")), 1);
    const std::vector<int32_t> neu = erzeugte();
    ASSERT_EQ(neu.size(), 3u);
    EXPECT_EQ(elemente(neu[0]), (QStringList{"Aster", "Herbstaster"}));
    EXPECT_EQ(elemente(neu[1]), QStringList{"Bellis"});
    EXPECT_EQ(elemente(neu[2]), (QStringList{"Canna", "Blumenrohr"}));
    for (const int32_t w : neu)
        for (int32_t i = 1; i <= Schild(w).hoechstesDatenfeld(); ++i)
            EXPECT_TRUE(Schild(w).lblDatenfeld(i).Caption().isEmpty()) << w << " " << i;
    // A second transfer tells it afresh, once.
    SkriptDialoge d2;
    d2.meldung(Antwort::OK);
    uebertragen({2});
    ASSERT_EQ(d2.gezeigt().size(), 1u);
    EXPECT_TRUE(d2.gezeigt()[0].text.contains(QStringLiteral("1 von 1 Datensätzen")));
}

TEST_F(UebertragungTest, PriceField) {
    const QString pfad =
        datenbank(QStringLiteral("vxt"),
                  {{nr(1), {{"Bot_Name", t("Aster")}, {"DTNAM", t("Herbstaster")}}},
                   {nr(2), {{"Bot_Name", t("Bellis")}, {"DTNAM", t("Tausendschön")}}}});
    const QString preise = datei(QStringLiteral("preise.txt"), "Name;Preis\r\n"
                                                               "Herbstaster;3,95\r\n"
                                                               "Herbstaster;9,99\r\n");
    const struct {
        const char* name;
        bool gebunden;
        Antwort antwort;
        bool waehlen;
        QStringList erster, zweiter;
        int fragen;
    } faelle[] = {
        {"bound", true, Antwort::OK, false, {"3,95"}, {"?Preis?"}, 0},
        {"No", false, Antwort::No, false, {"DF <Sorvo-Preis>"}, {"DF <Sorvo-Preis>"}, 2},
        {"Yes, nothing chosen",
         false,
         Antwort::Yes,
         false,
         {"DF <Sorvo-Preis>"},
         {"DF <Sorvo-Preis>"},
         2},
        {"Yes, chosen", false, Antwort::Yes, true, {"3,95"}, {"?Preis?"}, 1},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const int32_t n = vorlage(pfad, QStringLiteral("vxt"), {QStringLiteral("<Sorvo-Preis>")});
        if (f.gebunden) {
            S(n).strPreisDbPfad = preise;
            S(n).strPreisSpalte = QStringLiteral("Deutscher Name");
            db(n).DBPreiseLaden();
        }
        const size_t vorher = erzeugte().size();
        SkriptDialoge d;
        for (int k = 0; k < f.fragen; ++k) {
            d.meldung(f.antwort);
            if (f.antwort == Antwort::Yes)
                d.fenster([&](QDialog& dlg) {
                    if (!f.waehlen)
                        return; // closed by its close box
                    const int32_t g = P().lngAktivesSchild;
                    S(g).strPreisDbPfad = preise;
                    S(g).strPreisSpalte = QStringLiteral("Deutscher Name");
                    db(g).DBPreiseLaden();
                    dynamic_cast<frmDbPreis&>(dlg).cmdOK->click();
                });
        }
        uebertragen({1, 2});
        for (const Gezeigt& g : d.gezeigt())
            if (g.art == QStringLiteral("meldung")) {
                EXPECT_EQ(g.titel, "Keine Preise-Datenbank geladen!");
                EXPECT_EQ(g.text, "Es wurde noch keine Preise-Datenbank geladen!\r"
                                  "Soll dies jetzt nachgeholt werden?");
                EXPECT_EQ(g.stil, Msg::YesNo + Msg::Question);
            }
        EXPECT_TRUE(d.alleBeantwortet());
        const std::vector<int32_t> neu = erzeugte();
        ASSERT_EQ(neu.size(), vorher + 2);
        EXPECT_EQ(elemente(neu[vorher]), f.erster);
        EXPECT_EQ(elemente(neu[vorher + 1]), f.zweiter);
        if (f.waehlen) {
            // The choice was handed to the template, which stays the template.
            EXPECT_EQ(S(n).strPreisDbPfad, preise);
            EXPECT_TRUE(S(n).blnPreisDbGeladen);
            EXPECT_EQ(Schild(n).Caption(), QStringLiteral("Schild %1* (Vorlage)").arg(n));
            EXPECT_EQ(
                Schild(neu[vorher + 1]).Caption(),
                QStringLiteral("Schild %1 (erzeugt von: Schild %2*)*").arg(neu[vorher + 1]).arg(n));
        }
        Schild(n).schliessen();
    }
}

// A prices table whose lookup fails on every record (the file has no
// price column): one message for the transfer with the number of records,
// and "?Preis?" on every label.
TEST_F(UebertragungTest, AFailingPriceLookupIsToldOnceForTheTransfer) {
    const QString pfad = datenbank(
        QStringLiteral("vxt"), {{nr(1), {{"Bot_Name", t("Aster")}, {"DTNAM", t("Herbstaster")}}},
                                {nr(2), {{"Bot_Name", t("Bellis")}, {"DTNAM", t("Massliebchen")}}},
                                {nr(3), {{"Bot_Name", t("Canna")}, {"DTNAM", t("Blumenrohr")}}}});
    const QString preise = datei(QStringLiteral("preise.txt"),
                                 "Name\r\nHerbstaster\r\nMassliebchen\r\nBlumenrohr\r\n");
    const int32_t n = vorlage(pfad, QStringLiteral("vxt"),
                              {QStringLiteral("<Bot Name>"), QStringLiteral("<Sorvo-Preis>")});
    S(n).strPreisDbPfad = preise;
    S(n).strPreisSpalte = QStringLiteral("Deutscher Name");
    db(n).DBPreiseLaden();
    ASSERT_TRUE(S(n).blnPreisDbGeladen);
    const QStringList zeilen = unvollstaendig({1, 2, 3});
    ASSERT_EQ(zeilen.size(), 1);
    EXPECT_TRUE(zeilen[0].startsWith(
        QStringLiteral("3 von 3 Datensätzen: <Sorvo-Preis>: Keine gültige Preisdatenbank!")))
        << zeilen[0].toStdString();
    EXPECT_TRUE(zeilen[0].contains(QStringLiteral("?Preis?")));
    const std::vector<int32_t> neu = erzeugte();
    ASSERT_EQ(neu.size(), 3u);
    EXPECT_EQ(elemente(neu[0]), (QStringList{"Aster", "?Preis?"}));
    EXPECT_EQ(elemente(neu[1]), (QStringList{"Bellis", "?Preis?"}));
    EXPECT_EQ(elemente(neu[2]), (QStringList{"Canna", "?Preis?"}));
}

TEST(Artikelnummer, OnlyWholeNumbersAreLookedUp) {
    const struct {
        const char* name;
        jet::Value wert;
        std::optional<qint64> nummer;
    } faelle[] = {
        {"null", jet::Value(), std::nullopt},
        {"long above 16 bits", jet::Value::integer(70000), 70000},
        {"whole double", jet::Value::real(1001.0), 1001},
        {"fraction", jet::Value::real(1001.5), std::nullopt},
        {"text with blanks", jet::Value::text(QStringLiteral(" 4711 ")), 4711},
        {"empty text", jet::Value::text(QString()), std::nullopt},
        {"text with letters", jet::Value::text(QStringLiteral("12a")), std::nullopt},
        {"text with SQL", jet::Value::text(QStringLiteral("1001; DROP TABLE x")), std::nullopt},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(artikelNummer(f.wert), f.nummer) << f.name;
}

} // namespace
} // namespace sorvo::test
