// Files made to hurt: too large for the memory at hand, or with more associations
// than are read.
#include <gtest/gtest.h>

#include <new>

#include "core/data/item_store_file.h"
#include "core/data/launcher_settings.h"
#include "profile_double.h"

namespace zek::data {
namespace {

class OutOfMemoryStorage final : public DataFileStorage {
  public:
    WholeFile readWholeFile(const std::string&) override { throw std::bad_alloc(); }
    bool exists(const std::string&) override { return true; }
    bool replaceWithBackup(const std::string&, std::string_view, const std::string&) override {
        ADD_FAILURE() << "wrote over a file it could not read";
        return false;
    }
    bool moveAside(const std::string&, const std::string&) override { return false; }
};

TEST(HostileFiles, ADataFileTooLargeForMemoryGivesTheDefaultTreeAndIsNeverSavedOver) {
    OutOfMemoryStorage storage;
    ItemStoreFile file(storage, "C:\\Zek\\ZekLauncher.dat");
    const auto store = file.load();
    EXPECT_EQ(store->itemsFromFile(), 0);
    EXPECT_EQ(file.lastLoad().fileStatus, WholeFile::Status::Unreadable);
    EXPECT_EQ(file.save(*store), SaveResult::Blocked);
}

TEST(HostileFiles, AssociationsPastTheLimitAreNotReadAndASaveKeepsThoseRead) {
    const std::string path = "C:\\Zek\\ZekLauncher.ini";
    test::ProfileDouble profile;
    std::string ini = "[ExtMode]\r\n";
    for (std::size_t n = 0; n <= kMaxAssociations; ++n) {
        ini += "ExtKey" + std::to_string(n) + "=e" + std::to_string(n) + "\r\nPathKey" + std::to_string(n) +
               "=p\r\n";
    }
    profile.files[path] = ini;
    {
        LauncherSettings settings(profile, path);
        EXPECT_EQ(settings.associationCount(), kMaxAssociations);
        EXPECT_TRUE(settings.associationsCut());
        EXPECT_TRUE(settings.saveSettings());  // the other settings are not held back
    }
    // Exactly the limit is read whole and takes no more.
    LauncherSettings full(profile, path);
    EXPECT_EQ(full.associationCount(), kMaxAssociations);
    EXPECT_FALSE(full.associationsCut());
    EXPECT_FALSE(full.addAssociation("more", "p", ""));
}

}  // namespace
}  // namespace zek::data
