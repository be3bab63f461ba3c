// The record transfer: every chosen record becomes a label window copied
// from the template, whose data fields are replaced by texts of that record.
#include "catalogue/mdlDruck.h"
#include "database/bildfeld.h"
#include "database/frmDbAuswaehlen.h"
#include "database/frmDbPreis.h"
#include "database/frmDbSaetzeWaehlen.h"
#include "label/frmLabel.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/canvas.h"
#include "platform/dialogs.h"
#include "platform/system.h"
#include "template/vorlage.h"

#include <QCoreApplication>
#include <QMdiArea>
#include <QPointer>
#include <QTableView>
#include <algorithm>
#include <cmath>
#include <optional>

namespace sorvo {

namespace {

const QString kPreis = QStringLiteral("<Sorvo-Preis>");
const QString kBild = QStringLiteral("<Bild>");
const QString kSyn = QStringLiteral("<Syn.>");
const QString kDeuName = QStringLiteral("<Deu Name>");
const QString kHoehe = QStringLiteral("<Höhe>");
const QString kHoeheBlueten = QStringLiteral("<Höhe Blüten>");
const QString kDurchmesser = QStringLiteral("<Durchmesser max>");
const QString kTemperatur = QStringLiteral("<Temperatur>");
const QString kBeleuchtung = QStringLiteral("<Beleuchtung>");

const jet::Recordset& datensatz(const jet::DataControl& d) {
    const jet::Recordset* rs = d.recordset();
    if (!rs)
        throw jet::JetError(jet::fehler::KeinAktuellerDatensatz,
                            QStringLiteral("Kein aktueller Datensatz."));
    return *rs;
}

// A value counts as given when it is neither Null nor 0, nor a number that
// is none (NaN, an infinity), which prints nothing.
bool gegeben(const jet::Value& v) {
    if (v.isNull())
        return false;
    if (v.isNumber())
        return std::isfinite(v.toDouble()) && v.toDouble() != 0;
    const QString t = Textform(v).trimmed();
    if (t.isEmpty())
        return false;
    bool zahl = false;
    const double d = QString(t).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&zahl);
    return !zahl || (std::isfinite(d) && d != 0);
}

// Columns of a cemetery record that belong to the other group of entries:
// woody entries ("010") have no perennial columns and the reverse.
bool uebergangen(const QString& db, int j) {
    if (db == QLatin1String("010"))
        return (j >= 55 && j <= 96) || j == 98 || j == 100 || j == 101 || j == 14 || j == 15;
    if (db == QLatin1String("100"))
        return (j >= 24 && j <= 54) || j == 97 || j == 99 || j == 101 || j == 19 || j == 14 ||
               j == 15;
    return false;
}

// "min. 3 m", "max. 2 m", "0,5 - 1,2 m"; "" when neither value is given.
QString bereichText(const jet::Value& minimum, const jet::Value& maximum, const QString& einheit) {
    const bool min = gegeben(minimum), max = gegeben(maximum);
    if (min && max)
        return Textform(minimum) + QStringLiteral(" - ") + Textform(maximum) + einheit;
    if (min)
        return QStringLiteral("min. ") + Textform(minimum) + einheit;
    if (max)
        return QStringLiteral("max. ") + Textform(maximum) + einheit;
    return {};
}

void hoppla(const char* text) {
    dialoge().meldung(QString::fromUtf8(text), Msg::OK, programmTitel());
}

bool istBereich(const QString& c) {
    return c == kHoehe || c == kDurchmesser || c == kHoeheBlueten || c == kTemperatur ||
           c == kBeleuchtung;
}

// While records are transferred the main window's area keeps its scroll
// bars as they are: it would otherwise measure every open label window
// whenever a new one is sized or placed. Nor is it drawn before the
// transfer ends, though the events each new window posts are delivered as
// soon as it is made.
class BildlaufleistenRuhe {
public:
    BildlaufleistenRuhe() {
        if (auto* m = nachbarn().mdi)
            m_bereich = m->mdiBereich();
        if (!m_bereich)
            return;
        m_waagerecht = m_bereich->horizontalScrollBarPolicy();
        m_senkrecht = m_bereich->verticalScrollBarPolicy();
        m_zeichnen = m_bereich->updatesEnabled();
        m_bereich->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_bereich->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        m_bereich->setUpdatesEnabled(false);
    }
    ~BildlaufleistenRuhe() {
        if (!m_bereich)
            return;
        m_bereich->setUpdatesEnabled(m_zeichnen);
        m_bereich->setHorizontalScrollBarPolicy(m_waagerecht);
        m_bereich->setVerticalScrollBarPolicy(m_senkrecht);
    }
    BildlaufleistenRuhe(const BildlaufleistenRuhe&) = delete;
    BildlaufleistenRuhe& operator=(const BildlaufleistenRuhe&) = delete;

private:
    QPointer<QMdiArea> m_bereich;
    Qt::ScrollBarPolicy m_waagerecht = Qt::ScrollBarAsNeeded;
    Qt::ScrollBarPolicy m_senkrecht = Qt::ScrollBarAsNeeded;
    bool m_zeichnen = true;
};

QList<jet::Bookmark> lesezeichen(const QTableView& g) {
    if (!g.selectionModel())
        return {};
    return static_cast<const jet::RecordsetModel*>(g.model())->selectedBookmarks(
        *g.selectionModel());
}

} // namespace

