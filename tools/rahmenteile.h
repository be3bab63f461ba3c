#pragma once
// Private to the tool window's sources: the controls its panels and edit
// frames are made of, and what the frames' buttons have in common. Not for
// use outside tools/.
#include "tools/farbwahl.h"
#include "tools/frmTools.h"

#include <QString>
#include <cstdint>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QWidget;

namespace sorvo {

class ZahlenFeld;

namespace rahmenteile {

// A command button Enter never presses: Enter belongs to the boxes.
QPushButton* knopf(const char* name, const QString& text);
// A panel or frame of the window, hidden until it is opened.
QGroupBox* rahmen(const char* name, const QString& titel, QWidget* eltern);
QLineEdit* feld(const char* name, const QString& zugang = QString());
// A number box; laenge 0: any length.
ZahlenFeld* zahlenfeld(const char* name, int laenge = 0);
// A member of a button array: the array's name, its index as "Index".
QPushButton* arrayKnopf(const char* name, int index, const QString& text, const QString& tipp);
// A style toggle shown as a letter in its style; named by its tip.
QPushButton* stilKnopf(const char* name, const QString& buchstabe, const QString& tipp);
// A box with its "+" and "-" beside it.
QHBoxLayout* mitKnoepfen(QWidget* box, QPushButton* plus, QPushButton* minus);
QListWidget* liste(const char* name, const QString& zugang);
QCheckBox* kasten(const char* name, const QString& text);
// A font list: choosing only, no typing.
QComboBox* auswahl(const char* name, const QString& zugang);
QLabel* ueberschrift(const QString& text);

// A whole number as a box shows it, and empty for 0.
QString zahl(int32_t n);
QString zahlOderLeer(int32_t n);
// Sets a check box without running its reaction.
void stillSetzen(QCheckBox* k, bool an);
// The delete question of a frame; true for "Ja".
bool loeschenBestaetigt(const QString& frage);
// The current label window takes the focus back after an edit.
void schildFokus();

} // namespace rahmenteile

// The names, captions and tips of a text or data-field frame's controls.
struct frmTools::Beschriftungsnamen {
    const char* rahmen;
    const char* titel;
    masse::Feldart art;
    Farbwahl::Art farben;
    const char* schriftart;
    const char* schriftgroesse;
    const char* fett;
    const char* kursiv;
    const char* unterstrichen;
    const char* zentriert;
    const char* transparent;
    const char* rahmenKasten;
    // The boxes' length.
    int laenge;
    const char* maxBreite;
    // The position buttons: array name, index of "+" and of "-".
    const char* xKnopf;
    int xPlus;
    int xMinus;
    const char* yKnopf;
    int yPlus;
    int yMinus;
    const char* maxPlus;
    const char* maxMinus;
    const char* ok;
    const char* abbrechen;
    const char* loeschen;
    const char* loeschenText;
    // What the frame's own buttons do.
    void (frmTools::*okKlick)();
    void (frmTools::*abbrechenKlick)();
    void (frmTools::*loeschenKlick)();
};

// Where a text or data-field frame's controls go: the window's members.
struct frmTools::Beschriftungsrahmen {
    QComboBox*& art;
    QComboBox*& groesse;
    QPushButton*& fett;
    QPushButton*& kursiv;
    QPushButton*& unterstrichen;
    QCheckBox*& zentriert;
    Farbwahl*& farben;
    Farbfeld*& schriftfarbe;
    Farbfeld*& hintergrundfarbe;
    QCheckBox*& transparent;
    QCheckBox*& rahmen;
    QLineEdit*& x;
    QPushButton*& xPlus;
    QPushButton*& xMinus;
    QLineEdit*& y;
    QPushButton*& yPlus;
    QPushButton*& yMinus;
    QLineEdit*& maxBreite;
    QPushButton*& maxPlus;
    QPushButton*& maxMinus;
    QPushButton*& ok;
    QPushButton*& abbrechen;
    QPushButton*& loeschen;
};

} // namespace sorvo
