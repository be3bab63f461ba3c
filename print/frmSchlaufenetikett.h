#pragma once
// The loop-label dialog "Schlaufen- und Stecketiketten": five whole
// millimetre fields with "-" and "+" buttons. Opened by the new-label dialog
// it creates a new loop label; opened from the preview (DO().
// blnSchlaufeAusVorschau) it changes the grid of the current loop label.
#include <QDialog>
#include <QLineEdit>
#include <array>
#include <functional>

class QLabel;
class QPushButton;

namespace sorvo {

// A field of whole millimetres 0..32767: only digits go in (typed or
// pasted); anything else is refused with a beep.
class MmFeld final : public QLineEdit {
    Q_OBJECT
public:
    MmFeld(const QString& text, int kleinster, QWidget* parent = nullptr);
    int kleinster() const { return m_kleinster; }
    // The value; the smallest one for an empty field.
    int wert() const;
    // Leaving the field: empty or too small gives the smallest value.
    void verlassen();

protected:
    void focusOutEvent(QFocusEvent* e) override;

private:
    int m_kleinster;
};

class frmSchlaufenetikett : public QDialog {
    Q_OBJECT
public:
    explicit frmSchlaufenetikett(QWidget* parent = nullptr);

    // The fields in screen order, their captions and their buttons.
    enum Feld { EH = 0, EB, AR, maxTB, LV };
    MmFeld* txtEtikettenHoehe;
    MmFeld* txtEtikettenBreite;
    MmFeld* txtAbstandRand;
    MmFeld* txtmaxTextBreite;
    MmFeld* txtlinkerVersatz;
    std::array<MmFeld*, 5> felder;
    std::array<QLabel*, 5> beschriftungen;
    std::array<QPushButton*, 5>
        minus; // cmdEHMinus, cmdEBMinus, cmdARMinus, cmdmaxTBMinus, cmdLVMinus
    std::array<QPushButton*, 5> plus;
    QPushButton* cmdOK;
    QPushButton* cmdAbbrechen;

    // Runs when the dialog has closed: true when its OK made a new loop label.
    std::function<void(bool)> danach;

    void Form_Load();
    void plusKlick(Feld f);
    void minusKlick(Feld f);
    void cmdOK_Click();
    void cmdAbbrechen_Click();

    bool ausVorschau() const { return m_ausVorschau; }

protected:
    void reject() override;

private:
    void schliessen(bool erstellt);
    bool m_ausVorschau = false;
    bool m_geschlossen = false;
};

// Registers the dialog as the loop-label seam (nachbarn().schlaufenetikett).
void schlaufenetikettEinrichten();

} // namespace sorvo