// The template is read, and the names of the user-defined properties
// loaded, once per transfer.
struct frmDbSaetzeWaehlen::Lauf {
    Vorlagenkopie kopie;
    bool namenGelesen = false;
    frmDbPreis::EinmalLesen preise;
};

QList<jet::Bookmark> frmDbSaetzeWaehlen::SelBookmarks() const {
    return lesezeichen(sichtbaresGrid());
}

void frmDbSaetzeWaehlen::DatensaetzeUebertragen() {
    auto& p = P();
    // The copies are made of the template, as the current window.
    p.lngAktivesSchild = p.lngVorlagenSchild = bedientesSchild();
    const int32_t vorlage = p.lngVorlagenSchild;
    QList<jet::Bookmark> auswahl;
    if (vorlage >= 1 && vorlage <= p.hoechstesSchild())
        auswahl = lesezeichen(S(vorlage).blnPflanzenDb ? *grdDataGrid : *grdEigeneDB);
    std::optional<BildlaufleistenRuhe> ruhe;
    std::optional<Lauf> lauf;
    std::optional<GrosseBloeckeBehalten> speicher;
    if (!auswahl.isEmpty()) {
        ruhe.emplace();
        lauf.emplace();
        // A label window with its elements and texts takes about 30 kB.
        constexpr std::size_t kProFenster = 40 * 1024;
        speicher.emplace(static_cast<std::size_t>(auswahl.size()) * kProFenster);
    }
    m_lauf = lauf ? &*lauf : nullptr;
    m_fehlschlaege.clear();
    m_unlesbareBilder.clear();
    int32_t zuletzt = 0; // the window made last
    for (const jet::Bookmark& b : auswahl) {
        try {
            jet::Recordset* rs = Data1->recordset();
            if (!rs)
                throw jet::JetError(jet::fehler::KeinAktuellerDatensatz,
                                    QStringLiteral("Kein aktueller Datensatz."));
            rs->setBookmark(b);
            DatenfelderFuellen();
        } catch (const jet::JetError& e) {
            fehlschlagZaehlen(LaufzeitfehlerText(e));
        } catch (const Laufzeitfehler& e) {
            fehlschlagZaehlen(e.meldungsText());
        } catch (const std::exception& e) {
            // Whatever else failed, the next record is tried, the windows are
            // unlocked at the end, and the user is told once.
            fehlschlagZaehlen(QString::fromLocal8Bit(e.what()));
        }
        // A window that was made counts, also when one of its fields failed.
        if (p.lngAktivesSchild != vorlage) {
            zuletzt = p.lngAktivesSchild;
            Schild(zuletzt).ObjekteAusrichten();
            ++ESZaehler;
        }
        p.lngAktivesSchild = vorlage;
    }
    m_lauf = nullptr;
    lauf.reset();
    ruhe.reset();
    speicher.reset();
    fehlschlaegeMelden(auswahl.size());
    AllesFreigeben();
    if (ESZaehler > 1)
        NavigationEin();
    // The template, when the option asks for it, else the label made last is
    // the current window and the one in front: the menus and the print
    // commands act on the window the user sees. The copies were shown
    // without being raised one by one, so this is the one raise of the
    // transfer.
    const int32_t vorn = p.blnVorlageVordergrund || zuletzt == 0 ? vorlage : zuletzt;
    p.lngAktivesSchild = vorlage;
    if (vorn >= 1 && vorn <= p.hoechstesSchild() && !S(vorn).blnSchildFrei) {
        frmLabel& f = Schild(vorn);
        f.SetFocus();
        f.raise();
        p.lngAktivesSchild = vorn;
    }
}

