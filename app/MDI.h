#pragma once
// The main window: menus, toolbar, the label windows inside it, start-up
// and shutdown.
#include "label/nachbarn.h"

#include <QMainWindow>
#include <QTimer>
#include <map>
#include <memory>

class QMdiArea;
class QMenu;

namespace sorvo {

class Werkzeugleiste;
class clsPrintDialog;
class frmTools;

class MDI : public QMainWindow, public Hauptfenster {
    Q_OBJECT
public:
    explicit MDI(QWidget* parent = nullptr);
    ~MDI() override;

    // Start-up of the main window, in its fixed order.
    void MDIForm_Load();

    // Hauptfenster
    QMdiArea* mdiBereich() override { return m_bereich; }
    QWidget* widget() override { return this; }
    void menuAktivSetzen(const QString& name, bool aktiv) override;
    bool menuAktiv(const QString& name) const override;
    void knopfSetzen(const QString& name, bool aktiv, const QString& bild) override;
    bool knopfAktiv(const QString& name) const override;
    int Width() const override;
    int Height() const override;
    QIcon fensterIcon(const QString& key) const override;
    void SetFocus() override;
    void knoepfeNormal() override;

    QAction* menu(const QString& name) const;
    Werkzeugleiste* picMenue() const { return m_leiste; }
    frmTools* werkzeuge() const { return m_tools; }
    // The print-dialog object, created by the load and kept for the run.
    clsPrintDialog* prtDlg() const { return m_prtDlg.get(); }

    // Geometry in twips and the window state (0 normal, 1 minimised, 2 maximised).
    void geometrieSetzen(int links, int oben, int breite, int hoehe, int status);
    QRect normaleGeometrie() const;
    int fensterStatus() const;

    // Menu and toolbar handlers.
    void mnuDateiNeu_Click();
    void mnuDateiOeffnen_Click();
    void mnuDateiSpeichern_Click();
    void mnuDateiSpeichernunter_Click();
    void mnuDateiSchliessen_Click();
    void mnuDruckenEinstellungen_Click();
    void mnuDateiDVorschau_Click();
    void mnuDateiDrucken_Click();
    void mnuDruckerEinrichten_Click();
    void mnuBeenden_Click();
    void mnuDbLaden_Click();
    void mnuDbEigeneLaden_Click();
    void mnuDBWechseln_Click();
    void mnuDbEntladen_Click();
    void mnuDbDatensaetzeWaehlen_Click();
    void mnuPreisedatenbank_Click();
    void mnuBotrelSuchen_Click();
    void mnuBotrelBilderSuchen_Click();
    void mnuBotrelStarten_Click();
    void mnuBotrelEditorRun_Click();
    void mnuOptionen_Click();
    void mnuFensterUeberlappend_Click();
    void mnuFensterNebeneinander_Click();
    void mnuFensterUntereinander_Click();
    void mnuInhalt_Click();
    void mnuUeberSorvo_Click();
    void cmdBack_Click();
    void cmdNext_Click();
    void cmdDruckNeueSchilder_Click();

    QTimer timBotrel;
    QTimer timBotrelEditor;

    // True once the shutdown has written the settings.
    bool beendet() const { return m_beendet; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void menuesAnlegen();
    void ProgrammMenuesFreigeben();
    void MDIForm_Unload();
    void fensterListeAufbauen();
    void anordnen(bool nebeneinander);
    void werkzeugFokus();
    void geschwisterStarten(const QString& ordner, const QString& datei, QTimer& timer);
    void generiertesSchildSuchen(int schritt);

    QMdiArea* m_bereich;
    Werkzeugleiste* m_leiste;
    frmTools* m_tools = nullptr;
    std::unique_ptr<clsPrintDialog> m_prtDlg;
    std::map<QString, QAction*> m_menues;
    QMenu* m_fensterMenue = nullptr;
    std::vector<QAction*> m_fensterListe;
    bool m_beendet = false;
};

} // namespace sorvo
