#include "win32/dialogs/save_failure.h"

#include "core/data/item_store.h"

namespace zek::win32 {
namespace {

std::string systemText(unsigned long code) {
    char text[256] = {};
    const DWORD length = ::FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                          code, 0, text, sizeof text, nullptr);
    std::string result(text, length);
    while (!result.empty() && (result.back() == '\r' || result.back() == '\n' || result.back() == ' ')) {
        result.pop_back();
    }
    return result;
}

std::string writeFailureReason(unsigned long code) {
    switch (code) {
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return "ディスクの空きがありません。";
        case ERROR_ACCESS_DENIED:
        case ERROR_WRITE_PROTECT:
            return "ファイルまたはフォルダが読み取り専用か、書き込みが許可されていません。";
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
            return "ファイルが他のプログラムに使用されています。";
        default: {
            std::string text = systemText(code);
            return (text.empty() ? std::string("不明なエラー") : text) + " (" + std::to_string(code) + ")";
        }
    }
}

std::string failureReason(data::SaveResult result, unsigned long code) {
    switch (result) {
        case data::SaveResult::Blocked:
            return "起動時に読み込めなかったファイルです。上書きしないよう保存を止めました。";
        case data::SaveResult::NoPath:
            return "プログラムのフォルダが分かりません。";
        case data::SaveResult::Refused:
            return "保存する項目がありません。";
        default:
            return writeFailureReason(code);
    }
}

}  // namespace

void showSaveFailure(HWND owner, const std::string& path, data::SaveResult result, unsigned long errorCode,
                     std::string_view aftermath) {
    const std::string message = "データを保存できませんでした。\r\n" + path + "\r\n\r\n" +
                                failureReason(result, errorCode) + "\r\n\r\n" + std::string(aftermath);
    ::MessageBoxA(owner, message.c_str(), "保存失敗", MB_ICONERROR | MB_OK);
}

bool saveStoreOrReport(LauncherProcess& process, const data::ItemStore& store, HWND owner,
                       std::string_view aftermath) {
    data::ItemStoreFile& file = process.storeFile();
    const data::SaveResult result = file.save(store);
    if (result == data::SaveResult::Written) {
        return true;
    }
    showSaveFailure(owner, process.paths().datPath.value_or(""), result, file.lastFailureCode(), aftermath);
    return false;
}

}  // namespace zek::win32
