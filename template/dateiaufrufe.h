#pragma once
// The two system calls that end the writing of a template file: closing the
// temporary file and renaming it over the old one. They fail where a network
// share fills up or goes away, which no folder of a test does; tests put
// failing ones in their place.
#include "platform/ersetzen.h"

namespace sorvo::satz {

using DateiAufrufe = sorvo::DateiAufrufe;

// The calls in use; the system's own unless a test replaced them.
DateiAufrufe& dateiAufrufe();

} // namespace sorvo::satz
