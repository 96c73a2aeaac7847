#include "core/launch/default_icon.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace zek::launch {
namespace {

using namespace std::string_view_literals;

TEST(DefaultIconSource, ExtensionOfTheLastComponentDecidesIgnoringCase) {
    EXPECT_EQ(iconSourceOf("D:\\tools\\app.EXE"), IconSource::FileResource);
    EXPECT_EQ(iconSourceOf("C:\\icons\\node.Ico"), IconSource::FileResource);
    EXPECT_EQ(iconSourceOf("C:\\Users\\me\\Desktop\\App.LnK"), IconSource::Shortcut);
    EXPECT_EQ(iconSourceOf("C:\\memo\\readme.txt"), IconSource::RegisteredType);
    EXPECT_EQ(iconSourceOf("C:\\memo\\setup.exe.txt"), IconSource::RegisteredType);
    EXPECT_EQ(iconSourceOf("C:\\tools.exe\\folder"), IconSource::RegisteredType);
    EXPECT_EQ(iconSourceOf("C:\\tools\\"), IconSource::RegisteredType);
    EXPECT_EQ(iconSourceOf(""), IconSource::None);
    // "ソ" and "表" end in 0x5C, the byte of "\"; a byte-wise split would lose ".lnk".
    EXPECT_EQ(iconSourceOf("C:\\ソフト\\表.lnk"), IconSource::Shortcut);
    EXPECT_EQ(extensionOf("C:\\予定表.txt"), ".txt");
    // 0x82 0x2E is one (unassigned) character: its trail byte is no dot.
    EXPECT_EQ(iconSourceOf("C:\\a\x82.exe"), IconSource::RegisteredType);
    EXPECT_EQ(extensionOf("C:\\folder"), "");
}

TEST(DefaultIconKey, AppendsTheSubkeyWhenItFits) {
    EXPECT_EQ(defaultIconKeyOf("txtfile"), "txtfile\\DefaultIcon");
    EXPECT_EQ(defaultIconKeyOf(""), std::nullopt);
    const std::string longest(kIconTextCapacity - 1 - "\\DefaultIcon"sv.size(), 'c');
    EXPECT_EQ(defaultIconKeyOf(longest), longest + "\\DefaultIcon");
    EXPECT_EQ(defaultIconKeyOf(longest + "c"), std::nullopt);
}

TEST(DefaultIconLocation, SplitsAtTheLastCommaAndReadsTheIndexLikeAtoi) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    const std::string longest(kIconTextCapacity - 1, 'f');
    const struct {
        std::string value;
        std::optional<IconLocation> expected;
    } cases[] = {
        {"C:\\Windows\\notepad.exe,0", IconLocation{"C:\\Windows\\notepad.exe", 0}},
        {"C:\\a,b\\shell.dll,3", IconLocation{"C:\\a,b\\shell.dll", 3}},
        {"C:\\x.dll,-152", IconLocation{"C:\\x.dll", -152}},
        {"C:\\x.dll, \t+7th", IconLocation{"C:\\x.dll", 7}},
        {"C:\\x.dll,", IconLocation{"C:\\x.dll", 0}},
        {"C:\\x.dll,abc", IconLocation{"C:\\x.dll", 0}},
        {" x.dll ,1", IconLocation{" x.dll ", 1}},  // paths are used exactly as stored
        {",,", IconLocation{",", 0}},
        // Double-byte file names stay whole; 0x2C after a lead byte is no trail byte.
        {"C:\\表示\\ソフト.exe,2", IconLocation{"C:\\表示\\ソフト.exe", 2}},
        {"C:\\x\x95,1", IconLocation{"C:\\x\x95", 1}},
        // The text ends at an embedded terminator.
        {std::string("x.dll,1\0,9", 10), IconLocation{"x.dll", 1}},
        {std::string("x.dll\0,9", 8), std::nullopt},
        // Locations the program cannot use.
        {"%1", std::nullopt},
        {"C:\\Windows\\notepad.exe", std::nullopt},
        {"\"C:\\Program Files\\x.exe\",0", std::nullopt},
        {"\"C:\\Program Files\\x.exe\"", std::nullopt},
        {"%SystemRoot%\\System32\\imageres.dll,-102", std::nullopt},
        {"C:\\%1,0", std::nullopt},
        // Hostile values: none, or a location within the path buffer.
        {"", std::nullopt},
        {",", std::nullopt},
        {",5", std::nullopt},
        {std::string(100000, 'x'), std::nullopt},
        {std::string(100000, ','), std::nullopt},
        {longest + ",1", IconLocation{longest, 1}},
        {longest + "f,1", std::nullopt},
        {std::string(100000, 'f') + ",1", std::nullopt},
        // An index out of range is clamped or refused.
        {"x.dll,99999999999999999999", IconLocation{"x.dll", kMax}},
        {"x.dll,-65535", IconLocation{"x.dll", -65535}},
        {"x.dll,-65536", std::nullopt},
        {"x.dll,-2147483648", std::nullopt},
        {"x.dll,-99999999999999999999", std::nullopt},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(parseDefaultIconLocation(value), expected) << value.substr(0, 60);
    }
}

}  // namespace
}  // namespace zek::launch
