// The data field's edit frame: its names, loading a data field into it, and
// its OK, Cancel and delete. What it shares with the text frame is in
// rahmen_beschriftung.cpp.
#include "label/frmLabel.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/elements.h"
#include "platform/fonts.h"
#include "tools/rahmenteile.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>

namespace sorvo {

using namespace rahmenteile;

QGroupBox* frmTools::datenfeldRahmenAufbauen() {
    static const Beschriftungsnamen namen{.rahmen = "fraDatenfeld_B",
                                          .titel = "Datenfeld bearbeiten",
                                          .art = masse::Feldart::Datenfeld,
                                          .farben = Farbwahl::Art::Datenfeld,
                                          .schriftart = "cboDfArt",
                                          .schriftgroesse = "cboDfGroesse",
                                          .fett = "cmdDfBold",
                                          .kursiv = "cmdDfItalic",
                                          .unterstrichen = "cmdDfUnderline",
                                          .zentriert = "chkDfZentriert",
                                          .transparent = "chkDfTransparent",
                                          .rahmenKasten = "chkDfRahmen",
                                          .laenge = 4,
                                          .maxBreite = "txtMaxBDatenfeld",
                                          .xKnopf = "cmdPosX",
                                          .xPlus = 0,
                                          .xMinus = 1,
                                          .yKnopf = "cmdPosY",
                                          .yPlus = 0,
                                          .yMinus = 1,
                                          .maxPlus = "cmdMBDPlus",
                                          .maxMinus = "cmdMBDMinus",
                                          .ok = "cmdDfOK",
                                          .abbrechen = "cmdCancel_d",
                                          .loeschen = "cmdDfloeschen",
                                          .loeschenText = "&Feld löschen",
                                          .okKlick = &frmTools::cmdDfOK_Click,
                                          .abbrechenKlick = &frmTools::cmdCancel_d_Click,
                                          .loeschenKlick = &frmTools::cmdDfloeschen_Click};
    lstDfListe = liste("lstDfListe", QStringLiteral("Datenfelder"));
    connect(lstDfListe, &QListWidget::itemDoubleClicked, this, [this] { lstDfListe_DblClick(); });
    return beschriftungsrahmenAufbauen(namen,
                                       {.art = cboDfArt,
                                        .groesse = cboDfGroesse,
                                        .fett = cmdDfBold,
                                        .kursiv = cmdDfItalic,
                                        .unterstrichen = cmdDfUnderline,
                                        .zentriert = chkDfZentriert,
                                        .farben = farbwahlDf,
                                        .schriftfarbe = picDfFarbe_S,
                                        .hintergrundfarbe = picDfFarbe_H,
                                        .transparent = chkDfTransparent,
                                        .rahmen = chkDfRahmen,
                                        .x = txtX[3],
                                        .xPlus = cmdPosX[0],
                                        .xMinus = cmdPosX[1],
                                        .y = txtY[3],
                                        .yPlus = cmdPosY[0],
                                        .yMinus = cmdPosY[1],
                                        .maxBreite = txtMaxBDatenfeld,
                                        .maxPlus = cmdMBDPlus,
                                        .maxMinus = cmdMBDMinus,
                                        .ok = cmdDfOK,
                                        .abbrechen = cmdCancel_d,
                                        .loeschen = cmdDfloeschen},
                                       nullptr, lstDfListe);
}

void frmTools::datenfeldLaden(int32_t n, int32_t index) {
    frmLabel& f = Schild(n);
    auto& s = S(n);
    blnHFarbeAenderung = false;
    // The lists offered while editing belong to this window's database.
    if (s.blnPflanzenDb)
        SchildDb(n).DbTabellenAnzeigen();
    else
        SchildDb(n).DbTabellenAnzeigenEigeneDb();
    lstDfListe->setCurrentRow(-1);
    lstDfListe->clearSelection();
    s.lngAktuellesDatenfeld = index;
    const int32_t maxBreite = f.DatenfeldMaxBreiteLesen(index).toInt();
    beschriftungLaden(true, QStringLiteral(" D.feld: "), index, f.lblDatenfeld(index), maxBreite,
                      zahlOderLeer(maxBreite));
    txtFont->setFont(schriftBauen(alt.strAltSchriftart, alt.lngAltSchriftGroesse, alt.blnAltFett,
                                  alt.blnAltKursiv, alt.blnAltUnterstrichen));
    QPalette pal = txtFont->palette();
    pal.setColor(QPalette::Base, zuQColor(P().lngAltHintergrundFarbe, pal));
    pal.setColor(QPalette::Text, zuQColor(alt.lngAltSchriftFarbe, pal));
    txtFont->setPalette(pal);
    f.DfMarkierung_Ein();
}

void frmTools::cmdDfOK_Click() {
    beschriftungOk(true);
}

void frmTools::cmdCancel_d_Click() {
    beschriftungAbbrechen(true);
}

void frmTools::cmdDfloeschen_Click() {
    datenfeldLoeschen(Bearbeitung::Datenfeld, fraDatenfeld_B);
}

} // namespace sorvo
