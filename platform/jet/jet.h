#pragma once
// Our database engine. It reads Access databases (.mdb files of Jet 3 and
// Jet 4, through libmdb) and folders of text tables, keeps each table a
// query needs in memory from its first use on, runs SQL in the Jet dialect
// over them with SQLite, and offers
// what the program's database code uses of DAO: databases with their table
// definitions and stored queries, record sets with bookmarks, and fields
// whose typed values keep Null apart from the empty text.
//
//   auto db = sorvo::jet::Database::open("/pfad/botrel.mdb");
//   auto rs = db->openRecordset(
//       "SELECT * From Topfpfl WHERE ARTNR LIKE '*' ORDER BY Bot_Name");
//   for (; !rs->eof(); rs->moveNext())
//       qDebug() << rs->field("Bot_Name").value().toString();
//
// Every failure, a damaged or foreign file included, is thrown as JetError.
// The objects of one database belong to the thread that opened it.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

namespace sorvo::jet {

// Error numbers are the ones users of the original engine know, so that a
// message "description (number)" reads as they expect.
namespace fehler {
inline constexpr int KeinAktuellerDatensatz = 3021;
inline constexpr int DateiNichtGefunden = 3024;
inline constexpr int ParameterFehlen = 3061;
inline constexpr int SyntaxFehler = 3075;
inline constexpr int ObjektNichtGefunden = 3078;
inline constexpr int FeldMehrdeutig = 3079;
inline constexpr int FunktionUnbekannt = 3085;
inline constexpr int UngueltigesLesezeichen = 3159;
inline constexpr int ElementNichtGefunden = 3265;
inline constexpr int NichtUnterstuetzt = 3251;
inline constexpr int DatenbankFormat = 3343;
inline constexpr int Beschaedigt = 3049;
inline constexpr int PfadUngueltig = 3044;
inline constexpr int TabellenFormat = 3274;
inline constexpr int UngueltigerName = 3125;
} // namespace fehler

class JetError : public std::runtime_error {
public:
    JetError(int number, const QString& description);
    int number() const { return m_number; }
    const QString& description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

// The field types of the engine.
enum class DataType {
    Empty, // the type of a Null value of unknown origin
    Boolean,
    Byte,
    Integer, // 16 bit
    Long,    // 32 bit (64 bit for results of arithmetic)
    Currency,
    Single,
    Double,
    Date,
    Text,
    Memo,
    Binary,
    LongBinary,
    Guid,
    Decimal,
};

// A field value. Null is its own state, never the empty text.
class Value {
public:
    Value() = default; // Null
    static Value boolean(bool b);
    static Value integer(qint64 v, DataType type = DataType::Long);
    // v in ten-thousandths, as the engine stores currency
    static Value currency(qint64 zehntausendstel);
    static Value real(double v, DataType type = DataType::Double);
    // Days since 30 December 1899, the time as the fraction of a day.
    static Value date(double oleDate);
    static Value date(const QDateTime& dt);
    static Value text(const QString& s, DataType type = DataType::Text);
    static Value binary(const QByteArray& b, DataType type = DataType::LongBinary);

    bool isNull() const { return m_type == DataType::Empty; }
    DataType type() const { return m_type; }
    bool isNumber() const;
    bool isText() const { return m_type == DataType::Text || m_type == DataType::Memo; }

    bool toBool() const;                         // numbers: not 0; texts: never
    qint64 toInt64() const;                      // numbers truncated toward zero
    double toDouble() const;                     // currency as its amount, dates as day numbers
    qint64 currencyRaw() const { return m_int; } // ten-thousandths
    double oleDate() const;
    QDateTime toDateTime() const;
    QDate toDate() const;
    QByteArray toBytes() const;
    // Texts as stored; other values in a neutral form ("1.5", "2003-04-05",
    // "2003-04-05 06:07:08", "True"); Null gives the empty text. The German
    // forms the labels show are made elsewhere from the typed value.
    QString toString() const;

