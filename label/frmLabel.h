#pragma once
// The label window: one label, its elements and its window events. It is a
// child window of the main window; its client area has a millimetre scale.
#include "label/elementspeicher.h"

#include <QList>
#include <QMdiSubWindow>
#include <QPointF>
#include <cstdint>
#include <vector>

class QRubberBand;

namespace sorvo {

class Beschriftung;
class Bild;
class ElementCanvas;
class Steuerelement;

// Kind digit of an element code: text 4 is 14, picture 12 is 212, data field
// 15 is 315.
enum ElementArt : int32_t { ArtText = 1, ArtBild = 2, ArtDatenfeld = 3 };
int32_t Elementcode(int32_t art, int32_t index);
int32_t elementArtAusCode(int32_t code);
int32_t elementIndexAusCode(int32_t code);

class frmLabel : public QMdiSubWindow {
    Q_OBJECT
public:
    // How a close was asked for.
    enum Entlademodus { DurchBenutzer = 0, DurchProgramm = 1, HauptfensterSchliesst = 4 };

    explicit frmLabel(QWidget* parent = nullptr);
    ~frmLabel() override;

    // The window's number as decimal text.
    QString Tag() const { return m_tag; }
    void setTag(const QString& t) { m_tag = t; }
    int32_t nummer() const;

    QString Caption() const { return windowTitle(); }
    void setCaption(const QString& c) { setWindowTitle(c); }
    void setIcon(const QIcon& i) { setWindowIcon(i); }

    // Outer size in twips, inner size in millimetres.
    int Width() const;
    int Height() const;
    int Left() const;
    int Top() const;
    void setWidth(int twips);
    void setHeight(int twips);
    // The inner size in millimetres: the label size the window was sized
    // for, so that fitting does not depend on the screen's pixels.
    double ScaleWidth() const;
    double ScaleHeight() const;
    // The inner size as the window's pixels give it.
    double gemesseneBreite() const;
    double gemesseneHoehe() const;
    void innenGroesseSetzen(double breite, double hoehe);
    double pixelProMm() const;
    // Sets the window up as a shown one is, without showing it.
    void einrichten() { create(); }

    bool Visible() const { return isVisible(); }
    void setVisible(bool v) override;
    bool Enabled() const { return isEnabled(); }
    void SetFocus();

    // The selection mark of the element being edited: the current text or
    // data field of the current window gets a grey background (pink when
    // its own is grey); unmarking puts its own colour back unless the user
    // chose a new one in the tool window.
    void Markierung_Ein();
    void Markierung_Aus();
    void DfMarkierung_Ein();
    void DfMarkierung_Aus();
    // 1 while the window's current text carries the mark, else 0.
    int32_t lngTextMarkiert = 0;

    // Window events.
    void Form_Activate();
    void Form_MouseDown(Qt::MouseButton button, double xMm, double yMm);
    // The close request; returns Cancel (true keeps the window).
    bool QueryUnload(int modus);
    // Asks the window to close as the menu's Close command does.
    void schliessen(int modus = DurchProgramm);

    ElementCanvas* flaeche() const { return m_flaeche; }

    // --- Mouse on the elements -------------------------------------------
    // A press on element index of kind art; pos is the pointer inside the
    // element in millimetres. Left: drag; right: context menu; Ctrl+left /
    // Ctrl+right: one layer up / down; Alt+left on a data field: its
    // explanation; Alt+right on a text or data field: its position.
    void ElementMausDown(int32_t art, int32_t index, Qt::MouseButton knopf,
                         Qt::KeyboardModifiers umschalt, QPointF pos);
    // Double-clicks: the element goes to the tool window for editing.
    void imgBild_DblClick(int32_t Index);
    void lblText_DblClick(int32_t Index);
    void lblDatenfeld_DblClick(int32_t Index);
    // An element dropped on this window at X, Y (millimetres).
    void Form_DragDrop(Steuerelement& Source, double X, double Y);
    // The element being dragged, or nullptr.
    Steuerelement* gezogenesElement() const { return m_gezogen; }

    // --- Element store --------------------------------------------------
    // The element controls by index (1 .. highest loaded index of the kind).
    Beschriftung& lblText(int32_t i) const { return m_texte[i]; }
    Beschriftung& lblDatenfeld(int32_t i) const { return m_datenfelder[i]; }
    Bild& imgBild(int32_t i) const { return m_bilder[i]; }
    int32_t hoechsterText() const { return m_texte.hoechster(); }
    int32_t hoechstesDatenfeld() const { return m_datenfelder.hoechster(); }
    int32_t hoechstesBild() const { return m_bilder.hoechster(); }

    // Hand out an index (the lowest free slot, else a new control).
    int32_t BildIndexNeu();
    int32_t TextIndexNeu();
    int32_t DatenfeldIndexNeu();
    // Create an element in the current window; false when the label already
    // holds as many of the kind as it may (the user was told).
    bool BildNeu();
    bool TextNeu();
    bool DatenfeldNeu();
    int32_t BilderZaehlen() const;
    int32_t TextZaehlen() const;
    int32_t DatenfeldZaehlen() const;
    void TeStandard(int32_t j);
    void DfStandard(int32_t j);
    void BildLoeschen(int32_t j);
    void TextLoeschen(int32_t j);
    void DatenfeldLoeschen(int32_t j);

