// The double stands in for the system's profile functions in every settings test,
// so it is held to the behaviour of those functions here.
#include "data/profile_double.h"

#include <gtest/gtest.h>

namespace zek::test {
namespace {

const std::string kFile = "C:\\test.ini";

TEST(ProfileDouble, WritesAsTheSystemLaysOutItsFiles) {
    ProfileDouble profile;
    ASSERT_TRUE(profile.writeString(kFile, "Mode", "Key1", "8"));
    ASSERT_TRUE(profile.writeString(kFile, "ExtMode", "FileApp", "  C:\\f.exe"));
    ASSERT_TRUE(profile.writeString(kFile, "mode", "Key2", "13"));
    ASSERT_TRUE(profile.writeString(kFile, "MODE", "KEY1", "9"));
    EXPECT_EQ(profile.files.at(kFile), "[Mode]\r\nKey1=9\r\nKey2=13\r\n[ExtMode]\r\nFileApp=C:\\f.exe\r\n");
}

TEST(ProfileDouble, ReadsAsTheSystemParsesHandEditedFiles) {
    ProfileDouble profile;
    profile.files[kFile] =
        "stray=1\n[ Mode ]  \n\n  key1 =  42 \r\n[Mode]\r\nKey2=7\r\n[Ext]\r\nA=\"x y\"\r\nB='z'\r\nC=\"\r\n"
        "D\r\nE=a\"\r\nF=\"\"\r\n";
    EXPECT_EQ(profile.readInt(kFile, "MODE", "Key1", -1), 42);
    EXPECT_EQ(profile.readInt(kFile, "Mode", "Key2", -1), -1);  // only the first section of a name counts
    EXPECT_EQ(profile.readString(kFile, "Ext", "A", "", 512), "x y");
    EXPECT_EQ(profile.readString(kFile, "Ext", "B", "", 512), "z");
    EXPECT_EQ(profile.readString(kFile, "Ext", "C", "", 512), "\"");
    EXPECT_EQ(profile.readString(kFile, "Ext", "D", "dflt", 512), "dflt");  // a line without '='
    EXPECT_EQ(profile.readString(kFile, "Ext", "E", "", 512), "a\"");
    EXPECT_EQ(profile.readString(kFile, "Ext", "F", "dflt", 512), "");
    EXPECT_EQ(profile.readString(kFile, "Ext", "A", "", 3), "x ");
    EXPECT_EQ(profile.readString(kFile, "Ext", "Missing", "dflt", 512), "dflt");
    EXPECT_EQ(profile.readString("C:\\none.ini", "Ext", "A", "dflt", 512), "dflt");
}

TEST(ProfileDouble, IntegersAreTheLeadingDecimalNumber) {
    ProfileDouble profile;
    profile.files[kFile] = "[N]\r\na=-12x\r\nb=+3\r\nc=x1\r\nd=\r\ne=4294967297\r\n";
    EXPECT_EQ(profile.readInt(kFile, "N", "a", 5), -12);
    EXPECT_EQ(profile.readInt(kFile, "N", "b", 5), 3);
    EXPECT_EQ(profile.readInt(kFile, "N", "c", 5), 0);
    EXPECT_EQ(profile.readInt(kFile, "N", "d", 5), 5);
    EXPECT_EQ(profile.readInt(kFile, "N", "e", 5), 1);
    EXPECT_EQ(profile.readInt(kFile, "N", "missing", -1), -1);
}

}  // namespace
}  // namespace zek::test
