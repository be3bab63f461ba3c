#include "tests/template/vorlage_fixture.h"

#include "label/frmLabel.h"
#include "label/programm.h"
#include "label/unterprogramme.h"
#include "platform/canvas.h"
#include "template/vorlage.h"

#include <QFile>
#include <QImage>

namespace sorvo::test {

QStringList& DbProtokoll::aufrufe() {
    static QStringList a;
    return a;
}

QString& DbProtokoll::wechselPfad() {
    static QString p;
    return p;
}

void DbProtokoll::DBBotrelWechseln() {
    aufrufe() << QStringLiteral("DBBotrelWechseln");
    if (!wechselPfad().isEmpty()) {
        S(P().lngAktivesSchild).strDbPfad = wechselPfad();
        S(P().lngAktivesSchild).blnPflanzenDb = true;
        DbTabellenAnzeigen();
    }
}

void VorlagenTest::SetUp() {
    MdiTest::SetUp();
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    starten();
    vorlagenEinrichten();
    DbProtokoll::aufrufe().clear();
    DbProtokoll::wechselPfad().clear();
    nachbarn().dbAuswahlErzeugen = [] { return std::make_unique<DbProtokoll>(); };
}

void VorlagenTest::TearDown() {
    QLocale::setDefault(m_locale);
    MdiTest::TearDown();
}

int32_t VorlagenTest::schild(const QString& breite, const QString& hoehe) {
    return neuesSchild(breite, hoehe);
}

int32_t VorlagenTest::text(const QString& caption, double links, double oben, int32_t maxBreite) {
    return beschriftungNeu(false, caption, links, oben, maxBreite);
}

int32_t VorlagenTest::datenfeld(const QString& caption, double links, double oben,
                                int32_t maxBreite) {
    return beschriftungNeu(true, caption, links, oben, maxBreite);
}

int32_t VorlagenTest::beschriftungNeu(bool datenfeld, const QString& caption, double links,
                                      double oben, int32_t maxBreite) {
    const int32_t w = P().lngAktivesSchild;
    frmLabel& f = Schild(w);
    EXPECT_TRUE(datenfeld ? f.DatenfeldNeu() : f.TextNeu());
    const int32_t i = datenfeld ? S(w).lngAktuellesDatenfeld : S(w).lngAktuellerText;
    Beschriftung& c = datenfeld ? f.lblDatenfeld(i) : f.lblText(i);
    c.setCaption(caption);
    c.setLeft(links);
    c.setTop(oben);
    if (datenfeld) {
        f.DatenfeldMaxBreiteSchreiben(i, maxBreite);
        DatenfeldAnpassen(i, w);
    } else {
        f.TextMaxBreiteSchreiben(i, maxBreite);
        TextAnpassen(i, w);
    }
    c.setVisible(true);
    return i;
}

int32_t VorlagenTest::bild(const QString& pfad, double links, double oben, double hoehe,
                           double breite) {
    frmLabel& f = Schild(P().lngAktivesSchild);
    EXPECT_TRUE(f.BildNeu());
    const int32_t j = S(P().lngAktivesSchild).lngAktuellesBild;
    Bild& b = f.imgBild(j);
    b.setPicture(QImage(pfad));
    b.setLeft(links);
    b.setTop(oben);
    b.setHeight(hoehe);
    b.setWidth(breite);
    f.BildPfadSchreiben(j, pfad);
    b.setVisible(true);
    return j;
}

QString VorlagenTest::dateiSchreiben(const QString& name, const QByteArray& inhalt) const {
    const QString p = pfad(name);
    QFile f(p);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(inhalt);
    return p;
}

QByteArray VorlagenTest::dateiLesen(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

QString VorlagenTest::bildDatei(const QString& name) const {
    QImage bild(40, 30, QImage::Format_RGB32);
    bild.fill(Qt::darkGreen);
    const QString p = pfad(name);
    EXPECT_TRUE(bild.save(p, "PNG"));
    return p;
}

int32_t VorlagenTest::oeffnen() {
    int32_t n = 1;
    while (n <= P().hoechstesSchild() && !P().Schilder[n].blnSchildFrei)
        ++n;
    VorlageOeffnen();
    SchilderAnzeigen();
    return n;
}

namespace {

QString zahl(double d) {
    return QString::number(d, 'g', 10);
}

QString beschriftung(const Beschriftung& c) {
    QString caption = c.Caption();
    caption.replace(QLatin1Char('\r'), QStringLiteral("<CR>"));
    caption.replace(QLatin1Char('\n'), QStringLiteral("<LF>"));
    return QStringList{zahl(c.Left()),
                       zahl(c.Top()),
                       zahl(c.Width()),
                       zahl(c.Height()),
                       QString::number(c.WordWrap()),
                       QString::number(c.AutoSize()),
                       QString::number(c.Visible()),
                       QString::number(c.BackStyle()),
                       QString::number(c.BackColor()),
                       QString::number(c.ForeColor()),
                       QString::number(c.FontBold()),
                       QString::number(c.FontItalic()),
                       QString::number(c.FontUnderline()),
                       c.FontName(),
                       zahl(c.FontSize()),
                       QString::number(c.BorderStyle()),
                       QString::number(c.Alignment()),
                       QLatin1Char('[') + caption + QLatin1Char(']')}
        .join(QLatin1Char(' '));
}

} // namespace

QString VorlagenTest::zustand(int32_t w) {
    const auto& e = S(w);
    const frmLabel& f = Schild(w);
    QStringList z;
    z << QStringList{QStringLiteral("G"),
                     zahl(e.sngSchildBreite),
                     zahl(e.sngSchildHoehe),
                     zahl(e.sngGrenzeRechts),
                     zahl(e.sngGrenzeLinks),
                     zahl(e.sngGrenzeOben),
                     zahl(e.sngGrenzeUnten),
                     QString::number(e.lngPapierFormat),
                     QString::number(e.lngAusrichtung),
                     zahl(e.sngSchildReserve),
                     zahl(e.sngEtikettBreite),
                     QString::number(e.blnSchlaufenetikett),
                     zahl(f.ScaleWidth()),
                     zahl(f.ScaleHeight())}
             .join(QLatin1Char(' '));
    const DatenbankAuswahl& db = SchildDb(w);
    z << QStringList{QStringLiteral("F"),
                     e.strDbPfad,
                     QString::number(e.blnDbGeladen),
                     QString::number(e.blnPflanzenDb),
                     db.BotrelDateiArt,
                     db.EigeneDbTabName}
             .join(QLatin1Char(' '));
    z << QStringList{QStringLiteral("P"), e.strPreisDbPfad, e.strPreisSpalte,
                     QString::number(e.blnPreisDbGeladen), e.strPreisDateiName}
             .join(QLatin1Char(' '));
    for (int32_t i = 1; i <= f.hoechsterText(); ++i)
        if (f.TextStatusLesen(i))
            z << QStringLiteral("L%1 %2 %3 ")
                         .arg(i)
                         .arg(f.TextMaxBreiteLesen(i), f.TextMaxHoeheLesen(i)) +
                     beschriftung(f.lblText(i));
    for (int32_t i = 1; i <= f.hoechstesDatenfeld(); ++i)
        if (f.DatenfeldStatusLesen(i))
            z << QStringLiteral("D%1 %2 %3 ")
                         .arg(i)
                         .arg(f.DatenfeldMaxBreiteLesen(i), f.DatenfeldMaxHoeheLesen(i)) +
                     beschriftung(f.lblDatenfeld(i));
    for (int32_t j = 1; j <= f.hoechstesBild(); ++j)
        if (f.BildStatusLesen(j)) {
            const Bild& b = f.imgBild(j);
            z << QStringList{QStringLiteral("B") + QString::number(j),
                             zahl(b.Left()),
                             zahl(b.Top()),
                             zahl(b.Height()),
                             zahl(b.Width()),
                             QString::number(b.Visible()),
                             f.BildPfadLesen(j),
                             QString::number(b.Picture().width())}
                     .join(QLatin1Char(' '));
        }
    QStringList reihe;
    for (int32_t p = 1; p <= e.lngReihenfolgeAnzahl; ++p)
        reihe << QString::number(e.lngReihenfolge[static_cast<size_t>(p)]);
    z << QStringLiteral("E ") + reihe.join(QLatin1Char(','));
    // The order the controls are drawn in.
    QStringList stapel;
    for (const Steuerelement* s : f.flaeche()->stapel())
        if (s->Visible())
            stapel << QString::number(s->Kennung());
    z << QStringLiteral("Stapel ") + stapel.join(QLatin1Char(','));
    return z.join(QLatin1Char('\n'));
}

} // namespace sorvo::test
