#pragma once
// Windows-1252, the single-byte code page of templates and the stock-text
// list. Every byte round-trips: the five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters
// of the same value, as Windows itself does.
#include <QByteArray>
#include <QString>

namespace sorvo {

QString ausCp1252(const QByteArray& bytes);
// Characters the code page cannot hold become '?'.
QByteArray zuCp1252(const QString& text);
// The text as it comes back after a trip through the code page.
QString durchCp1252(const QString& text);

} // namespace sorvo
