#pragma once
// The plant pictures of the sibling product: its picture folder (one
// sub-folder per category, recognised by a marker file), the picture table
// of each category that names a record's up to ten picture files, and the
// search that finds the files of one record that exist.
#include <QString>
#include <cstdint>
#include <vector>

namespace sorvo {

class frmDbSaetzeWaehlen;

struct GefundenesBild {
    QString pfad; // the file as it stands on disk
    QString text; // its caption from the picture table, "" for none
};

// Whether ordner is a picture folder: it holds "topfpflanzen/0054005.jpg" or
// a file "topfpflanzen/abu*", names matched whatever their letter case.
bool bilderOrdnerMarke(const QString& ordner);
// The marker test on the stored picture folder (strBotrelBilderVerz).
bool BilderOrdnerPruefen();

// The existing picture files of the record whose article number
// saetze.strBilderUebergabe holds, for a category kind ("vxt" .. "vxf"): the
// "-G" series (up to its first empty name) before the "-D" series (empty
// names skipped), at most ten. The article number is bound to the query as a
// parameter, never written into its text. A name holding a path separator
// or ".." is no picture. No article number, no row, an unknown kind or a
// record set without the columns gives none; a missing picture table or
// another engine error is reported once and gives none, or, without
// fehlerMelden, goes to the caller.
std::vector<GefundenesBild> pflanzenBilder(frmDbSaetzeWaehlen& saetze, const QString& art,
                                           bool fehlerMelden = true);

// The number of existing pictures of the record, for the current label
// window's kind; with exactly one, its path goes to saetze.strBotrelBild,
// which is otherwise left alone. Two calls give the same result. An engine
// error goes to the caller: the record transfer reports it once for all
// its records.
int32_t ArtikelBilderZaehlen(frmDbSaetzeWaehlen& saetze);

} // namespace sorvo
