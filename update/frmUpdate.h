#pragma once
// Sorvo-Update: finds the installed program through the settings it wrote,
// refuses when the installation is missing or not older than this update,
// and copies the new program files over the installed ones.
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

namespace sorvo::update {

// The version this build installs, "Major.Minor.Revision".
QString eigeneVersion();

// What the version check decides for an installed and an update version.
enum class VersionUrteil {
    Laeuft,            // no installed version, or the update is higher
    NeuereOderGleiche, // same major and minor, same or lower revision; or unreadable
    Neuere,            // the installation has a higher major or minor number
};
VersionUrteil versionVergleichen(const QString& installiert, const QString& update);

class frmUpdate : public QWidget {
    Q_OBJECT
public:
    // updateOrdner: the folder that holds the new files (the updater's own);
    // version: the version the update installs.
    explicit frmUpdate(const QString& updateOrdner, const QString& version = eigeneVersion(),
                       QWidget* parent = nullptr);

    // Start sequence; false when the program has to end (a message was shown).
    bool Form_Load();
    void cmdStart_Click();

    QLabel* Image1;
    QLabel* lblAnzeige1;
    QLabel* lblAnzeige2;
    QPushButton* cmdStart;
    QTimer Timer1;

    // State set at start.
    QString updateVersion;
    std::array<QString, 26> Updatedateien;
    QString installationsOrdner;
    QString installierteVersion;

    // True once the program has to end (after a message or the success display).
    bool beendet() const { return m_beendet; }

signals:
    void beenden();

private:
    void KonstantenSetzen();
    void PfadeLesen();
    bool InstallationPruefen();
    void UpdateAusfuehren();
    void ende();

    QString m_updateOrdner;
    QString m_version;
    bool m_beendet = false;
};

// Cuts Pfad behind its last separator; returns how many separators it held.
int PfadTeileAbtrennen(QString& Pfad);

} // namespace sorvo::update
