#pragma once
// Our registry: named keys holding text values (the REG_SZ kind), kept in one
// file per user that the main program and its updater share. The variable
// SORVO_REGISTRY names another file (tests, a second profile).
//
// The file is our own small format, LF or CR LF line ends:
//   [HKEY_LOCAL_MACHINE\Software\...\Pfade]
//   Botrel-Verz=C:\\Botrel\\ (escaped)
// Backslashes, line breaks, '=' in names and brackets are escaped with '\'.
// Keys and value names compare case-insensitively and keep their spelling.
// Lines that are neither (comments, damage) are passed over, and so is
// everything below a broken key line up to the next good one.
//
// The file is read once and kept; it is read again only when it changed on
// disk (the updater and a second profile write it too). A write replaces
// the one line of its value and keeps every other byte as it was, then
// replaces the file through a temporary one, locked against the other
// program while it does so.
#include <QString>
#include <cstdint>
#include <optional>

namespace sorvo {

using RegWurzel = uint32_t;
inline constexpr RegWurzel HKEY_CURRENT_USER = 0x80000001u;
inline constexpr RegWurzel HKEY_LOCAL_MACHINE = 0x80000002u;

// The file in use: $SORVO_REGISTRY, else the per-user default.
QString registryDatei();

// Writes Wert, creating the key when needed. The text is stored as the
// single-byte code page holds it. Failures are reported nowhere; the store
// is never left half written.
void RegStringSchreiben(RegWurzel hKey, const QString& Schluessel, const QString& Wertname,
                        const QString& Wert);

// The stored text, or nothing when the key or value is missing or the value
// is 255 characters or longer (it would not fit the reader's buffer).
std::optional<QString> RegStringLesen(RegWurzel hKey, const QString& Schluessel,
                                      const QString& Wertname);

// The stored text, or Standard when it is missing, empty or a single blank.
QString RegStringLesenStandard(RegWurzel hKey, const QString& Schluessel, const QString& Wertname,
                               const QString& Standard);

} // namespace sorvo
