#pragma once
// Text tables (internal), read as the engine's text driver reads them by
// default: the first line holds the field names, the bytes are Windows-1252
// (UTF-8 when the file starts with its byte-order mark), fields may be
// enclosed in double quotes, and the delimiter is the comma unless the
// header line shows semicolons or tabs, as German spreadsheets write them.
#include "platform/jet/sql.h"

#include <QString>
#include <optional>
#include <vector>

namespace sorvo::jet::detail {

struct TextTableFile {
    QString name; // the file name without its extension
    QString path;
};

// The tables of a folder: every *.txt, *.csv, *.tab and *.asc file.
std::vector<TextTableFile> textTables(const QString& folder);
// "preise", "preise.txt" or "preise#txt", whatever the case.
std::optional<TextTableFile> findTextTable(const QString& folder, const QString& name);

struct TextTableData {
    std::vector<OutputColumn> columns; // Long where every value is a whole number, else Text
    std::vector<std::vector<std::optional<QString>>> rows; // empty fields are Null
};

// Throws JetError when the file cannot be read or has no header line.
TextTableData readTextTable(const QString& path);

} // namespace sorvo::jet::detail
