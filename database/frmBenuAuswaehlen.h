#pragma once
// The property chooser: which of the five user-defined properties of the
// current label window's category a new data field shows. Shown modally by
// the tool window; the chosen name goes to the tool window's BenuUebergabe,
// "" when the choice is cancelled (Abbrechen, Escape or the close box).
#include <QDialog>
#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace sorvo {

class frmBenuAuswaehlen : public QDialog {
    Q_OBJECT
public:
    explicit frmBenuAuswaehlen(QWidget* parent = nullptr);

    QGroupBox* Frame1;
    // "Benu. Eigenschaft 1" .. "5" until Form_Load puts the names of the
    // window's category in; option 0 is chosen when the window opens.
    std::array<QRadioButton*, 5> optBenuEigen{};
    QPushButton* cmdOK;
    QPushButton* cmdAbbrechen;

    void Form_Load();
    void cmdOK_Click();
    void cmdAbbrechen_Click();

    // The escape key and the close box cancel.
    void reject() override;
};

} // namespace sorvo
