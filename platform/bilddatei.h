#pragma once
// Picture files: their natural size, read from the file's header alone, and
// loading them whole or scaled down while decoding.
#include <QImage>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <optional>

namespace sorvo {

// The resolution a JPEG file states in its JFIF header, in dots per inch
// (across, down); nothing when it states none (no header, or only an
// aspect ratio).
std::optional<QSizeF> bildAufloesung(const QString& pfad);

// A picture file's natural size in millimetres: its pixel size at the
// resolution the file states, 96 dots per inch where it states none.
// Nothing when the file is no readable picture.
std::optional<QSizeF> bildGroesseMm(const QString& pfad);

// The picture of a file; a valid groesse decodes it straight to that size
// (much faster for large photographs than decoding and scaling). A null
// image when the file is no readable picture.
QImage bildLaden(const QString& pfad, QSize groesse = {});

} // namespace sorvo
