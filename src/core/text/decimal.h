#pragma once
// Decimal integers in the program's text files, read the way the C runtime's atoi
// reads them (leading blanks, a sign, digits up to the first other byte, no digits
// gives 0; out of range gives the nearest int32), without depending on a locale.

#include <cstdint>
#include <string>
#include <string_view>

namespace zek::text {

std::int32_t parseLeadingInt(std::string_view text);

// Appends the value as "%d" formats it.
void appendDecimal(std::string& out, std::int32_t value);

}  // namespace zek::text
