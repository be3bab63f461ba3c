#include "label/frmFeldMenue.h"

#include "label/frmLabel.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/fonts.h"
#include "platform/units.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace sorvo {

namespace {

// Layout in twips: a dialog frame of 45 around an inner area of 2295 x 1380.
constexpr int kRand = 45;
constexpr int kInnenBreite = 2295;
constexpr int kInnenHoehe = 1380;

struct Eintrag {
    const char* text;
    int links, oben, breite, hoehe;
};
constexpr Eintrag kEintraege[4] = {
    {"  Feld bearbeiten", 60, 60, 2200, 255},
    {"  eine Ebene nach Oben", 60, 420, 2200, 255},
    {"  eine Ebene nach Unten", 60, 720, 2200, 255},
    {"  Datenfeld erklären", 60, 1080, 2205, 255},
};
// The two separator lines, from x 0 to 2280 at these heights.
constexpr int kLinienBreite = 2280;
constexpr int kLinien[2] = {360, 1020};
constexpr Farbe kLinienFarbe = RGB(128, 128, 128);

int32_t artAusText(const QString& k) {
    if (k == QLatin1String("Text"))
        return ArtText;
    if (k == QLatin1String("Datenfeld"))
        return ArtDatenfeld;
    return ArtBild;
}

QString artText(int32_t art) {
    switch (art) {
    case ArtText:
        return QStringLiteral("Text");
    case ArtDatenfeld:
        return QStringLiteral("Datenfeld");
    default:
        return QStringLiteral("Bild");
    }
}

} // namespace

frmFeldMenue::frmFeldMenue(QWidget* parent) : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmFeldMenue"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, zuQColor(kSchaltflaeche, pal));
    setPalette(pal);
    setFixedSize(px(kInnenBreite + 2 * kRand), px(kInnenHoehe + 2 * kRand));

    const QFont schrift = schriftBauen(QStringLiteral("Arial"), 8.25);
    for (int i = 0; i < 4; ++i) {
        const Eintrag& e = kEintraege[i];
        auto* l = new QLabel(QString::fromUtf8(e.text), this);
        l->setObjectName(QStringLiteral("lblSchaltflaeche%1").arg(i));
        l->setGeometry(px(kRand + e.links), px(kRand + e.oben), px(e.breite), px(e.hoehe));
        l->setFont(schrift);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->setAutoFillBackground(true);
        l->setFocusPolicy(Qt::NoFocus);
        // The window hit-tests the entries itself, so that a disabled entry
        // counts as the window's own surface.
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
        lblSchaltflaeche[static_cast<size_t>(i)] = l;
        farbenSetzen(i, kSchaltflaeche, kMenueText);
    }
    lblSchaltflaeche[3]->setEnabled(false);
}

frmFeldMenue::~frmFeldMenue() = default;

int frmFeldMenue::Width() const {
    return static_cast<int>(pixelZuTwips(width()));
}

int frmFeldMenue::Height() const {
    return static_cast<int>(pixelZuTwips(height()));
}

void frmFeldMenue::platzieren(double links, double oben, const QWidget* bezug) {
    m_links = links;
    m_oben = oben;
    const QPoint punkt(px(links), px(oben));
    move(bezug ? bezug->mapToGlobal(punkt) : punkt);
}

void frmFeldMenue::farbenSetzen(int i, Farbe hinten, Farbe vorne) {
    const auto k = static_cast<size_t>(i);
    m_hinten[k] = hinten;
    m_vorne[k] = vorne;
    QLabel* l = lblSchaltflaeche[k];
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, zuQColor(hinten, pal));
    // A disabled entry keeps the greyed text of its state.
    pal.setColor(QPalette::Active, QPalette::WindowText, zuQColor(vorne, pal));
    pal.setColor(QPalette::Inactive, QPalette::WindowText, zuQColor(vorne, pal));
    l->setPalette(pal);
}

int frmFeldMenue::eintragBei(QPoint pos) const {
    for (int i = 0; i < 4; ++i) {
        const QLabel* l = lblSchaltflaeche[static_cast<size_t>(i)];
        if (l->isEnabled() && l->geometry().contains(pos))
            return i;
    }
    return -1;
}

void frmFeldMenue::Form_MouseMove() {
    for (int i = 0; i < 4; ++i)
        farbenSetzen(i, kMenue, kMenueText);
}

void frmFeldMenue::lblSchaltflaeche_MouseMove(int Index) {
    farbenSetzen(Index, kTitelAktiv, kTitelText);
}

