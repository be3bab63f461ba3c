#pragma once
// The program's main window with the database part, the test databases
// written once per test program, and helpers that bind a label window as a
// user would: through the menu, with the file dialog and the category or
// table window answered by the script.
#include "database/frmDbAuswaehlen.h"
#include "database/frmDbPreis.h"
#include "database/frmDbSaetzeWaehlen.h"
#include "tests/app/mdi_fixture.h"
#include "tests/database/support/pflanzen_dbs.h"

#include <QStringList>
#include <ostream>
#include <vector>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace sorvo::test {

class DbTest : public MdiTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The folder of the shared test databases and files.
    static const QString& ordner();
    // The sibling product's file with every category, "botrel.mdb".
    static const QString& botrel();
    // An own category file "pflanzen.<art>" with that category only.
    static QString kategorieDatei(const QString& art);
    // The own database with "Meine Pflanzen", "Einzeln", "Preis-Liste".
    static const QString& eigene();
    // A file of the test's own folder with these bytes.
    QString datei(const QString& name, const QByteArray& inhalt) const;

    frmDbSaetzeWaehlen& w() const { return DbSaetze(); }
    frmDbAuswaehlen& db(int32_t n) const;

    // A new label window with data fields of these captions.
    int32_t schildMitFeldern(const QStringList& captions = {QStringLiteral("<Bot Name>")});
    // Binds window n to file pfad of category index kat (0 .. 5) through
    // "Botrel-/Sorvo-Datenbank laden"; the category window is answered when
    // the file asks for one.
    void botrelLaden(int32_t n, const QString& pfad, int kat = 0);
    // Binds window n to table tabelle of the own database pfad through
    // "Eigene Datenbank laden".
    void eigeneLaden(int32_t n, const QString& pfad, const QString& tabelle);
    // Scripts that choice: the file dialog answered with pfad, the table
    // double-clicked in the table window.
    static void tabelleWaehlen(SkriptDialoge& d, const QString& pfad, const QString& tabelle);
    // Sets window n up as a template read from a file would be, and binds.
    void direktBinden(int32_t n, const QString& pfad, const QString& art);
    // Selects the grid rows of these article numbers and presses "Auf Schild
    // übertragen".
    void uebertragen(const QList<qint64>& artnr);
    // The windows the transfer generated, by number.
    static std::vector<int32_t> erzeugte();

    // The field values of Data1's record set in one field, row by row.
    QStringList spalte(const QString& feld) const;

    QTemporaryDir m_eigenerOrdner;
};

} // namespace sorvo::test
