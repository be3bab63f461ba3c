#pragma once
// The new-label dialog: the size of a new label in millimetres, one of the
// standard formats, the orientation, or the branch to loop labels.
#include <QDialog>
#include <optional>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace sorvo {

class frmNeu : public QDialog {
    Q_OBJECT
public:
    explicit frmNeu(QWidget* parent = nullptr);

    QLabel* lblInfo;
    QLabel* lblBreite;
    QLineEdit* txtBreite;
    QLabel* lblHoehe;
    QLineEdit* txtHoehe;
    QComboBox* cboFormat;
    QGroupBox* fraHQ;
    QRadioButton* optHQ[2]; // 0 "Hochformat", 1 "Querformat"
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    void Form_Load();
    void cboFormat_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void ausrichtungGeaendert();
    bool m_fertig = false;
};

// Reads a size typed in the dialog: "," and "." both serve as decimal
// separator. Empty when the text is no number.
std::optional<double> masszahlLesen(const QString& text);

} // namespace sorvo
