#pragma once
// Shared procedures of the label windows: captions and the change notice,
// locking, navigation, text replacement, the decimal separator, help.
#include "platform/units.h"

#include <QString>
#include <cstdint>

class QKeyEvent;

namespace sorvo {

// --- Captions and change notice ---------------------------------------------
// Marks the current window changed and rebuilds its caption.
// The caption of label n made from the current template, without the
// changed mark.
QString ErzeugtVonCaption(int32_t n);
void SchildGeaendert();
// The same for window win, with the shorter rules (no template suffix).
void SchildNrGeaendert(int32_t win);
// The file title of a path: the text after its last separator.
QString DateinameAusPfad(const QString& Pfad);
// The tool window's caption for the current window.
void WerkzeugTitelSetzen();

// --- Locking and navigation -------------------------------------------------
void AllesSperren();
void AllesFreigeben();
void MenuesSperren();
void MenuesFreigeben();
void WerkzeugeWiederherstellen();
void NavigationEin();
void NavigationAus();
// Enables what an opened label needs of the main window: Save, Save As,
// Close and the print menu, and the toolbar's save, print and preview
// pictures in their normal look.
void SchildMenuesFreigeben();

// --- Text and numbers -------------------------------------------------------
// Replaces every occurrence of Suche in Text (which is changed too); the
// search resumes one character after each inserted replacement.
QString TextErsetzen(QString& Text, const QString& Suche, const QString& Ersatz);
// The same for single characters given by their code in the single-byte
// code page.
QString ZeichenErsetzen(QString& Text, int Code1, int Code2);
// The decimal separator of the user's locale, at the moment of the call.
QString Dezimaltrennzeichen();
// "OK" while the current label still shows a data-field placeholder, else "".
QString PlatzhalterPruefen();

// --- Help -------------------------------------------------------------------
// Opens the help pages in the folder "hilfe" beside the program at a topic
// (a page's file name; empty: the start page), in the help window.
void HilfeAnzeigen(const QString& Thema);
// F1 in a window opens the help at the window's topic: true when e was F1
// (then taken), false for any other key, which the window handles.
bool HilfeTaste(QKeyEvent* e, const QString& Thema);

} // namespace sorvo
