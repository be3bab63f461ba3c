#pragma once
// The tool window's number boxes (positions, sizes, maxima in whole
// millimetres). Typing lets only the digits 0 to 9 and Backspace in; any
// other character, control characters and Ctrl combinations included, is
// dropped with the system beep. Text that would put anything but digits into
// the box some other way (pasting, dropping) is refused with the beep as
// well; a leading minus sign the program wrote itself may stay.
//
// Enter and leaving the box are two different signals: the maximum-width
// boxes apply them differently.
#include "platform/ordner.h"

#include <QLineEdit>
#include <functional>

namespace sorvo {

class ZahlenFeld : public QLineEdit {
    Q_OBJECT
public:
    explicit ZahlenFeld(QWidget* parent = nullptr);

signals:
    // Enter (or the keypad's Enter) was pressed in the box.
    void eingabe();
    // The input focus went elsewhere in the program. Not when the whole
    // program lost the focus or the box's own context menu opened: the box
    // keeps its place as the window's focus then.
    void fokusVerloren();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    void bearbeitet(const QString& neu);
    // The text before the user's last change, to go back to when a change is
    // refused.
    QString m_zuletzt;
};

} // namespace sorvo