    bool operator==(const Value& o) const;
    bool operator!=(const Value& o) const { return !(*this == o); }

private:
    DataType m_type = DataType::Empty;
    qint64 m_int = 0;
    double m_real = 0;
    QString m_text;
    QByteArray m_bytes;
};

class Recordset;

// A field of a record set. Its value is that of the current record.
class Field {
public:
    QString name() const;
    DataType type() const;
    Value value() const; // throws KeinAktuellerDatensatz at BOF or EOF
    int index() const { return m_index; }

private:
    friend class Recordset;
    Field(const Recordset* rs, int index) : m_rs(rs), m_index(index) {}
    const Recordset* m_rs;
    int m_index;
};

// Marks one record of one record set.
class Bookmark {
public:
    Bookmark() = default;
    bool isValid() const { return m_recordset != 0; }
    bool operator==(const Bookmark& o) const = default;
    int row() const { return m_row; }

private:
    friend class Recordset;
    Bookmark(quint64 rs, int row) : m_recordset(rs), m_row(row) {}
    quint64 m_recordset = 0;
    int m_row = -1;
};

struct FieldInfo {
    QString name;
    DataType type = DataType::Empty;
};

// The rows a source delivered, read completely when it was opened, with a
// cursor over them. A new record set starts on its first record.
class Recordset {
public:
    struct Daten;
    explicit Recordset(std::unique_ptr<Daten> daten);
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    const QString& source() const;
    int fieldCount() const;
    const std::vector<FieldInfo>& fieldInfos() const;
    // Names compare without regard to case; unknown ones throw
    // ElementNichtGefunden.
    Field field(int index) const;
    Field field(const QString& name) const;
    int fieldIndex(const QString& name) const; // -1 when missing
    Value value(int index) const { return field(index).value(); }
    Value value(const QString& name) const { return field(name).value(); }

    int recordCount() const;
    bool bof() const;
    bool eof() const;
    // Moving on an empty set, or beyond BOF or EOF, throws
    // KeinAktuellerDatensatz.
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    int absolutePosition() const; // -1 at BOF or EOF

    Bookmark bookmark() const; // throws at BOF or EOF
    // A bookmark of another record set throws UngueltigesLesezeichen.
    void setBookmark(const Bookmark& b);
    Bookmark bookmarkAt(int row) const;
    // The value of a record without moving the cursor (the grid reads so).
    Value valueAt(int row, int column) const;

private:
    friend class Field;
    std::unique_ptr<Daten> d;
    int m_pos = 0;
};

struct TableDef {
    QString name;
    qint32 attributes = 0; // the catalogue flags
    bool system = false;   // the engine's own tables and hidden ones
    bool linked = false;   // a table kept in another file
};

// A value for a name that the SQL does not resolve as a field ("[Nummer]"),
// as a parameter query takes it. It is bound to the statement and never
// becomes SQL text, so nothing in it can change the query. A field of the
// same name wins over it.
struct Parameter {
    QString name; // compared without regard to case
    Value value;
};

// An open database: an Access file, or a folder of text tables.
class Database {
public:
    struct Impl;
    // DBEngine.OpenDatabase with the path alone. Reads the catalogue; the
    // tables themselves are read when a query first needs them.
    static std::shared_ptr<Database> open(const QString& path);
    // The "Text;" connection: the folder is the database, every file
    // *.txt, *.csv, *.tab and *.asc in it a table named after the file
    // without its extension.
    static std::shared_ptr<Database> openTextFolder(const QString& folder);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    QString name() const;
    bool isText() const;
    // All table definitions, the engine's own tables included, sorted by
    // name; stored queries are not among them.
    std::vector<TableDef> tableDefs() const;
    std::vector<FieldInfo> tableFields(const QString& table) const;
    QStringList queryNames() const;
    // The SQL of a stored query as rebuilt from the catalogue.
    QString querySql(const QString& query) const;
    // A table name, a stored query name or SQL text.
    std::shared_ptr<Recordset> openRecordset(const QString& source);
    // SQL text whose unresolved names take the given values; a name that is
    // neither a field nor given still throws ParameterFehlen.
    std::shared_ptr<Recordset> openRecordset(const QString& sql,
                                             const std::vector<Parameter>& parameters);
    void close();

private:
    explicit Database(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> d;
};

const char* typName(DataType t);

// The whole number that the text spells from end to end, blanks around it
// allowed (" 42 " is 42); nothing for any other text. Records are looked up
// by such numbers: a text that holds more than a number, after a NUL too,
// must find no record rather than the one its first digits name.
std::optional<qint64> textAlsGanzzahl(QStringView text);

// A table, query or field name as the SQL of this engine takes it: in
// brackets, so that blanks (also at the ends), quotes, '#', '&', '-' and
// reserved words stay part of the name. WhenNeeded leaves a plain word
// (letters, digits and '_', not beginning with a digit, no reserved word)
// as it is. Every name the program writes into SQL goes through here.
enum class Brackets { Always, WhenNeeded };
QString sqlName(const QString& name, Brackets brackets = Brackets::Always);
// The dialect cannot write a ']' inside brackets (Access allows none in
// names): a name holding one can be a record source by itself, but it cannot
// stand in SQL text.
bool sqlNameWritable(const QString& name);

} // namespace sorvo::jet
