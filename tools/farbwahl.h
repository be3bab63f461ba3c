#pragma once
// The colour chooser of the tool window's text and data-field frames: the
// buttons "Schriftfarbe" and "Hintergrundfarbe" with a sample swatch each, a
// palette of 16 standard colours with "weitere..." (48 more) and
// "Abbrechen". A click on a palette swatch gives the element being edited
// that colour as its font or background colour, as the palette was opened
// for, and closes the palette. Nothing here marks the label as changed.
//
// The chooser widget holds the two buttons and the samples and goes into the
// frame's layout; the palette and its two buttons are children of the frame
// itself, so that the open palette lies over the frame's other controls.
#include "platform/colour.h"

#include <QAbstractButton>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QPushButton;

namespace sorvo {

class Beschriftung;
class Werkzeugfenster;

// A coloured swatch; its colour is its BackColor. Control arrays share one
// objectName; the member's index is its property "Index".
class Farbfeld : public QAbstractButton {
    Q_OBJECT
public:
    explicit Farbfeld(QWidget* parent = nullptr);
    Farbe BackColor() const { return m_farbe; }
    void setBackColor(Farbe f);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    Farbe m_farbe = 0;
};

// What an open palette gives its colour to.
enum class Farbziel { Keins, Hintergrund, Schrift };

class Farbwahl : public QWidget {
    Q_OBJECT
public:
    enum class Art { Text, Datenfeld };

    // rahmen: the edit frame (fraText_B or fraDatenfeld_B), which also holds
    // the palette; fenster: the tool window, whose blnHFarbeAenderung a
    // chosen background colour sets. The chooser goes into rahmen's layout
    // (or any widget inside rahmen); the palette is placed from where the
    // chooser stands.
    Farbwahl(Art art, QWidget* rahmen, Werkzeugfenster& fenster);
    // Takes the palette out of the frame with it.
    ~Farbwahl() override;

    // The element the colours go to, asked at each click: the current text
    // or data field of the current label window. Without one (or when it
    // gives nullptr) only the samples change.
    void elementSetzen(std::function<Beschriftung*()> element) { m_element = std::move(element); }

    // The samples show these colours (when an element is loaded for editing).
    void musterSetzen(Farbe schrift, Farbe hintergrund);

    Farbziel ziel() const { return m_ziel; }
    // Open while "weitere..." can be seen.
    bool offen() const;

    // The controls, named as the frames name them (the data-field chooser's
    // names have "Df" in them: cmdDfFarbe, picDfFarbe2, cmdDfAbbrechenFarbe).
    QPushButton* cmdFarbe;
    QPushButton* cmdHFarbe;
    Farbfeld* picFarbe_S;
    Farbfeld* picFarbe_H;
    std::array<Farbfeld*, 16> picFarbe2{};
    std::array<Farbfeld*, 48> picW{};
    QPushButton* cmdWeitere;
    QPushButton* cmdAbbrechenFarbe;

    // The colours of the palettes by swatch index.
    static Farbe standardFarbe(int index);
    static Farbe weitereFarbe(int index);

public slots:
    // "Schriftfarbe" / "Hintergrundfarbe": show the standard palette (again)
    // for that colour; the 48 further swatches stay as they are.
    void cmdFarbe_Click();
    void cmdHFarbe_Click();
    // "weitere...": shows the 48 further swatches, or hides them when the
    // first of them is shown.
    void cmdWeitere_Click();
    // "Abbrechen": closes the palette; no colour changes.
    void cmdAbbrechenFarbe_Click();
    // A sample opens the palette for its colour, or closes an open palette
    // whatever it was opened for.
    void picFarbe_S_Click();
    void picFarbe_H_Click();
    // A palette swatch by index: its colour goes to the sample and the
    // element as the palette was opened for; the palette closes.
    void picFarbe2_Click(int index);
    void picW_Click(int index);

private:
    void oeffnen(Farbziel ziel);
    void schliessen();
    void farbeNehmen(Farbe c);
    void palettePlatzieren();

    Art m_art;
    QWidget* m_rahmen;
    Werkzeugfenster& m_fenster;
    Farbziel m_ziel = Farbziel::Keins;
    std::function<Beschriftung*()> m_element;
    // The palette's controls, which live in the frame, not in the chooser.
    std::vector<QPointer<QWidget>> m_palette;
};

} // namespace sorvo
