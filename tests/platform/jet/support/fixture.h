#pragma once
// One plant database per test program, written on first use into a
// temporary folder that lives until the program ends.
#include <QString>

namespace sorvo::jet::testing {

const QString& plantDatabase();
// A fresh temporary folder for a test's own files.
QString scratchFolder();

} // namespace sorvo::jet::testing
