#include "platform/cp1252.h"

#include <array>

namespace sorvo {
namespace {

// 0x80..0x9F; the other bytes are Latin-1.
constexpr std::array<char16_t, 32> kHoch = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char zuByte(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (size_t i = 0; i < kHoch.size(); ++i)
        if (kHoch[i] == c)
            return static_cast<char>(0x80 + i);
    return '?';
}

} // namespace

QString ausCp1252(const QByteArray& bytes) {
    QString s;
    s.resize(bytes.size());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        s[i] = QChar(b >= 0x80 && b < 0xA0 ? kHoch[b - 0x80] : char16_t(b));
    }
    return s;
}

QByteArray zuCp1252(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i; // one character, one '?'
        out.append(zuByte(c.unicode()));
    }
    return out;
}

QString durchCp1252(const QString& text) {
    return ausCp1252(zuCp1252(text));
}

} // namespace sorvo
