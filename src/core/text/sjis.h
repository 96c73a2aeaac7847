#pragma once
// Shift-JIS (code page 932) byte classes. Text is kept as 8-bit strings in the
// ANSI code page; rules that speak of characters must step over double-byte ones.

namespace zek::text {

// Lead bytes of a double-byte character: 0x81-0x9F and 0xE0-0xFC.
constexpr bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

}  // namespace zek::text
