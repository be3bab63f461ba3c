#pragma once
// The program's own pictures, drawn in code: the toolbar pictures in their
// four states, the label window icons, the splash picture and the logo.
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace sorvo {

// Toolbar picture by key: base key ("new", "open", "save", "preview",
// "print", "back", "next", "printschilder") for the highlighted state, with
// "_u" pressed, "_n" normal and "_ef" disabled. 23 x 23 pixels. An unknown
// key gives a null pixmap.
QPixmap werkzeugBild(const QString& key);

// Label window icons: "pen04", "vorlage", "druck", "hand-m".
QIcon fensterBild(const QString& key);

QPixmap startBild();
QPixmap logoBild();

} // namespace sorvo
