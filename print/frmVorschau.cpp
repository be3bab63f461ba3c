// The preview window: the page at 100 % or 200 %, scroll bars, the zoom and
// print menus; and the preview service the main window calls.
#include "print/frmVorschau.h"

#include "label/frmLabel.h"
#include "label/nachbarn.h"
#include "label/programm.h"
#include "platform/canvas.h"
#include "platform/elements.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QScrollBar>

namespace sorvo {

namespace {

QPointer<frmVorschau>& instanz() {
    static QPointer<frmVorschau> v;
    return v;
}

// The loop-label dialog for a loop label, else the print settings.
bool einstellungenVorhanden() {
    const int32_t cur = P().lngAktivesSchild;
    const bool schlaufe = cur > 0 && cur <= P().hoechstesSchild() && S(cur).blnSchlaufenetikett;
    return schlaufe ? nachbarn().schlaufenetikett != nullptr
                    : static_cast<bool>(DO().druckerEinstellungen);
}

class VorschauDienst final : public Vorschau {
public:
    bool geladen() const override { return vorschauGeladen(); }
    void entladen() override { vorschauEntladen(); }
    void zeigen() override {
        frmVorschau& v = Vorschaufenster();
        v.show();
        P().lngVorschauSchild = P().lngAktivesSchild;
        // A reused window may still show the 200 % mark.
        v.mnuSV100->setChecked(true);
        v.mnuSV200->setChecked(false);
        v.mnuEinstellungen->setEnabled(einstellungenVorhanden());
        v.objZiel = v.picVorschau();
        v.Ausgabe(100);
    }
    void drucken() override {
        frmVorschau& v = Vorschaufenster();
        v.objZiel = &Printer();
        v.Ausgabe(100);
    }
    void sammelnBeginnen() override { Printer().sammelnBeginnen(); }
    void sammelnBeenden() override {
        Printer().sammelnBeenden();
        // Runs of a collected job leave a hidden preview window loaded.
        if (vorschauGeladen() && !Vorschaufenster().isVisible())
            vorschauEntladen();
    }
};

} // namespace

frmVorschau& Vorschaufenster() {
    auto& v = instanz();
    if (!v) {
        QWidget* eltern = nachbarn().mdi ? nachbarn().mdi->widget() : nullptr;
        v = new frmVorschau(eltern);
    }
    return *v;
}

bool vorschauGeladen() {
    return !instanz().isNull();
}

void vorschauEntladen() {
    auto& v = instanz();
    if (!v)
        return;
    frmVorschau* fenster = v;
    v = nullptr;
    fenster->hide();
    fenster->deleteLater();
}

void vorschauErneuern() {
    if (!vorschauGeladen() || !Vorschaufenster().isVisible())
        return;
    frmVorschau& v = Vorschaufenster();
    v.objZiel = v.picVorschau();
    v.Ausgabe(v.mnuSV100->isChecked() ? 100 : 200);
}

void vorschauEinrichten() {
    static VorschauDienst dienst;
    nachbarn().vorschau = &dienst;
}

frmVorschau::frmVorschau(QWidget* parent) : QMainWindow(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmVorschau"));
    setWindowTitle(QStringLiteral("Seitenvorschau"));
    resize(800, 600);

    QMenu* seite = menuBar()->addMenu(QStringLiteral("&Seitenvorschau"));
    mnuSV100 = seite->addAction(QStringLiteral("&100%"));
    mnuSV200 = seite->addAction(QStringLiteral("&200%"));
    mnuSV100->setCheckable(true);
    mnuSV200->setCheckable(true);
    seite->addSeparator();
    mnuBeenden = seite->addAction(QStringLiteral("Schließen"));
    QMenu* druck = menuBar()->addMenu(QStringLiteral("Druck"));
    mnuEinstellungen = druck->addAction(QStringLiteral("&Einstellungen"));
    mnuDrucken = druck->addAction(QStringLiteral("&Drucken"));
    connect(mnuSV100, &QAction::triggered, this, [this] { mnuSV100_Click(); });
    connect(mnuSV200, &QAction::triggered, this, [this] { mnuSV200_Click(); });
    connect(mnuBeenden, &QAction::triggered, this, [this] { mnuBeenden_Click(); });
    connect(mnuEinstellungen, &QAction::triggered, this, [this] { mnuEinstellungen_Click(); });
    connect(mnuDrucken, &QAction::triggered, this, [this] { mnuDrucken_Click(); });

    // The controls are placed by hand (ScrollbarsAusrichten), not by a layout.
    flaeche_ = new QWidget(this);
    setCentralWidget(flaeche_);
    picVorschau_ = new Bildflaeche(flaeche_);
    hscVorschau = new QScrollBar(Qt::Horizontal, flaeche_);
    vscVorschau = new QScrollBar(Qt::Vertical, flaeche_);
    picAbdeckung = new QWidget(flaeche_);
    picAbdeckung->setAutoFillBackground(true);
    hscVorschau->setObjectName(QStringLiteral("hscVorschau"));
    vscVorschau->setObjectName(QStringLiteral("vscVorschau"));
    picAbdeckung->setObjectName(QStringLiteral("picAbdeckung"));
    for (QScrollBar* s : {hscVorschau, vscVorschau}) {
        s->setRange(0, 100);
        s->setSingleStep(1);
        s->setPageStep(10);
    }
    connect(vscVorschau, &QScrollBar::valueChanged, this, [this] { vscVorschau_Change(); });
    connect(hscVorschau, &QScrollBar::valueChanged, this, [this] { hscVorschau_Change(); });
    Form_Load();
}

frmVorschau::~frmVorschau() {
    if (instanz() == this)
        instanz() = nullptr;
}

void frmVorschau::Form_Load() {
    mnuSV100->setChecked(true);
    mnuSV200->setChecked(false);
    mnuEinstellungen->setEnabled(einstellungenVorhanden());
    ScrollbarsAusrichten();
}

void frmVorschau::ScrollbarsAusrichten() {
    if (isMinimized())
        return;
    const int W = flaeche_->width();
    const int H = flaeche_->height();
    const int vb = vscVorschau->sizeHint().width();
    const int hh = hscVorschau->sizeHint().height();
    vscVorschau->setGeometry(W - vb, 0, vb, std::max(0, H - hh));
    hscVorschau->setGeometry(0, H - hh, std::max(0, W - vb), hh);
    picAbdeckung->setGeometry(W - vb, H - hh, vb, hh);
    hscVorschau->setVisible(W - vb < picVorschau_->width());
    vscVorschau->setVisible(H - hh < picVorschau_->height());
    hscVorschau->raise();
    vscVorschau->raise();
    picAbdeckung->raise();
    picAbdeckung->show();
}

void frmVorschau::resizeEvent(QResizeEvent* e) {
    QMainWindow::resizeEvent(e);
    ScrollbarsAusrichten();
    picVorschau_->move(0, 0);
    vscVorschau->setValue(0);
    hscVorschau->setValue(0);
}

void frmVorschau::vscVorschau_Change() {
    const double sichtbar = flaeche_->height() - hscVorschau->height();
    picVorschau_->move(picVorschau_->x(),
                       static_cast<int>((sichtbar - picVorschau_->height()) * vscVorschau->value() /
                                        vscVorschau->maximum()));
}

void frmVorschau::hscVorschau_Change() {
    const double sichtbar = flaeche_->width() - vscVorschau->width();
    picVorschau_->move(static_cast<int>((sichtbar - picVorschau_->width()) * hscVorschau->value() /
                                        hscVorschau->maximum()),
                       picVorschau_->y());
}

void frmVorschau::Form_DragDrop(Steuerelement& Source) {
    ZiehenBeenden();
    Source.setVisible(true);
}

void frmVorschau::closeEvent(QCloseEvent* e) {
    e->ignore();
    vorschauEntladen();
}

void frmVorschau::mnuBeenden_Click() {
    vorschauEntladen();
}

void frmVorschau::mnuDrucken_Click() {
    objZiel = &Printer();
    Ausgabe(100);
}

void frmVorschau::mnuEinstellungen_Click() {
    if (S(P().lngAktivesSchild).blnSchlaufenetikett) {
        DO().blnSchlaufeAusVorschau = true;
        if (nachbarn().schlaufenetikett)
            nachbarn().schlaufenetikett->zeigen({});
    } else if (DO().druckerEinstellungen) {
        DO().druckerEinstellungen();
    }
}

void frmVorschau::mnuSV100_Click() {
    mnuSV100->setChecked(true);
    mnuSV200->setChecked(false);
    objZiel = picVorschau_;
    Ausgabe(100);
}

void frmVorschau::mnuSV200_Click() {
    mnuSV100->setChecked(false);
    mnuSV200->setChecked(true);
    objZiel = picVorschau_;
    Ausgabe(200);
}

} // namespace sorvo
