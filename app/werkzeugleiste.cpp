#include "app/werkzeugleiste.h"

#include "platform/bilder.h"
#include "platform/units.h"
#include "platform/zugang.h"

#include <QMouseEvent>
#include <QPainter>

namespace sorvo {
namespace {

struct Beschreibung {
    const char* name;
    int links;
    const char* tipp;
    const char* basis;
    bool aktiv;
};
constexpr Beschreibung kKnoepfe[] = {
    {"cmdNeu", 60, "Neues Schild", "new", true},
    {"cmdOeffnen", 420, "Schild laden", "open", true},
    {"cmdSpeichern", 780, "Schild speichern", "save", false},
    {"cmdVorschau", 1320, "Druck-Vorschau", "preview", false},
    {"cmdDrucken", 1680, "Schild drucken", "print", false},
    {"cmdBack", 2280, "letztes Schild", "back", false},
    {"cmdNext", 2640, "nächstes Schild", "next", false},
    {"cmdDruckNeueSchilder", 3000, "alle erzeugten Schilder drucken", "printschilder", false},
};
// The order in which NormaleButtons walks the buttons.
constexpr const char* kNormalReihenfolge[] = {
    "cmdBack",    "cmdNext", "cmdSpeichern", "cmdVorschau",
    "cmdDrucken", "cmdNeu",  "cmdOeffnen",   "cmdDruckNeueSchilder"};
} // namespace

BildKnopf::BildKnopf(Werkzeugleiste* leiste, const QString& name, const QString& basis,
                     const QString& tipp, int linksTwips)
    : QLabel(leiste), m_leiste(leiste), m_basis(basis) {
    setObjectName(name);
    setToolTip(tipp);
    // A picture that works as a button: assistive technology hears its tip
    // as its name and can press it.
    setAccessibleName(tipp);
    alsKnopfZugaenglich(*this, [this] {
        if (klick)
            klick();
    });
    setMouseTracking(true);
    setGeometry(px(linksTwips), px(90), px(345), px(345));
}

void BildKnopf::bildSetzen(const QString& key) {
    m_bild = key;
    setPixmap(werkzeugBild(key));
}

void BildKnopf::mouseMoveEvent(QMouseEvent*) {
    m_leiste->mausUeber(this);
}

void BildKnopf::mousePressEvent(QMouseEvent*) {
    bildSetzen(m_basis + QStringLiteral("_u"));
}

void BildKnopf::mouseReleaseEvent(QMouseEvent* e) {
    bildSetzen(objectName() == QLatin1String("cmdOeffnen") ? QStringLiteral("open_n") : m_basis);
    if (rect().contains(e->position().toPoint()) && klick)
        klick();
}

Werkzeugleiste::Werkzeugleiste(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("picMenue"));
    setMouseTracking(true);
    setFixedHeight(px(90) + px(345) + px(90));
    for (const auto& b : kKnoepfe) {
        auto* k = new BildKnopf(this, QString::fromLatin1(b.name), QString::fromLatin1(b.basis),
                                QString::fromUtf8(b.tipp), b.links);
        k->setEnabled(b.aktiv);
        k->bildSetzen(QString::fromLatin1(b.basis) + (b.aktiv ? "_n" : "_ef"));
        m_knoepfe.push_back(k);
    }
}

BildKnopf* Werkzeugleiste::knopf(const QString& name) const {
    for (auto* k : m_knoepfe)
        if (k->objectName() == name)
            return k;
    return nullptr;
}

void Werkzeugleiste::NormaleButtons() {
    for (const char* name : kNormalReihenfolge) {
        BildKnopf* k = knopf(QString::fromLatin1(name));
        if (k->Tag != QLatin1String("benutzt") || k->objectName() == AktiverButton)
            continue;
        k->bildSetzen(k->basis() + (k->isEnabled() ? "_n" : "_ef"));
        k->Tag.clear();
    }
}

void Werkzeugleiste::mausUeber(BildKnopf* k) {
    AktiverButton = k->objectName();
    NormaleButtons();
    if (k->Tag != QLatin1String("benutzt"))
        k->bildSetzen(k->basis());
    k->Tag = QStringLiteral("benutzt");
}

void Werkzeugleiste::mausWeg() {
    AktiverButton.clear();
    NormaleButtons();
}

void Werkzeugleiste::mouseMoveEvent(QMouseEvent*) {
    mausWeg();
}

void Werkzeugleiste::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QColor(0x80, 0x80, 0x80));
    p.drawLine(0, 0, width(), 0);
    for (int x : {1200, 2160, 3480})
        p.drawLine(px(x), px(60), px(x), px(90 + 345 + 30));
}

} // namespace sorvo
