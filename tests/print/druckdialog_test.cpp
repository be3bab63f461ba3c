#include "print/clsPrintDialog.h"
#include "print/drucker.h"
#include "print/papier.h"
#include "tests/support/fake_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace sorvo::test {

void druckerGrundstellung(); // papier_test.cpp

namespace {

class Druckdialog : public ::testing::Test {
protected:
    void SetUp() override { druckerGrundstellung(); }
    void TearDown() override { druckerGrundstellung(); }
    QString datei(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }
    QTemporaryDir m_dir;
};

// The printer dialog that is open, found while it waits for the user.
QPrintDialog* offenerDruckdialog() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<QPrintDialog*>(w); d && d->isVisible())
            return d;
    return nullptr;
}

TEST(DruckdialogFlags, EachFlagSetsItsOwnBit) {
    using Let = void (clsPrintDialog::*)(bool);
    using Get = bool (clsPrintDialog::*)() const;
    struct Fall {
        Let let;
        Get get;
        std::uint32_t bit;
    };
    const Fall faelle[] = {
        {&clsPrintDialog::PD_PageNums, &clsPrintDialog::PD_PageNums, 0x2},
        {&clsPrintDialog::PD_Selection, &clsPrintDialog::PD_Selection, 0x1},
        {&clsPrintDialog::PD_Collate, &clsPrintDialog::PD_Collate, 0x10},
        {&clsPrintDialog::PD_DisablePrintToFile, &clsPrintDialog::PD_DisablePrintToFile, 0x80000},
        {&clsPrintDialog::PD_HidePrintToFile, &clsPrintDialog::PD_HidePrintToFile, 0x100000},
        {&clsPrintDialog::PD_NoPageNums, &clsPrintDialog::PD_NoPageNums, 0x8},
        {&clsPrintDialog::PD_NoSelection, &clsPrintDialog::PD_NoSelection, 0x4},
        {&clsPrintDialog::PD_NoWarning, &clsPrintDialog::PD_NoWarning, 0x80},
        {&clsPrintDialog::PD_PrintSetup, &clsPrintDialog::PD_PrintSetup, 0x40},
        {&clsPrintDialog::PD_PrintToFile, &clsPrintDialog::PD_PrintToFile, 0x20},
        {&clsPrintDialog::PD_ReturnDC, &clsPrintDialog::PD_ReturnDC, 0x100},
        {&clsPrintDialog::PD_ReturnIC, &clsPrintDialog::PD_ReturnIC, 0x200},
        {&clsPrintDialog::PD_ReturnDefault, &clsPrintDialog::PD_ReturnDefault, 0x400},
        {&clsPrintDialog::PD_HelpButton, &clsPrintDialog::PD_HelpButton, 0x800},
        {&clsPrintDialog::PD_UseDevModeCopies, &clsPrintDialog::PD_UseDevModeCopies, 0x40000},
        {&clsPrintDialog::PD_NONETWORKBUTTON, &clsPrintDialog::PD_NONETWORKBUTTON, 0x200000},
    };
    for (const Fall& f : faelle) {
        clsPrintDialog d;
        EXPECT_FALSE((d.*f.get)());
        (d.*f.let)(true);
        EXPECT_TRUE((d.*f.get)()) << f.bit;
        EXPECT_EQ(d.Flags(), f.bit);
        (d.*f.let)(false);
        EXPECT_FALSE((d.*f.get)()) << f.bit;
        EXPECT_EQ(d.Flags(), 0u);
    }
}

TEST(DruckdialogFlags, AllPagesClearsPageNumbersAndSelectionOnly) {
    clsPrintDialog d;
    EXPECT_TRUE(d.PD_AllPages());
    d.PD_PageNums(true);
    d.PD_Selection(true);
    d.PD_Collate(true);
    EXPECT_FALSE(d.PD_AllPages());
    d.PD_AllPages(false);
    EXPECT_TRUE(d.PD_PageNums());
    d.PD_AllPages(true);
    EXPECT_TRUE(d.PD_AllPages());
    EXPECT_FALSE(d.PD_PageNums());
    EXPECT_FALSE(d.PD_Selection());
    EXPECT_TRUE(d.PD_Collate());
}