void frmDbSaetzeWaehlen::DatenfelderFuellen() {
    hide();
    unlesbareBilderNehmen(); // of no earlier copy
    if (m_lauf) {
        m_lauf->kopie.kopieren();
        // Qt searches the queue of posted events whenever a window posts
        // one that replaces an earlier; left to the end of the transfer, it
        // would hold the events of every window made so far. Delivered
        // while the window still has its short caption, the title bar's
        // measuring costs less.
        QCoreApplication::sendPostedEvents();
    } else {
        VorlageKopieren();
    }
    for (const QString& bild : unlesbareBilderNehmen())
        if (!m_unlesbareBilder.contains(bild))
            m_unlesbareBilder << bild;
    const int32_t w = P().lngAktivesSchild;
    auto& e = S(w);
    frmLabel& f = Schild(w);
    DatenbankAuswahl& db = SchildDb(w);
    const bool pflanzen = e.blnPflanzenDb;

    // The five property captions of the window's category; none for another
    // kind.
    QStringList namen, eigenschaften;
    if (pflanzen) {
        // The names cannot change within one transfer.
        if (!m_lauf || !m_lauf->namenGelesen)
            BenutzerNamenLaden(e.strDbPfad);
        if (m_lauf)
            m_lauf->namenGelesen = true;
        if (const auto k = kategorieAusArt(db.BotrelDateiArt))
            for (const QString& n : P().strBenuNamen[static_cast<size_t>(*k)]) {
                namen << n;
                eigenschaften << QLatin1Char('<') + n + QLatin1Char('>');
            }
    }

    // A read that fails costs only its own data field, which is removed so
    // that no placeholder is printed; every other field is still filled.
    // The failures are told once at the end of the transfer.
    QStringList fehlgeschlagen; // of this record, each counted once
    const auto merken = [&](const QString& caption, const QString& fehler) {
        const QString was = caption + QStringLiteral(": ") + fehler;
        if (!fehlgeschlagen.contains(was))
            fehlgeschlagen << was;
    };
    const int32_t bis = f.hoechstesDatenfeld();
    for (lngDatenfeldIndex = 1; lngDatenfeldIndex <= bis; ++lngDatenfeldIndex) {
        // A message box of a branch may have given another window the focus.
        P().lngAktivesSchild = w;
        const int32_t j = lngDatenfeldIndex;
        const int32_t maxBreite = f.DatenfeldMaxBreiteLesen(j).toInt();
        const int32_t maxHoehe = f.DatenfeldMaxHoeheLesen(j).toInt();
        const QString caption = f.lblDatenfeld(j).Caption();
        if (caption.isEmpty())
            continue;
        try {
            if (!pflanzen) {
                SpaltenDurchlaufen(w, caption);
            } else if (caption == kPreis) {
                // A lookup that fails leaves "?Preis?" on the label.
                if (const QString fehler = PreisFuellen(w); !fehler.isEmpty())
                    merken(caption, fehler);
            } else if (eigenschaften.contains(caption)) {
                EigenschaftFuellen(w, caption, namen);
            } else if (caption == kBild) {
                const QString bild = sorvo::BildFeldFuellen(*this, w, j, maxBreite, maxHoehe);
                if (!bild.isEmpty() && !m_unlesbareBilder.contains(bild))
                    m_unlesbareBilder << bild;
            } else if (caption == kSyn || caption == kDeuName) {
                SynonymeFuellen(w, caption == kDeuName);
            } else if (istBereich(caption)) {
                BereichFuellen(w, caption);
            } else {
                SpaltenDurchlaufen(w, caption);
            }
        } catch (const jet::JetError& x) {
            P().lngAktivesSchild = w;
            DatenfeldEntfernen(w, j);
            merken(caption, LaufzeitfehlerText(x));
        }
    }
    P().lngAktivesSchild = w;
    for (const QString& was : fehlgeschlagen)
        fehlschlagZaehlen(was);

    ReihenfolgeHerstellen();
    e.strDbPfad.clear();
    db.BotrelDateiArt.clear();
    db.EigeneDbTabName.clear();
    e.blnPflanzenDb = false;
    e.blnDbGeladen = false;
    // The caption is given once, with the changed mark it gets next: each
    // new caption has the title bar measured again.
    f.setCaption(ErzeugtVonCaption(w) + QLatin1Char('*'));
    SchildGeaendert();
    if (auto* m = nachbarn().mdi)
        f.setIcon(m->fensterIcon(QStringLiteral("druck")));
}

