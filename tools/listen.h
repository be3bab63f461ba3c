#pragma once
// Lists that keep their entries in alphabetical order themselves.
#include <QString>
#include <QStringList>

class QListWidget;

namespace sorvo {

// Alphabetical order as the lists show it: German, ignoring case, whatever
// the user's locale. Negative, 0 or positive.
int alphabetischVergleichen(const QString& a, const QString& b);
// Sorts a list that way, equal entries kept in their order.
void alphabetischSortieren(QStringList& l);

// Adds text where the alphabetical order, ignoring case, puts it; an entry
// equal to earlier ones goes after them. Returns its row.
int sortiertEinfuegen(QListWidget* liste, const QString& text);
// The entries from top to bottom.
QStringList eintraege(const QListWidget* liste);
// The first row whose text equals text exactly, or -1.
int ersteZeile(const QListWidget* liste, const QString& text);

} // namespace sorvo
