#pragma once
// Readable test failures for Qt texts and engine values.
#include "platform/jet/jet.h"

#include <QString>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace sorvo::jet {
inline void PrintTo(const Value& v, std::ostream* os) {
    *os << typName(v.type()) << '(' << v.toString().toStdString() << ')';
}
} // namespace sorvo::jet
