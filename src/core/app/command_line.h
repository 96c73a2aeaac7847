#pragma once
#include <cstddef>
#include <span>
#include <string_view>

#include "core/app/remote_command.h"

namespace zek::app {

// Turns already split arguments (argument 0, the program path, included and
// skipped) into switch records: each switch opens a record, the first argument
// after it fills argument1, later ones overwrite argument2. Arguments before the
// first switch are ignored; switches past `maxEntries` and all that follows are
// dropped. An argument too long for its field is cut to the field, ending on a
// whole character. Returns the number of records written.
std::size_t parseCommandLine(std::span<const std::string_view> arguments, std::span<SwitchEntry> entries,
                             std::size_t maxEntries);

// Copies `text` into a fixed field, cut to size - 1 bytes without splitting a
// double-byte character, zero-padding the rest.
void copyToField(std::span<char> field, std::string_view text);

}  // namespace zek::app
