// The settings loader, through the in-memory profile store: any INI file loads
// into texts the file can hold, and the file the program writes from it loads back
// to the same settings and saves again to the same bytes.
#include "core/data/launcher_settings.h"
#include "core/data/profile_value.h"
#include "data/profile_double.h"
#include "fuzz_check.h"

using namespace zek;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = "C:\\zek\\ZekLauncher.ini";
    test::ProfileDouble profile;
    profile.files[path] = std::string(fuzz::bytesOf(data, size));
    data::LauncherSettings loaded(profile, path);
    for (const data::Association& entry : loaded.associations()) {
        ZEK_FUZZ_CHECK(!entry.ext.empty() && !entry.appPath.empty());
        ZEK_FUZZ_CHECK(data::isStorableProfileText(entry.ext) && data::isStorableProfileText(entry.appPath) &&
                       data::isStorableProfileText(entry.appOption));
    }
    ZEK_FUZZ_CHECK(data::isStorableProfileText(loaded.filer().fileApp) &&
                   data::isStorableProfileText(loaded.filer().fileAppOption));
    ZEK_FUZZ_CHECK(!loaded.filer().fileApp.empty() || loaded.filer().fileAppOption.empty());
    ZEK_FUZZ_CHECK(loaded.cpuStep() == data::cpuStepFor(loaded.values().cpu, 0));
    // Every load can be saved; of a list longer than is read, the entries read are.
    ZEK_FUZZ_CHECK(loaded.saveSettings());

    const std::string saved = profile.files.at(path);
    data::LauncherSettings reloaded(profile, path);
    ZEK_FUZZ_CHECK(reloaded.values() == loaded.values());
    ZEK_FUZZ_CHECK(reloaded.cpuStep() == loaded.cpuStep());
    ZEK_FUZZ_CHECK(reloaded.filer() == loaded.filer());
    ZEK_FUZZ_CHECK(reloaded.associations() == loaded.associations());
    ZEK_FUZZ_CHECK(reloaded.associationCount() == loaded.associations().size());
    ZEK_FUZZ_CHECK(reloaded.saveSettings() && profile.files.at(path) == saved);
    return 0;
}
