#pragma once
// Lists that keep their entries in alphabetical order themselves.
#include "platform/sortieren.h"

#include <QString>
#include <QStringList>

class QListWidget;

namespace sorvo {

// Adds text where the alphabetical order, ignoring case, puts it; an entry
// equal to earlier ones goes after them. Returns its row.
int sortiertEinfuegen(QListWidget* liste, const QString& text);
// The entries from top to bottom.
QStringList eintraege(const QListWidget* liste);
// The first row whose text equals text exactly, or -1.
int ersteZeile(const QListWidget* liste, const QString& text);

} // namespace sorvo
