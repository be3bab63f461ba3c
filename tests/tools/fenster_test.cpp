// The tool window as a frame: where it stands, how high it is with which
// panel, its activation, its lists and its small handlers.
#include "label/frmLabel.h"
#include "label/unterprogramme.h"
#include "platform/elements.h"
#include "platform/system.h"
#include "platform/units.h"
#include "tests/tools/werkzeug_fixture.h"
#include "tools/farbwahl.h"
#include "tools/listen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPushButton>
#include <QSet>

namespace sorvo::test {
namespace {

int px(int twips) {
    return RundenGerade(twipsZuPixel(twips));
}

class FensterTest : public WerkzeugTest {};

TEST_F(FensterTest, DocksTopRightUnlessItFollowsTheLabels) {
    EXPECT_EQ(m_t->Width(), 3075);
    m_t->Form_Load(19320, false);
    EXPECT_EQ(m_t->Left(), 15995);
    EXPECT_EQ(m_t->Top(), 0);
    // It stands in the label windows' area, at the right of the main window.
    EXPECT_EQ(m_t->frameGeometry().x(),
              m_mdi->mdiBereich()->viewport()->mapToGlobal(QPoint(0, 0)).x() + px(15995));

    m_t->setLinksOben(1230, 450);
    m_t->Form_Load(19320, true);
    EXPECT_EQ(m_t->Left(), 1230);
    EXPECT_EQ(m_t->Top(), 450);
}

TEST_F(FensterTest, NeuePositionBesideTheCurrentLabel) {
    enum Ergebnis { Rechts, Links, Bleibt };
    // Label at x pixels; the main window is as wide as the label's right
    // edge plus the tool window plus `mehr` pixels.
    struct Fall {
        int x;
        int mehr;
        Ergebnis erwartet;
    };
    const Fall faelle[] = {
        {0, 1, Rechts},   // fits at the right
        {300, 0, Links},  // exactly as wide: not at the right
        {205, 0, Bleibt}, // at the left it would stand at 0: no move
        {206, 0, Links},
    };
    for (const Fall& f : faelle) {
        m_t->setLinksOben(777, 888);
        m_f->move(f.x, 30);
        m_mdi->resize(f.x + m_f->width() + px(3075) + f.mehr, m_mdi->height());
        ASSERT_EQ(m_mdi->Width(), m_f->Left() + m_f->Width() + 3075 + f.mehr * 15);
        m_t->NeuePosition();
        switch (f.erwartet) {
        case Rechts:
            EXPECT_EQ(m_t->Left(), m_f->Left() + m_f->Width()) << f.x;
            EXPECT_EQ(m_t->Top(), m_f->Top()) << f.x;
            break;
        case Links:
            EXPECT_EQ(m_t->Left(), m_f->Left() - 3075) << f.x;
            EXPECT_EQ(m_t->Top(), m_f->Top()) << f.x;
            break;
        case Bleibt:
            EXPECT_EQ(m_t->Left(), 777) << f.x;
            EXPECT_EQ(m_t->Top(), 888) << f.x;
            break;
        }
    }
}

TEST_F(FensterTest, InsertButtonsOpenTheirPanel) {
    struct Panel {
        QPushButton* knopf;
        QGroupBox* rahmen;
    };
    const Panel panels[] = {{m_t->cmdEinfuegenText, m_t->fraText_E},
                            {m_t->cmdEinfuegenBild, m_t->fraBild_E},
                            {m_t->cmdEinfuegenDatenFeld, m_t->fraDatenfeld_E}};
    // Every panel opened after every other: the pressed one shows, the
    // others hide, and only its button is disabled.
    for (const Panel& vorher : panels) {
        for (const Panel& p : panels) {
            vorher.knopf->click();
            p.knopf->click();
            EXPECT_EQ(m_t->Height(), 5600);
            EXPECT_EQ(m_t->Width(), 3075);
            EXPECT_EQ(p.rahmen->pos(), QPoint(px(100), px(1680)));
            for (const Panel& q : panels) {
                EXPECT_EQ(q.rahmen->isVisible(), q.rahmen == p.rahmen)
                    << q.rahmen->title().toStdString();
                EXPECT_EQ(q.knopf->isEnabled(), q.knopf != p.knopf);
            }
            // The panel fits inside the window.
            EXPECT_LE(p.rahmen->geometry().bottom(), m_t->height());
        }
    }
    EXPECT_TRUE(unveraendert());
}

TEST_F(FensterTest, PicturePanelFillsOnlyAnEmptyPathWithTheProgramFolder) {
    m_t->txtBild->clear();
    m_t->cmdEinfuegenBild->click();
    EXPECT_EQ(m_t->txtBild->text(), P().strSorvoVerz);
    m_t->txtBild->setText(QStringLiteral("/bilder/rose.jpg"));
    m_t->cmdEinfuegenText->click();
    m_t->cmdEinfuegenBild->click();
    EXPECT_EQ(m_t->txtBild->text(), "/bilder/rose.jpg");
}

TEST_F(FensterTest, DeactivationCollapsesAnInsertPanelButNotAnEdit) {
    m_t->cmdEinfuegenText->click();
    m_t->Form_Deactivate();
    EXPECT_EQ(m_t->Height(), 1850);
    EXPECT_TRUE(m_t->einfuegenKnoepfeAktiv());
    // The panel itself stays as it was; the window is only lower.
    EXPECT_FALSE(m_t->fraText_E->isHidden());

    ASSERT_TRUE(m_f->TextNeu());
    m_f->lblText(1).setCaption(QStringLiteral("Rose"));
    m_f->lblText(1).setVisible(true);
    m_f->lblText_DblClick(1);
    ASSERT_EQ(m_t->Height(), 7500);
    m_t->Form_Deactivate();
    EXPECT_EQ(m_t->Height(), 7500);
    EXPECT_FALSE(m_t->cmdEinfuegenText->isEnabled());
    EXPECT_FALSE(m_t->cmdEinfuegenBild->isEnabled());
    EXPECT_FALSE(m_t->cmdEinfuegenDatenFeld->isEnabled());
    EXPECT_TRUE(m_t->fraText_B->isVisible());
    m_t->cmdCancel_T->click();
}

TEST_F(FensterTest, ActivatingTheMainWindowCollapsesThePanel) {
    m_t->cmdEinfuegenBild->click();
    m_t->activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), m_t);
    EXPECT_EQ(m_t->Height(), 5600);
    m_mdi->activateWindow();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), m_mdi.get());
    EXPECT_EQ(m_t->Height(), 1850);
    EXPECT_TRUE(m_t->einfuegenKnoepfeAktiv());
}

