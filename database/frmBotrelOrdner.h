#pragma once
// The two folder dialogs for the sibling product: frmBotrelSuche asks for
// the folder of its program, frmBotrelBilder for its picture folder. The user
// picks a volume and a folder from the lists or types one and presses Enter;
// the folder is checked for the dialog's marker at once and OK is offered
// only for a folder that holds it. OK checks the text once more, so that a
// folder edited after its check is never stored unchecked.
#include <QDialog>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace sorvo {

class frmBotrelOrdner : public QDialog {
    Q_OBJECT
public:
    QGroupBox* Frame1;
    QComboBox* drvLaufwerk;
    QTreeWidget* dirVerzeichnisse;
    QLineEdit* txtVerzeichnis; // txtBotrelVerzeichnis / txtBotrelBildVerzeichnis
    QPushButton* cmdAbbrechen;
    QPushButton* cmdOK;
    QLabel* lblUeberschrift;
    QLabel* lblGefunden;
    QLabel* lblStatus;
    QLabel* lblOrdner;

    void drvLaufwerk_Change();
    void dirVerzeichnisse_Change();
    // Enter in the text box.
    void txtVerzeichnis_Enter();
    void cmdOK_Click();
    void cmdAbbrechen_Click();
    // Runs the opening steps (on activation); the dialog runs them itself
    // each time it is shown.
    virtual void Form_Activate() = 0;

    // The check: a separator is appended to the text when it has none; then
    // the marker is looked for under that folder. True when found.
    bool VerzeichnisPruefen();

protected:
    frmBotrelOrdner(QWidget* parent, const char* name, const QString& caption,
                    const QString& ueberschrift, const char* textName);
    // The drive change step: the folder list goes to the chosen volume's
    // current folder, the text box takes its path, the check runs.
    void laufwerkWechseln();
    // The folder shown first on a volume: the dialog's stored folder when it
    // lies on it, else the current folder when it does, else its root.
    QString aktuellerOrdnerVon(const QString& laufwerk) const;

    virtual bool markeVorhanden(const QString& ordner) const = 0;
    virtual QString gespeichert() const = 0;
    virtual void speichern(const QString& ordner) = 0;

    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
};

class frmBotrelSuche final : public frmBotrelOrdner {
    Q_OBJECT
public:
    explicit frmBotrelSuche(QWidget* parent = nullptr);
    QLineEdit* txtBotrelVerzeichnis;
    void Form_Activate() override;

protected:
    bool markeVorhanden(const QString& ordner) const override;
    QString gespeichert() const override;
    void speichern(const QString& ordner) override;
};

class frmBotrelBilder final : public frmBotrelOrdner {
    Q_OBJECT
public:
    explicit frmBotrelBilder(QWidget* parent = nullptr);
    QLineEdit* txtBotrelBildVerzeichnis;
    void Form_Activate() override;

protected:
    bool markeVorhanden(const QString& ordner) const override;
    QString gespeichert() const override;
    void speichern(const QString& ordner) override;
};

// Shows frmBotrelBilder modally (over the main window).
void BotrelBilderZeigen();
// Shows frmBotrelSuche modally.
void BotrelSucheZeigen();

} // namespace sorvo
