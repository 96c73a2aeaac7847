#pragma once
// What a settings load yields, for comparing loads on the double and the system.
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "core/data/launcher_settings.h"

namespace zek::test {

// The [Mode] section a save writes for default settings.
inline const std::string kDefaultModeSection =
    "[Mode]\r\nKey1=8\r\nKey2=13\r\nKey3=8\r\nKey4=32\r\nKey5=0\r\nKey6=-1\r\nCpu=100\r\nTransparent=5\r\n"
    "MenuType=0\r\n";

struct Snapshot {
    data::BasicSettings values;
    std::int32_t cpuStep;
    std::vector<data::Association> associations;
    data::FilerSetting filer;

    bool operator==(const Snapshot&) const = default;
};

inline Snapshot snapshotOf(const data::LauncherSettings& settings) {
    return {settings.values(), settings.cpuStep(), settings.associations(), settings.filer()};
}

inline void PrintTo(const Snapshot& snapshot, std::ostream* out) {
    const data::BasicSettings& v = snapshot.values;
    *out << "{keys " << v.launcherKey1 << ' ' << v.launcherKey2 << ' ' << v.taskKey1 << ' ' << v.taskKey2
         << ' ' << v.sameAppKey1 << ' ' << v.sameAppKey2 << ", cpu " << v.cpu << '/' << snapshot.cpuStep
         << ", transparent " << v.transparent << ", menu " << v.menuType << ", filer ["
         << snapshot.filer.fileApp << "] [" << snapshot.filer.fileAppOption << "]";
    for (const data::Association& entry : snapshot.associations) {
        *out << ", [" << entry.ext << "] [" << entry.appPath << "] [" << entry.appOption << "]";
    }
    *out << "}";
}

}  // namespace zek::test
