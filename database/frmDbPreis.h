#pragma once
// The prices window: which prices file the price data fields of the current
// label window read, and which record field is joined with its first
// column. Also the price lookup of the record transfer.
#include "platform/jet/datacontrol.h"
#include "platform/jet/gridmodel.h"

#include <QDialog>
#include <QHash>
#include <optional>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTableView;

namespace sorvo {

class frmDbPreis : public QDialog {
    Q_OBJECT
public:
    explicit frmDbPreis(QWidget* parent = nullptr);

    QLabel* Label1;
    QGroupBox* Frame1;
    QLabel* lblDbPreise;
    QTableView* DBGrid1;
    jet::RecordsetModel* DBGrid1Spalten;
    jet::DataControl* Data1; // Connect "Text;"
    QPushButton* cmdDbPreiseNeu;
    QGroupBox* Frame2;
    QLabel* lblDatenfeld;
    QLabel* lblMoeglich;
    QListWidget* lstDbPreis; // sorted
    QLabel* lblinhalt;
    QPushButton* cmdOK;
    QPushButton* cmdAbbrechen;

    void Form_Activate();
    void lstDbPreis_DblClick();
    void cmdDbPreiseNeu_Click();
    void cmdOK_Click();
    void cmdAbbrechen_Click();

    // Fills lstDbPreis; an empty list empties it.
    void feldListeSetzen(const QStringList& namen);
    // The caption "Kein Datenfeld ausgewählt!" stands for no joined field.
    bool feldGewaehlt() const;

    // The first row of the prices table in Data1 whose key (column 1) is
    // this text, blanks and case included; -1 when there is none. A row
    // without a key matches nothing. The index behind it is made at the
    // first lookup of a binding. Throws what reading the table throws.
    int preisZeile(const QString& schluessel);

    // While it lives, a record transfer runs: every label it makes binds
    // the template's prices file again, which is read for the first label
    // only. Outside a transfer every binding reads the file as it is then.
    class EinmalLesen {
    public:
        EinmalLesen();
        ~EinmalLesen();
        EinmalLesen(const EinmalLesen&) = delete;
        EinmalLesen& operator=(const EinmalLesen&) = delete;
    };
    // Whether binding pfad can keep the rows Data1 holds: the running
    // transfer read that file already.
    bool imLaufGelesen(const QString& pfad) const;
    // Data1 has just read pfad.
    void gelesen(const QString& pfad);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    // Set while a transfer runs: the file Data1 read during it, empty
    // before the first.
    std::optional<QString> m_lauf;
    // Key text to its first row in Data1's table. Both go with every
    // Refresh of Data1.
    std::optional<QHash<QString, int>> m_zeilen;
};

// The one prices window, created hidden on first use.
frmDbPreis& DbPreis();

// The price of the record on which rs stands, for the current label window:
// its joined field (strPreisSpalte: a display name of the window's plant
// category, or a field name of an own table) is looked up in the first
// column of the bound prices table and the second column of the first
// equal row is returned; "?Preis?" when there is none. A prices table or a
// record that cannot be read gives "?Preis?" too, and is reported
// ("Keine gültige Preisdatenbank!"): in a box of its own, or, when fehler is
// given, in *fehler for its caller to tell.
QString PreisSuchen(const jet::Recordset& rs, QString* fehler = nullptr);

// The field of rs joined with the prices key for the current window; ""
// when strPreisSpalte names none.
QString PreisSchluesselFeld(const jet::Recordset& rs);

} // namespace sorvo
