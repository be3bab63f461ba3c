#include "tests/platform/jet/support/plant_db.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <stdexcept>

namespace sorvo::jet::testing {
namespace {

const Cell N = std::monostate{};

Cell t(const char* s) {
    return QString::fromUtf8(s);
}
Cell i(qint64 v) {
    return v;
}
Cell r(double v) {
    return v;
}
Cell b(bool v) {
    return v;
}
Cell date(int y, int m, int d, int hh = 0, int mm = 0, int ss = 0) {
    const qint64 days = QDate(1899, 12, 30).daysTo(QDate(y, m, d));
    return static_cast<double>(days) + (hh * 3600 + mm * 60 + ss) / 86400.0;
}

ColumnSpec text(const char* name, int length = 255) {
    return {QString::fromUtf8(name), DataType::Text, length};
}
ColumnSpec col(const char* name, DataType type) {
    return {QString::fromUtf8(name), type};
}

void synonyms(Jet4Writer& w, const char* table, std::vector<Row> rows) {
    w.addTable(QString::fromLatin1(table), {col("ARTNR", DataType::Long), text("SYN")},
               std::move(rows));
}

void pictures(Jet4Writer& w, const char* table, std::vector<Row> rows) {
    w.addTable(QString::fromLatin1(table),
               {col("ARTNR", DataType::Long), text("BILD1-G"), text("BILD2-G"), text("BILD1-D"),
                text("BEMERKUNG1-G")},
               std::move(rows));
}

QueryRow q(int attribute, const char* expression = nullptr, const char* name1 = nullptr,
           const char* name2 = nullptr, std::optional<int> flag = std::nullopt) {
    QueryRow row;
    row.attribute = attribute;
    if (expression)
        row.expression = QString::fromUtf8(expression);
    if (name1)
        row.name1 = QString::fromUtf8(name1);
    if (name2)
        row.name2 = QString::fromUtf8(name2);
    row.flag = flag;
    return row;
}

QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw std::runtime_error((program + QLatin1Char(' ') + args.join(QLatin1Char(' ')) +
                                  QStringLiteral(" failed: ") +
                                  QString::fromUtf8(p.readAllStandardError()))
                                     .toStdString());
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

QString longMemo() {
    QString s;
    for (int k = 0; s.size() < 20000; ++k)
        s += QStringLiteral("Zeile %1: Schönmalve, Blüten ähnlich Glöckchen.\n").arg(k);
    return s;
}

QString writePlantDatabase(const QString& dir) {
    Jet4Writer w;
    ColumnSpec herkunft = text("HERKUNFT", 50);
    herkunft.compressed = false;
    w.addTable(
        QStringLiteral("Topfpfl"),
        {col("ARTNR", DataType::Long), text("Bot_Name", 100), text("DTNAM", 100),
         col("FAMILIE", DataType::Integer), herkunft, col("MINHOEHE", DataType::Double),
         col("MAXHOEHE", DataType::Double), text("BLUEHZEIT", 14), col("GIFTIG", DataType::Boolean),
         col("BEMERKUNG", DataType::Memo), text("BENU_EIGEN", 5), col("PREIS", DataType::Currency),
         col("AENDERUNG", DataType::Date), col("STUECK", DataType::Byte),
         col("GEWICHT", DataType::Single)},
        {
            {i(1001), t("Abutilon megapotamicum"), t("Schönmalve"), i(1), t("Brasilien"), r(0.5),
             r(1.5), t("00011111100000"), b(false), longMemo(), t("10001"), r(4.95),
             date(2003, 4, 5), i(3), r(0.25)},
            {i(1002), t("acalypha hispida"), t("Katzenschwanz"), i(2), t("Neuguinea"), r(0.3), r(1),
             t("00000011100000"), b(true), t("Giftig in allen Teilen."), t("00000"), r(7.5),
             date(2004, 1, 31, 13, 45, 10), i(1), r(1.5)},
            {i(1003), t("Ächmea fasciata"), t("Lanzenrosette"), i(3), t("Brasilien"), r(0.4),
             r(0.6), t(""), b(false), QString(300, QLatin1Char('x')) + QStringLiteral("ende"),
             t("01000"), r(12), date(1999, 12, 31), i(0), r(2)},
            {i(1004), t("Zantedeschia aethiopica"), N, i(4), t("Südafrika"), r(0.6), r(1),
             t("00111100000000"), b(true), N, N, r(7.5), N, N, N},
            {i(1005), t("Olea europaea"), t(""), i(5), t("Mittelmeer"), r(1), r(3),
             t("00000110000000"), b(false), t(""), t("00100"), r(3.2), date(2010, 6, 15), i(2),
             r(4.5)},
            {i(1006), t("Ölbaum"), t("Ölbaum"), i(5), N, N, N, N, b(false), N, N, r(2.5), N, N, N},
            {i(1007), t("Nerium oleander"), t("Oleander"), i(6), t("Mittelmeer"), r(1), r(2),
             t("00001111110000"), b(true), N, t("00010"), r(6), N, i(5), N},
            {i(1008), N, t("Unbenannt"), N, N, N, N, N, b(false), N, N, N, N, N, N},
            {N, t("Pachira aquatica"), t("Glückskastanie"), i(7), N, N, N, N, b(false), N, N, r(9),
             N, N, N},
            {i(1234), t("Zamioculcas zamiifolia"), t("Glücksfeder"), i(4), t("Ostafrika"), r(0.4),
             r(0.8), N, b(false), t("Pflegeleicht."), t("00001"), r(5), N, N, N},
            {i(12345), t("Yucca elephantipes"), t("Palmlilie"), i(7), t("Mexiko"), r(1), r(4), N,
             b(false), N, N, r(1.25), N, N, N},
        });
    w.addTable(QStringLiteral("Familien"), {col("FAMILIE", DataType::Integer), text("FAMNAME")},
               {{i(1), t("Malvaceae")},
                {i(2), t("Euphorbiaceae")},
                {i(3), t("Bromeliaceae")},
                {i(4), t("Araceae")},
                {i(5), t("Oleaceae")},
                {i(6), t("Apocynaceae")},
                {i(7), t("Asparagaceae")},
                {i(8), t("Asteraceae")},
                {i(9), t("Saxifragaceae")}});
    pictures(w, "Topfpfl_Bilder",
             {{i(1001), t("0054005"), N, t("abu01"), t("Blüte")},
              {i(1234), t("zam01"), t("zam02"), N, N}});
    pictures(w, "Stauden_Bilder", {{i(2001), t("ach01"), N, N, N}});
    pictures(w, "Gehoelze_Bilder", {{i(3001), t("bux01"), N, N, N}});
    pictures(w, "Apfel_Bilder", {{i(4001), t("bos01"), N, N, N}});
    pictures(w, "Obst_Bilder", {{i(5001), t("kor01"), N, N, N}});
    pictures(w, "Friedhof_Bilder", {{i(6001), t("ros01"), N, N, N}});
    synonyms(w, "Topfpfl_Synonyme_Botanisch",
             {{i(1001), t("Abutilon vexillarium")},
              {i(1002), N},
              {i(1234), t("")},
              {i(1001), t("Abutilon megapotamicum var.")},
              {i(1234), t("Caladium zamiifolium")}});
    synonyms(w, "Topfpfl_Synonyme_Deutsch", {{i(1001), t("Samtpappel")}, {i(1234), t("Zamie")}});
    synonyms(w, "Stauden_Synonyme_Botanisch", {{i(2001), t("Achillea lanulosa")}});
    synonyms(w, "Stauden_Synonyme_Deutsch",
             {{i(2001), t("Gemeine Schafgarbe")}, {i(2001), t("Garbe")}});
    synonyms(w, "Gehoelze_Synonyme_Botanisch", {{i(3002), t("Taxus communis")}});
    synonyms(w, "Gehoelze_Synonyme_Deutsch", {{i(3001), t("Buchs")}});

    w.addTable(
        QStringLiteral("Stauden"),
        {col("ARTNR", DataType::Long), text("Bot_Name", 100), text("DTNAM", 100),
         col("FAMILIE", DataType::Integer), text("LICHT", 3), text("BLUEHZEIT", 12),
         col("BEMERKUNG", DataType::Memo)},
        {{i(2001), t("Achillea millefolium"), t("Schafgarbe"), i(8), t("100"), t("6:"),
          t("Heilpflanze – 3 € je Topf")},
         {i(2002), t("Bergenia cordifolia"), t("Bergenie"), i(9), t("110"), t("34"), N},
         {i(2003), t("Anthericum ramosum"), t("Ästige Graslilie"), i(7), t("100"), t("67"), t("")},
         {i(2004), t("Hosta sieboldiana"), t("Funkie"), i(7), t("011"), t("78"), N}});
    // The woody plants keep the botanical name in the third field.
    w.addTable(
        QStringLiteral("Gehoelze"),
        {col("ARTNR", DataType::Long), text("DTNAM", 100), text("Bot_Name", 100),
         col("FAMILIE", DataType::Integer), text("LICHT", 3), text("BLUEHZEIT", 14)},
        {{i(3001), t("Buchsbaum"), t("Buxus sempervirens"), i(10), t("111"), t("00110000000000")},
         {i(3002), t("Eibe"), t("Taxus baccata"), i(11), t("011"), t("00100000000000")},
         {i(3003), t("Zierapfel"), t("Malus 'Evereste'"), i(12), t("100"), t("00011000000000")}});
    w.addTable(QStringLiteral("Apfel"),
               {col("ARTNR", DataType::Long), text("Bot_Name"), text("DTNAM")},
               {{i(4001), t("Malus domestica 'Boskoop'"), t("Boskoop")},
                {i(4002), t("Malus domestica 'Elstar'"), t("Elstar")}});
    w.addTable(QStringLiteral("Obst"),
               {col("ARTNR", DataType::Long), text("Bot_Name"), text("DTNAM")},
               {{i(5001), t("Prunus avium 'Kordia'"), t("Kordia")}});
    w.addTable(
        QStringLiteral("Friedhof"),
        {col("ARTNR", DataType::Long), text("Bot_Name", 100), text("DTNAM", 100), text("DB", 3),
         text("VERWENDUNG", 16), text("BLUEHZEIT", 12), col("DUFT", DataType::Boolean)},
        {{i(2001), t("Achillea millefolium"), t("Schafgarbe"), t("100"), t("1000000000000000"),
          t("000001100000"), b(false)},
         {i(3001), t("Buxus sempervirens"), t("Buchsbaum"), t("010"), t("0100000000000000"),
          t("001100000000"), b(false)},
         {i(3002), t("Taxus baccata"), t("Eibe"), t("010"), t("0100000000000000"), N, b(true)},
         {i(6001), t("Rosa 'Schneewittchen'"), t("Rose"), N, t("0010000000000000"),
          t("000011110000"), b(true)}});
    w.addTable(QStringLiteral("Namen_Benutzer_Optionen"),
               {text("Topfpflanzen"), text("Stauden"), text("Gehoelze"), text("Apfel"),
                text("Obst"), text("Friedhof")},
               {{t("Duftend"), t("Bienenweide"), t("Schnitthecke"), N, t("Selbstfruchtbar"),
                 t("Pflegeleicht")},
                {t("Winterhart"), N, t("Vogelschutz"), t("Lagerapfel"), N, N},
                {N, N, N, N, N, N},
                {t("Kübelpflanze"), t("Bodendecker"), N, N, N, t("Grabbepflanzung")},
                {N, t("Heimisch"), N, N, N, N}});

    // The cemetery plants: a join of three tables whose duplicate field
    // names come out qualified. Its rows are stored interleaved with those of
    // the union, as real catalogues have them.
    const qint32 cemetery = w.addQuery(QStringLiteral("Abfrage_Friedhof"));
    const qint32 names = w.addQuery(QStringLiteral("Alle_Namen"));
    w.addQueryRows(cemetery,
                   {q(0), q(1, nullptr, nullptr, nullptr, 1), q(3, nullptr, nullptr, nullptr, 8),
                    q(5, nullptr, "Friedhof"), q(5, nullptr, "Gehoelze"),
                    q(6, "Friedhof.ARTNR", nullptr, nullptr, 0),
                    q(6, "Friedhof.Bot_Name", nullptr, nullptr, 0),
                    q(6, "Friedhof.DTNAM", nullptr, nullptr, 0)});
    w.addQueryRows(
        names,
        {q(0), q(1, nullptr, nullptr, nullptr, 9), q(3, nullptr, nullptr, nullptr, 3),
         q(5, "SELECT Bot_Name, DTNAM, 'Staude' AS Art FROM Stauden", nullptr, "X7YZ_____1")});
    w.addQueryRows(cemetery,
                   {q(5, nullptr, "Stauden"), q(6, "Gehoelze.FAMILIE", nullptr, nullptr, 0),
                    q(6, "Stauden.FAMILIE", nullptr, nullptr, 0), q(6, "Gehoelze.LICHT"),
                    q(6, "Stauden.LICHT"), q(6, "Friedhof.DB"), q(6, "Friedhof.BLUEHZEIT"),
                    q(6, "Stauden.BLUEHZEIT"), q(6, "Gehoelze.BLUEHZEIT"), q(6, "Friedhof.DUFT"),
                    q(7, "Friedhof.ARTNR = Gehoelze.ARTNR", "Friedhof", "Gehoelze", 2),
                    q(7, "Friedhof.ARTNR = Stauden.ARTNR", "Friedhof", "Stauden", 2), q(255)});
    w.addQueryRows(names,
                   {q(5, "SELECT Bot_Name, DTNAM, \"Gehölz\" FROM Gehoelze", nullptr, "X7YZ_____2"),
                    q(11, "Bot_Name"), q(255)});
    w.addSelectQuery(QStringLiteral("Stauden_Sonnig"),
                     {q(1, nullptr, nullptr, nullptr, 1), q(5, nullptr, "Stauden", "S"),
                      q(6, "S.ARTNR"), q(6, "S.Bot_Name", "Name"), q(8, "((S.LICHT) Like '1*')"),
                      q(11, "S.Bot_Name", "D")});
    w.addSelectQuery(QStringLiteral("Friedhof_Duft"),
                     {q(1, nullptr, nullptr, nullptr, 1), q(3, nullptr, nullptr, nullptr, 1),
                      q(5, nullptr, "Abfrage_Friedhof"), q(8, "Abfrage_Friedhof.DUFT = True")});
    w.addSelectQuery(QStringLiteral("Topfpfl_Teuerste"),
                     {q(1, nullptr, nullptr, nullptr, 1), q(3, nullptr, "3", nullptr, 0x10),
                      q(5, nullptr, "Topfpfl"), q(6, "Topfpfl.Bot_Name"), q(6, "Topfpfl.PREIS"),
                      q(11, "Topfpfl.PREIS", "D")});
    w.addSelectQuery(
        QStringLiteral("Kreuztabelle"),
        {q(1, nullptr, nullptr, nullptr, 6), q(5, nullptr, "Topfpfl"), q(6, "Topfpfl.FAMILIE")});
    w.addSelectQuery(QStringLiteral("Nach_Familie"),
                     {q(1, nullptr, nullptr, nullptr, 1),
                      q(2, nullptr, "Welche Familie?", nullptr, 3), q(5, nullptr, "Topfpfl"),
                      q(6, "Topfpfl.Bot_Name"), q(8, "Topfpfl.FAMILIE = [Welche Familie?]")});

    const QString path = QDir(dir).filePath(QStringLiteral("botrel.mdb"));
    w.write(path);
    return path;
}

QStringList mdbTables(const QString& path) {
    QStringList out =
        run(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), path}).split(QLatin1Char('\n'));
    out.removeAll(QString());
    return out;
}

std::vector<QStringList> mdbExport(const QString& path, const QString& table) {
    // Control characters as separators spare us the quoting rules.
    const QString fieldSep(QChar(0x1F));
    const QString rowSep(QChar(0x1E));
    const QString out =
        run(QStringLiteral("mdb-export"),
            {QStringLiteral("-Q"), QStringLiteral("-d"), fieldSep, QStringLiteral("-R"), rowSep,
             QStringLiteral("-T"), QStringLiteral("%Y-%m-%d %H:%M:%S"), path, table});
    std::vector<QStringList> rows;
    for (const QString& line : out.split(rowSep))
        if (!line.isEmpty())
            rows.push_back(line.split(fieldSep));
    return rows;
}

QString nwindPath() {
    const QString dir = qEnvironmentVariableIsSet("SORVO_TESTDATA")
                            ? qEnvironmentVariable("SORVO_TESTDATA")
                            : QStringLiteral(SORVO_SHARED_DATA);
    const QString path = QDir(dir).filePath(QStringLiteral("nwind.mdb"));
    return QFileInfo(path).isFile() ? path : QString();
}

} // namespace sorvo::jet::testing
