#pragma once
// The program settings in the registry: folders, the main window's geometry
// and state, the switches and the version. Read once at start, written once
// at the end.
#include <QString>

namespace sorvo {

class MDI;

inline const QString kSchluesselSibling = QStringLiteral("Software\\Kelmarhof\\Botrel3.0\\Pfade");
inline const QString kSchluesselEditor =
    QStringLiteral("Software\\Kelmarhof\\Botrel-Editor1.0\\Pfade");
inline const QString kSchluesselPfade = QStringLiteral("Software\\Kelmarhof\\Sorvo1.0\\Pfade");
inline const QString kSchluesselMDI = QStringLiteral("Software\\Kelmarhof\\Sorvo1.0\\MDI");
inline const QString kSchluesselOptionen =
    QStringLiteral("Software\\Kelmarhof\\Sorvo1.0\\Optionen");
inline const QString kSchluesselVersion = QStringLiteral("Software\\Kelmarhof\\Sorvo1.0\\Version");

// The main window's size when none is stored, in twips.
inline constexpr int kStandardBreite = 19320;
inline constexpr int kStandardHoehe = 14520;

void EinstellungenLaden(MDI& mdi);
void EinstellungenSpeichern(MDI& mdi);

// A folder as it is used: a stored single blank means no folder.
QString ordnerWert(const QString& gespeichert);
// The folder with a trailing separator of the kind it already uses.
QString mitTrenner(const QString& ordner);

} // namespace sorvo
