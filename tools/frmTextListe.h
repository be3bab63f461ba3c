#pragma once
// The two dialogs that change the stock-text list FeldListe.dat: adding an
// entry (frmText_Neu) and changing or deleting one (frmEdit). Both are
// modal, made afresh for each opening and gone when closed; afterwards the
// tool window reloads its list and highlights the entry handed back in its
// strFeldListeEintrag.
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace sorvo {

class frmTools;

class frmText_Neu : public QDialog {
    Q_OBJECT
public:
    explicit frmText_Neu(frmTools& werkzeuge);

    QLabel* lblInfo;
    QLineEdit* txtText;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    void cmdOK_Click();
    void cmdCancel_Click();
    void reject() override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    frmTools& m_w;
    bool m_fertig = false;
};

class frmEdit : public QDialog {
    Q_OBJECT
public:
    explicit frmEdit(frmTools& werkzeuge);

    // Fills the list from the file and selects the entry handed over.
    void Form_Load();

    QLabel* lblInfo;
    QListWidget* lstFeld;
    QLineEdit* txtFeld;
    QPushButton* cmdOK;
    QPushButton* cmdClear;
    QPushButton* cmdCancel;

    void lstFeld_Click();
    void cmdOK_Click();
    void cmdClear_Click();
    void cmdCancel_Click();
    void reject() override;

    // Position of the selected entry in lstFeld, -1 before one was chosen.
    int index() const { return m_index; }

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    // Removes the chosen entry and rewrites the file from the rest.
    void loeschenUndSchreiben();
    // Writes the list; on failure the file stays as it was.
    bool schreiben();
    // Closes, reloads the tool window's list and highlights the entry
    // handed back (none when markieren is false).
    void beenden(bool markieren);

    frmTools& m_w;
    int m_index = -1;
    bool m_fertig = false;
};

// The tool window reloads its stock texts, takes the focus to them and
// selects the first entry equal to its strFeldListeEintrag (markieren).
void stockTexteNeuLaden(frmTools& w, bool markieren);

} // namespace sorvo
