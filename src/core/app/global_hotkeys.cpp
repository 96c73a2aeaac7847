#include "core/app/global_hotkeys.h"

#include "core/data/hotkey_table.h"

namespace zek::app {

std::optional<HotkeyRegistration> registrationFor(HotkeyPair pair) {
    if (pair.first == 0 || pair.second == 0) {
        return std::nullopt;
    }
    const auto first = static_cast<std::uint32_t>(pair.first);
    if (data::isLoneKey(pair.first)) {
        return HotkeyRegistration{0, first};
    }
    return HotkeyRegistration{first, static_cast<std::uint32_t>(pair.second)};
}

std::string_view globalHotkeyFailureText(int id) {
    switch (id) {
        case 0:
            return "ランチャー起動ホットキーの設定に失敗しました。動作設定で確認して下さい。";
        case 1:
            return "タスク切り替えホットキーの設定に失敗しました。動作設定で確認して下さい。";
        case 2:
            return "特定タスク切り替えホットキーの設定に失敗しました。動作設定で確認して下さい。";
        default:
            return {};
    }
}

}  // namespace zek::app
