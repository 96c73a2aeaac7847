#include "core/launch/shell_request.h"

#include "core/text/sjis_walk.h"

namespace zek::launch {

bool fitsRequestBuffers(const ShellRequest& request) {
    return request.file.size() <= kMaxRequestTextBytes && request.parameters.size() <= kMaxRequestTextBytes &&
           request.directory.size() <= kMaxRequestTextBytes;
}

std::string composeParameters(std::string_view prefixOption, std::string_view itemOption,
                              std::string_view path) {
    std::string parameters;
    parameters.reserve(prefixOption.size() + itemOption.size() + path.size() + 3);
    parameters += prefixOption;
    if (!itemOption.empty()) {
        parameters += itemOption;
        parameters += ' ';
    }
    parameters += '"';
    parameters += path;
    parameters += '"';
    return parameters;
}

std::string launchFailureMessage(const ShellRequest& request) {
    static constexpr std::string_view kTail = "を実行することができません　";
    const std::string_view file = text::headWithinBytes(request.file, kMaxRequestTextBytes);
    const std::string_view parameters = text::headWithinBytes(request.parameters, kMaxRequestTextBytes);
    std::string message;
    message.reserve(file.size() + 1 + parameters.size() + kTail.size());
    message += file;
    message += ' ';
    message += parameters;
    message += kTail;
    return message;
}

}  // namespace zek::launch
