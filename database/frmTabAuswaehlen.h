#pragma once
// The category window: which plant category of the sibling product's
// database a label window is bound to. Shown modally; it writes the kind
// code into the database-choice object it was given.
#include <QDialog>
#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace sorvo {

class DatenbankAuswahl;

class frmTabAuswaehlen : public QDialog {
    Q_OBJECT
public:
    explicit frmTabAuswaehlen(DatenbankAuswahl& ziel, QWidget* parent = nullptr);

    QGroupBox* Frame1;
    // "Topfpflanzen", "Stauden", "Gehölze", "Apfelsorten", "Obstsorten",
    // "Friedhofspflanzen"; option 0 is chosen when the window opens.
    std::array<QRadioButton*, 6> optTabelle{};
    QPushButton* cmdOK;
    QPushButton* cmdAbbrechen;

    void cmdOK_Click();
    void cmdAbbrechen_Click();

private:
    DatenbankAuswahl& m_ziel;
};

} // namespace sorvo
