#pragma once
// A main window loaded as at start-up, with the registry file of the test
// program, and helpers to open label windows through the real dialog.
#include "app/MDI.h"
#include "label/frmLabel.h"
#include "label/programm.h"
#include "tests/support/fake_dialogs.h"

#include <QIcon>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace sorvo::test {

class MdiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Loads and shows the main window (after the test has filled the store);
    // unless told to keep the stored geometry, at a fixed normal size.
    void starten(bool geometrieBehalten = false);
    // New label through the new-label dialog with the given size texts.
    int32_t neuesSchild(const QString& breite = QStringLiteral("100"),
                        const QString& hoehe = QStringLiteral("75"));

    QTemporaryDir m_dir;
    std::unique_ptr<MDI> m_mdi;
};

// The entry of the "&Fenster" menu that carries the tick, as the menu shows
// it when opened; empty when none does.
QString fensterHaken(MDI& mdi);

// Whether the window's title bar, as it draws itself now, shows the icon:
// somewhere in its top rows every opaque pixel of the icon is found.
bool titelleisteZeigt(QWidget& w, const QIcon& icon);

} // namespace sorvo::test
