#pragma once
// The command buttons and captions of the program's windows.
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace sorvo {

// A button named as in the forms and found by assistive technology under its
// caption, read without the mnemonic's "&" and with a line break as a blank.
// Without mitEnter, Enter never presses it: in windows where Enter belongs to
// a text box. A button placed by hand takes its parent here (eltern).
QPushButton* befehlsknopf(const char* name, const QString& beschriftung, bool mitEnter = true,
                          QWidget* eltern = nullptr);

// A caption, named as in the forms unless name is nullptr. Given the control
// it names (fuer), it is that control's buddy and the control is found by
// assistive technology under the caption's text as it stands. A caption
// placed by hand takes its parent here (eltern).
QLabel* beschriftung(const char* name, const QString& text, QWidget* fuer = nullptr,
                     QWidget* eltern = nullptr);

} // namespace sorvo