    void BildPfadSchreiben(int32_t i, const QString& Pfad);
    QString BildPfadLesen(int32_t i) const;
    void BildStatusSchreiben(int32_t i, bool Status);
    bool BildStatusLesen(int32_t i) const;
    void TextMaxBreiteSchreiben(int32_t i, int32_t maxBreite);
    QString TextMaxBreiteLesen(int32_t i) const;
    void TextMaxHoeheSchreiben(int32_t i, int32_t maxHoehe);
    QString TextMaxHoeheLesen(int32_t i) const;
    void TextStatusSchreiben(int32_t i, bool Status);
    bool TextStatusLesen(int32_t i) const;
    void DatenfeldMaxBreiteSchreiben(int32_t i, int32_t maxBreite);
    QString DatenfeldMaxBreiteLesen(int32_t i) const;
    void DatenfeldMaxHoeheSchreiben(int32_t i, int32_t maxHoehe);
    QString DatenfeldMaxHoeheLesen(int32_t i) const;
    void DatenfeldStatusSchreiben(int32_t i, bool Status);
    bool DatenfeldStatusLesen(int32_t i) const;

    // Pulls every element back inside the label.
    void ObjekteAusrichten();
    // Gives the current text the look and stacking place of data field i.
    void WerteUebertragen(int32_t i);

    // True once the kind's first control was handed out as an element (a
    // window that never had one writes none of its kind to a template).
    bool jeVergeben(int32_t art) const;

    // The kind and index of a control of this window (0, 0 for none).
    std::pair<int32_t, int32_t> elementVon(const Steuerelement* s) const;

    // The window menu, made on first use (also when a window is shown
    // maximised, whose menu sits in the main menu bar).
    void systemMenueAnlegen();

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    // Deletes every element; the controls stay for the next label.
    void elementeLeeren();
    // A hidden window runs its focus handling again when it is shown and
    // given the focus.
    void aktivierungVergessen();

    void elementDoppelklick(int32_t art, int32_t Index);
    void ziehenStarten(Steuerelement& e, QPointF pos);
    void ziehenFolgen(QPointF mm);
    void ziehenLoslassen(QPointF mm, QPointF global);
    // Ends a drag without a drop: the element comes back where it was.
    void ziehenAbbrechen();
    bool ueberFlaeche(QPointF global) const;
    // Outer twips per inner millimetre, across and down.
    double verhaeltnisX() const;
    double verhaeltnisY() const;

    using Beschriftungen = ElementSpeicher<Beschriftung, BeschriftungsWerte>;
    void elementeAnlegen();
    // Hands out an index of a text or data field: the lowest free slot, else
    // a new control made from the kind's first one, with the standard look.
    int32_t beschriftungIndexNeu(Beschriftungen& art, int32_t kind);
    // Creates an element of a kind in the current window, within its limit.
    bool elementNeu(int32_t kind);
    // Deletes a text or data field: standard look, no maximum width, free.
    void beschriftungLoeschen(Beschriftungen& art, int32_t kind, int32_t j);

    QString m_tag;
    ElementCanvas* m_flaeche;
    double m_innenBreite = 0;
    double m_innenHoehe = 0;
    Beschriftungen m_texte;
    Beschriftungen m_datenfelder;
    ElementSpeicher<Bild, BildWerte> m_bilder;
    int m_modus = DurchBenutzer;

    // Drag state. The grab offset is kept in the window's outer twips per
    // inner millimetre (the ratio the drop divides by), so that the drop
    // gives back the offset in millimetres and the element keeps the
    // grabbed point under the pointer. Double, not single: a click without
    // a move must land exactly where the element was before rounding.
    Steuerelement* m_gezogen = nullptr;
    double sngGreifX = 0;
    double sngGreifY = 0;
    QRubberBand* m_umriss = nullptr;
    // Qt's own Move and Size entries of the window menu: only they start
    // moving or sizing by keyboard. The menu and its other entries are made
    // when the user first reaches for it.
    QAction* m_bewegen = nullptr;
    QAction* m_groesse = nullptr;
};

// Delete element j of window win (created first if the slot has none).
void DatenfeldEntfernen(int32_t win, int32_t j);
void BildEntfernen(int32_t win, int32_t j);
void TextEntfernen(int32_t win, int32_t j);

// Fitting a text or data field of window win to its maximum width or the
// label's right edge, and loading a caption with that fitting.
void TextAnpassen(int32_t i, int32_t win);
void DatenfeldAnpassen(int32_t i, int32_t win);
void TextLayoutLaden(const QString& Text, int32_t i);
void DatenfeldLayoutLaden(const QString& Text, int32_t i);

// The stacking order of the current label window.
void ReihenfolgeEintragen(int32_t id);
void ReihenfolgeAustragen(int32_t id);
void ReihenfolgeHerstellen();

// Freezing the user interface while an element is dragged: the tool window
// hides, every other label window and every element of every window is
// disabled; ZiehenBeenden undoes it all.
void ZiehenBeginnen();
void ZiehenBeenden();

// One layer up or down for the element with the given code in the current
// window's stacking order; the order is re-applied either way and the label
// does not count as changed.
void EbeneHoeher(int32_t code);
void EbeneTiefer(int32_t code);

// Sizes frm so that its inner area is Breite x Hoehe millimetres.
void FenstergroesseSetzen(float& Breite, float& Hoehe, frmLabel& frm);

} // namespace sorvo