void frmFeldMenue::lblSchaltflaeche_Click(int Index) {
    if (Index < 0 || Index > 3 || !lblSchaltflaeche[static_cast<size_t>(Index)]->isEnabled())
        return;
    const auto& p = P();
    const int32_t art = artAusText(p.strElementArt);
    const int32_t n = p.strElementNummer.toInt();
    const int32_t w = p.lngAktivesSchild;
    switch (Index) {
    case 0:
        // The right click already made the window current and recorded the
        // element.
        if (auto* b = nachbarn().bearbeitung)
            b->ElementLaden(art, n);
        schliessen();
        break;
    case 1:
        EbeneHoeher(Elementcode(art, n));
        schliessen();
        break;
    case 2:
        EbeneTiefer(Elementcode(art, n));
        schliessen();
        break;
    case 3: {
        if (w < 1 || w > p.hoechstesSchild())
            return;
        const frmLabel& f = Schild(w);
        if (n < 1 || n > f.hoechstesDatenfeld())
            return;
        const QString cap = f.lblDatenfeld(n).Caption();
        if (!cap.startsWith(QLatin1Char('<')))
            return;
        const QString text = DatenfeldErklaerung(cap, S(w).strDbArt);
        hide();
        dialoge().meldung(text, Msg::OK, QStringLiteral("Erklärung Datenfeld"));
        schliessen();
        break;
    }
    default:
        break;
    }
}

void frmFeldMenue::Form_LostFocus() {
    schliessen();
}

void frmFeldMenue::schliessen() {
    // An entry's action may already have closed the menu through the focus.
    if (m_geschlossen)
        return;
    m_geschlossen = true;
    close();
}

void frmFeldMenue::paintEvent(QPaintEvent*) {
    QPainter p(this);
    qDrawWinPanel(&p, rect(), palette(), false);
    p.setPen(QPen(zuQColor(kLinienFarbe), 0));
    for (const int y : kLinien)
        p.drawLine(px(kRand), px(kRand + y), px(kRand + kLinienBreite), px(kRand + y));
}

void frmFeldMenue::mouseMoveEvent(QMouseEvent* e) {
    const int i = eintragBei(e->position().toPoint());
    if (i >= 0)
        lblSchaltflaeche_MouseMove(i);
    else
        Form_MouseMove();
}

void frmFeldMenue::mousePressEvent(QMouseEvent* e) {
    m_gedrueckt = e->button() == Qt::LeftButton ? eintragBei(e->position().toPoint()) : -1;
}

void frmFeldMenue::mouseReleaseEvent(QMouseEvent* e) {
    const int i = std::exchange(m_gedrueckt, -1);
    // A click is a press and a release on the same entry.
    if (e->button() == Qt::LeftButton && i >= 0 && eintragBei(e->position().toPoint()) == i)
        lblSchaltflaeche_Click(i);
}

void frmFeldMenue::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() != QEvent::ActivationChange)
        return;
    if (isActiveWindow())
        m_warAktiv = true;
    else if (m_warAktiv)
        Form_LostFocus();
}

frmFeldMenue* FeldMenueOeffnen(frmLabel& f, int32_t art, int32_t index, QPointF pos) {
    auto& p = P();
    p.lngAktivesSchild = f.nummer();
    p.strElementArt = artText(art);
    p.strElementNummer = QString::number(index);

    auto* h = nachbarn().mdi;
    auto* menue = new frmFeldMenue(h ? h->widget() : nullptr);

    const Steuerelement& e = art == ArtText ? static_cast<Steuerelement&>(f.lblText(index))
                             : art == ArtDatenfeld
                                 ? static_cast<Steuerelement&>(f.lblDatenfeld(index))
                                 : static_cast<Steuerelement&>(f.imgBild(index));
    // At the pointer: the press position inside the element is added in
    // twips, at the same factors as the element's position.
    double links = f.Left() + (e.Left() + pos.x()) * 56.5 - 100;
    double oben = f.Top() + (e.Top() + pos.y()) * 56 + 250;
    // Pulled back towards the main window, each test once.
    if (h) {
        if (links + menue->Width() > h->Width())
            links = links - menue->Width() + 250;
        if (oben + menue->Height() + 450 > h->Height())
            oben = oben - menue->Height() + 250;
    }
    menue->platzieren(links, oben, f.parentWidget());

    if (art == ArtDatenfeld)
        menue->lblSchaltflaeche[3]->setEnabled(true);
    menue->show();
    menue->raise();
    menue->activateWindow();
    menue->setFocus();
    return menue;
}

QString DatenfeldErklaerung(const QString& caption, const QString& dbArt) {
    const QString name = caption.size() >= 2 ? caption.mid(1, caption.size() - 2) : QString();
    const FeldKatalog* k = nachbarn().katalog;
    return QStringLiteral("Das Datenfeld ") + caption +
           QStringLiteral(" gibt folgenden Wert zurück:") + QStringLiteral("\r\r") +
           (k ? k->FeldBeschreibung(name, dbArt) : QString());
}

} // namespace sorvo
