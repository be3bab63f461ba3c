#pragma once
// The tool window beside the labels. It is a child window of the main
// window, so its position compares directly with the label windows'.
#include "label/nachbarn.h"

#include <QMdiSubWindow>

class QGroupBox;
class QPushButton;

namespace sorvo {

class frmTools : public QMdiSubWindow, public Werkzeugfenster {
    Q_OBJECT
public:
    explicit frmTools(QWidget* parent = nullptr);

    // Width 3075 twips; unless it follows the label windows, the window
    // stands at the top right inside the main window (width in twips).
    void Form_Load(int hauptfensterBreite, bool folgt);

    QGroupBox* fraEinfuegen;
    QPushButton* cmdEinfuegenBild;
    QPushButton* cmdEinfuegenText;
    QPushButton* cmdEinfuegenDatenFeld;

    void setCaption(const QString& c) override { setWindowTitle(c); }
    QString Caption() const override { return windowTitle(); }
    void setHeight(int twips) override;
    int Height() const override;
    void setVisible(bool v) override { QMdiSubWindow::setVisible(v); }
    bool Visible() const override { return isVisible(); }
    void SetFocus() override;
    void NeuePosition() override;
    void einfuegenKnoepfeAktivieren(bool aktiv) override;
    bool einfuegenKnoepfeAktiv() const override;
    void maxBreiteLeeren(bool datenfeld) override;

    int Width() const;
    int Left() const;
    int Top() const;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    // The height as set; the window itself holds whole pixels.
    int m_hoeheTwips = 1850;
};

} // namespace sorvo
