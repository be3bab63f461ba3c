// The text's edit frame: its names, loading a text into it, and its OK,
// Cancel and delete. What it shares with the data-field frame is in
// rahmen_beschriftung.cpp.
#include "label/frmLabel.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/elements.h"
#include "tools/rahmenteile.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

namespace sorvo {

using namespace rahmenteile;

QGroupBox* frmTools::textRahmenAufbauen() {
    static const Beschriftungsnamen namen{.rahmen = "fraText_B",
                                          .titel = "Textfeld bearbeiten",
                                          .art = masse::Feldart::Text,
                                          .farben = Farbwahl::Art::Text,
                                          .schriftart = "cboArt",
                                          .schriftgroesse = "cboGroeße",
                                          .fett = "cmdBold",
                                          .kursiv = "cmdItalic",
                                          .unterstrichen = "cmdULine",
                                          .zentriert = "chkTfZentriert",
                                          .transparent = "chkTransparent",
                                          .rahmenKasten = "chkRahmen",
                                          .laenge = 5,
                                          .maxBreite = "txtMaxBText",
                                          .xKnopf = "cmdX",
                                          .xPlus = 4,
                                          .xMinus = 5,
                                          .yKnopf = "cmdX",
                                          .yPlus = 6,
                                          .yMinus = 7,
                                          .maxPlus = "cmdMBTPlus",
                                          .maxMinus = "cmdMBTMinus",
                                          .ok = "cmdOK_T",
                                          .abbrechen = "cmdCancel_T",
                                          .loeschen = "cmdDel_T",
                                          .loeschenText = "&Text löschen",
                                          .okKlick = &frmTools::cmdOK_T_Click,
                                          .abbrechenKlick = &frmTools::cmdCancel_T_Click,
                                          .loeschenKlick = &frmTools::cmdDel_T_Click};
    txtFont = feld("txtFont", QStringLiteral("Schriftprobe"));
    txtFont->setText(QStringLiteral("Schriftprobe"));
    return beschriftungsrahmenAufbauen(namen,
                                       {.art = cboArt,
                                        .groesse = cboGroesse,
                                        .fett = cmdBold,
                                        .kursiv = cmdItalic,
                                        .unterstrichen = cmdULine,
                                        .zentriert = chkTfZentriert,
                                        .farben = farbwahlText,
                                        .schriftfarbe = picFarbe_S,
                                        .hintergrundfarbe = picFarbe_H,
                                        .transparent = chkTransparent,
                                        .rahmen = chkRahmen,
                                        .x = txtX[1],
                                        .xPlus = cmdX[4],
                                        .xMinus = cmdX[5],
                                        .y = txtY[1],
                                        .yPlus = cmdX[6],
                                        .yMinus = cmdX[7],
                                        .maxBreite = txtMaxBText,
                                        .maxPlus = cmdMBTPlus,
                                        .maxMinus = cmdMBTMinus,
                                        .ok = cmdOK_T,
                                        .abbrechen = cmdCancel_T,
                                        .loeschen = cmdDel_T},
                                       txtFont, nullptr);
}

void frmTools::textLaden(int32_t n, int32_t index) {
    frmLabel& f = Schild(n);
    blnHFarbeAenderung = false;
    S(n).lngAktuellerText = index;
    Beschriftung& t = f.lblText(index);
    txtFont->setText(t.Caption());
    // The box shows the maximum as the label stores it.
    const QString maxBreite = f.TextMaxBreiteLesen(index);
    beschriftungLaden(false, QStringLiteral(" Text: "), index, t, maxBreite.toInt(),
                      maxBreite.toInt() == 0 ? QString() : maxBreite);
    if (f.lngTextMarkiert != 1)
        f.Markierung_Ein();
}

void frmTools::cmdOK_T_Click() {
    beschriftungOk(false);
}

void frmTools::cmdCancel_T_Click() {
    beschriftungAbbrechen(false);
}

void frmTools::cmdDel_T_Click() {
    const auto n = loeschenGefragt(Bearbeitung::Text,
                                   QStringLiteral("Möchten Sie den Text wirklich löschen?"));
    if (!n)
        return;
    // The element goes; its mark goes with it.
    Schild(*n).lngTextMarkiert = 0;
    TextEntfernen(*n, S(*n).lngAktuellerText);
    bearbeitungFertig(fraText_B);
}

} // namespace sorvo
