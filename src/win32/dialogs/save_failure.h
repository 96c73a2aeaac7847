#pragma once
// Telling the user that the data file was not written, and why.
#include <windows.h>

#include <string>
#include <string_view>

#include "core/data/item_store_file.h"
#include "win32/process/launcher_process.h"

namespace zek::win32 {

// What became of the changes a failed save would have written, as the box ends.
// The settings tree keeps them for another try or for its discard.
inline constexpr std::string_view kTreeEditsRemain =
    "変更は残っています。OK でもう一度保存するか、閉じるボタンで変更を破棄できます。";
// An edit in the command list stays in memory, and the next save writes it.
inline constexpr std::string_view kEditWaitsForNextSave =
    "変更は残っており、次に保存するときに書き込まれます。";
// "/i" puts nothing in place when its save fails.
inline constexpr std::string_view kImportNotMade =
    "スタートメニューの取り込みは行われず、ファイルは元のままです。";

// An error box owned by `owner` naming the file and the reason, then `aftermath`.
void showSaveFailure(HWND owner, const std::string& path, data::SaveResult result, unsigned long errorCode,
                     std::string_view aftermath);

// Writes `store` to the process's data file; false, after telling the user in a box
// owned by `owner` that ends with `aftermath`, when it was not written.
bool saveStoreOrReport(LauncherProcess& process, const data::ItemStore& store, HWND owner,
                       std::string_view aftermath);

}  // namespace zek::win32
