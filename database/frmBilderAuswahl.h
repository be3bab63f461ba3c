#pragma once
// The picture choice window: up to ten pictures of one plant record side by
// side, each with its caption from the picture table; the user clicks one and
// takes it with OK, or takes none. The choice goes back through
// strBotrelBild of the record-choice window.
#include <QDialog>
#include <QRectF>
#include <array>
#include <cstdint>

class QGroupBox;
class QLabel;
class QPushButton;

namespace sorvo {

class frmDbSaetzeWaehlen;

class frmBilderAuswahl : public QDialog {
    Q_OBJECT
public:
    explicit frmBilderAuswahl(frmDbSaetzeWaehlen& saetze, QWidget* parent = nullptr);

    QLabel* lblKlick;
    QGroupBox* fraBilder;
    std::array<QLabel*, 10> imgBotrelBild{};
    std::array<QLabel*, 10> lblBilderText{};
    QPushButton* cmdAbbrechen;
    QPushButton* cmdOK;

    // Loading the window: the search fills its slots.
    void Form_Load();
    // After the window is up: one picture is taken at once, none beeps.
    void Form_Activate();
    // Sizes and places slot Nummer (0..9) for the picture file Bildpfad.
    void Vorschau(const QString& Bildpfad, int32_t Nummer);
    // Fills the window for the article number in strBilderUebergabe.
    void BilderSuchen();
    void imgBotrelBild_Click(int Index);
    void cmdOK_Click();
    void cmdAbbrechen_Click();

    int32_t BilderAnzahl() const { return m_lngBilderAnzahl; }
    // Whether slot i holds a picture (it has the hand pointer), its file,
    // and its place in the frame in twips.
    bool belegt(int i) const;
    QString bildPfad(int i) const { return m_strBildPfade[static_cast<size_t>(i)]; }
    QRectF slotTwips(int i) const { return m_slots[static_cast<size_t>(i)]; }

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void slotSetzen(int i, const QRectF& twips);

    frmDbSaetzeWaehlen& m_saetze;
    std::array<QString, 10> m_strBildPfade;
    std::array<QRectF, 10> m_slots;
    int32_t m_lngBilderAnzahl = 0;
};

} // namespace sorvo
