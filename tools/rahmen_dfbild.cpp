// The edit frame of a data field shown as a picture: its controls, loading
// such a field into it, and its OK, Cancel and delete.
#include "label/frmLabel.h"
#include "label/programm.h"
#include "platform/elements.h"
#include "platform/knopf.h"
#include "platform/units.h"
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

QGroupBox* frmTools::dfBildRahmenAufbauen() {
    QGroupBox* g = rahmen("fraDfBild_B", QStringLiteral("Datenfeld (Bild) bearbeiten"), this);
    txtX[2] = zahlenfeld("txtX", 5);
    txtY[2] = zahlenfeld("txtY", 5);
    txtHB[2] = zahlenfeld("txtHB", 5);
    txtHB[3] = zahlenfeld("txtHB", 5);
    cmdX[11] = arrayKnopf("cmdX", 11, QStringLiteral("+"), QStringLiteral("1 mm nach rechts"));
    cmdX[10] = arrayKnopf("cmdX", 10, QStringLiteral("-"), QStringLiteral("1 mm nach links"));
    cmdX[9] = arrayKnopf("cmdX", 9, QStringLiteral("+"), QStringLiteral("1 mm nach unten"));
    cmdX[8] = arrayKnopf("cmdX", 8, QStringLiteral("-"), QStringLiteral("1 mm nach oben"));
    cmdH[3] = arrayKnopf("cmdH", 3, QStringLiteral("+"), QStringLiteral("1 mm höher"));
    cmdH[2] = arrayKnopf("cmdH", 2, QStringLiteral("-"), QStringLiteral("1 mm niedriger"));
    cmdB[3] = arrayKnopf("cmdB", 3, QStringLiteral("+"), QStringLiteral("1 mm breiter"));
    cmdB[2] = arrayKnopf("cmdB", 2, QStringLiteral("-"), QStringLiteral("1 mm schmaler"));
    chkDfBildZentriert = kasten("chkDfBildZentriert", QStringLiteral("zentrieren"));
    cmdDfBild_Ok = knopf("cmdDfBild_Ok", QStringLiteral("&OK"));
    cmdCancelDf_Bild = knopf("cmdCancelDf_Bild", QStringLiteral("&Abbrechen"));
    cmdDfBild_Loeschen = knopf("cmdDfBild_Loeschen", QStringLiteral("&Feld löschen"));

    auto* l = new QGridLayout(g);
    l->setContentsMargins(4, 4, 4, 4);
    l->setVerticalSpacing(3);
    l->addWidget(ueberschrift(QStringLiteral("Position:")), 0, 0, 1, 2);
    l->addWidget(beschriftung("lblX", QStringLiteral("von Links:"), txtX[2]), 1, 0);
    l->addLayout(mitKnoepfen(txtX[2], cmdX[11], cmdX[10]), 1, 1);
    l->addWidget(beschriftung("lblY", QStringLiteral("von Oben:"), txtY[2]), 2, 0);
    l->addLayout(mitKnoepfen(txtY[2], cmdX[9], cmdX[8]), 2, 1);
    l->addWidget(ueberschrift(QStringLiteral("Bildgröße:")), 3, 0, 1, 2);
    // The long captions stand above their boxes.
    l->addWidget(beschriftung("lblHB", QStringLiteral("maximale Höhe:"), txtHB[2]), 4, 0, 1, 2);
    l->addLayout(mitKnoepfen(txtHB[2], cmdH[3], cmdH[2]), 5, 1);
    l->addWidget(beschriftung("lblHB", QStringLiteral("maximale Breite:"), txtHB[3]), 6, 0, 1, 2);
    l->addLayout(mitKnoepfen(txtHB[3], cmdB[3], cmdB[2]), 7, 1);
    l->addWidget(chkDfBildZentriert, 8, 0, 1, 2);
    l->addWidget(beschriftung(nullptr, QStringLiteral("alle Angaben in mm")), 9, 0, 1, 2);
    l->setRowStretch(10, 1);
    l->addWidget(cmdDfBild_Loeschen, 11, 0, 1, 2);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(cmdDfBild_Ok);
    knoepfe->addWidget(cmdCancelDf_Bild);
    l->addLayout(knoepfe, 12, 0, 1, 2);

    connect(cmdDfBild_Ok, &QPushButton::clicked, this, [this] { cmdDfBild_Ok_Click(); });
    connect(cmdCancelDf_Bild, &QPushButton::clicked, this, [this] { cmdCancelDf_Bild_Click(); });
    connect(cmdDfBild_Loeschen, &QPushButton::clicked, this,
            [this] { cmdDfBild_Loeschen_Click(); });
    return g;
}

void frmTools::dfBildLaden(int32_t n, int32_t index) {
    frmLabel& f = Schild(n);
    Beschriftung& d = f.lblDatenfeld(index);
    S(n).lngAktuellesDatenfeld = index;
    titelSetzen(QStringLiteral(" Datenfeld: "), index);
    SetFocus();
    d.setBorderStyle(1);
    alt.geometrieMerken(d);
    alt.lngAltMaxHoehe = f.DatenfeldMaxHoeheLesen(index).toInt();
    alt.lngAltMaxBreite = f.DatenfeldMaxBreiteLesen(index).toInt();
    rahmenZeigen(fraDfBild_B, 4900);
    m_bearbeitung = Bearbeitung::DatenfeldBild;
    txtHB[2]->setText(zahlOderLeer(Runden(alt.lngAltMaxHoehe)));
    txtHB[3]->setText(zahlOderLeer(Runden(alt.lngAltMaxBreite)));
    txtX[2]->setText(zahl(Runden(alt.lngAltLinks)));
    txtY[2]->setText(zahl(Runden(alt.lngAltOben)));
    chkDfBildZentriert->setEnabled(alt.lngAltMaxBreite != 0);
}

void frmTools::cmdDfBild_Ok_Click() {
    if (m_bearbeitung != Bearbeitung::DatenfeldBild)
        return;
    bearbeitungFertig(fraDfBild_B);
}

void frmTools::cmdCancelDf_Bild_Click() {
    if (m_bearbeitung != Bearbeitung::DatenfeldBild)
        return;
    frmLabel& f = Schild(P().lngAktivesSchild);
    Beschriftung& d = f.lblDatenfeld(lngElementIndex);
    alt.geometrieZurueck(d);
    f.DatenfeldMaxHoeheSchreiben(lngElementIndex, alt.lngAltMaxHoehe);
    f.DatenfeldMaxBreiteSchreiben(lngElementIndex, alt.lngAltMaxBreite);
    bearbeitungBeenden(fraDfBild_B);
    schildFokus();
}

void frmTools::cmdDfBild_Loeschen_Click() {
    datenfeldLoeschen(Bearbeitung::DatenfeldBild, fraDfBild_B);
}

} // namespace sorvo
