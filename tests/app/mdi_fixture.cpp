#include "tests/app/mdi_fixture.h"

#include "label/frmNeu.h"
#include "platform/registry.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>

namespace sorvo::test {

void MdiTest::SetUp() {
    qputenv("SORVO_REGISTRY", (m_dir.path() + QStringLiteral("/registry.txt")).toUtf8());
    ProgrammZuruecksetzen();
}

void MdiTest::TearDown() {
    ProgrammZuruecksetzen();
    m_mdi.reset();
    nachbarn() = Nachbarn{};
}

void MdiTest::starten(bool geometrieBehalten) {
    m_mdi = std::make_unique<MDI>();
    m_mdi->MDIForm_Load();
    if (!geometrieBehalten) {
        m_mdi->setWindowState(Qt::WindowNoState);
        m_mdi->resize(1200, 900);
    }
    m_mdi->show();
    QApplication::processEvents();
}

int32_t MdiTest::neuesSchild(const QString& breite, const QString& hoehe) {
    m_mdi->mnuDateiNeu_Click();
    auto* d = m_mdi->findChild<frmNeu*>(QStringLiteral("frmNeu"));
    EXPECT_NE(d, nullptr);
    if (!d)
        return 0;
    // The number the label will get: the lowest free slot, else a new one.
    int32_t n = 1;
    while (n <= P().hoechstesSchild() && !P().Schilder[n].blnSchildFrei)
        ++n;
    d->txtBreite->setText(breite);
    d->txtHoehe->setText(hoehe);
    d->cmdOK_Click();
    delete d; // the dialog would go with the next event loop turn
    QApplication::processEvents();
    return n;
}

} // namespace sorvo::test
