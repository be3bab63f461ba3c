#pragma once
// Alphabetical order as the program's lists show it.
#include <QString>
#include <QStringList>

namespace sorvo {

// German, ignoring case, whatever the user's locale. Negative, 0 or positive.
int alphabetischVergleichen(const QString& a, const QString& b);
// Sorts a list that way, equal entries kept in their order.
void alphabetischSortieren(QStringList& l);

} // namespace sorvo
