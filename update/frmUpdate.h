#pragma once
// Sorvo-Update: finds the installed program through the settings it wrote,
// refuses when the installation is missing or not older than this update,
// and copies the new program files over the installed ones.
#include <QString>
#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>

class QLabel;
class QPushButton;

namespace sorvo::update {

class frmUpdate : public QWidget {
    Q_OBJECT
public:
    // updateOrdner: the folder that holds the new files (the updater's own).
    explicit frmUpdate(const QString& updateOrdner, QWidget* parent = nullptr);

    // Start sequence; false when the program has to end (a message was shown).
    bool Form_Load();
    void cmdStart_Click();

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
    bool m_beendet = false;
};

// Cuts Pfad behind its last separator; returns how many separators it held.
int PfadTeileAbtrennen(QString& Pfad);

// A whole number read with the German rules: "." groups digits and is
// skipped, "," is the decimal separator, halves round to the even number.
std::optional<int> deutscheGanzzahl(const QString& text);

} // namespace sorvo::update
