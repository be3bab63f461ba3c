#include "tests/database/db_fixture.h"

#include "database/frmDbTabwaehlen.h"
#include "database/frmTabAuswaehlen.h"
#include "label/frmLabel.h"
#include "platform/elements.h"

#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <memory>

namespace sorvo::test {

namespace {
QTemporaryDir& gemeinsam() {
    static QTemporaryDir d;
    return d;
}
} // namespace

void DbTest::SetUp() {
    MdiTest::SetUp();
    starten();
}

void DbTest::TearDown() {
    MdiTest::TearDown();
}

const QString& DbTest::ordner() {
    static const QString p = gemeinsam().path();
    return p;
}

const QString& DbTest::botrel() {
    static const QString p = pflanzenDatenbankSchreiben(
        ordner(), QStringLiteral("botrel.mdb"),
        {QStringLiteral("vxt"), QStringLiteral("vxs"), QStringLiteral("vxg"), QStringLiteral("vxa"),
         QStringLiteral("vxo"), QStringLiteral("vxf")});
    return p;
}

QString DbTest::kategorieDatei(const QString& art) {
    static std::map<QString, QString> dateien;
    auto& p = dateien[art];
    if (p.isEmpty())
        p = pflanzenDatenbankSchreiben(ordner(), QStringLiteral("pflanzen.") + art, {art});
    return p;
}

const QString& DbTest::eigene() {
    static const QString p = eigeneDatenbankSchreiben(ordner());
    return p;
}

QString DbTest::datei(const QString& name, const QByteArray& inhalt) const {
    const QString p = m_eigenerOrdner.filePath(name);
    QFile f(p);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
    return p;
}

frmDbAuswaehlen& DbTest::db(int32_t n) const {
    auto* d = dynamic_cast<frmDbAuswaehlen*>(&SchildDb(n));
    EXPECT_NE(d, nullptr);
    return *d;
}

int32_t DbTest::schildMitFeldern(const QStringList& captions) {
    const int32_t n = neuesSchild();
    frmLabel& f = Schild(n);
    // The elements go to the current window, which a window coming to the
    // front may have taken over.
    P().lngAktivesSchild = n;
    for (const QString& c : captions) {
        EXPECT_TRUE(f.DatenfeldNeu());
        const int32_t i = S(n).lngAktuellesDatenfeld;
        f.lblDatenfeld(i).setCaption(c);
        f.lblDatenfeld(i).setVisible(true);
    }
    return n;
}

void DbTest::botrelLaden(int32_t n, const QString& pfad, int kat) {
    // The user chooses from the menu of the window that has the focus; the
    // modal dialogs give the focus back to that window.
    Schild(n).SetFocus();
    P().lngAktivesSchild = n;
    SkriptDialoge d;
    d.oeffnen(pfad);
    if (pfad.right(3).compare(QStringLiteral("mdb"), Qt::CaseInsensitive) == 0)
        d.fenster([kat](QDialog& f) {
            auto& t = dynamic_cast<frmTabAuswaehlen&>(f);
            t.optTabelle[static_cast<size_t>(kat)]->setChecked(true);
            t.cmdOK->click();
        });
    m_mdi->mnuDbLaden_Click();
}

void DbTest::eigeneLaden(int32_t n, const QString& pfad, const QString& tabelle) {
    // The user chooses from the menu of the window that has the focus; the
    // modal dialogs give the focus back to that window.
    Schild(n).SetFocus();
    P().lngAktivesSchild = n;
    SkriptDialoge d;
    tabelleWaehlen(d, pfad, tabelle);
    m_mdi->mnuDbEigeneLaden_Click();
}

void DbTest::tabelleWaehlen(SkriptDialoge& d, const QString& pfad, const QString& tabelle) {
    d.oeffnen(pfad).fenster([tabelle](QDialog& f) {
        auto& t = dynamic_cast<frmDbTabwaehlen&>(f);
        const auto treffer = t.lstTabellen->findItems(tabelle, Qt::MatchExactly);
        ASSERT_EQ(treffer.size(), 1) << tabelle.toStdString();
        t.lstTabellen->setCurrentItem(treffer.front());
        emit t.lstTabellen->itemDoubleClicked(treffer.front());
    });
}

void DbTest::direktBinden(int32_t n, const QString& pfad, const QString& art) {
    P().lngAktivesSchild = n;
    S(n).strDbPfad = pfad;
    S(n).blnPflanzenDb = art != QStringLiteral("eig");
    db(n).BotrelDateiArt = art;
    S(n).blnDbGeladen = true;
    if (S(n).blnPflanzenDb)
        db(n).DbTabellenAnzeigen();
    else
        db(n).DbTabellenAnzeigenEigeneDb();
}

QStringList DbTest::spalte(const QString& feld) const {
    QStringList werte;
    const jet::Recordset* rs = w().Data1->recordset();
    if (!rs)
        return werte;
    const int i = rs->fieldIndex(feld);
    EXPECT_GE(i, 0) << feld.toStdString();
    for (int r = 0; r < rs->recordCount(); ++r) {
        const jet::Value v = rs->valueAt(r, i);
        werte << (v.isNull() ? QStringLiteral("<Null>") : v.toString());
    }
    return werte;
}

void DbTest::uebertragen(const QList<qint64>& artnr) {
    QTableView& g = w().sichtbaresGrid();
    g.clearSelection();
    const jet::Recordset* rs = w().Data1->recordset();
    ASSERT_NE(rs, nullptr);
    for (int r = 0; r < rs->recordCount(); ++r)
        if (artnr.contains(rs->valueAt(r, rs->fieldIndex(QStringLiteral("ARTNR"))).toInt64()))
            g.selectionModel()->select(g.model()->index(r, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
    w().cmdUebertragen->click();
}

std::vector<int32_t> DbTest::erzeugte() {
    std::vector<int32_t> e;
    for (int32_t i = 1; i <= P().hoechstesSchild(); ++i)
        if (!S(i).blnSchildFrei && Schild(i).Caption().contains(QStringLiteral("erzeugt von")))
            e.push_back(i);
    return e;
}

} // namespace sorvo::test
