#pragma once
// Numbers of the engine as texts (internal).
#include "platform/jet/jet.h"

#include <QLocale>
#include <QString>

namespace sorvo::jet::detail {

// The double whose shortest digits are the shortest digits that give back
// the same Single: 0.05f becomes 0.05, not 0.05000000074505806. Converting
// it back to Single gives the value it came from.
double singleAlsDezimal(double wert);

// A number value (Single, Double, Decimal, Currency) with the shortest
// digits that give back its value, in the locale's form.
QString zahlText(const Value& v, const QLocale& locale);

} // namespace sorvo::jet::detail
