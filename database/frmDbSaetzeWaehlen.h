#pragma once
// The one record-choice window: the records of the current label window's
// database in a grid, filtered by initial letter and sorted by a header
// click, and the seven data controls through which every database access of
// the record choice and the record transfer runs.
#include "label/nachbarn.h"
#include "platform/jet/datacontrol.h"
#include "platform/jet/gridmodel.h"

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QGroupBox;
class QPushButton;
class QTableView;

namespace sorvo {

class frmDbAuswaehlen;

class frmDbSaetzeWaehlen : public QWidget, public DatensatzWahl {
    Q_OBJECT
public:
    explicit frmDbSaetzeWaehlen(QWidget* parent = nullptr);
    ~frmDbSaetzeWaehlen() override;

    QWidget* picButtons;
    QGroupBox* Frame1;
    QPushButton* cmdAlle;
    std::array<QPushButton*, 26> cmdAuswahl{}; // "A" .. "Z"
    QPushButton* cmdUebertragen;
    QPushButton* cmdSchliessen;
    QTableView* grdDataGrid; // plant databases: botanical and German name
    QTableView* grdEigeneDB; // a table of an own database: every field
    jet::RecordsetModel* grdDataGridSpalten;
    jet::RecordsetModel* grdEigeneDBSpalten;

    // Data1 the main record set, Data2 families, Data3 pictures, Data4 and
    // Data5 synonyms, Data6 and Data7 the woody-plant synonyms of the
    // cemetery kind.
    jet::DataControl* Data1;
    jet::DataControl* Data2;
    jet::DataControl* Data3;
    jet::DataControl* Data4;
    jet::DataControl* Data5;
    jet::DataControl* Data6;
    jet::DataControl* Data7;
    // Data(1) .. Data(7).
    jet::DataControl& Data(int i) const;

    bool blnAnfangsPosition = false;
    QString strBilderUebergabe;
    QString strBotrelBild;
    long ESZaehler = 0;

    // What "Auf Schild übertragen" runs: the record transfer below, unless
    // replaced (tests that only watch the button).
    std::function<void()> Uebertragung;

    // The record transfer: every row selected in the visible grid becomes a
    // label window copied from the current one (the template), its data
    // fields replaced by texts of that record. A record that cannot be read
    // is reported and skipped; the windows are unlocked at the end in every
    // case.
    void DatensaetzeUebertragen();
    // The printable text of a value of column strSpalte for the current
    // window's database kind. maxBreite, maxHoehe and DfNummer are not used.
    QString Uebersetzung(const jet::Value& strUebergabe, const QString& strSpalte,
                         int32_t maxBreite, int32_t maxHoehe, int32_t DfNummer = 0) const;
    // A new text element of the current window showing strDfUebersetzung,
    // with the look, place and stacking level of data field
    // lngDatenfeldIndex; false when the window holds as many texts as it may
    // (the user was told, no element changed). It leaves the data field.
    bool TextSchreiben(const QString& strDfUebersetzung);

    void cmdAlle_Click();
    void cmdAuswahl_Click(int Index);
    void cmdUebertragen_Click();
    void cmdSchliessen_Click();
    void grdDataGrid_HeadClick(int ColIndex);
    void grdEigeneDB_HeadClick(int ColIndex);
    // The value of field Feld of Data1's current record; Null comes back as
    // the empty text.
    jet::Value FeldWertLesen(const QString& Feld) const;
    // The rows selected in the visible grid, in row order.
    QList<jet::Bookmark> SelBookmarks() const;
    // The grid the binding made visible.
    QTableView& sichtbaresGrid() const;
    // The label window whose records this window offers: the one bound last
    // while it stays bound, else the current one. After a transfer a
    // generated label may be current; it has no records to offer.
    int32_t bedientesSchild() const;
    void SchildBedienen(int32_t n) { m_bedientesSchild = n; }

    // Outer size in twips.
    int Width() const;
    int Height() const;

    // DatensatzWahl
    void platzhalterBinden(const QString& programmOrdner) override;
    void setESZaehler(long n) override { ESZaehler = n; }
    void entladen() override;
    void oeffnen() override;

protected:
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    // Runs one query into Data1; a source the engine refuses is reported
    // once and leaves the grid empty.
    void abfragen(const QString& sql);
    // "Alle", a letter (wert 0 = "A") or a header click (wert = the grid
    // column), by the plant tables' rule or an own table's.
    enum class Abfrage { Alle, Buchstabe, Spalte };
    void abfragen(Abfrage art, int wert, bool pflanzen);
    QString feld(int k) const;
    int32_t m_bedientesSchild = 0;
    void Form_Resize();
    bool m_entladen = false;

    // One record: the copy, its data-field walk and its finishing.
    void DatenfelderFuellen();
    // What the running transfer reads once for all its records.
    struct Lauf;
    Lauf* m_lauf = nullptr;
    // The ordinary-column path for data field lngDatenfeldIndex of window w.
    void SpaltenDurchlaufen(int32_t w, const QString& caption);
    // The branches of the pseudo data fields; each leaves the field removed.
    void BereichFuellen(int32_t w, const QString& caption);
    void SynonymeFuellen(int32_t w, bool deutsch);
    void EigenschaftFuellen(int32_t w, const QString& caption, const QStringList& eigenschaften);
    // Returns why the price could not be looked up, "" when it could.
    QString PreisFuellen(int32_t w);

    int32_t lngDatenfeldIndex = 0;
    QString strDfText;

    // What the running transfer could not do, told once at its end: per
    // failure (a record, or a data field and its error) the number of
    // records it happened in; and the pictures that could not be read.
    struct Fehlschlag {
        QString was;
        int saetze = 0;
    };
    std::vector<Fehlschlag> m_fehlschlaege;
    QStringList m_unlesbareBilder;
    // Counts one more record for this failure.
    void fehlschlagZaehlen(const QString& was);
    void fehlschlaegeMelden(qsizetype saetze);
};

// A record's article number as a whole number of 64 bits; none for Null, an
// empty text or a value that is no whole number, so that nothing is looked
// up for it.
std::optional<qint64> artikelNummer(const jet::Value& v);

// The one record-choice window, created hidden on first use.
frmDbSaetzeWaehlen& DbSaetze();
// Replaces it (tests); nullptr lets the next use create a fresh one.
void DbSaetzeSetzen(frmDbSaetzeWaehlen* fenster);

} // namespace sorvo
