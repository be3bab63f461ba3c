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

// Exposed for tests of the rules themselves.
int compareGeneral(const QString& a, const QString& b);
// Two texts have the same key exactly when the collation finds them equal.
std::string collationKey(const char* utf8, int length);
bool likeMatches(const QString& value, const QString& pattern);

} // namespace sorvo::jet::detail
