#pragma once
// The command buttons of the program's windows.
#include <QString>

class QPushButton;

namespace sorvo {

// A button named as in the forms and found by assistive technology under its
// caption, read without the mnemonic's "&" and with a line break as a blank.
// Without mitEnter, Enter never presses it: in windows where Enter belongs to
// a text box.
QPushButton* befehlsknopf(const char* name, const QString& beschriftung, bool mitEnter = true);

} // namespace sorvo