TEST_F(FensterTest, TheFocusHandedBackAfterAnOwnDialogCollapsesNothing) {
    m_t->cmdEinfuegenBild->click();
    m_t->activateWindow();
    QApplication::processEvents();
    // The picture dialog closes; the desktop activates the main window
    // before the tool window has the focus back.
    m_t->eigenerDialogGeschlossen();
    m_mdi->activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(m_t->Height(), 5600);
    EXPECT_FALSE(m_t->cmdEinfuegenBild->isEnabled());
    // The user's own click into the main window does.
    m_t->activateWindow();
    QApplication::processEvents();
    QMouseEvent druck(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_mdi->mdiBereich()->viewport(), &druck);
    m_mdi->activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(m_t->Height(), 1850);
}

TEST_F(FensterTest, FontListsAreSortedAndSizesSkip13) {
    // Every family once, by its name without a foundry's tag.
    QSet<QString> erwartet;
    for (QString f : QFontDatabase::families())
        erwartet.insert(f.endsWith(QLatin1Char(']')) ? f.left(f.lastIndexOf(QStringLiteral(" [")))
                                                     : f);
    ASSERT_FALSE(erwartet.isEmpty());
    const QStringList groessen = {"6",  "7",  "8",  "9",  "10", "11", "12", "14", "16",
                                  "18", "20", "24", "26", "28", "36", "48", "72"};
    for (QComboBox* art : {m_t->cboArt, m_t->cboDfArt}) {
        QStringList namen;
        for (int i = 0; i < art->count(); ++i)
            namen << art->itemText(i);
        EXPECT_EQ(QSet<QString>(namen.begin(), namen.end()), erwartet);
        EXPECT_EQ(namen.size(), erwartet.size());
        for (int i = 1; i < namen.size(); ++i)
            EXPECT_LE(alphabetischVergleichen(namen[i - 1], namen[i]), 0) << namen[i].toStdString();
    }
    for (QComboBox* groesse : {m_t->cboGroesse, m_t->cboDfGroesse}) {
        QStringList l;
        for (int i = 0; i < groesse->count(); ++i)
            l << groesse->itemText(i);
        EXPECT_EQ(l, groessen);
    }
}

