#include "platform/jet/rc4.h"

#include <utility>

namespace sorvo::jet::detail {

void rc4(const uint8_t* key, size_t keyLength, uint8_t* data, size_t length) {
    uint8_t s[256];
    for (int i = 0; i < 256; ++i)
        s[i] = static_cast<uint8_t>(i);
    uint8_t j = 0;
    for (int i = 0; i < 256; ++i) {
        j = static_cast<uint8_t>(j + s[i] + key[i % keyLength]);
        std::swap(s[i], s[j]);
    }
    uint8_t a = 0;
    uint8_t b = 0;
    for (size_t k = 0; k < length; ++k) {
        a = static_cast<uint8_t>(a + 1);
        b = static_cast<uint8_t>(b + s[a]);
        std::swap(s[a], s[b]);
        data[k] ^= s[static_cast<uint8_t>(s[a] + s[b])];
    }
}

void rc4Page(uint32_t databaseKey, uint32_t page, uint8_t* data, size_t length) {
    const uint32_t k = databaseKey ^ page;
    const uint8_t key[4] = {static_cast<uint8_t>(k), static_cast<uint8_t>(k >> 8),
                            static_cast<uint8_t>(k >> 16), static_cast<uint8_t>(k >> 24)};
    rc4(key, sizeof key, data, length);
}

} // namespace sorvo::jet::detail
