#include "tests/app/mdi_fixture.h"

#include "label/frmNeu.h"
#include "platform/registry.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <algorithm>

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

QString fensterHaken(MDI& mdi) {
    QMenu* menu = mdi.menu(QStringLiteral("mnuFenster"))->menu();
    emit menu->aboutToShow();
    QString haken;
    for (const QAction* a : menu->actions())
        if (a->isChecked())
            haken = a->text();
    return haken;
}

bool titelleisteZeigt(QWidget& w, const QIcon& icon) {
    const QImage bild = w.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const QImage soll = icon.pixmap(16).toImage().convertToFormat(QImage::Format_ARGB32);
    const int zeilen = std::min(bild.height(), 40);
    for (int y = 0; y + soll.height() <= zeilen; ++y)
        for (int x = 0; x + soll.width() <= bild.width(); ++x) {
            bool gleich = true;
            for (int v = 0; gleich && v < soll.height(); ++v)
                for (int u = 0; gleich && u < soll.width(); ++u) {
                    const QRgb s = soll.pixel(u, v);
                    if (qAlpha(s) == 255 && bild.pixel(x + u, y + v) != s)
                        gleich = false;
                }
            if (gleich)
                return true;
        }
    return false;
}

} // namespace sorvo::test
