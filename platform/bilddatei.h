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

// The largest picture decoded, by the size its header states: a few bytes
// of a damaged or hostile file can announce a picture of gigabytes.
inline constexpr int kGroessteBildSeite = 20000;
inline constexpr qint64 kGroessteBildPixel = 100'000'000;

// A picture file's pixel size as its header states it; nothing when the
// path is no readable regular file, the file is no picture the program
// reads, or the stated size is empty or beyond the limits above. Nothing
// is decoded.
std::optional<QSize> bildPixel(const QString& pfad);

// A picture file's natural size in millimetres: its pixel size at the
// resolution the file states, 96 dots per inch where it states none.
// Nothing when the file is no readable picture (as bildPixel).
std::optional<QSizeF> bildGroesseMm(const QString& pfad);

// The picture of a file; a valid groesse decodes it straight to that size
// (much faster for large photographs than decoding and scaling). A null
// image when the file is no readable picture (as bildPixel) or its data
// cannot be decoded.
QImage bildLaden(const QString& pfad, QSize groesse = {});

} // namespace sorvo
