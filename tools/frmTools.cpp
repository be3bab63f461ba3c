#include "tools/frmTools.h"

#include "label/frmLabel.h"
#include "label/programm.h"
#include "platform/units.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QPushButton>
#include <QVBoxLayout>

namespace sorvo {

frmTools::frmTools(QWidget* parent) : QMdiSubWindow(parent) {
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
    auto* inhalt = new QWidget;
    fraEinfuegen = new QGroupBox(QStringLiteral("Einfügen"), inhalt);
    cmdEinfuegenBild = new QPushButton(QStringLiteral("Bild"));
    cmdEinfuegenText = new QPushButton(QStringLiteral("Text"));
    cmdEinfuegenDatenFeld = new QPushButton(QStringLiteral("Datenbank-\nfeld"));
    auto* knoepfe = new QHBoxLayout(fraEinfuegen);
    knoepfe->setContentsMargins(4, 4, 4, 4);
    knoepfe->setSpacing(4);
    knoepfe->addWidget(cmdEinfuegenBild);
    knoepfe->addWidget(cmdEinfuegenText);
    knoepfe->addWidget(cmdEinfuegenDatenFeld);
    auto* l = new QVBoxLayout(inhalt);
    l->setContentsMargins(4, 4, 4, 4);
    l->addWidget(fraEinfuegen);
    l->addStretch();
    setWidget(inhalt);
    resize(RundenGerade(twipsZuPixel(3075)), RundenGerade(twipsZuPixel(1850)));
}

void frmTools::Form_Load(int hauptfensterBreite, bool folgt) {
    resize(RundenGerade(twipsZuPixel(3075)), height());
    if (!folgt)
        move(std::max(0, RundenGerade(twipsZuPixel(hauptfensterBreite - Width() - 250))), 0);
}

void frmTools::setHeight(int twips) {
    m_hoeheTwips = twips;
    resize(width(), std::max(1, RundenGerade(twipsZuPixel(twips))));
}

int frmTools::Height() const {
    const int px = RundenGerade(twipsZuPixel(m_hoeheTwips));
    return height() == std::max(1, px) ? m_hoeheTwips : static_cast<int>(pixelZuTwips(height()));
}
int frmTools::Width() const {
    return static_cast<int>(pixelZuTwips(width()));
}
int frmTools::Left() const {
    return static_cast<int>(pixelZuTwips(x()));
}
int frmTools::Top() const {
    return static_cast<int>(pixelZuTwips(y()));
}

void frmTools::SetFocus() {
    if (!isVisible())
        return;
    if (auto* b = mdiArea())
        b->setActiveSubWindow(this);
}

void frmTools::NeuePosition() {
    const auto& p = P();
    if (p.lngAktivesSchild < 1 || p.lngAktivesSchild > p.hoechstesSchild())
        return;
    const frmLabel& s = Schild(p.lngAktivesSchild);
    const int hauptBreite = nachbarn().mdi ? nachbarn().mdi->Width() : 0;
    int links = Left(), oben = Top();
    if (s.Left() + s.Width() + Width() < hauptBreite) {
        oben = s.Top();
        links = s.Left() + s.Width();
    } else if (s.Left() - Width() > 0) {
        links = s.Left() - Width();
        oben = s.Top();
    } else {
        return;
    }
    move(RundenGerade(twipsZuPixel(links)), RundenGerade(twipsZuPixel(oben)));
}

void frmTools::einfuegenKnoepfeAktivieren(bool aktiv) {
    cmdEinfuegenBild->setEnabled(aktiv);
    cmdEinfuegenText->setEnabled(aktiv);
    cmdEinfuegenDatenFeld->setEnabled(aktiv);
}

bool frmTools::einfuegenKnoepfeAktiv() const {
    return cmdEinfuegenBild->isEnabled() && cmdEinfuegenText->isEnabled() &&
           cmdEinfuegenDatenFeld->isEnabled();
}

void frmTools::maxBreiteLeeren(bool) {
    // The edit frames with their maximum-width boxes come with element editing.
}

void frmTools::closeEvent(QCloseEvent* e) {
    // The tool window lives as long as the program; closing only hides it.
    e->ignore();
    hide();
    P().blnWerkzeugeAktiv = false;
}

} // namespace sorvo