void frmDbSaetzeWaehlen::fehlschlagZaehlen(const QString& was) {
    auto it = std::find_if(m_fehlschlaege.begin(), m_fehlschlaege.end(),
                           [&](const Fehlschlag& x) { return x.was == was; });
    if (it == m_fehlschlaege.end())
        it = m_fehlschlaege.insert(m_fehlschlaege.end(), {was, 0});
    ++it->saetze;
}

void frmDbSaetzeWaehlen::fehlschlaegeMelden(qsizetype saetze) {
    // A long list is cut short: the first lines tell the user enough.
    constexpr qsizetype kZeilen = 10;
    const auto liste = [&](const QStringList& zeilen) {
        QString s = zeilen.mid(0, kZeilen).join(QLatin1Char('\r'));
        if (zeilen.size() > kZeilen)
            s += QStringLiteral("\r... und %1 weitere").arg(zeilen.size() - kZeilen);
        return s;
    };
    if (!m_fehlschlaege.empty()) {
        QStringList zeilen;
        for (const Fehlschlag& x : m_fehlschlaege)
            zeilen << QStringLiteral("%1 von %2 Datensätzen: ").arg(x.saetze).arg(saetze) + x.was;
        dialoge().meldung(
            QStringLiteral("Nicht alles konnte aus der Datenbank übertragen werden; Datenfelder, "
                           "die nicht gefüllt werden konnten, wurden von den Schildern "
                           "entfernt:\r") +
                liste(zeilen),
            Msg::OK + Msg::Exclamation, QStringLiteral("Datenübertragung unvollständig"));
    }
    if (!m_unlesbareBilder.isEmpty())
        dialoge().meldung(QStringLiteral("Diese Bilder konnten nicht gelesen werden; die "
                                         "Schilder bleiben an ihrer Stelle ohne Bild:\r") +
                              liste(m_unlesbareBilder),
                          Msg::OK + Msg::Exclamation, QStringLiteral("Bilder nicht lesbar!"));
    m_fehlschlaege.clear();
    m_unlesbareBilder.clear();
}

QString frmDbSaetzeWaehlen::Uebersetzung(const jet::Value& strUebergabe, const QString& strSpalte,
                                         int32_t, int32_t, int32_t) const {
    UebersetzungsKontext k;
    k.datenbank = Data1->database().get();
    k.datensatz = Data1->recordset();
    return sorvo::Uebersetzung(SchildDb(P().lngAktivesSchild).BotrelDateiArt, strUebergabe,
                               strSpalte, k);
}

bool frmDbSaetzeWaehlen::TextSchreiben(const QString& strDfUebersetzung) {
    const int32_t w = P().lngAktivesSchild;
    frmLabel& f = Schild(w);
    // A full label keeps every element as it is.
    if (!f.TextNeu())
        return false;
    f.WerteUebertragen(lngDatenfeldIndex);
    TextLayoutLaden(strDfUebersetzung, S(w).lngAktuellerText);
    return true;
}

void frmDbSaetzeWaehlen::SpaltenDurchlaufen(int32_t w, const QString& caption) {
    const jet::Recordset& rs = datensatz(*Data1);
    const auto kategorie =
        S(w).blnPflanzenDb ? kategorieAusArt(SchildDb(w).BotrelDateiArt) : std::nullopt;
    const QStringList* namen = kategorie ? &varDfSpaltenNamen(*kategorie) : nullptr;
    const auto& felder = rs.fieldInfos();
    // A record source with fewer fields than the category's column list is
    // walked to its own end.
    const int anzahl =
        namen ? std::min(static_cast<int>(namen->size()), rs.fieldCount()) : rs.fieldCount();
    QString db;
    if (kategorie == Kategorie::Friedhof && rs.fieldCount() > 21)
        db = Textform(rs.value(21));
    const bool klammern = caption.size() >= 2 && caption.front() == QLatin1Char('<') &&
                          caption.back() == QLatin1Char('>');
    const QStringView gesucht =
        klammern ? QStringView(caption).sliced(1, caption.size() - 2) : QStringView();
    const int32_t j = lngDatenfeldIndex;
    for (int k = 0; klammern && k < anzahl; ++k) {
        const QString& name = namen ? namen->at(k) : felder[static_cast<size_t>(k)].name;
        // A column no data field shows has no name to match.
        if (name.isEmpty() || gesucht != name || uebergangen(db, k))
            continue;
        const jet::Value wert = rs.value(k);
        if (!wert.isNull()) {
            frmLabel& f = Schild(w);
            strDfText = Uebersetzung(wert, felder[static_cast<size_t>(k)].name,
                                     f.DatenfeldMaxBreiteLesen(j).toInt(),
                                     f.DatenfeldMaxHoeheLesen(j).toInt(), j);
            if (!strDfText.isEmpty())
                TextSchreiben(strDfText);
        }
        break;
    }
    DatenfeldEntfernen(w, j);
}

