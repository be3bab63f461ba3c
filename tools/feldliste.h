#pragma once
// FeldListe.dat, the user's stock texts beside the program: one entry per
// line, Windows-1252, lines ending in CR LF. A line is read and written
// whole, so an entry keeps its commas, quotes and leading blanks.
#include <QString>
#include <QStringList>
#include <optional>

namespace sorvo {

// The entries in file order. A missing file is an empty list; a file that
// cannot be read gives nothing.
std::optional<QStringList> feldListeLesen(const QString& pfad);
// Appends one entry, creating the file when it is missing. False when the
// file could not be written; it is then unchanged.
bool feldListeAnhaengen(const QString& pfad, const QString& eintrag);
// Replaces the file by the entries, in their order. False when it could
// not be written; it is then unchanged.
bool feldListeSchreiben(const QString& pfad, const QStringList& eintraege);

// The messages for a stock-text file that cannot be read or written.
void feldListeNichtLesbar(const QString& pfad);
void feldListeNichtSchreibbar(const QString& pfad);

} // namespace sorvo
