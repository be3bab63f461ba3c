#pragma once
// The frame the small choice windows of the database part share: a titled
// group of option buttons above the buttons OK (the default) and Abbrechen.
#include <QString>

class QDialog;
class QGroupBox;
class QPushButton;
class QVBoxLayout;

namespace sorvo {

struct Optionenfenster {
    QGroupBox* Frame1;
    QVBoxLayout* optionen; // the options go here, top to bottom
    QPushButton* cmdOK;
    QPushButton* cmdAbbrechen;
};

// Lays the frame out in d; the buttons are connected to nothing yet.
Optionenfenster optionenfensterAnlegen(QDialog& d, const QString& rahmen);

} // namespace sorvo