void frmDbSaetzeWaehlen::BereichFuellen(int32_t w, const QString& caption) {
    strDfText.clear();
    const QString art = SchildDb(w).BotrelDateiArt;
    const jet::Recordset& rs = datensatz(*Data1);
    QString minimum, maximum;
    QString einheit = QStringLiteral(" m");
    const char* meldung = nullptr;
    if (caption == kHoehe || caption == kHoeheBlueten) {
        const bool blueten = caption == kHoeheBlueten;
        const bool stauden = art == QLatin1String("vxf") &&
                             Textform(rs.value(QStringLiteral("DB"))) == QLatin1String("100");
        if (art == QLatin1String("vxt") || art == QLatin1String("vxs") || (blueten && stauden)) {
            minimum = QLatin1String(blueten ? "BLMINH" : "MINHOEHE");
            maximum = QLatin1String(blueten ? "BLMAXH" : "MAXHOEHE");
        } else if (art == QLatin1String("vxf")) {
            // Woody cemetery entries have no flower height, and say nothing.
            if (!blueten) {
                const QString tabelle =
                    stauden ? QStringLiteral("Stauden.") : QStringLiteral("Friedhof.");
                minimum = tabelle + QStringLiteral("MINHOEHE");
                maximum = tabelle + QStringLiteral("MAXHOEHE");
            }
        } else {
            meldung = blueten ? "Hoppla, Blütenhöhe!" : "Hoppla, Höhe!";
        }
    } else if (caption == kDurchmesser) {
        if (art == QLatin1String("vxg") || art == QLatin1String("vxf"))
            maximum = QStringLiteral("MAXDURCHM");
        else
            meldung = "Hoppla, Durchmesser!";
    } else if (art != QLatin1String("vxt")) {
        meldung = caption == kTemperatur ? "Hoppla, Temperatur!" : "Hoppla, Beleuchtung!";
    } else if (caption == kTemperatur) {
        minimum = QStringLiteral("TEMPMIN");
        maximum = QStringLiteral("TEMPMAX");
        einheit = QStringLiteral(" °C");
    } else {
        minimum = QStringLiteral("LICHTMIN");
        maximum = QStringLiteral("LICHTMAX");
        einheit = QStringLiteral(" Lux");
    }
    if (meldung)
        hoppla(meldung);
    else if (!maximum.isEmpty())
        strDfText = bereichText(minimum.isEmpty() ? jet::Value() : rs.value(minimum),
                                rs.value(maximum), einheit);
    if (!strDfText.isEmpty())
        TextSchreiben(strDfText);
    DatenfeldEntfernen(w, lngDatenfeldIndex);
}

