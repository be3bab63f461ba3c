#pragma once
// What SQLite needs to behave like the Jet engine (internal): the collation
// JET (the "General" sort order: case does not count, an accented letter
// sorts right after its base letter, Ä with A and not after Z), LIKE with
// Jet's wildcards, and the Jet functions the compiler maps calls to.
#include <QString>
#include <string>

struct sqlite3;

namespace sorvo::jet::detail {

// Registers everything on a connection; throws JetError when SQLite refuses.
void registerJetExtensions(sqlite3* db);

// The last failure on db as the user is told it: the engine's own German
// messages (from its functions and tables) as they are, anything SQLite
// says of itself, in English and about its inner workings, as sonst.
QString fehlerMeldung(sqlite3* db, const QString& sonst);
// A message of the engine's own for a failure inside SQLite, which
// fehlerMeldung passes on; valid for the whole run.
const char* eigeneMeldung(const char* text);

// Exposed for tests of the rules themselves.
int compareGeneral(const QString& a, const QString& b);
// Two texts have the same key exactly when the collation finds them equal.
std::string collationKey(const char* utf8, int length);
bool likeMatches(const QString& value, const QString& pattern);

} // namespace sorvo::jet::detail
