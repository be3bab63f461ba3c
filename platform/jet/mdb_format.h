#pragma once
// Facts of the .mdb file format that both our reader's checks and the test
// writer need: page sizes, where the table definition keeps its numbers, and
// the column type codes.
#include <cstdint>

namespace sorvo::jet::detail::format {

inline constexpr int VersionOffset = 0x14; // 0 Jet 3, 1 Jet 4, higher: later formats
inline constexpr int MaskStart = 0x18;     // the masked part of the header page
inline constexpr int MaskLengthJet3 = 126;
inline constexpr int MaskLengthJet4 = 128;
inline constexpr uint8_t MaskKey[4] = {0xC7, 0xDA, 0x39, 0x6B};
inline constexpr int CodePageOffset = 0x3C; // inside the masked part
inline constexpr int KeyOffset = 0x3E;      // non-zero: every page is encoded
inline constexpr int SortOrderOffsetJet4 = 0x6E;
inline constexpr char Signature[] = "Standard Jet DB";
inline constexpr int SignatureOffset = 4;

enum PageType : uint8_t {
    PageHeader = 0x00,
    PageData = 0x01,
    PageTableDef = 0x02,
    PageIndex = 0x03,
    PageLeaf = 0x04,
    PageUsageMap = 0x05,
};

enum ColumnType : uint8_t {
    ColBool = 0x01,
    ColByte = 0x02,
    ColInt = 0x03,
    ColLong = 0x04,
    ColMoney = 0x05,
    ColFloat = 0x06,
    ColDouble = 0x07,
    ColDateTime = 0x08,
    ColBinary = 0x09,
    ColText = 0x0A,
    ColOle = 0x0B,
    ColMemo = 0x0C,
    ColGuid = 0x0F,
    ColNumeric = 0x10,
};

// Row offsets on data pages: the low 13 bits are the position, the top bits
// mark deleted rows and rows moved elsewhere.
inline constexpr uint16_t OffsetMask = 0x1FFF;

// The memo (and OLE) header in a row: 3 bytes length, 1 byte flags, a
// pointer to the long-value row, 4 bytes unused.
inline constexpr int MemoHeader = 12;
inline constexpr uint32_t MemoInline = 0x80000000u;
inline constexpr uint32_t MemoSinglePage = 0x40000000u;

struct Layout {
    int pageSize;
    int rowCountOffset;  // on data pages; the row offsets follow
    int tdefRows;        // table definition: number of rows
    int tdefVarColumns;  // number of variable-length columns
    int tdefColumns;     // number of columns
    int tdefIndexes;     // logical indexes
    int tdefRealIndexes; // index entries
    int tdefUsageMap;    // pointer (page << 8 | row) to the table's page map
    int tdefFreeMap;     // pointer to the map of pages with free space
    int tdefFirstEntry;  // where the index entries and then the columns begin
    int realIndexSize;
    int columnSize;
    int colNumber; // inside a column entry
    int colVarIndex;
    int colRowNumber;
    int colFlags;
    int colMiscFlags; // Jet 4 only: 0x01 compressed text
    int colFixedOffset;
    int colLength;
    int nameLengthSize; // 1 byte (Jet 3) or 2 bytes (Jet 4)
    int dataPageHeader; // where the row offsets start
};

inline constexpr Layout Jet3{2048, 8, 12, 23, 25, 27, 31, 35, 39, 43, 8,
                             18,   1, 3,  5,  13, 0,  14, 16, 1,  10};
inline constexpr Layout Jet4{4096, 12, 16, 43, 45, 47, 51, 55, 59, 63, 12,
                             25,   5,  7,  9,  15, 16, 21, 23, 2,  14};

} // namespace sorvo::jet::detail::format
