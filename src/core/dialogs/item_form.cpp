#include "core/dialogs/item_form.h"

#include "core/data/hotkey_table.h"
#include "core/text/path_split.h"
#include "core/text/sjis_walk.h"

namespace zek::dialogs {
namespace {

constexpr std::uint32_t kFullWidthSpace = 0x8140;
constexpr std::string_view kNotUsedText = "使用しない";

bool isLeadingBlank(std::uint32_t value) {
    return value == ' ' || value == '\t' || value == kFullWidthSpace;
}

bool isTrailingBlank(std::uint32_t value) {
    return isLeadingBlank(value) || value == '\r' || value == '\n';
}

std::string lowerAsciiLetters(std::string_view text) {
    std::string out(text);
    for (std::size_t pos = 0; pos < out.size();) {
        const text::Character character = text::characterAt(out, pos);
        if (character.length == 1 && character.value >= 'A' && character.value <= 'Z') {
            out[pos] = static_cast<char>(character.value - 'A' + 'a');
        }
        pos += character.length;
    }
    return out;
}

}  // namespace

std::string_view trimField(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        const text::Character character = text::characterAt(text, begin);
        if (!isLeadingBlank(character.value)) {
            break;
        }
        begin += character.length;
    }
    std::size_t end = begin;
    for (std::size_t pos = begin; pos < text.size();) {
        const text::Character character = text::characterAt(text, pos);
        pos += character.length;
        if (!isTrailingBlank(character.value)) {
            end = pos;
        }
    }
    return text.substr(begin, end - begin);
}

DroppedFileFields droppedFileFields(std::string_view path) {
    const text::PathParts parts = text::splitPath(path);
    return DroppedFileFields{
        .name = lowerAsciiLetters(parts.fileName),
        .app = std::string(path),
        .dir = std::string(parts.drive) + std::string(parts.directory),
    };
}

std::string droppedNodeName(std::string_view path) {
    return std::string(text::splitPath(path).fileName);
}

bool secondHotkeyBoxEnabled(std::string_view firstBoxText) {
    return firstBoxText != kNotUsedText && firstBoxText.find("のみ") == std::string_view::npos &&
           firstBoxText.find("ランチャーボタン") == std::string_view::npos;
}

app::HotkeyPair hotkeyPairFromBoxes(std::string_view firstBoxText, std::string_view secondBoxText) {
    const std::int32_t first = data::modifierCodeByText(firstBoxText);
    if (first == 0) {
        return {};
    }
    return {first, data::isLoneKey(first) ? 1 : data::keyCodeByText(secondBoxText)};
}

HotkeyChange planHotkeyChange(std::optional<app::HotkeyPair> source, app::HotkeyPair chosen) {
    const bool sourceHeldOne = source && source->first != 0 && source->second != 0;
    if (chosen.first == 0) {
        return {.registerNew = false, .releaseOld = sourceHeldOne};
    }
    if (source && source->first == chosen.first && source->second == chosen.second) {
        return {};
    }
    // A lone key reads from the boxes as (key, 1) whatever second part the file
    // holds; its keys and its id are the same, so it is already registered.
    const auto oldKeys = source ? app::registrationFor(*source) : std::nullopt;
    const auto newKeys = app::registrationFor(chosen);
    if (oldKeys && newKeys && oldKeys->modifiers == newKeys->modifiers &&
        oldKeys->virtualKey == newKeys->virtualKey) {
        return {};
    }
    return {.registerNew = true, .releaseOld = sourceHeldOne};
}

std::string hotkeyTakenMessage(app::HotkeyPair pair) {
    const std::string modifier(data::modifierText(pair.first).value_or(""));
    if (data::isLoneKey(pair.first)) {
        return modifier + " のホットキーはすでに使用されています。";
    }
    return modifier + " + " + std::string(data::keyText(pair.second)) +
           "のホットキーはすでに使用されています。";
}

std::optional<data::ItemFields> itemFromForm(const ItemFormValues& form) {
    data::ItemFields item{
        .name = std::string(trimField(form.name)),
        .comment = std::string(trimField(form.comment)),
        .icon = std::string(trimField(form.icon)),
        .priority = form.priority,
        .hotKey1 = form.hotkey.first,
        .hotKey2 = form.hotkey.second,
    };
    if (item.name.empty()) {
        return std::nullopt;
    }
    if (form.nodeMode) {
        item.type = data::ItemType::NodeItem;
        item.boot = form.boot ? 1 : 0;
    } else {
        item.type = data::ItemType::DataItem;
        item.app = std::string(trimField(form.app));
        item.option = std::string(trimField(form.option));
        item.dir = std::string(trimField(form.dir));
        item.tsk = form.tsk ? 1 : 0;
        item.extension = form.extension ? 1 : 0;
    }
    return item;
}

std::optional<data::ItemFields> rootNodeFromForm(std::string_view name, std::string_view icon,
                                                 std::int32_t priority) {
    data::ItemFields item{.type = data::ItemType::RootItem,
                          .name = std::string(trimField(name)),
                          .icon = std::string(trimField(icon)),
                          .priority = priority};
    if (item.name.empty()) {
        return std::nullopt;
    }
    return item;
}

}  // namespace zek::dialogs
