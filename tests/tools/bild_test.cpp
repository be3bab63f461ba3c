// Pictures: the preview arithmetic, the picture panel, the picture-folder
// dialog and inserting a picture at half its natural size.
#include "label/frmLabel.h"
#include "platform/canvas.h"
#include "platform/elements.h"
#include "platform/system.h"
#include "platform/units.h"
#include "tests/support/benennung.h"
#include "tests/tools/werkzeug_fixture.h"
#include "tools/bildmass.h"
#include "tools/frmBild.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace sorvo::test {
namespace {

int px(int twips) {
    return RundenGerade(twipsZuPixel(twips));
}

TEST(Bildmass, PreviewFitsTheBoxByHeightOrWidth) {
    struct Fall {
        int hoehe, breite, boxHoehe, boxBreite;
        int erwartetBreite, erwartetHoehe;
    };
    const Fall faelle[] = {
        // The insert panel's box, 2535 x 1455 twips.
        {30, 40, 1455, 2535, 1940, 1455},
        {30, 90, 1455, 2535, 2535, 845},
        {15, 25, 1455, 2535, 2425, 1455},
        // The edit frame's box, 2532 x 1215 twips; small pictures grow.
        {20, 40, 1215, 2532, 2430, 1215},
        {20, 60, 1215, 2532, 2532, 844},
        {1, 1, 1215, 2532, 1215, 1215},
        {20, 0, 1215, 2532, 0, 1215},
    };
    for (const Fall& f : faelle) {
        const auto g = vorschauGroesse(f.hoehe, f.breite, f.boxHoehe, f.boxBreite);
        ASSERT_TRUE(g.has_value());
        EXPECT_EQ(g->width(), f.erwartetBreite) << f.breite << "x" << f.hoehe;
        EXPECT_EQ(g->height(), f.erwartetHoehe) << f.breite << "x" << f.hoehe;
    }
    EXPECT_FALSE(vorschauGroesse(0, 40, 1455, 2535).has_value());
}

TEST(Bildmass, NaturalSizeIsPixelsAtFifteenTwips) {
    const QImage bild(96, 48, QImage::Format_RGB32);
    const QSizeF mm = natuerlicheGroesseMm(bild);
    EXPECT_DOUBLE_EQ(mm.width(), 25.4);
    EXPECT_DOUBLE_EQ(mm.height(), 12.7);
}

class BildTest : public WerkzeugTest {
protected:
    // Chooses a file in the tool window's own file list, as a click does.
    void dateiWaehlen(const QString& name) {
        const auto treffer = m_t->filBild->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(treffer.size(), 1) << name.toStdString();
        treffer.first()->setSelected(true);
    }
    void panelMit(const QString& ordner) {
        m_t->cmdEinfuegenBild->click();
        m_t->filBildPfadSetzen(ordner);
    }
    Bild& bild1() const { return m_f->imgBild(S(m_n).lngAktuellesBild); }
};

TEST_F(BildTest, ClickInTheFileListPreviewsThePicture) {
    bild(QStringLiteral("rose.png"), 151, 113); // 40 x 30 mm
    panelMit(m_dir.path());
    dateiWaehlen(QStringLiteral("rose.png"));
    EXPECT_EQ(m_t->txtBild->text(), pfadVerbinden(m_dir.path(), QStringLiteral("rose.png")));
    EXPECT_EQ(m_t->imgBild->size(), QSize(px(1940), px(1455)));
    EXPECT_TRUE(m_t->cmdBild_E->isEnabled());
    EXPECT_FALSE(m_t->imgBild->pixmap().isNull());
    // The whole preview box is seen, above the path.
    m_t->show();
    QApplication::processEvents();
    EXPECT_EQ(m_t->picBeAnzeige->size(), QSize(px(2535), px(1455)));
    EXPECT_LE(m_t->picBeAnzeige->geometry().bottom(), m_t->txtBild->geometry().top());
    EXPECT_LE(m_t->cmdBild_E->geometry().bottom(), m_t->fraBild_E->height());
}

TEST_F(BildTest, PicturesGoInAtHalfTheirNaturalSize) {
    struct Fall {
        int breitePx, hoehePx;
        double breiteMm, hoeheMm;
    };
    // Whole millimetres first (25 x 15, 40 x 30, 1 x 1), then halved unrounded.
    const Fall faelle[] = {{94, 57, 12.5, 7.5}, {151, 113, 20, 15}, {3, 3, 0.5, 0.5}};
    int i = 0;
    for (const Fall& f : faelle) {
        const QString name = QStringLiteral("b%1.png").arg(i++);
        bild(name, f.breitePx, f.hoehePx);
        panelMit(m_dir.path());
        dateiWaehlen(name);
        m_t->cmdBild_E->click();
        const Bild& b = bild1();
        EXPECT_DOUBLE_EQ(b.Width(), f.breiteMm) << name.toStdString();
        EXPECT_DOUBLE_EQ(b.Height(), f.hoeheMm) << name.toStdString();
        EXPECT_EQ(b.Left(), 0);
        EXPECT_EQ(b.Top(), 0);
        EXPECT_TRUE(b.Visible());
        EXPECT_EQ(b.Picture().size(), QSize(f.breitePx, f.hoehePx));
        EXPECT_EQ(m_f->BildPfadLesen(S(m_n).lngAktuellesBild), m_dir.filePath(name));
        // Last in the stacking order and on top of the drawing.
        EXPECT_EQ(S(m_n).lngReihenfolge[S(m_n).lngReihenfolgeAnzahl],
                  Elementcode(ArtBild, S(m_n).lngAktuellesBild));
        EXPECT_EQ(m_f->flaeche()->stapel().back(), &b);
        // The panel closed and the label is changed.
        EXPECT_FALSE(m_t->fraBild_E->isVisible());
        EXPECT_EQ(m_t->Height(), 1850);
        EXPECT_TRUE(m_t->cmdEinfuegenBild->isEnabled());
        EXPECT_EQ(m_f->Caption(), "Schild 1*");
    }
    EXPECT_EQ(m_f->BilderZaehlen(), 3);
}

TEST_F(BildTest, DoubleClickInTheFileListInsertsOnce) {
    bild(QStringLiteral("rose.png"), 94, 57);
    panelMit(m_dir.path());
    dateiWaehlen(QStringLiteral("rose.png"));
    emit m_t->filBild->itemDoubleClicked(m_t->filBild->selectedItems().first());
    EXPECT_EQ(m_f->BilderZaehlen(), 1);
    EXPECT_DOUBLE_EQ(bild1().Width(), 12.5);
}

TEST_F(BildTest, UnreadableOrFlatPictureKeepsThePreviewAndInsertsNothing) {
    bild(QStringLiteral("rose.png"), 151, 113);
    bild(QStringLiteral("strich.png"), 40, 1); // 0 whole millimetres high
    QFile kaputt(m_dir.filePath(QStringLiteral("kaputt.jpg")));
    ASSERT_TRUE(kaputt.open(QIODevice::WriteOnly));
    kaputt.write("kein Bild");
    kaputt.close();
    for (const QString& name : {QStringLiteral("kaputt.jpg"), QStringLiteral("strich.png")}) {
        panelMit(m_dir.path());
        dateiWaehlen(QStringLiteral("rose.png"));
        const QSize vorher = m_t->imgBild->size();
        SkriptDialoge d;
        d.meldung(Antwort::OK);
        dateiWaehlen(name);
        ASSERT_EQ(d.gezeigt().size(), 1u);
        EXPECT_TRUE(d.gezeigt()[0].text.contains(m_dir.filePath(name)));
        EXPECT_EQ(m_t->imgBild->size(), vorher);
        EXPECT_FALSE(m_t->cmdBild_E->isEnabled());
        m_t->BildEinfuegen();
        EXPECT_EQ(m_f->BilderZaehlen(), 0);
        EXPECT_TRUE(unveraendert());
    }
}

TEST_F(BildTest, AtTheLimitNothingIsInsertedAndThePanelStays) {
    P().lngMaxBilder = 1;
    bild(QStringLiteral("rose.png"), 94, 57);
    panelMit(m_dir.path());
    dateiWaehlen(QStringLiteral("rose.png"));
    m_t->cmdBild_E->click();
    S(m_n).blnGeaendert = false;
    m_f->setCaption(QStringLiteral("Schild 1"));
    panelMit(m_dir.path());
    dateiWaehlen(QStringLiteral("rose.png"));
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    m_t->cmdBild_E->click();
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_EQ(d.gezeigt()[0].text, "Zu viele Bilder!");
    EXPECT_EQ(m_f->BilderZaehlen(), 1);
    EXPECT_TRUE(m_t->fraBild_E->isVisible());
    EXPECT_TRUE(unveraendert());
}

class BildDialogTest : public BildTest {
protected:
    void SetUp() override {
        BildTest::SetUp();
        QDir(m_dir.path()).mkpath(QStringLiteral("Bilder/Rosen"));
        m_ordner = m_dir.filePath(QStringLiteral("Bilder"));
        QImage img(151, 113, QImage::Format_RGB32);
        img.fill(Qt::darkGreen);
        img.save(m_ordner + QStringLiteral("/Rose.PNG"), "PNG");
        img.save(m_ordner + QStringLiteral("/alba.jpg"), "JPG");
        QFile(m_ordner + QStringLiteral("/notiz.txt")).open(QIODevice::WriteOnly);
        m_t->cmdEinfuegenBild->click();
        m_t->cmdPfad_B->click();
        m_d = m_t->bildDialog();
        ASSERT_NE(m_d, nullptr);
        m_d->Dir1PfadSetzen(m_ordner);
    }
    void TearDown() override {
        m_mdi->setEnabled(true);
        BildTest::TearDown();
    }
    void dialogDatei(const QString& name) {
        const auto t = m_d->File1->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(t.size(), 1) << name.toStdString();
        t.first()->setSelected(true);
        m_d->File1->setCurrentItem(t.first());
    }
    frmBild* m_d = nullptr;
    QString m_ordner;
};

TEST_F(BildDialogTest, OpensWithTheMainWindowDisabled) {
    EXPECT_EQ(m_d->windowTitle(), "Bilder-Ordner auswählen");
    EXPECT_TRUE(m_d->isVisible());
    EXPECT_FALSE(m_mdi->isEnabled());
    // Only the main window: the dialog and the tool window still work.
    EXPECT_TRUE(m_d->isEnabled());
    EXPECT_TRUE(m_t->isEnabled());
    EXPECT_EQ(m_d->lblPfadAnzeiger->text(), m_ordner);
    // Picture files only, whatever the letter case of their extension.
    QStringList dateien;
    for (int i = 0; i < m_d->File1->count(); ++i)
        dateien << m_d->File1->item(i)->text();
    EXPECT_EQ(dateien, QStringList({"alba.jpg", "Rose.PNG"}));
}

TEST_F(BildDialogTest, EveryWayOutEnablesTheMainWindow) {
    const std::function<void()> wege[] = {
        [this] { m_d->cmdOK->click(); },
        [this] { m_d->cmdCancel->click(); },
        [this] { m_d->close(); },
        [this] {
            dialogDatei(QStringLiteral("alba.jpg"));
            emit m_d->File1->itemDoubleClicked(m_d->File1->currentItem());
        },
    };
    for (const auto& weg : wege) {
        m_t->cmdPfad_B->click();
        ASSERT_FALSE(m_mdi->isEnabled());
        weg();
        EXPECT_TRUE(m_mdi->isEnabled());
        EXPECT_FALSE(m_d->isVisible());
        // Hidden, not gone: the same dialog opens again.
        EXPECT_EQ(m_t->bildDialog(), m_d);
    }
}

TEST_F(BildDialogTest, OkWithAFileShowsItInThePanel) {
    dialogDatei(QStringLiteral("Rose.PNG"));
    m_d->cmdOK->click();
    EXPECT_EQ(m_t->txtBild->text(), m_ordner + QStringLiteral("/Rose.PNG"));
    EXPECT_TRUE(m_t->cmdBild_E->isEnabled());
    EXPECT_EQ(m_t->imgBild->size(), QSize(px(1940), px(1455)));
    EXPECT_EQ(m_t->filBildPfad(), m_ordner);
    EXPECT_TRUE(m_t->fraBild_E->isVisible());
    EXPECT_EQ(m_t->Height(), 5600);
    m_t->cmdBild_E->click();
    EXPECT_DOUBLE_EQ(bild1().Width(), 20);
    EXPECT_DOUBLE_EQ(bild1().Height(), 15);
}

TEST_F(BildDialogTest, OkWithoutAFileTakesTheBareFolder) {
    dialogDatei(QStringLiteral("Rose.PNG"));
    m_d->cmdOK->click();
    ASSERT_FALSE(m_t->vorschauBild().isNull());
    m_t->cmdPfad_B->click();
    m_d->Dir1PfadSetzen(m_ordner + QStringLiteral("/Rosen"));
    m_d->cmdOK->click();
    EXPECT_EQ(m_t->txtBild->text(), m_ordner + QStringLiteral("/Rosen"));
    EXPECT_FALSE(m_t->cmdBild_E->isEnabled());
    EXPECT_TRUE(m_t->vorschauBild().isNull());
    EXPECT_TRUE(m_t->imgBild->pixmap().isNull());
    EXPECT_EQ(m_t->filBildPfad(), m_ordner + QStringLiteral("/Rosen"));
    EXPECT_EQ(m_t->filBild->count(), 0);
}

TEST_F(BildDialogTest, CancelLeavesThePanelAndTheDialogKeepsItsChoice) {
    dialogDatei(QStringLiteral("alba.jpg"));
    m_t->txtBild->setText(QStringLiteral("unverändert"));
    m_d->cmdCancel->click();
    EXPECT_EQ(m_t->txtBild->text(), "unverändert");
    m_t->cmdPfad_B->click();
    EXPECT_EQ(m_d->Dir1Pfad(), m_ordner);
    ASSERT_FALSE(m_d->File1->selectedItems().isEmpty());
    EXPECT_EQ(m_d->File1->selectedItems().first()->text(), "alba.jpg");
    m_d->cmdCancel->click();
}

TEST_F(BildDialogTest, FolderAtTheRootGetsOneSeparator) {
    m_d->Dir1PfadSetzen(QDir::rootPath());
    EXPECT_EQ(m_d->Dir1Pfad(), "/");
    EXPECT_EQ(m_d->lblPfadAnzeiger->text(), "/");
    EXPECT_EQ(pfadVerbinden(m_d->File1Pfad(), QStringLiteral("rose.jpg")), "/rose.jpg");
    // The drive list holds the root and shows the volume of the folder.
    EXPECT_NE(m_d->Drive1->findText(QStringLiteral("/")), -1);
    m_d->Dir1PfadSetzen(m_ordner);
    EXPECT_TRUE(m_ordner.startsWith(m_d->Drive1->currentText()));
    // The tree opens down to the folder, its subfolders below it.
    QTreeWidgetItem* e = m_d->Dir1->currentItem();
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->text(0), "Bilder");
    m_d->Dir1->expandItem(e);
    ASSERT_EQ(e->childCount(), 1);
    EXPECT_EQ(e->child(0)->text(0), "Rosen");
    m_d->Dir1->setCurrentItem(e->child(0));
    EXPECT_EQ(m_d->lblPfadAnzeiger->text(), m_ordner + QStringLiteral("/Rosen"));
    EXPECT_EQ(m_d->File1->count(), 0);
}

TEST_F(BildDialogTest, CaptionsNameTheirControls) {
    benennungenPruefen(*m_d, {{m_d->Drive1, "lblLaufwerk", "Laufwerk:"},
                              {m_d->Dir1, "lblVerzeichnis", "Verzeichnis:"},
                              {m_d->File1, "lblDatei", "Dateien:"}});
    // The path display is read under the caption above it.
    EXPECT_EQ(m_d->Label1->objectName(), "Label1");
    EXPECT_EQ(m_d->lblPfadAnzeiger->accessibleName(), m_d->Label1->text());
    EXPECT_EQ(m_d->cmdOK->accessibleName(), "OK");
    EXPECT_EQ(m_d->cmdCancel->accessibleName(), "Abbrechen");
}

} // namespace
} // namespace sorvo::test
