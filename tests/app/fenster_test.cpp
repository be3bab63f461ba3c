// The program's windows as the window system and assistive technology see
// them: every fixed dialog has a title bar with a close box only; the
// toolbar's pictures are buttons; the tool, help and record-choice windows
// are windows, and the size boxes of the new-label dialog are read under
// their captions.
#include "app/frmInfos.h"
#include "app/frmMDIOptionen.h"
#include "app/werkzeugleiste.h"
#include "database/frmBenuAuswaehlen.h"
#include "database/frmBilderAuswahl.h"
#include "database/frmBotrelOrdner.h"
#include "database/frmDbPreis.h"
#include "database/frmDbSaetzeWaehlen.h"
#include "database/frmDbTabwaehlen.h"
#include "database/frmTabAuswaehlen.h"
#include "label/frmNeu.h"
#include "platform/dialogs.h"
#include "platform/hilfe.h"
#include "print/frmDrucker.h"
#include "print/frmSchlaufenetikett.h"
#include "tests/app/mdi_fixture.h"
#include "tests/support/benennung.h"
#include "tools/frmBild.h"
#include "tools/frmTextListe.h"
#include "tools/frmTools.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QWindow>
#include <algorithm>
#include <functional>

namespace sorvo::test {
namespace {

using FensterTest = MdiTest;

TEST_F(FensterTest, FixedDialogsHaveACloseBoxOnly) {
    starten();
    neuesSchild();
    auto* werkzeuge = dynamic_cast<frmTools*>(nachbarn().werkzeuge);
    auto* saetze = dynamic_cast<frmDbSaetzeWaehlen*>(nachbarn().datensatzWahl);
    ASSERT_NE(werkzeuge, nullptr);
    ASSERT_NE(saetze, nullptr);
    QWidget* mdi = m_mdi.get();
    const std::vector<std::function<std::unique_ptr<QWidget>()>> fenster = {
        [&] { return std::make_unique<frmInfos>(mdi); },
        [&] { return std::make_unique<frmMDIOptionen>(mdi); },
        [&] { return std::make_unique<frmNeu>(mdi); },
        [&] { return std::make_unique<frmDrucker>(mdi); },
        [&] { return std::make_unique<frmSchlaufenetikett>(mdi); },
        [&] { return std::make_unique<frmBenuAuswaehlen>(mdi); },
        [&] { return std::make_unique<frmDbPreis>(mdi); },
        [&] { return std::make_unique<frmTabAuswaehlen>(SchildDb(1), mdi); },
        [&] { return std::make_unique<frmDbTabwaehlen>(SchildDb(1), mdi); },
        [&] { return std::make_unique<frmBilderAuswahl>(*saetze, mdi); },
        [&] { return std::make_unique<frmBotrelSuche>(mdi); },
        [&] { return std::make_unique<frmBotrelBilder>(mdi); },
        [&] { return std::make_unique<frmText_Neu>(*werkzeuge); },
        [&] { return std::make_unique<frmEdit>(*werkzeuge); },
        [&] { return std::make_unique<frmBild>(*werkzeuge); },
        [&] {
            return std::unique_ptr<QWidget>(meldungsfensterErzeugen(
                QStringLiteral("Frage?"), Msg::YesNoCancel + Msg::Question, QString(), mdi));
        },
        [&] {
            return std::unique_ptr<QWidget>(eingabefensterErzeugen(
                QStringLiteral("Name:"), QString(), QStringLiteral("Rose"), mdi));
        },
    };
    for (const auto& erzeugen : fenster) {
        const std::unique_ptr<QWidget> w = erzeugen();
        SCOPED_TRACE(w->windowTitle().toStdString());
        w->show();
        const Qt::WindowFlags f = w->windowFlags();
        EXPECT_EQ(f & Qt::WindowType_Mask, Qt::Dialog);
        // Customised: the platform adds no buttons of its own.
        EXPECT_TRUE(f.testFlag(Qt::CustomizeWindowHint));
        EXPECT_TRUE(f.testFlag(Qt::WindowTitleHint));
        EXPECT_TRUE(f.testFlag(Qt::WindowCloseButtonHint));
        // (A system menu may stay: some platforms hang the close box on it.)
        for (const Qt::WindowType weg :
             {Qt::WindowMinimizeButtonHint, Qt::WindowMaximizeButtonHint,
              Qt::WindowContextHelpButtonHint, Qt::WindowFullscreenButtonHint})
            EXPECT_FALSE(f.testFlag(weg)) << std::hex << static_cast<unsigned>(weg);
        // What the window asks of the window system, too.
        ASSERT_NE(w->windowHandle(), nullptr);
        EXPECT_EQ(w->windowHandle()->flags(), f);
        // Its size is fixed: nothing to maximise.
        QApplication::processEvents();
        EXPECT_EQ(w->minimumSize(), w->maximumSize());
        w->hide();
    }
}

TEST_F(FensterTest, MessageBoxButtonsCarryTheirAnswers) {
    struct Fall {
        int stil;
        std::vector<Antwort> knoepfe;
        Antwort geschlossen; // closed by its close box
    };
    const Fall faelle[] = {
        {Msg::OK, {Antwort::OK}, Antwort::OK},
        {Msg::YesNo, {Antwort::Yes, Antwort::No}, Antwort::No},
        {Msg::YesNoCancel, {Antwort::Yes, Antwort::No, Antwort::Cancel}, Antwort::Cancel},
        {Msg::OKCancel, {Antwort::OK, Antwort::Cancel}, Antwort::Cancel},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.stil);
        const auto box =
            meldungsfensterErzeugen(QStringLiteral("a\rb"), f.stil, QString(), nullptr);
        EXPECT_EQ(box->windowTitle(), programmTitel());
        EXPECT_EQ(box->text(), QStringLiteral("a\nb"));
        std::vector<Antwort> antworten;
        for (QAbstractButton* k : box->buttons())
            antworten.push_back(meldungsAntwort(k).value_or(Antwort::Abort));
        std::sort(antworten.begin(), antworten.end());
        std::vector<Antwort> soll = f.knoepfe;
        std::sort(soll.begin(), soll.end());
        EXPECT_EQ(antworten, soll);
        EXPECT_EQ(meldungsAntwort(box.get()), f.geschlossen);
    }
}

// The toolbar's pictures work as buttons: assistive technology hears each
// by its tip, as a button, and can press it.
TEST_F(FensterTest, ToolbarPicturesAreButtonsToAssistiveTechnology) {
    starten();
    for (BildKnopf* k : m_mdi->picMenue()->knoepfe()) {
        SCOPED_TRACE(k->objectName().toStdString());
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(k);
        ASSERT_NE(i, nullptr);
        EXPECT_EQ(i->role(), QAccessible::Button);
        EXPECT_EQ(i->text(QAccessible::Name), k->toolTip());
        EXPECT_FALSE(i->text(QAccessible::Name).isEmpty());
        ASSERT_NE(i->actionInterface(), nullptr);
        EXPECT_TRUE(i->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
        EXPECT_EQ(i->state().disabled, !k->isEnabled());
    }
    // Pressing "Neues Schild" opens the new-label dialog, as a click does;
    // "Schild speichern" is off at start and pressing it does nothing.
    QAccessible::queryAccessibleInterface(m_mdi->picMenue()->knopf(QStringLiteral("cmdSpeichern")))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(m_mdi->findChild<frmNeu*>(QStringLiteral("frmNeu")), nullptr);
    QAccessible::queryAccessibleInterface(m_mdi->picMenue()->knopf(QStringLiteral("cmdNeu")))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    auto* neu = m_mdi->findChild<frmNeu*>(QStringLiteral("frmNeu"));
    ASSERT_NE(neu, nullptr);
    EXPECT_TRUE(neu->isVisible());
    delete neu;
}

// A window that assistive technology does not announce as one is not
// found among the open windows; its controls are still found inside it.
TEST_F(FensterTest, ToolHelpAndRecordChoiceAreWindowsToAssistiveTechnology) {
    starten();
    neuesSchild();
    m_mdi->mnuInhalt_Click();
    auto* werkzeuge = dynamic_cast<frmTools*>(nachbarn().werkzeuge);
    HilfeFenster* hilfe = hilfeFenster();
    auto* saetze = dynamic_cast<frmDbSaetzeWaehlen*>(nachbarn().datensatzWahl);
    ASSERT_NE(werkzeuge, nullptr);
    ASSERT_NE(hilfe, nullptr);
    ASSERT_NE(saetze, nullptr);
    const struct {
        QWidget* fenster;
        QString titel;
        QWidget* darin;
    } faelle[] = {
        {werkzeuge, werkzeuge->windowTitle(), werkzeuge->cmdEinfuegenText},
        {hilfe, QStringLiteral("Sorvo-Hilfe"), hilfe->txtHilfe},
        {saetze, QStringLiteral("Datensätze wählen"), saetze->cmdUebertragen},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fenster->objectName().toStdString());
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(f.fenster);
        ASSERT_NE(i, nullptr);
        EXPECT_EQ(i->role(), QAccessible::Window);
        EXPECT_EQ(i->text(QAccessible::Name), f.titel);
        QAccessibleInterface* darin = QAccessible::queryAccessibleInterface(f.darin);
        ASSERT_NE(darin, nullptr);
        bool gefunden = false;
        for (QAccessibleInterface* p = darin->parent(); p && !gefunden; p = p->parent())
            gefunden = p == i;
        EXPECT_TRUE(gefunden);
    }
}

TEST_F(FensterTest, TheSizeBoxesOfTheNewLabelDialogAreReadUnderTheirCaptions) {
    starten();
    frmNeu neu(m_mdi.get());
    const QString breite = QStringLiteral("Breite:                     mm");
    const QString hoehe = QStringLiteral("Höhe:                       mm");
    const struct {
        QLineEdit* box;
        const char* name;
        QString beschriftung;
    } boxen[] = {{neu.txtBreite, "txtBreite", breite}, {neu.txtHoehe, "txtHoehe", hoehe}};
    for (const auto& b : boxen) {
        SCOPED_TRACE(b.name);
        QAccessibleInterface* i = QAccessible::queryAccessibleInterface(b.box);
        ASSERT_NE(i, nullptr);
        EXPECT_EQ(i->role(), QAccessible::EditableText);
        EXPECT_EQ(i->text(QAccessible::Name), b.beschriftung);
        EXPECT_EQ(b.box->objectName(), QString::fromLatin1(b.name));
    }
    benennungenPruefen(neu,
                       {{neu.txtBreite, "lblBreite", breite}, {neu.txtHoehe, "lblHoehe", hoehe}});
}

} // namespace
} // namespace sorvo::test
