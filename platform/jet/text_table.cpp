#include "platform/jet/text_table.h"

#include "platform/cp1252.h"
#include "platform/system.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace sorvo::jet::detail {
namespace {

const QStringList& extensions() {
    static const QStringList e{QStringLiteral("txt"), QStringLiteral("csv"), QStringLiteral("tab"),
                               QStringLiteral("asc")};
    return e;
}

QChar delimiterOf(const QString& headerLine) {
    int semicolons = 0;
    int tabs = 0;
    int commas = 0;
    bool quoted = false;
    for (QChar c : headerLine) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        else if (!quoted && c == QLatin1Char(';'))
            ++semicolons;
        else if (!quoted && c == QLatin1Char('\t'))
            ++tabs;
        else if (!quoted && c == QLatin1Char(','))
            ++commas;
    }
    if (tabs > 0 && tabs >= semicolons && tabs >= commas)
        return QLatin1Char('\t');
    if (semicolons > 0 && semicolons >= commas)
        return QLatin1Char(';');
    return QLatin1Char(',');
}

// Splits the whole text into records of fields; quoted fields may hold the
// delimiter, line breaks and doubled quotes. A quote that is never closed
// opens no field: it and what follows are read as plain text, so that it
// cannot swallow every later row. Blank lines are skipped.
std::vector<std::vector<std::optional<QString>>> records(const QString& text, QChar delimiter) {
    std::vector<std::vector<std::optional<QString>>> out;
    std::vector<std::optional<QString>> record;
    QString field;
    bool quotedField = false;
    bool any = false;      // the record has content
    bool unclosed = false; // the rest of the text holds no closing quote
    int i = 0;
    const int n = static_cast<int>(text.size());
    auto endField = [&] {
        if (field.isEmpty())
            record.emplace_back(std::nullopt);
        else
            record.emplace_back(field);
        field.clear();
        quotedField = false;
    };
    auto endRecord = [&] {
        if (any || !field.isEmpty() || quotedField) {
            endField();
            out.push_back(std::move(record));
        }
        record.clear();
        field.clear();
        quotedField = false;
        any = false;
    };
    while (i < n) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('"') && field.isEmpty() && !quotedField && !unclosed) {
            const int start = i;
            bool closed = false;
            ++i;
            while (i < n) {
                if (text.at(i) == QLatin1Char('"')) {
                    if (i + 1 < n && text.at(i + 1) == QLatin1Char('"')) {
                        field += QLatin1Char('"');
                        i += 2;
                        continue;
                    }
                    ++i;
                    closed = true;
                    break;
                }
                field += text.at(i++);
            }
            if (closed) {
                quotedField = true;
                any = true;
            } else {
                // Read again from the quote, which stays part of the text.
                field.clear();
                i = start;
                unclosed = true;
            }
            continue;
        }
        if (c == delimiter) {
            endField();
            any = true;
            ++i;
        } else if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            endRecord();
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            ++i;
        } else {
            field += c;
            any = true;
            ++i;
        }
    }
    endRecord();
    return out;
}

bool wholeNumber(const QString& s) {
    static const QRegularExpression re(QStringLiteral("^[+-]?\\d{1,10}$"));
    if (!re.match(s).hasMatch())
        return false;
    bool ok = false;
    const qint64 v = s.toLongLong(&ok);
    return ok && v >= -2147483648LL && v <= 2147483647LL;
}

} // namespace

std::vector<TextTableFile> textTables(const QString& folder) {
    std::vector<TextTableFile> out;
    const QDir dir(folder);
    for (const QFileInfo& fi : dir.entryInfoList(QDir::Files, QDir::Name | QDir::IgnoreCase))
        if (extensions().contains(fi.suffix().toLower()))
            out.push_back({fi.completeBaseName(), fi.absoluteFilePath()});
    return out;
}

namespace {

std::optional<TextTableFile> findSpelled(const QString& folder, const QString& name) {
    QString wanted = name;
    QString ext;
    for (const QString& e : extensions()) {
        for (const QChar sep : {QLatin1Char('.'), QLatin1Char('#')}) {
            const QString suffix = sep + e;
            if (wanted.endsWith(suffix, Qt::CaseInsensitive)) {
                ext = e;
                wanted.chop(suffix.size());
            }
        }
    }
    std::optional<TextTableFile> found;
    for (const auto& t : textTables(folder)) {
        if (t.name.compare(wanted, Qt::CaseInsensitive) != 0)
            continue;
        if (!ext.isEmpty() && QFileInfo(t.path).suffix().compare(ext, Qt::CaseInsensitive) != 0)
            continue;
        // the exact spelling wins over one that differs in case, .txt over others
        if (!found || t.name == wanted ||
            (found->name != wanted && QFileInfo(t.path).suffix().toLower() == QLatin1String("txt")))
            found = t;
    }
    return found;
}

} // namespace

std::optional<TextTableFile> findTextTable(const QString& folder, const QString& name) {
    // Blanks at the ends may belong to the file's name; only where no file
    // has them are they padding.
    if (auto found = findSpelled(folder, name))
        return found;
    const QString trimmed = name.trimmed();
    return trimmed == name ? std::nullopt : findSpelled(folder, trimmed);
}

TextTableData readTextTable(const QString& path) {
    QFile f(path);
    // Checked before the open, which would wait for good on a pipe.
    if (!lesbareDatei(path) || !f.open(QIODevice::ReadOnly))
        throw JetError(fehler::ObjektNichtGefunden,
                       QStringLiteral("Die Textdatei '%1' kann nicht gelesen werden.").arg(path));
    const QByteArray bytes = f.readAll();
    // No text table holds a NUL byte; a picture or a database named *.txt does.
    if (bytes.contains('\0'))
        throw JetError(fehler::TabellenFormat,
                       QStringLiteral("Die Datei '%1' ist keine Textdatei; die externe Tabelle hat "
                                      "nicht das erwartete Format.")
                           .arg(path));
    const QString text =
        bytes.startsWith("\xEF\xBB\xBF") ? QString::fromUtf8(bytes.mid(3)) : ausCp1252(bytes);
    const int lineEnd =
        static_cast<int>(text.indexOf(QRegularExpression(QStringLiteral("[\r\n]"))));
    const QChar delimiter = delimiterOf(lineEnd < 0 ? text : text.left(lineEnd));
    auto recs = records(text, delimiter);
    if (recs.empty())
        throw JetError(fehler::ObjektNichtGefunden,
                       QStringLiteral("Die Textdatei '%1' enthält keine Kopfzeile.").arg(path));
    TextTableData data;
    QSet<QString> seen;
    const auto& header = recs.front();
    for (size_t i = 0; i < header.size(); ++i) {
        QString name = header[i].value_or(QString()).trimmed();
        if (name.isEmpty() || seen.contains(name.toLower()))
            name = QStringLiteral("F%1").arg(i + 1);
        seen.insert(name.toLower());
        data.columns.push_back({name, DataType::Long});
    }
    for (size_t r = 1; r < recs.size(); ++r) {
        auto row = std::move(recs[r]);
        row.resize(data.columns.size());
        data.rows.push_back(std::move(row));
    }
    for (size_t c = 0; c < data.columns.size(); ++c) {
        bool any = false;
        for (const auto& row : data.rows) {
            if (!row[c])
                continue;
            any = true;
            if (!wholeNumber(*row[c])) {
                data.columns[c].type = DataType::Text;
                break;
            }
        }
        if (!any)
            data.columns[c].type = DataType::Text;
    }
    return data;
}

} // namespace sorvo::jet::detail
