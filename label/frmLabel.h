#pragma once
// The label window: one label, its elements and its window events. It is a
// child window of the main window; its client area has a millimetre scale.
#include <QMdiSubWindow>
#include <cstdint>

namespace sorvo {

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
    double ScaleWidth() const;
    double ScaleHeight() const;
    double pixelProMm() const;

    bool Visible() const { return isVisible(); }
    void setVisible(bool v) override;
    bool Enabled() const { return isEnabled(); }
    void SetFocus();

    // Window events.
    void Form_Activate();
    void Form_MouseDown(Qt::MouseButton button, double xMm, double yMm);
    // The close request; returns Cancel (true keeps the window).
    bool QueryUnload(int modus);
    // Asks the window to close as the menu's Close command does.
    void schliessen(int modus = DurchProgramm);

    QWidget* flaeche() const { return m_flaeche; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    // Deletes every element; the controls stay for the next label.
    void elementeLeeren();

    QString m_tag;
    QWidget* m_flaeche;
    int m_modus = DurchBenutzer;
};

// Sizes frm so that its inner area is Breite x Hoehe millimetres.
void FenstergroesseSetzen(float& Breite, float& Hoehe, frmLabel& frm);

} // namespace sorvo
