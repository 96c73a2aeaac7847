// The settings loader, through the in-memory profile store: any INI file loads,
// and the file the program writes from it loads back to the same settings.
#include "data/launcher_settings.h"
#include "data/profile_double.h"
#include "fuzz_check.h"

using namespace zek;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string path = "C:\\zek\\ZekLauncher.ini";
    test::ProfileDouble profile;
    profile.files[path] = std::string(fuzz::bytesOf(data, size));
    data::LauncherSettings loaded(profile, path);
    // A list longer than is read must not be saved cut short.
    ZEK_FUZZ_CHECK(loaded.saveSettings() != loaded.associationsCut());
    if (loaded.associationsCut()) {
        return 0;
    }

    data::LauncherSettings reloaded(profile, path);
    ZEK_FUZZ_CHECK(reloaded.values() == loaded.values());
    ZEK_FUZZ_CHECK(reloaded.cpuStep() == loaded.cpuStep());
    ZEK_FUZZ_CHECK(reloaded.filer() == loaded.filer());
    ZEK_FUZZ_CHECK(reloaded.associations() == loaded.associations());
    ZEK_FUZZ_CHECK(reloaded.associationCount() == loaded.associations().size());
    return 0;
}
