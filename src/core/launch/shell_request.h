#pragma once
// What the launcher hands to the Windows shell to start a program or open a
// document or folder (the shell's verb is always "open"), how option and path are
// put together for it, and the message shown when a start fails.

#include <cstddef>
#include <string>
#include <string_view>

namespace zek::launch {

struct ShellRequest {
    std::string file;        // program, document or folder to open
    std::string parameters;  // empty = none
    std::string directory;   // working directory; empty = none

    bool operator==(const ShellRequest&) const = default;
};

// Every text of a request has to fit the program's 512-byte text buffers.
inline constexpr std::size_t kMaxRequestTextBytes = 511;

// False when a text of the request is longer than kMaxRequestTextBytes. Such a
// request is never sent: cutting it would start something with another path.
bool fitsRequestBuffers(const ShellRequest& request);

// The parameters that open `path` with a program: `prefixOption` as it is (no blank
// is added after it), then `itemOption` and one blank if there is an item option,
// then the path in double quotes.
std::string composeParameters(std::string_view prefixOption, std::string_view itemOption,
                              std::string_view path);

inline constexpr std::string_view kLaunchFailureCaption = "起動失敗";

// "<file> <parameters>を実行することができません　" (ending in an ideographic space).
// File and parameters are each cut to kMaxRequestTextBytes on a whole character, so
// the message of a refused overlong request stays bounded too.
std::string launchFailureMessage(const ShellRequest& request);

}  // namespace zek::launch
