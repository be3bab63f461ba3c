#pragma once
// The print settings dialog "Einstellungen - Druck": the current label
// window's four margins, centring on the page with its kept margins, the
// printed label boundary and its colour, the loop-label counts, and the
// printer's paper. OK stores them and redraws an open preview.
#include <QDialog>
#include <QRect>
#include <array>
#include <memory>
#include <utility>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace sorvo {

class clsPrintDialog;

class frmDrucker : public QDialog {
    Q_OBJECT
public:
    explicit frmDrucker(QWidget* parent = nullptr);
    ~frmDrucker() override;

    // Paper code to its German name ("" for a code without one).
    QString FormatUebers(long intUebergabe) const;

    QGroupBox* fraBenutzer;
    std::array<QLabel*, 2> lblPGroesse;
    std::array<QLineEdit*, 2> txtPGroesse; // paper width, height
    QLabel* lblmm1;
    QGroupBox* fraGrenzen;
    std::array<QLabel*, 4> lblGrenze;
    std::array<QLineEdit*, 4> txtGrenze; // left, right, top, bottom margin
    QLabel* lblmm2;
    QGroupBox* fraZentrieren;
    QCheckBox* chkHZentrieren;
    QCheckBox* chkVZentrieren;
    QGroupBox* fraSchlaufen;
    QLabel* Label2;
    QLineEdit* txtAnzahlSpalten;
    QLabel* Label3;
    QLineEdit* txtAnzahlWiederholungen;
    QPushButton* cmdDruckerEinrichten;
    QGroupBox* fraGrenze;
    QCheckBox* chkRahmenDrucken;
    QLabel* Label1;
    QComboBox* lstGrenzFarbe;
    QPushButton* cmdAbbrechen;
    QPushButton* cmdOK;
    // Below the dialog's visible area, hidden: out of the user's reach.
    QGroupBox* fraFormat;
    QComboBox* cboPapierformat;
    QRadioButton* optHoch;
    QRadioButton* optQuer;
    QLabel* lblPapierformat;
    QPushButton* Command1;

    void Form_Load();
    void cboPapierformat_Click();
    // Run when the user clicks the box (its new state is already set).
    void chkHZentrieren_Click();
    void chkVZentrieren_Click();
    void cmdDruckerEinrichten_Click();
    // Stores and closes; a box that holds no number is refused with a
    // message and the dialog stays open.
    void cmdOK_Click();
    void cmdAbbrechen_Click();
    void Command1_Click();

protected:
    void reject() override;

private:
    // Records a control's designed place in twips; anordnen places them all.
    void platz(QWidget* w, int links, int oben, int breite, int hoehe);
    void anordnen();
    void papierGruppeFreigeben(bool an);
    // The click rule of a centring box: horizontal boxes 0 and 1, vertical 2 and 3.
    void zentrierenKlick(QCheckBox* box, int erste);
    void grenzenRahmenSetzen();

    std::unique_ptr<clsPrintDialog> prtDlg;
    std::vector<std::pair<QWidget*, QRect>> m_plaetze;
};

// The frame colours of the list, in its order, as stored decimal RGB texts.
inline constexpr std::array<const char*, 5> kRahmenFarben = {"16711680", "65535", "65280", "255",
                                                             "0"};

// Opens the dialog for the current label window, modal to the program; it
// returns at once and the dialog closes itself by OK or Abbrechen.
frmDrucker* druckerEinstellungenZeigen();

// Registers the dialog as the print settings the preview opens
// (DO().druckerEinstellungen).
void druckerEinrichten();

} // namespace sorvo
