#pragma once
// The picture-folder dialog: the user walks the mounted volumes and their
// folders and picks a picture file, or only a folder, for the tool window's
// picture panel. It is modeless, disables the main window while it shows,
// and is hidden rather than closed, so it keeps its folder and file.
#include <QDialog>
#include <QStringList>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace sorvo {

class frmTools;

// The picture files of a folder (bmp, jpg, gif, png, in any letter case),
// sorted by name ignoring case.
QStringList bildDateien(const QString& ordner);

class frmBild : public QDialog {
    Q_OBJECT
public:
    explicit frmBild(frmTools& werkzeuge);

    // The first opening: the lists start at the current folder.
    void Form_Load();

    QLabel* lblLaufwerk;
    QComboBox* Drive1;
    QLabel* lblVerzeichnis;
    QTreeWidget* Dir1;
    QLabel* lblDatei;
    QListWidget* File1;
    QLabel* Label1;
    QLabel* lblPfadAnzeiger;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

    // The folder chosen in Dir1, and the folder File1 lists.
    QString Dir1Pfad() const;
    void Dir1PfadSetzen(const QString& ordner);
    QString File1Pfad() const { return m_dateiOrdner; }

    void Drive1_Change();
    void Dir1_Change();
    void cmdOK_Click();
    void File1_DblClick();
    void cmdCancel_Click();

    void reject() override;

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    // Hands the choice to the tool window and hides the dialog.
    void uebernehmen(bool mitDatei);
    void hauptfensterFreigeben();

    frmTools& m_w;
    QString m_dateiOrdner;
};

} // namespace sorvo
