#pragma once
// The updater reads the settings the main program wrote, from the same file
// ($SORVO_REGISTRY, else the per-user default), with a small reader of its
// own: it only ever reads, and only a handful of values once at start.
//
// The file holds key lines "[HKEY_LOCAL_MACHINE\Software\...]" and below
// each its value lines "name=text"; '\' escapes the next character ("\n" and
// "\r" being line breaks); keys and value names compare without regard to
// case; of a key or value that occurs twice the first counts; lines that are
// neither, and those starting with ';', are passed over.
#include <QString>
#include <cstdint>

namespace sorvo::update {

using RegWurzel = uint32_t;
inline constexpr RegWurzel HKEY_CURRENT_USER = 0x80000001u;
inline constexpr RegWurzel HKEY_LOCAL_MACHINE = 0x80000002u;

// The settings file in use.
QString registryDatei();

// The text of the value up to its first NUL; "" when the file, the key or
// the value is missing.
QString RegWertLesen(RegWurzel hKey, const QString& Schluessel, const QString& Wertname);

} // namespace sorvo::update
