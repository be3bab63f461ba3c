#include "print/clsPrintDialog.h"
#include "print/drucker.h"
#include "print/papier.h"
#include "tests/support/fake_dialogs.h"

#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <gtest/gtest.h>

namespace sorvo::test {

void druckerGrundstellung(); // papier_test.cpp

namespace {

// A scripted dialog service whose printer dialog lets the test act as the
// user on the printer the dialog shows, before the scripted answer.
class DruckerSkript : public SkriptDialoge {
public:
    std::function<void(QPrinter&)> benutzer;
    const QPrinter* gezeigterDrucker = nullptr;
    bool druckerWaehlen(QPrinter& p, bool einrichten) override {
        gezeigterDrucker = &p;
        if (benutzer)
            benutzer(p);
        return SkriptDialoge::druckerWaehlen(p, einrichten);
    }
};

void a5Quer(QPrinter& p) {
    p.setPageSize(QPageSize(QPageSize::A5));
    p.setPageOrientation(QPageLayout::Landscape);
}

class Druckdialog : public ::testing::Test {
protected:
    void SetUp() override { druckerGrundstellung(); }
    void TearDown() override { druckerGrundstellung(); }
};

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

TEST_F(Druckdialog, OkMakesTheChosenSettingsTheProgramsPrinter) {
    clsPrintDialog dlg;
    DruckerSkript d;
    d.benutzer = [](QPrinter& p) {
        a5Quer(p);
        p.setCopyCount(3);
        p.setColorMode(QPrinter::GrayScale);
        p.setOutputFileName(QStringLiteral("/tmp/schilder.pdf"));
    };
    d.drucker(true);
    dlg.PD_PrintSetup(true);
    dlg.ShowPrinter(0);

    ASSERT_EQ(d.gezeigt().size(), 1u);
    EXPECT_EQ(d.gezeigt()[0].text, QStringLiteral("einrichten"));
    EXPECT_NE(d.gezeigterDrucker, &programmDrucker());
    EXPECT_FALSE(dlg.Cancelled());

    const QPrinter& p = programmDrucker();
    EXPECT_EQ(p.pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(druckerAusrichtung(p), 2);
    EXPECT_EQ(p.copyCount(), 3);
    EXPECT_EQ(p.colorMode(), QPrinter::GrayScale);
    EXPECT_EQ(p.outputFileName(), QStringLiteral("/tmp/schilder.pdf"));
    EXPECT_EQ(PapierBreite(), 210);
    EXPECT_EQ(PapierHoehe(), 148);

    EXPECT_EQ(dlg.DeviceName(), QStringLiteral("PDF"));
    EXPECT_EQ(dlg.Orientation(), 2);
    EXPECT_EQ(dlg.PaperSize(), 11);
    // Landscape: the mirror holds the sheet as it lies.
    EXPECT_EQ(dlg.PaperWidth(), 2100);
    EXPECT_EQ(dlg.PaperLength(), 1480);
    EXPECT_EQ(dlg.Copies(), 3);
    EXPECT_EQ(dlg.Color(), 1);
    EXPECT_EQ(dlg.Duplex(), 1); // a PDF printer prints one side
    EXPECT_EQ(dlg.FormName(), QPageSize(QPageSize::A5).name());
    EXPECT_TRUE(dlg.OrientationValid());
    EXPECT_TRUE(dlg.PaperSizeValid());
    EXPECT_TRUE(dlg.CopiesValid());
    EXPECT_FALSE(dlg.ScalePercentValid()); // not reported
    EXPECT_FALSE(dlg.DitherTypeValid());
}

TEST_F(Druckdialog, CancelChangesNeitherPrinterNorMirror) {
    clsPrintDialog dlg;
    {
        DruckerSkript d;
        d.benutzer = a5Quer;
        d.drucker(true);
        dlg.ShowPrinter();
    }
    DruckerSkript d;
    d.benutzer = [](QPrinter& p) {
        p.setPageSize(QPageSize(QPageSize::A3));
        p.setPageOrientation(QPageLayout::Portrait);
        p.setCopyCount(7);
    };
    d.drucker(false);
    dlg.ShowPrinter();

    EXPECT_TRUE(dlg.Cancelled());
    const QPrinter& p = programmDrucker();
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
    a5Quer(programmDrucker());
    programmDrucker().setCopyCount(2);
    clsPrintDialog dlg;
    DruckerSkript d;
    QPageSize gezeigt;
    d.benutzer = [&](QPrinter& p) { gezeigt = p.pageLayout().pageSize(); };
    d.drucker(true);
    dlg.PD_PrintSetup(true);
    dlg.ShowPrinter();
    EXPECT_EQ(gezeigt.id(), QPageSize::A5);
    EXPECT_EQ(programmDrucker().pageLayout().pageSize().id(), QPageSize::A5);
    EXPECT_EQ(druckerAusrichtung(programmDrucker()), 2);
    EXPECT_EQ(programmDrucker().copyCount(), 2);
}

TEST_F(Druckdialog, OwnPaperSizeSurvivesAndReadsAsUserDefined) {
    clsPrintDialog dlg;
    DruckerSkript d;
    d.benutzer = [](QPrinter& p) {
        p.setPageSize(QPageSize(QSizeF(100, 75), QPageSize::Millimeter, QStringLiteral("Schild")));
        p.setPageOrientation(QPageLayout::Portrait);
    };
    d.drucker(true);
    dlg.ShowPrinter();
    EXPECT_EQ(dlg.PaperSize(), 256);
    EXPECT_EQ(PapierBreite(), 100);
    EXPECT_EQ(PapierHoehe(), 75);
    EXPECT_EQ(FormatUebers(druckerPapierFormat(programmDrucker())),
              QStringLiteral("Benutzerdefiniert"));
}

TEST_F(Druckdialog, PageRangeGoesInAndComesBack) {
    clsPrintDialog dlg;
    dlg.PD_PageNums(true);
    dlg.PDnFromPage(2);
    dlg.PDnToPage(5);
    DruckerSkript d;
    int von = 0, bis = 0;
    d.benutzer = [&](QPrinter& p) {
        von = p.fromPage();
        bis = p.toPage();
        p.setFromTo(3, 4);
    };
    d.drucker(true);
    dlg.ShowPrinter();
    EXPECT_EQ(von, 2);
    EXPECT_EQ(bis, 5);
    EXPECT_EQ(dlg.PDnFromPage(), 3);
    EXPECT_EQ(dlg.PDnToPage(), 4);

    // Without page numbers the dialog has no range to hand back.
    clsPrintDialog ohne;
    ohne.PDnFromPage(2);
    ohne.PDnToPage(5);
    d.benutzer = nullptr;
    d.drucker(true);
    ohne.ShowPrinter();
    EXPECT_EQ(ohne.PDnFromPage(), 2);
    EXPECT_EQ(ohne.PDnToPage(), 5);
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
    a5Quer(programmDrucker());
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