TEST(DruckdialogText, ClipNullChar) {
    const QChar nul(0);
    EXPECT_EQ(clsPrintDialog::ClipNullChar(QStringLiteral("HP 5")), QStringLiteral("HP 5"));
    EXPECT_EQ(clsPrintDialog::ClipNullChar(QString(nul) + "abc"), QString());
    EXPECT_EQ(clsPrintDialog::ClipNullChar("ab" + QString(nul) + "cd" + QString(nul)),
              QStringLiteral("ab"));
    EXPECT_EQ(clsPrintDialog::ClipNullChar(QString()), QString());
}

TEST_F(Druckdialog, SetUpFormOffersAPdfFileAndSpeaksGerman) {
    // As on a machine without a printer: the list holds the file entry.
    clsPrintDialog dlg;
    dlg.PD_PrintSetup(true);
    SkriptDialoge d;
    d.drucker(false);
    dlg.ShowPrinter(0);
    ASSERT_EQ(d.gezeigt().size(), 1u);
    const Gezeigt& g = d.gezeigt()[0];
    EXPECT_EQ(g.text, QStringLiteral("einrichten"));
    EXPECT_EQ(g.titel, QStringLiteral("Drucker einrichten"));
    ASSERT_FALSE(g.eintraege.isEmpty());
    EXPECT_EQ(g.eintraege.last(), QStringLiteral("In PDF-Datei drucken"));
    for (const QString& name : QPrinterInfo::availablePrinterNames())
        EXPECT_TRUE(g.eintraege.contains(name)) << name.toStdString();
    EXPECT_TRUE(g.knoepfe.contains(QStringLiteral("OK")));
    EXPECT_TRUE(g.knoepfe.contains(QStringLiteral("Abbrechen")));
    EXPECT_TRUE(dlg.Cancelled());

    // The print form prints.
    clsPrintDialog druck;
    SkriptDialoge d2;
    d2.drucker(false);
    druck.ShowPrinter();
    ASSERT_EQ(d2.gezeigt().size(), 1u);
    EXPECT_EQ(d2.gezeigt()[0].titel, QStringLiteral("Drucken"));
    EXPECT_TRUE(d2.gezeigt()[0].knoepfe.contains(QStringLiteral("&Drucken")));
}

