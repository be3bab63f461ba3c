// The property chooser: its captions from the window's category, OK,
// Abbrechen and the close box, and the data field the tool window inserts
// through it.
#include "database/frmBenuAuswaehlen.h"
#include "label/frmLabel.h"
#include "platform/elements.h"
#include "tests/database/db_fixture.h"
#include "tools/frmTools.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace sorvo::test {
namespace {

using EigenschaftTest = DbTest;

// Names of property 1 .. 5 of the pot plants and the perennials.
void namenSetzen() {
    P().strBenuNamen[0] = {"Duftend", "Bienenweide", "", "Bild", "Winterhart"};
    P().strBenuNamen[1] = {"S1", "S2", "S3", "S4", "S5"};
}

TEST_F(EigenschaftTest, ChoosingAProperty) {
    const int32_t n = schildMitFeldern();
    const struct {
        const char* name;
        const char* art;
        std::function<void(frmBenuAuswaehlen&)> bedienen;
        QStringList captions;
        const char* uebergabe;
    } faelle[] = {
        {"OK untouched",
         "vxt",
         [](frmBenuAuswaehlen& f) { f.cmdOK->click(); },
         {"Duftend", "Bienenweide", "", "Bild", "Winterhart"},
         "Duftend"},
        {"fourth",
         "vxt",
         [](frmBenuAuswaehlen& f) {
             f.optBenuEigen[3]->setChecked(true);
             f.cmdOK->click();
         },
         {"Duftend", "Bienenweide", "", "Bild", "Winterhart"},
         "Bild"},
        {"perennials",
         "vxs",
         [](frmBenuAuswaehlen& f) {
             f.optBenuEigen[4]->setChecked(true);
             f.cmdOK->click();
         },
         {"S1", "S2", "S3", "S4", "S5"},
         "S5"},
        {"unnamed",
         "vxt",
         [](frmBenuAuswaehlen& f) {
             f.optBenuEigen[2]->setChecked(true);
             f.cmdOK->click();
         },
         {"Duftend", "Bienenweide", "", "Bild", "Winterhart"},
         ""},
        {"Abbrechen",
         "vxt",
         [](frmBenuAuswaehlen& f) { f.cmdAbbrechen->click(); },
         {"Duftend", "Bienenweide", "", "Bild", "Winterhart"},
         ""},
        {"close box",
         "vxt",
         [](frmBenuAuswaehlen& f) { f.close(); },
         {"Duftend", "Bienenweide", "", "Bild", "Winterhart"},
         ""},
        // A kind of no category keeps the designed captions and the name.
        {"own table",
         "eig",
         [](frmBenuAuswaehlen& f) { f.cmdOK->click(); },
         {"Benu. Eigenschaft 1", "Benu. Eigenschaft 2", "Benu. Eigenschaft 3",
          "Benu. Eigenschaft 4", "Benu. Eigenschaft 5"},
         "vorher"},
    };
    namenSetzen();
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        P().lngAktivesSchild = n;
        SchildDb(n).BotrelDateiArt = QString::fromLatin1(f.art);
        nachbarn().werkzeuge->BenuUebergabe = QStringLiteral("vorher");
        frmBenuAuswaehlen wahl;
        EXPECT_EQ(wahl.windowTitle(), "Eigenschaft auswählen");
        EXPECT_EQ(wahl.Frame1->title(), "Bitte Eigenschaft auswählen");
        EXPECT_TRUE(wahl.optBenuEigen[0]->isChecked());
        QStringList captions;
        for (const QRadioButton* o : wahl.optBenuEigen)
            captions << o->text();
        EXPECT_EQ(captions, f.captions);
        wahl.show();
        f.bedienen(wahl);
        EXPECT_FALSE(wahl.isVisible());
        EXPECT_EQ(nachbarn().werkzeuge->BenuUebergabe, f.uebergabe);
    }
}

TEST_F(EigenschaftTest, TheToolWindowInsertsTheChosenProperty) {
    const int32_t n = schildMitFeldern({});
    direktBinden(n, kategorieDatei(QStringLiteral("vxt")), QStringLiteral("vxt"));
    auto* tools = dynamic_cast<frmTools*>(nachbarn().werkzeuge);
    ASSERT_NE(tools, nullptr);
    const struct {
        const char* name;
        std::function<void(QDialog&)> bedienen;
        QStringList felder;
    } faelle[] = {
        {"OK",
         [](QDialog& d) { dynamic_cast<frmBenuAuswaehlen&>(d).cmdOK->click(); },
         {"<Duftend>"}},
        // The close box cancels: the earlier choice is not inserted again.
        {"close box", [](QDialog&) {}, {"<Duftend>"}},
        {"Abbrechen",
         [](QDialog& d) { dynamic_cast<frmBenuAuswaehlen&>(d).cmdAbbrechen->click(); },
         {"<Duftend>"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        P().lngAktivesSchild = n;
        SkriptDialoge d;
        d.fenster(f.bedienen);
        tools->DatenfeldEinfuegen(QStringLiteral("Benutzerdef. Eigenschaften"));
        EXPECT_TRUE(d.alleBeantwortet());
        QStringList felder;
        for (int32_t i = 1; i <= Schild(n).hoechstesDatenfeld(); ++i)
            if (Schild(n).DatenfeldStatusLesen(i))
                felder << Schild(n).lblDatenfeld(i).Caption();
        EXPECT_EQ(felder, f.felder);
    }
}

} // namespace
} // namespace sorvo::test
