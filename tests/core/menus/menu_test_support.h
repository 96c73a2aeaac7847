#pragma once
// Helpers shared by the menu tests: an icon source that counts, and item trees.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

#include "menus/menu_types.h"

namespace zek::menus::test {

// Hands out a fresh handle per load of a known path and checks that every handle
// is destroyed exactly once.
class CountingIcons : public IconSource {
  public:
    std::map<std::string, int, std::less<>> knownPaths;  // path -> base handle
    std::map<IconHandle, int> destroyed;                 // handle -> times
    std::map<IconHandle, std::string> loaded;            // handle -> path
    int loadCalls = 0;

    IconHandle loadSmallIcon(std::string_view path) override {
        ++loadCalls;
        const auto known = knownPaths.find(path);
        if (known == knownPaths.end()) {
            return 0;
        }
        const IconHandle handle = static_cast<IconHandle>(known->second * 1000 + ++serial_);
        loaded[handle] = std::string(path);
        return handle;
    }
    void destroyIcon(IconHandle icon) override { ++destroyed[icon]; }

    void expectAllDestroyedOnce() const {
        EXPECT_EQ(destroyed.size(), loaded.size());
        for (const auto& [handle, path] : loaded) {
            const auto it = destroyed.find(handle);
            EXPECT_TRUE(it != destroyed.end() && it->second == 1) << path;
        }
    }

  private:
    int serial_ = 0;
};

}  // namespace zek::menus::test
