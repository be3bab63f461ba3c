#pragma once
// Dates in the engine's texts (internal): #...# literals of SQL, which are
// written the American way (month first) or as year-month-day, and the day
// numbers the engine computes with.
#include <QDateTime>
#include <QString>
#include <optional>

namespace sorvo::jet::detail {

// "1/31/1995", "1/31/95", "1995-01-31", "31-Jan-1995", each with an optional
// time "13:05[:07]" or "1:05 PM"; or a time alone. Nothing when unreadable.
std::optional<double> parseJetDateLiteral(const QString& text);
// Dates as users type them: "31.01.1995", "1995-01-31", each with an
// optional time.
std::optional<double> parseDateText(const QString& text);

double toOleDate(const QDateTime& dt);
QDateTime fromOleDate(double d);

} // namespace sorvo::jet::detail
