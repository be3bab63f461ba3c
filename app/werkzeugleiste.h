#pragma once
// The strip of eight picture buttons below the menu bar. The buttons swap
// their own pictures: highlighted while the mouse is over them, pressed,
// normal, disabled.
#include <QLabel>
#include <QWidget>
#include <functional>
#include <vector>

namespace sorvo {

class Werkzeugleiste;

class BildKnopf : public QLabel {
    Q_OBJECT
public:
    BildKnopf(Werkzeugleiste* leiste, const QString& name, const QString& basis,
              const QString& tipp, int linksTwips);
    QString basis() const { return m_basis; }
    QString bild() const { return m_bild; }
    void bildSetzen(const QString& key);
    // "benutzt" while the button shows its highlighted or pressed picture.
    QString Tag;
    std::function<void()> klick;

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    Werkzeugleiste* m_leiste;
    QString m_basis;
    QString m_bild;
};

class Werkzeugleiste : public QWidget {
    Q_OBJECT
public:
    explicit Werkzeugleiste(QWidget* parent = nullptr);

    BildKnopf* knopf(const QString& name) const;
    const std::vector<BildKnopf*>& knoepfe() const { return m_knoepfe; }

    // The control name of the button under the mouse, or empty.
    QString AktiverButton;
    void NormaleButtons();
    // The mouse moved over a button / over no button.
    void mausUeber(BildKnopf* k);
    void mausWeg();

protected:
    void mouseMoveEvent(QMouseEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    std::vector<BildKnopf*> m_knoepfe;
};

} // namespace sorvo
