// The picture's edit frame: its controls, loading a picture into it, and
// its OK, Cancel and delete.
#include "label/frmLabel.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/elements.h"
#include "platform/knopf.h"
#include "platform/units.h"
#include "tools/bildmass.h"
#include "tools/rahmenteile.h"
#include "tools/zahlenfeld.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace sorvo {

using namespace rahmenteile;

QGroupBox* frmTools::bildRahmenAufbauen() {
    QGroupBox* g = rahmen("fraBild_B", QStringLiteral("Bild bearbeiten"), this);
    txtX[0] = zahlenfeld("txtX");
    txtY[0] = zahlenfeld("txtY");
    txtHB[0] = zahlenfeld("txtHB");
    txtHB[1] = zahlenfeld("txtHB");
    cmdX[0] = arrayKnopf("cmdX", 0, QStringLiteral("+"), QStringLiteral("1 mm nach rechts"));
    cmdX[1] = arrayKnopf("cmdX", 1, QStringLiteral("-"), QStringLiteral("1 mm nach links"));
    cmdX[2] = arrayKnopf("cmdX", 2, QStringLiteral("+"), QStringLiteral("1 mm nach unten"));
    cmdX[3] = arrayKnopf("cmdX", 3, QStringLiteral("-"), QStringLiteral("1 mm nach oben"));
    cmdH[1] = arrayKnopf("cmdH", 1, QStringLiteral("+"), QStringLiteral("1 mm höher"));
    cmdH[0] = arrayKnopf("cmdH", 0, QStringLiteral("-"), QStringLiteral("1 mm niedriger"));
    cmdB[1] = arrayKnopf("cmdB", 1, QStringLiteral("+"), QStringLiteral("1 mm breiter"));
    cmdB[0] = arrayKnopf("cmdB", 0, QStringLiteral("-"), QStringLiteral("1 mm schmaler"));
    chkProportional = kasten("chkProportional", QStringLiteral("Bildgröße proportional ändern"));
    // On two lines: the frame is narrower than the caption.
    chkProportional->setText(QStringLiteral("Bildgröße proportional\nändern"));
    picBeisp = new QFrame;
    picBeisp->setObjectName(QStringLiteral("picBeisp"));
    picBeisp->setFixedSize(px(2532), px(1215));
    imgBbTestbild = new QLabel(picBeisp);
    imgBbTestbild->setObjectName(QStringLiteral("imgBbTestbild"));
    imgBbTestbild->setScaledContents(true);
    imgBbTestbild->setGeometry(0, 0, 0, 0);
    cmdOK_B = knopf("cmdOK_B", QStringLiteral("&OK"));
    cmdCancel_B = knopf("cmdCancel_B", QStringLiteral("&Abbrechen"));
    cmdBildLoeschen = knopf("cmdBildLoeschen", QStringLiteral("&Bild löschen"));

    auto* l = new QGridLayout(g);
    l->setContentsMargins(4, 4, 4, 4);
    l->setVerticalSpacing(3);
    l->addWidget(beschriftung("lblPos", QStringLiteral("Position:")), 0, 0, 1, 2);
    l->addWidget(beschriftung("lblX", QStringLiteral("von Links:"), txtX[0]), 1, 0);
    l->addLayout(mitKnoepfen(txtX[0], cmdX[0], cmdX[1]), 1, 1);
    l->addWidget(beschriftung("lblY", QStringLiteral("von Oben:"), txtY[0]), 2, 0);
    l->addLayout(mitKnoepfen(txtY[0], cmdX[2], cmdX[3]), 2, 1);
    l->addWidget(beschriftung("lblSize", QStringLiteral("Bildgröße:")), 3, 0, 1, 2);
    l->addWidget(beschriftung(nullptr, QStringLiteral("Höhe:"), txtHB[0]), 4, 0);
    l->addLayout(mitKnoepfen(txtHB[0], cmdH[1], cmdH[0]), 4, 1);
    l->addWidget(beschriftung(nullptr, QStringLiteral("Breite:"), txtHB[1]), 5, 0);
    l->addLayout(mitKnoepfen(txtHB[1], cmdB[1], cmdB[0]), 5, 1);
    l->addWidget(chkProportional, 6, 0, 1, 2);
    l->addWidget(picBeisp, 7, 0, 1, 2, Qt::AlignHCenter);
    l->addWidget(beschriftung("lblXY", QStringLiteral("alle Angaben in mm")), 8, 0, 1, 2);
    l->setRowStretch(9, 1);
    l->addWidget(cmdBildLoeschen, 10, 0, 1, 2);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(cmdOK_B);
    knoepfe->addWidget(cmdCancel_B);
    l->addLayout(knoepfe, 11, 0, 1, 2);

    connect(cmdOK_B, &QPushButton::clicked, this, [this] { cmdOK_B_Click(); });
    connect(cmdCancel_B, &QPushButton::clicked, this, [this] { cmdCancel_B_Click(); });
    connect(cmdBildLoeschen, &QPushButton::clicked, this, [this] { cmdBildLoeschen_Click(); });
    return g;
}

void frmTools::bildLaden(int32_t n, int32_t index) {
    S(n).lngAktuellesBild = index;
    titelSetzen(QStringLiteral(" Bild: "), index);
    SetFocus();
    Bild& b = Schild(n).imgBild(index);
    b.setBorderStyle(1);
    alt.geometrieMerken(b);
    rahmenZeigen(fraBild_B, 6400);
    m_bearbeitung = Bearbeitung::Bild;
    txtHB[0]->setText(zahl(Runden(alt.lngAltHoehe)));
    txtHB[1]->setText(zahl(Runden(alt.lngAltBreite)));
    txtX[0]->setText(zahl(Runden(alt.lngAltLinks)));
    txtY[0]->setText(zahl(Runden(alt.lngAltOben)));
    // A picture without height has no proportions to preview.
    if (const auto v = vorschauGroesse(alt.lngAltHoehe, alt.lngAltBreite, 1215, 2532)) {
        imgBbTestbild->setGeometry(0, 0, px(v->width()), px(v->height()));
        imgBbTestbild->setPixmap(QPixmap::fromImage(b.Picture()));
    } else {
        imgBbTestbild->clear();
        imgBbTestbild->setGeometry(0, 0, 0, 0);
    }
}

void frmTools::cmdOK_B_Click() {
    if (m_bearbeitung != Bearbeitung::Bild)
        return;
    imgBbTestbild->clear();
    Schild(P().lngAktivesSchild).imgBild(lngElementIndex).setBorderStyle(0);
    bearbeitungFertig(fraBild_B);
}

void frmTools::cmdCancel_B_Click() {
    if (m_bearbeitung != Bearbeitung::Bild)
        return;
    Bild& b = Schild(P().lngAktivesSchild).imgBild(lngElementIndex);
    alt.geometrieZurueck(b);
    imgBbTestbild->clear();
    b.setBorderStyle(0);
    bearbeitungBeenden(fraBild_B);
    schildFokus();
}

void frmTools::cmdBildLoeschen_Click() {
    const auto n = loeschenGefragt(Bearbeitung::Bild,
                                   QStringLiteral("Möchten Sie das Bild wirklich löschen?"));
    if (!n)
        return;
    Bild& b = Schild(*n).imgBild(S(*n).lngAktuellesBild);
    b.setBorderStyle(0);
    BildEntfernen(*n, S(*n).lngAktuellesBild);
    imgBbTestbild->clear();
    bearbeitungFertig(fraBild_B);
}

} // namespace sorvo