TEST_F(Druckdialog, PdfFileChosenInTheSetUpBecomesTheProgramsPrinter) {
    clsPrintDialog dlg;
    dlg.PD_PrintSetup(true);
    SkriptDialoge d;
    DruckerBedienung b;
    b.drucker = QString();
    b.datei = datei("schilder.pdf");
    b.kopien = 3;
    b.papier = QPageSize(QPageSize::A5);
    b.ausrichtung = QPageLayout::Landscape;
    d.drucker(b);
    dlg.ShowPrinter(0);
    EXPECT_FALSE(dlg.Cancelled());

    const QPrinter& p = programmDrucker();
    EXPECT_EQ(p.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(p.outputFileName(), datei("schilder.pdf"));
    EXPECT_EQ(p.pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(druckerAusrichtung(p), 2);
    EXPECT_EQ(p.copyCount(), 3);
    EXPECT_EQ(PapierBreite(), 210);
    EXPECT_EQ(PapierHoehe(), 148);

    EXPECT_EQ(dlg.DeviceName(), QStringLiteral("PDF"));
    EXPECT_EQ(dlg.Orientation(), 2);
    EXPECT_EQ(dlg.PaperSize(), 11);
    // Landscape: the mirror holds the sheet as it lies.
    EXPECT_EQ(dlg.PaperWidth(), 2100);
    EXPECT_EQ(dlg.PaperLength(), 1480);
    EXPECT_EQ(dlg.Copies(), 3);
    EXPECT_EQ(dlg.Duplex(), 1); // a PDF file has one side
    EXPECT_EQ(dlg.FormName(), QPageSize(QPageSize::A5).name());
    EXPECT_TRUE(dlg.OrientationValid());
    EXPECT_TRUE(dlg.PaperSizeValid());
    EXPECT_TRUE(dlg.CopiesValid());
    EXPECT_FALSE(dlg.ScalePercentValid()); // not reported
    EXPECT_FALSE(dlg.DitherTypeValid());

    // Printing now writes that file.
    QPainter maler;
    ASSERT_TRUE(maler.begin(&programmDrucker()));
    maler.drawText(QPointF(100, 100), QStringLiteral("Probe"));
    maler.end();
    EXPECT_TRUE(QFile::exists(datei("schilder.pdf")));
}

TEST_F(Druckdialog, CancelChangesNeitherPrinterNorMirror) {
    clsPrintDialog dlg;
    {
        SkriptDialoge d;
        DruckerBedienung b;
        b.datei = datei("a.pdf");
        b.papier = QPageSize(QPageSize::A5);
        b.ausrichtung = QPageLayout::Landscape;
        d.drucker(b);
        dlg.ShowPrinter();
    }
    SkriptDialoge d;
    DruckerBedienung b;
    b.datei = datei("b.pdf");
    b.kopien = 7;
    b.papier = QPageSize(QPageSize::A3);
    b.ausrichtung = QPageLayout::Portrait;
    b.ok = false;
    d.drucker(b);
    dlg.ShowPrinter();

    EXPECT_TRUE(dlg.Cancelled());
    const QPrinter& p = programmDrucker();
    EXPECT_EQ(p.outputFileName(), datei("a.pdf"));
    EXPECT_EQ(p.pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(druckerAusrichtung(p), 2);
    EXPECT_EQ(p.copyCount(), 1);
    EXPECT_EQ(dlg.Orientation(), 2);
    EXPECT_EQ(dlg.PaperSize(), 11);
    EXPECT_EQ(dlg.DeviceName(), QStringLiteral("PDF"));
    EXPECT_FALSE(dlg.OrientationValid());
    EXPECT_FALSE(dlg.PaperSizeValid());
    EXPECT_FALSE(dlg.CopiesValid());
    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_TRUE(d.gezeigt()[0].text.isEmpty()); // the print form, not the set-up form
}

TEST_F(Druckdialog, DialogOpensOnTheCurrentSettingsAndOkKeepsThem) {
    QPrinter& p = programmDrucker();
    p.setOutputFileName(datei("vorher.pdf"));
    p.setPageSize(QPageSize(QPageSize::A5));
    p.setPageOrientation(QPageLayout::Landscape);
    p.setCopyCount(2);
    clsPrintDialog dlg;
    dlg.PD_PrintSetup(true);
    SkriptDialoge d;
    QString gezeigteDatei, gezeigterEintrag;
    d.drucker(true).waehrend([&] {
        QPrintDialog* offen = offenerDruckdialog();
        ASSERT_NE(offen, nullptr);
        gezeigteDatei = offen->findChild<QLineEdit*>(QStringLiteral("filename"))->text();
        gezeigterEintrag = offen->findChild<QComboBox*>(QStringLiteral("printers"))->currentText();
    });
    dlg.ShowPrinter();
    EXPECT_EQ(gezeigteDatei, datei("vorher.pdf"));
    EXPECT_EQ(gezeigterEintrag, QStringLiteral("In PDF-Datei drucken"));
    EXPECT_EQ(p.outputFileName(), datei("vorher.pdf"));
    EXPECT_EQ(p.pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(druckerAusrichtung(p), 2);
    EXPECT_EQ(p.copyCount(), 2);
}

TEST_F(Druckdialog, PageRangeOnlyInThePrintForm) {
    clsPrintDialog dlg;
    dlg.PD_PageNums(true);
    dlg.PDnFromPage(2);
    dlg.PDnToPage(5);
    SkriptDialoge d;
    QPair<int, int> gezeigt;
    DruckerBedienung b;
    b.datei = datei("bereich.pdf");
    b.seiten = std::make_pair(3, 4);
    d.drucker(b).waehrend([&] {
        QPrintDialog* offen = offenerDruckdialog();
        ASSERT_NE(offen, nullptr);
        gezeigt = {offen->findChild<QSpinBox*>(QStringLiteral("from"))->value(),
                   offen->findChild<QSpinBox*>(QStringLiteral("to"))->value()};
    });
    dlg.ShowPrinter();
    EXPECT_EQ(gezeigt, qMakePair(2, 5));
    EXPECT_EQ(dlg.PDnFromPage(), 3);
    EXPECT_EQ(dlg.PDnToPage(), 4);

    // Without page numbers the dialog has no range to hand back.
    clsPrintDialog ohne;
    ohne.PDnFromPage(2);
    ohne.PDnToPage(5);
    SkriptDialoge d2;
    d2.drucker(true);
    ohne.ShowPrinter();
    EXPECT_EQ(ohne.PDnFromPage(), 2);
    EXPECT_EQ(ohne.PDnToPage(), 5);
}

TEST_F(Druckdialog, WhatTheSetUpFormDoesNotOffer) {
    // A user cannot pick a page range in the set-up, nor a printer that is
    // not installed.
    struct Fall {
        const char* was;
        std::function<void(DruckerBedienung&)> tun;
        const char* meldung;
    };
    const Fall faelle[] = {
        {"range", [](DruckerBedienung& b) { b.seiten = std::make_pair(1, 2); }, "page range"},
        {"printer", [](DruckerBedienung& b) { b.drucker = QStringLiteral("Kein Drucker 4711"); },
         "lists no printer"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        clsPrintDialog dlg;
        dlg.PD_PrintSetup(true);
        DruckerBedienung b;
        b.datei = datei("x.pdf");
        f.tun(b);
        EXPECT_NONFATAL_FAILURE(
            {
                SkriptDialoge d;
                d.drucker(b);
                dlg.ShowPrinter();
            },
            f.meldung);
    }
}

TEST_F(Druckdialog, UnknownPrinterNameIsReportedWithoutMessage) {
    clsPrintDialog dlg;
    long nummer = 0;
    QString text;
    bool abbrechenVorher = true;
    dlg.DialogError = [&](long& n, QString& t, bool& c) {
        nummer = n;
        text = t;
        abbrechenVorher = c;
    };
    dlg.ChangeDocProperties(QStringLiteral("Kein solcher Drucker 4711"));
    EXPECT_EQ(nummer, ERROR_INVALID_PRINTER_NAME);
    EXPECT_EQ(text, QStringLiteral("Fehler in ChangeDocProperties"));
    EXPECT_FALSE(abbrechenVorher);
}

TEST_F(Druckdialog, WithoutDefaultPrinterTheErrorIsRaisedAndShown) {
    if (!QPrinterInfo::defaultPrinterName().isEmpty())
        GTEST_SKIP() << "this machine has a default printer";
    struct Fall {
        bool abbrechen;
        const char* meldung;
    };
    for (const Fall f :
         {Fall{true, "Cancel war gesetzt"}, Fall{false, "Cancel war nicht gesetzt"}}) {
        clsPrintDialog dlg;
        long nummer = 0;
        dlg.DialogError = [&](long& n, QString&, bool& c) {
            nummer = n;
            c = f.abbrechen;
        };
        SkriptDialoge d;
        d.meldung(Antwort::OK);
        EXPECT_EQ(dlg.GetDefaultPrinterName(), QString());
        EXPECT_EQ(nummer, PDERR_NODEFAULTPRN);
        ASSERT_EQ(d.gezeigt().size(), 1u);
        EXPECT_EQ(d.gezeigt()[0].text, QString::fromUtf8(f.meldung));
        EXPECT_EQ(d.gezeigt()[0].stil, Msg::OK);
    }

    // Asking for the default printer's settings fails the same way and
    // leaves the program's printer alone.
    programmDrucker().setPageSize(QPageSize(QPageSize::A5));
    clsPrintDialog dlg;
    dlg.PD_ReturnDefault(true);
    SkriptDialoge d;
    d.meldung(Antwort::OK);
    dlg.ShowPrinter();
    EXPECT_FALSE(dlg.Cancelled());
    EXPECT_FALSE(dlg.OrientationValid());
    EXPECT_EQ(programmDrucker().pageLayout().pageSize().id(), QPageSize::A5);
}

} // namespace
} // namespace sorvo::test
