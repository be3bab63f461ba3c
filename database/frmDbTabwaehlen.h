#pragma once
// The table window: which table of an own database a label window is bound
// to. Shown modally; a double click on a table chooses it.
#include <QDialog>

class QListWidget;
class QPushButton;

namespace sorvo {

class DatenbankAuswahl;

class frmDbTabwaehlen : public QDialog {
    Q_OBJECT
public:
    explicit frmDbTabwaehlen(DatenbankAuswahl& ziel, QWidget* parent = nullptr);

    QListWidget* lstTabellen; // unsorted, as the engine lists the tables
    QPushButton* cmdAbbrechen;

    void lstTabellen_DblClick();
    void cmdAbbrechen_Click();

private:
    DatenbankAuswahl& m_ziel;
};

} // namespace sorvo
