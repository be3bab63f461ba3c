#include "platform/jet/sql_dates.h"

#include "platform/jet/jet.h"

#include <QRegularExpression>

namespace sorvo::jet::detail {
namespace {

int fullYear(int y, int digits) {
    if (digits > 2)
        return y;
    return y < 30 ? 2000 + y : 1900 + y;
}

int monthByName(const QString& m) {
    static const char* names[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                  "jul", "aug", "sep", "oct", "nov", "dec"};
    const QString l = m.left(3).toLower();
    for (int i = 0; i < 12; ++i)
        if (l == QLatin1String(names[i]))
            return i + 1;
    return 0;
}

// A time "h:mm[:ss] [AM|PM]" at the end of the text; removes it.
std::optional<QTime> takeTime(QString& s) {
    static const QRegularExpression re(
        QStringLiteral("(?:^|\\s)(\\d{1,2}):(\\d{2})(?::(\\d{2}))?\\s*(AM|PM)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const auto m = re.match(s);
    if (!m.hasMatch())
        return QTime(0, 0);
    int h = m.captured(1).toInt();
    const int mi = m.captured(2).toInt();
    const int se = m.captured(3).isEmpty() ? 0 : m.captured(3).toInt();
    const QString ap = m.captured(4).toUpper();
    if (ap == QLatin1String("PM") && h < 12)
        h += 12;
    if (ap == QLatin1String("AM") && h == 12)
        h = 0;
    s.truncate(m.capturedStart());
    const QTime t(h, mi, se);
    if (!t.isValid())
        return std::nullopt;
    return t;
}

std::optional<double> combine(const QDate& d, const std::optional<QTime>& t) {
    if (!d.isValid() || !t)
        return std::nullopt;
    return toOleDate(QDateTime(d, *t));
}

} // namespace

double toOleDate(const QDateTime& dt) {
    return Value::date(dt).oleDate();
}

QDateTime fromOleDate(double d) {
    return Value::date(d).toDateTime();
}

std::optional<double> parseJetDateLiteral(const QString& text) {
    QString s = text.trimmed();
    const auto time = takeTime(s);
    s = s.trimmed();
    if (s.isEmpty())
        return time ? std::optional<double>(toOleDate(QDateTime(QDate(1899, 12, 30), *time)))
                    : std::nullopt;
    static const QRegularExpression us(QStringLiteral("^(\\d{1,2})[/-](\\d{1,2})[/-](\\d{2,4})$"));
    static const QRegularExpression iso(QStringLiteral("^(\\d{4})[/-](\\d{1,2})[/-](\\d{1,2})$"));
    static const QRegularExpression named(
        QStringLiteral("^(\\d{1,2})[- ]([A-Za-z]{3,9})[- ](\\d{2,4})$"));
    if (auto m = us.match(s); m.hasMatch())
        return combine(QDate(fullYear(m.captured(3).toInt(), static_cast<int>(m.capturedLength(3))),
                             m.captured(1).toInt(), m.captured(2).toInt()),
                       time);
    if (auto m = iso.match(s); m.hasMatch())
        return combine(QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()),
                       time);
    if (auto m = named.match(s); m.hasMatch())
        return combine(QDate(fullYear(m.captured(3).toInt(), static_cast<int>(m.capturedLength(3))),
                             monthByName(m.captured(2)), m.captured(1).toInt()),
                       time);
    return std::nullopt;
}

std::optional<double> parseDateText(const QString& text) {
    QString s = text.trimmed();
    const auto time = takeTime(s);
    s = s.trimmed();
    static const QRegularExpression german(
        QStringLiteral("^(\\d{1,2})\\.(\\d{1,2})\\.(\\d{2,4})$"));
    if (auto m = german.match(s); m.hasMatch())
        return combine(QDate(fullYear(m.captured(3).toInt(), static_cast<int>(m.capturedLength(3))),
                             m.captured(2).toInt(), m.captured(1).toInt()),
                       time);
    return parseJetDateLiteral(text);
}

} // namespace sorvo::jet::detail
