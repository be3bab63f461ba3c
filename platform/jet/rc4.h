#pragma once
// RC4, with which the file format masks the header page (and, in databases
// encoded by their owner, every page). Applying it twice restores the data.
#include <cstddef>
#include <cstdint>

namespace sorvo::jet::detail {

void rc4(const uint8_t* key, size_t keyLength, uint8_t* data, size_t length);

// A page of a database whose owner had it encoded: the key is the
// database's key combined with the page number.
void rc4Page(uint32_t databaseKey, uint32_t page, uint8_t* data, size_t length);

} // namespace sorvo::jet::detail