void frmDbSaetzeWaehlen::SynonymeFuellen(int32_t w, bool deutsch) {
    const int32_t j = lngDatenfeldIndex;
    const QString& art = SchildDb(w).BotrelDateiArt;
    const jet::Recordset& rs = datensatz(*Data1);
    QString familie;
    if (art == QLatin1String("vxt"))
        familie = QStringLiteral("Topfpfl");
    else if (art == QLatin1String("vxs"))
        familie = QStringLiteral("Stauden");
    else if (art == QLatin1String("vxg"))
        familie = QStringLiteral("Gehoelze");
    else if (art == QLatin1String("vxf"))
        familie = Textform(rs.value(QStringLiteral("DB"))) == QLatin1String("100")
                      ? QStringLiteral("Stauden")
                      : QStringLiteral("Gehoelze");
    if (familie.isEmpty()) {
        // Apple and fruit databases have no synonym tables: nothing of
        // another source may stand in for them.
        hoppla("Hoppla, Synonyme");
        DatenfeldEntfernen(w, j);
        return;
    }
    const QString tabelle = familie + (deutsch ? QStringLiteral("_Synonyme_Deutsch")
                                               : QStringLiteral("_Synonyme_Botanisch"));
    strDfText = deutsch ? Textform(FeldWertLesen(QStringLiteral("DTNAM"))) : QString();
    const std::optional<qint64> nummer = artikelNummer(rs.value(QStringLiteral("ARTNR")));
    if (nummer) {
        const auto datenbank = Data1->database();
        if (!datenbank)
            throw jet::JetError(jet::fehler::KeinAktuellerDatensatz,
                                QStringLiteral("Kein aktueller Datensatz."));
        // The number is bound, never written into the SQL.
        const auto syn = datenbank->openRecordset(
            QStringLiteral("SELECT * FROM %1 WHERE ARTNR = [GesuchterArtikel]")
                .arg(jet::sqlName(tabelle)),
            {{QStringLiteral("GesuchterArtikel"), jet::Value::integer(*nummer)}});
        const int feld = syn->field(QStringLiteral("syn")).index();
        for (; !syn->eof(); syn->moveNext()) {
            const jet::Value s = syn->value(feld);
            if (s.isNull())
                continue;
            if (strDfText.isEmpty())
                strDfText = Textform(s);
            else
                strDfText += QStringLiteral(", ") + Textform(s);
        }
    }
    if (!strDfText.isEmpty())
        TextSchreiben(strDfText);
    DatenfeldEntfernen(w, j);
}

void frmDbSaetzeWaehlen::EigenschaftFuellen(int32_t w, const QString& caption,
                                            const QStringList& namen) {
    strDfText.clear();
    const jet::Value v = datensatz(*Data1).value(QStringLiteral("BENU_EIGEN"));
    const QString flaggen = v.isNull() ? QString() : Textform(v);
    for (int k = 1; k <= 5 && k <= namen.size(); ++k)
        if (k <= flaggen.size() && flaggen.at(k - 1) == QLatin1Char('1') &&
            caption == QLatin1Char('<') + namen.at(k - 1) + QLatin1Char('>'))
            strDfText = namen.at(k - 1);
    if (!strDfText.isEmpty())
        TextSchreiben(strDfText);
    DatenfeldEntfernen(w, lngDatenfeldIndex);
}

QString frmDbSaetzeWaehlen::PreisFuellen(int32_t w) {
    auto& p = P();
    auto& e = S(w);
    if (!e.blnPreisDbGeladen || e.strPreisSpalte.isEmpty()) {
        const Antwort a = dialoge().meldung(
            QStringLiteral("Es wurde noch keine Preise-Datenbank geladen!\r"
                           "Soll dies jetzt nachgeholt werden?"),
            Msg::YesNo + Msg::Question, QStringLiteral("Keine Preise-Datenbank geladen!"));
        if (a != Antwort::Yes)
            return {}; // the field stays on the label
        if (const auto& zeigen = nachbarn().preisDialogZeigen)
            zeigen();
        p.lngAktivesSchild = w;
        // What was chosen serves the following labels of this run too.
        const int32_t v = p.lngVorlagenSchild;
        auto& t = S(v);
        t.blnPreisDbGeladen = e.blnPreisDbGeladen;
        t.strPreisDbPfad = e.strPreisDbPfad;
        t.strPreisDateiName = e.strPreisDateiName;
        t.strPreisSpalte = e.strPreisSpalte;
        // Marked changed by the rule that keeps its " (Vorlage)", from which
        // the generated captions are taken.
        p.lngAktivesSchild = v;
        SchildGeaendert();
        p.lngAktivesSchild = w;
        if (!e.blnPreisDbGeladen)
            return {};
    }
    QString fehler;
    strDfText = PreisSuchen(datensatz(*Data1), &fehler);
    TextSchreiben(strDfText);
    DatenfeldEntfernen(w, lngDatenfeldIndex);
    // The message says the fields it names were removed; this one was not.
    return fehler.isEmpty() ? fehler : fehler + QStringLiteral("; dort steht \"?Preis?\"");
}

std::optional<qint64> artikelNummer(const jet::Value& v) {
    if (v.isNull())
        return std::nullopt;
    if (v.isNumber()) {
        const double d = v.toDouble();
        if (!std::isfinite(d) || d != std::trunc(d) || std::fabs(d) > 9.0e18)
            return std::nullopt;
        return static_cast<qint64>(d);
    }
    return jet::textAlsGanzzahl(Textform(v));
}

} // namespace sorvo