TEST_F(FensterTest, InsertBarCaptionsAreShownWhole) {
    m_t->show();
    QApplication::processEvents();
    for (QPushButton* k :
         {m_t->cmdEinfuegenDatenFeld, m_t->cmdEinfuegenBild, m_t->cmdEinfuegenText})
        for (const QString& zeile : k->text().split(QLatin1Char('\n')))
            EXPECT_GE(k->width(), k->fontMetrics().horizontalAdvance(zeile) + 4)
                << zeile.toStdString();
    EXPECT_LE(m_t->fraEinfuegen->geometry().right(), m_t->width());
    EXPECT_LE(m_t->fraEinfuegen->geometry().bottom(), m_t->height());
}

TEST_F(FensterTest, DatabaseNameClickShowsThePath) {
    S(m_n).strDbPfad = QStringLiteral("/daten/botrel.mdb");
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    m_t->lblDBName_Click();
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_EQ(d.gezeigt()[0].text,
              "Dieses Schild ist mit der Datenbank:\r\r/daten/botrel.mdb\r\rverbunden!");
    EXPECT_EQ(d.gezeigt()[0].titel, "Name der Datenbank");
    EXPECT_EQ(d.gezeigt()[0].stil, Msg::Information);
}

TEST_F(FensterTest, F1OpensTheToolWindowHelp) {
    QString thema;
    hilfeAufrufSetzen([&](const QString&, const QString& t) { thema = t; });
    QKeyEvent e(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
    QApplication::sendEvent(m_t, &e);
    hilfeAufrufSetzen({});
    EXPECT_EQ(thema, "index-funktion.htm");
}

TEST_F(FensterTest, ClosingOnlyHidesTheWindow) {
    m_t->cmdEinfuegenText->click();
    m_t->close();
    EXPECT_FALSE(m_t->isVisible());
    EXPECT_FALSE(P().blnWerkzeugeAktiv);
    // The label's focus brings it back as it was, collapsed.
    m_f->Form_Activate();
    EXPECT_TRUE(m_t->isVisible());
    EXPECT_EQ(m_t->Height(), 1850);
    EXPECT_EQ(m_t, m_mdi->werkzeuge());
}

// The text and data-field frames are built alike from their names: each
// control keeps its own name, array index, tip, accessible name and frame.
TEST_F(FensterTest, TextAndDataFieldFramesNameTheirControls) {
    struct Zeile {
        QWidget* w;
        QGroupBox* rahmen;
        const char* name;
        int index; // -1: not a member of a button array
        const char* tipp;
        const char* zugang;
    };
    QGroupBox* t = m_t->fraText_B;
    QGroupBox* d = m_t->fraDatenfeld_B;
    const Zeile zeilen[] = {
        {m_t->cboArt, t, "cboArt", -1, "", "Schriftart"},
        {m_t->cboGroesse, t, "cboGroeße", -1, "", "Schriftgröße"},
        {m_t->cmdBold, t, "cmdBold", -1, "fett", "fett"},
        {m_t->cmdItalic, t, "cmdItalic", -1, "kursiv", "kursiv"},
        {m_t->cmdULine, t, "cmdULine", -1, "unterstrichen", "unterstrichen"},
        {m_t->chkTfZentriert, t, "chkTfZentriert", -1, "", "zentrieren"},
        {m_t->chkTransparent, t, "chkTransparent", -1, "", "Hintergrund an"},
        {m_t->chkRahmen, t, "chkRahmen", -1, "", "Rahmen"},
        {m_t->txtX[1], t, "txtX", -1, "", "von Links:"},
        {m_t->txtY[1], t, "txtY", -1, "", "von Oben:"},
        {m_t->txtMaxBText, t, "txtMaxBText", -1, "", "feste Breite:"},
        {m_t->cmdX[4], t, "cmdX", 4, "1 mm nach rechts", "+"},
        {m_t->cmdX[5], t, "cmdX", 5, "1 mm nach links", "-"},
        {m_t->cmdX[6], t, "cmdX", 6, "1 mm nach unten", "+"},
        {m_t->cmdX[7], t, "cmdX", 7, "1 mm nach oben", "-"},
        {m_t->cmdMBTPlus, t, "cmdMBTPlus", 0, "1 mm breiter", "+"},
        {m_t->cmdMBTMinus, t, "cmdMBTMinus", 0, "1 mm schmaler", "-"},
        {m_t->cmdOK_T, t, "cmdOK_T", -1, "", "OK"},
        {m_t->cmdCancel_T, t, "cmdCancel_T", -1, "", "Abbrechen"},
        {m_t->cmdDel_T, t, "cmdDel_T", -1, "", "Text löschen"},
        {m_t->cboDfArt, d, "cboDfArt", -1, "", "Schriftart"},
        {m_t->cboDfGroesse, d, "cboDfGroesse", -1, "", "Schriftgröße"},
        {m_t->cmdDfBold, d, "cmdDfBold", -1, "fett", "fett"},
        {m_t->cmdDfItalic, d, "cmdDfItalic", -1, "kursiv", "kursiv"},
        {m_t->cmdDfUnderline, d, "cmdDfUnderline", -1, "unterstrichen", "unterstrichen"},
        {m_t->chkDfZentriert, d, "chkDfZentriert", -1, "", "zentrieren"},
        {m_t->chkDfTransparent, d, "chkDfTransparent", -1, "", "Hintergrund an"},
        {m_t->chkDfRahmen, d, "chkDfRahmen", -1, "", "Rahmen"},
        {m_t->txtX[3], d, "txtX", -1, "", "von Links:"},
        {m_t->txtY[3], d, "txtY", -1, "", "von Oben:"},
        {m_t->txtMaxBDatenfeld, d, "txtMaxBDatenfeld", -1, "", "feste Breite:"},
        {m_t->cmdPosX[0], d, "cmdPosX", 0, "1 mm nach rechts", "+"},
        {m_t->cmdPosX[1], d, "cmdPosX", 1, "1 mm nach links", "-"},
        {m_t->cmdPosY[0], d, "cmdPosY", 0, "1 mm nach unten", "+"},
        {m_t->cmdPosY[1], d, "cmdPosY", 1, "1 mm nach oben", "-"},
        {m_t->cmdMBDPlus, d, "cmdMBDPlus", 0, "1 mm breiter", "+"},
        {m_t->cmdMBDMinus, d, "cmdMBDMinus", 0, "1 mm schmaler", "-"},
        {m_t->lstDfListe, d, "lstDfListe", -1, "", "Datenfelder"},
        {m_t->cmdDfOK, d, "cmdDfOK", -1, "", "OK"},
        {m_t->cmdCancel_d, d, "cmdCancel_d", -1, "", "Abbrechen"},
        {m_t->cmdDfloeschen, d, "cmdDfloeschen", -1, "", "Feld löschen"},
    };
    EXPECT_EQ(t->objectName(), "fraText_B");
    EXPECT_EQ(t->title(), "Textfeld bearbeiten");
    EXPECT_EQ(d->objectName(), "fraDatenfeld_B");
    EXPECT_EQ(d->title(), "Datenfeld bearbeiten");
    for (const Zeile& z : zeilen) {
        SCOPED_TRACE(z.name);
        ASSERT_NE(z.w, nullptr);
        EXPECT_EQ(z.w->objectName(), QString::fromUtf8(z.name));
        EXPECT_TRUE(z.rahmen->isAncestorOf(z.w));
        EXPECT_EQ(z.w->toolTip(), QString::fromUtf8(z.tipp));
        if (z.index < 0) {
            EXPECT_EQ(z.w->accessibleName(), QString::fromUtf8(z.zugang));
            continue;
        }
        EXPECT_EQ(z.w->property("Index").toInt(), z.index);
        EXPECT_EQ(z.w->accessibleDescription(), QString::fromUtf8(z.tipp));
        EXPECT_EQ(qobject_cast<QPushButton*>(z.w)->text(), QString::fromUtf8(z.zugang));
    }
    // The colour samples stand in their own frame; the sample text box only
    // in the text frame.
    EXPECT_TRUE(t->isAncestorOf(m_t->picFarbe_S) && t->isAncestorOf(m_t->picFarbe_H));
    EXPECT_TRUE(d->isAncestorOf(m_t->picDfFarbe_S) && d->isAncestorOf(m_t->picDfFarbe_H));
    EXPECT_TRUE(t->isAncestorOf(m_t->txtFont));
    EXPECT_FALSE(d->isAncestorOf(m_t->txtFont));
}

} // namespace
} // namespace sorvo::test
