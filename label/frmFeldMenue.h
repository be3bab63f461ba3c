#pragma once
// The context menu of a label element: a small window without title bar
// with four entries (edit, one layer up, one layer down, explain a data
// field). It is modeless: it lights up the entry under the pointer, runs the
// clicked entry and closes itself afterwards or as soon as it loses the
// focus. Each opening makes a fresh window.
#include "platform/colour.h"

#include <QPointF>
#include <QWidget>
#include <array>
#include <cstdint>

class QLabel;

namespace sorvo {

class frmLabel;

class frmFeldMenue : public QWidget {
    Q_OBJECT
public:
    explicit frmFeldMenue(QWidget* parent = nullptr);
    ~frmFeldMenue() override;

    // 0 "Feld bearbeiten", 1 up, 2 down, 3 "Datenfeld erklären" (enabled
    // for data fields only).
    std::array<QLabel*, 4> lblSchaltflaeche{};
    Farbe BackColor(int i) const { return m_hinten.at(static_cast<size_t>(i)); }
    Farbe ForeColor(int i) const { return m_vorne.at(static_cast<size_t>(i)); }

    // Outer size in twips.
    int Width() const;
    int Height() const;
    // Position in twips, in the main window's client area, as placed.
    double Left() const { return m_links; }
    double Top() const { return m_oben; }
    // Puts the menu at a position in twips of the client area that bezug
    // (the label windows' parent) spans; without bezug, on the screen.
    void platzieren(double links, double oben, const QWidget* bezug);

    // Events.
    void Form_MouseMove();
    void lblSchaltflaeche_MouseMove(int Index);
    void lblSchaltflaeche_Click(int Index);
    void Form_LostFocus();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    // The enabled entry at a point of the window, or -1.
    int eintragBei(QPoint pos) const;
    void farbenSetzen(int i, Farbe hinten, Farbe vorne);
    void schliessen();

    std::array<Farbe, 4> m_hinten{};
    std::array<Farbe, 4> m_vorne{};
    double m_links = 0;
    double m_oben = 0;
    int m_gedrueckt = -1;
    bool m_warAktiv = false;
    bool m_geschlossen = false;
};

// Opens the context menu for element index of kind art of label window f;
// pos is the pointer inside the element in millimetres. Returns the menu,
// which deletes itself when it closes.
frmFeldMenue* FeldMenueOeffnen(frmLabel& f, int32_t art, int32_t index, QPointF pos);

// The text of the explanation box for a data field caption "<name>".
QString DatenfeldErklaerung(const QString& caption, const QString& dbArt);

} // namespace sorvo
