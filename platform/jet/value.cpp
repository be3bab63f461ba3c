#include "platform/jet/jet.h"
#include "platform/jet/zahlen.h"

#include <QLocale>
#include <charconv>
#include <cmath>

namespace sorvo::jet {

JetError::JetError(int number, const QString& description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description) {}

namespace detail {

double singleAlsDezimal(double wert) {
    const auto f = static_cast<float>(wert);
    if (!std::isfinite(f))
        return wert;
    char text[32];
    const auto ende = std::to_chars(text, text + sizeof text, f).ptr;
    double d = 0;
    std::from_chars(text, ende, d);
    return d;
}

QString zahlText(const Value& v, const QLocale& locale) {
    const double d = v.type() == DataType::Single ? singleAlsDezimal(v.toDouble()) : v.toDouble();
    return locale.toString(d, 'g', QLocale::FloatingPointShortest);
}

} // namespace detail

namespace {
const QDate oleNull(1899, 12, 30);
constexpr double msPerDay = 86400000.0;
} // namespace

Value Value::boolean(bool b) {
    return integer(b ? -1 : 0, DataType::Boolean);
}

Value Value::integer(qint64 i, DataType type) {
    Value v;
    v.m_type = type;
    v.m_int = i;
    return v;
}

Value Value::currency(qint64 zehntausendstel) {
    return integer(zehntausendstel, DataType::Currency);
}

Value Value::real(double d, DataType type) {
    Value v;
    v.m_type = type;
    v.m_real = d;
    return v;
}

Value Value::date(double oleDate) {
    return real(oleDate, DataType::Date);
}

Value Value::date(const QDateTime& dt) {
    const qint64 days = oleNull.daysTo(dt.date());
    const double frac = dt.time().msecsSinceStartOfDay() / msPerDay;
    return date(days >= 0 ? static_cast<double>(days) + frac : static_cast<double>(days) - frac);
}

Value Value::text(const QString& s, DataType type) {
    Value v;
    v.m_type = type;
    v.m_text = s.isNull() ? QString(QLatin1String("")) : s;
    return v;
}

Value Value::binary(const QByteArray& b, DataType type) {
    Value v;
    v.m_type = type;
    v.m_bytes = b;
    return v;
}

bool Value::isNumber() const {
    switch (m_type) {
    case DataType::Boolean:
    case DataType::Byte:
    case DataType::Integer:
    case DataType::Long:
    case DataType::Currency:
    case DataType::Single:
    case DataType::Double:
    case DataType::Decimal:
        return true;
    default:
        return false;
    }
}

bool Value::toBool() const {
    if (isText())
        return false;
    return toDouble() != 0;
}

qint64 Value::toInt64() const {
    switch (m_type) {
    case DataType::Boolean:
    case DataType::Byte:
    case DataType::Integer:
    case DataType::Long:
        return m_int;
    case DataType::Currency:
        return m_int / 10000;
    case DataType::Single:
    case DataType::Double:
    case DataType::Decimal:
    case DataType::Date:
        return static_cast<qint64>(std::trunc(m_real));
    case DataType::Text:
    case DataType::Memo:
        return textAlsGanzzahl(m_text).value_or(0);
    default:
        return 0;
    }
}

std::optional<qint64> textAlsGanzzahl(QStringView text) {
    const QStringView t = text.trimmed();
    // Qt's reading of whole numbers stops at a NUL as at the end of a C
    // string, and takes "1001\0 9" for 1001.
    if (t.contains(QChar(0)))
        return std::nullopt;
    bool ok = false;
    const qint64 n = t.toLongLong(&ok);
    return ok ? std::optional<qint64>(n) : std::nullopt;
}

double Value::toDouble() const {
    switch (m_type) {
    case DataType::Boolean:
    case DataType::Byte:
    case DataType::Integer:
    case DataType::Long:
        return static_cast<double>(m_int);
    case DataType::Currency:
        return static_cast<double>(m_int) / 10000.0;
    case DataType::Single:
    case DataType::Double:
    case DataType::Decimal:
    case DataType::Date:
        return m_real;
    case DataType::Text:
    case DataType::Memo:
        return m_text.trimmed().toDouble();
    default:
        return 0;
    }
}

double Value::oleDate() const {
    return m_type == DataType::Date ? m_real : toDouble();
}

QDateTime Value::toDateTime() const {
    if (isNull())
        return {};
    const double d = oleDate();
    if (!std::isfinite(d) || std::fabs(d) > 3e6)
        return {};
    // The whole part counts days from the zero date, the fraction is the
    // time of day whatever the sign.
    qint64 days = static_cast<qint64>(std::trunc(d));
    qint64 ms = std::llround(std::fabs(d - static_cast<double>(days)) * msPerDay);
    if (ms >= static_cast<qint64>(msPerDay)) {
        ms = 0;
        days += d < 0 ? -1 : 1;
    }
    return QDateTime(oleNull.addDays(days), QTime::fromMSecsSinceStartOfDay(static_cast<int>(ms)));
}

QDate Value::toDate() const {
    return toDateTime().date();
}

QByteArray Value::toBytes() const {
    if (m_type == DataType::Binary || m_type == DataType::LongBinary)
        return m_bytes;
    return toString().toUtf8();
}

QString Value::toString() const {
    switch (m_type) {
    case DataType::Empty:
        return QString(QLatin1String(""));
    case DataType::Boolean:
        return m_int ? QStringLiteral("True") : QStringLiteral("False");
    case DataType::Byte:
    case DataType::Integer:
    case DataType::Long:
        return QString::number(m_int);
    case DataType::Currency: {
        QString s = QString::number(m_int / 10000);
        qint64 rest = std::llabs(m_int % 10000);
        if (m_int < 0 && m_int / 10000 == 0)
            s.prepend(QLatin1Char('-'));
        if (rest) {
            QString frac = QStringLiteral("%1").arg(rest, 4, 10, QLatin1Char('0'));
            while (frac.endsWith(QLatin1Char('0')))
                frac.chop(1);
            s += QLatin1Char('.') + frac;
        }
        return s;
    }
    case DataType::Single:
    case DataType::Double:
    case DataType::Decimal:
        return detail::zahlText(*this, QLocale::c());
    case DataType::Date: {
        const QDateTime dt = toDateTime();
        const bool hasTime = dt.time() != QTime(0, 0);
        if (dt.date() == oleNull && hasTime)
            return dt.time().toString(QStringLiteral("HH:mm:ss"));
        return hasTime ? dt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"))
                       : dt.date().toString(QStringLiteral("yyyy-MM-dd"));
    }
    case DataType::Text:
    case DataType::Memo:
    case DataType::Guid:
        return m_text;
    case DataType::Binary:
    case DataType::LongBinary:
        return QString::fromLatin1(m_bytes.toHex());
    }
    return {};
}

bool Value::operator==(const Value& o) const {
    if (m_type != o.m_type)
        return false;
    switch (m_type) {
    case DataType::Empty:
        return true;
    case DataType::Single:
    case DataType::Double:
    case DataType::Decimal:
    case DataType::Date:
        return m_real == o.m_real;
    case DataType::Text:
    case DataType::Memo:
    case DataType::Guid:
        return m_text == o.m_text;
    case DataType::Binary:
    case DataType::LongBinary:
        return m_bytes == o.m_bytes;
    default:
        return m_int == o.m_int;
    }
}

const char* typName(DataType t) {
    switch (t) {
    case DataType::Empty:
        return "Empty";
    case DataType::Boolean:
        return "Boolean";
    case DataType::Byte:
        return "Byte";
    case DataType::Integer:
        return "Integer";
    case DataType::Long:
        return "Long";
    case DataType::Currency:
        return "Currency";
    case DataType::Single:
        return "Single";
    case DataType::Double:
        return "Double";
    case DataType::Date:
        return "Date";
    case DataType::Text:
        return "Text";
    case DataType::Memo:
        return "Memo";
    case DataType::Binary:
        return "Binary";
    case DataType::LongBinary:
        return "LongBinary";
    case DataType::Guid:
        return "Guid";
    case DataType::Decimal:
        return "Decimal";
    }
    return "?";
}

} // namespace sorvo::jet
