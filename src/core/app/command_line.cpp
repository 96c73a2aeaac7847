#include "core/app/command_line.h"

#include <algorithm>
#include <cstring>

#include "core/app/switches.h"
#include "core/text/sjis.h"

namespace zek::app {

void copyToField(std::span<char> field, std::string_view text) {
    if (field.empty()) {
        return;
    }
    const std::size_t limit = std::min(text.size(), field.size() - 1);
    std::size_t length = 0;
    while (length < limit) {
        const bool doubleByte = text::isLeadByte(static_cast<unsigned char>(text[length]));
        const std::size_t step = doubleByte && length + 1 < text.size() ? 2 : 1;
        if (length + step > limit) {
            break;
        }
        length += step;
    }
    std::copy_n(text.data(), length, field.data());  // also for a view with no text behind it
    std::memset(field.data() + length, 0, field.size() - length);
}

std::size_t parseCommandLine(std::span<const std::string_view> arguments, std::span<SwitchEntry> entries,
                             std::size_t maxEntries) {
    maxEntries = std::min(maxEntries, entries.size());
    std::size_t count = 0;
    SwitchEntry* current = nullptr;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (switchByName(argument)) {
            if (count == maxEntries) {
                break;
            }
            current = &entries[count++];
            copyToField(current->switchName, argument);
            current->argument1[0] = '\0';
            current->argument2[0] = '\0';
        } else if (current != nullptr) {
            copyToField(current->argument1[0] == '\0' ? std::span<char>(current->argument1)
                                                      : std::span<char>(current->argument2),
                        argument);
        }
    }
    return count;
}

}  // namespace zek::app
