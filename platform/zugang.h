#pragma once
// How assistive technology sees widgets whose class tells it too little: a
// window that is a plain widget, a picture that works as a button.
#include <QAccessible>
#include <functional>

class QWidget;

namespace sorvo {

// Announces the widget with this role instead of the one of its class.
void zugangsRolleSetzen(QWidget& w, QAccessible::Role rolle);

// Announces the widget as a button whose press action calls druecken, while
// the widget is enabled.
void alsKnopfZugaenglich(QWidget& w, std::function<void()> druecken);

} // namespace sorvo
