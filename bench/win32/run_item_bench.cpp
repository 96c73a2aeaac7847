// How long a start request holds the bar: runItem of a data item, from the call
// to ShellExecuteExA's return, for a program started plainly and for a document
// opened through the program's own association. The probe program beside this
// one is what gets started. Run under the system to be measured.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "core/data/data_file.h"
#include "core/data/item_store.h"
#include "core/data/item_store_file.h"
#include "core/data/launcher_settings.h"
#include "win32/data/profile_store_win32.h"
#include "win32/launch/item_runner.h"
#include "win32/process/launcher_process.h"

#include "bench_clock.h"

namespace {

using zek::bench::besideThisProgram;
using zek::bench::nowMs;

double medianMs(zek::win32::LauncherProcess& process, const zek::data::LauncherItem* item, int rounds) {
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const double start = nowMs();
        zek::win32::runItem(process, item);
        times.push_back(nowMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

}  // namespace

int main() {
    using namespace zek;
    const std::string probe = besideThisProgram("probe.exe");
    const std::string document = besideThisProgram("run_item_bench.zek");
    if (HANDLE file = ::CreateFileA(document.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        file != INVALID_HANDLE_VALUE) {
        ::CloseHandle(file);
    }
    const std::string records =
        "[100]\r\n0:ItemName=plain\r\n0:ItemApp=" + probe +
        "\r\n0:ItemType=4\r\n0:ItemLevel=1\r\n1:ItemName=document\r\n1:ItemApp=" + document +
        "\r\n1:ItemType=4\r\n1:ItemLevel=1\r\n1:ItemExtension=1\r\n";
    const data::DataFileReading reading = data::readDataFile(records);
    win32::Win32ProfileStore profile;
    win32::LauncherProcess process(::GetModuleHandleA(nullptr));
    // No file: default settings, nothing written.
    process.adoptFiles({}, std::make_unique<data::LauncherSettings>(profile, ""), nullptr,
                       std::make_unique<data::ItemStore>(reading.records));
    process.settings().addAssociation("zek", probe, "");
    const data::ItemStore& store = process.store();

    constexpr int kRounds = 21;
    std::printf("runItem up to ShellExecuteExA's return, median of %d:\n", kRounds);
    std::printf("  plain program:            %.2f ms\n",
                medianMs(process, store.findByName("plain"), kRounds));
    std::printf("  document by association:  %.2f ms\n",
                medianMs(process, store.findByName("document"), kRounds));
    ::DeleteFileA(document.c_str());
    return 0;
}
