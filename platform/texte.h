#pragma once
// Small text helpers shared by the file readers and the windows.
#include <QString>

namespace sorvo {

// Blanks (spaces) trimmed from both ends; tabs and other characters stay.
QString ohneLeerzeichen(const QString& s);

} // namespace sorvo
