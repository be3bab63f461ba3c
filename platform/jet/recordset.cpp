#include "platform/jet/recordset_data.h"

namespace sorvo::jet {

namespace {

[[noreturn]] void noCurrentRecord() {
    throw JetError(fehler::KeinAktuellerDatensatz, QStringLiteral("Kein aktueller Datensatz."));
}

[[noreturn]] void noSuchField(const QString& name) {
    throw JetError(fehler::ElementNichtGefunden,
                   QStringLiteral("Element '%1' in dieser Auflistung nicht gefunden.").arg(name));
}

} // namespace

Value Recordset::Daten::value(int row, int column) const {
    if (base)
        return base->value(baseRows[static_cast<size_t>(row)],
                           baseColumns[static_cast<size_t>(column)]);
    const Cell& c = cells[static_cast<size_t>(row) * fields.size() + static_cast<size_t>(column)];
    const bool bytes = c.kind == detail::CellKind::Text || c.kind == detail::CellKind::Blob;
    return detail::makeValue(fields[static_cast<size_t>(column)].type, c.kind, c.integer, c.real,
                             bytes ? arena.data() + c.offset : nullptr, c.length);
}

QString Field::name() const {
    return m_rs->d->fields[static_cast<size_t>(m_index)].name;
}
DataType Field::type() const {
    return m_rs->d->fields[static_cast<size_t>(m_index)].type;
}
Value Field::value() const {
    if (m_rs->bof() || m_rs->eof())
        noCurrentRecord();
    return m_rs->d->value(m_rs->m_pos, m_index);
}

Recordset::Recordset(std::unique_ptr<Daten> daten) : d(std::move(daten)) {}
Recordset::~Recordset() = default;

const QString& Recordset::source() const {
    return d->source;
}
int Recordset::fieldCount() const {
    return static_cast<int>(d->fields.size());
}
const std::vector<FieldInfo>& Recordset::fieldInfos() const {
    return d->fields;
}

Field Recordset::field(int index) const {
    if (index < 0 || index >= fieldCount())
        noSuchField(QString::number(index));
    return Field(this, index);
}

Field Recordset::field(const QString& name) const {
    const int i = fieldIndex(name);
    if (i < 0)
        noSuchField(name);
    return Field(this, i);
}

int Recordset::fieldIndex(const QString& name) const {
    for (size_t i = 0; i < d->fields.size(); ++i)
        if (d->fields[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

int Recordset::recordCount() const {
    return d->rows;
}
bool Recordset::bof() const {
    return m_pos < 0 || d->rows == 0;
}
bool Recordset::eof() const {
    return m_pos >= d->rows;
}

void Recordset::moveFirst() {
    if (d->rows == 0)
        noCurrentRecord();
    m_pos = 0;
}

void Recordset::moveLast() {
    if (d->rows == 0)
        noCurrentRecord();
    m_pos = d->rows - 1;
}

void Recordset::moveNext() {
    if (eof())
        noCurrentRecord();
    ++m_pos;
}

void Recordset::movePrevious() {
    if (bof())
        noCurrentRecord();
    --m_pos;
}

int Recordset::absolutePosition() const {
    return bof() || eof() ? -1 : m_pos;
}

Bookmark Recordset::bookmark() const {
    if (bof() || eof())
        noCurrentRecord();
    return Bookmark(d->id, m_pos);
}

void Recordset::setBookmark(const Bookmark& b) {
    if (b.m_recordset != d->id || b.m_row < 0 || b.m_row >= d->rows)
        throw JetError(fehler::UngueltigesLesezeichen, QStringLiteral("Ungültiges Lesezeichen."));
    m_pos = b.m_row;
}

Bookmark Recordset::bookmarkAt(int row) const {
    if (row < 0 || row >= d->rows)
        noCurrentRecord();
    return Bookmark(d->id, row);
}

Value Recordset::valueAt(int row, int column) const {
    if (row < 0 || row >= d->rows)
        noCurrentRecord();
    if (column < 0 || column >= fieldCount())
        noSuchField(QString::number(column));
    return d->value(row, column);
}

} // namespace sorvo::jet
