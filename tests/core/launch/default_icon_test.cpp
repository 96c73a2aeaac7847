#include "launch/default_icon.h"

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
}

TEST(DefaultIconSource, DoubleByteNamesKeepTheirExtension) {
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
    EXPECT_EQ(parseDefaultIconLocation("C:\\Windows\\notepad.exe,0"),
              (IconLocation{"C:\\Windows\\notepad.exe", 0}));
    EXPECT_EQ(parseDefaultIconLocation("C:\\a,b\\shell.dll,3"), (IconLocation{"C:\\a,b\\shell.dll", 3}));
    EXPECT_EQ(parseDefaultIconLocation("C:\\x.dll,-152"), (IconLocation{"C:\\x.dll", -152}));
    EXPECT_EQ(parseDefaultIconLocation("C:\\x.dll, \t+7th"), (IconLocation{"C:\\x.dll", 7}));
    EXPECT_EQ(parseDefaultIconLocation("C:\\x.dll,"), (IconLocation{"C:\\x.dll", 0}));
    EXPECT_EQ(parseDefaultIconLocation("C:\\x.dll,abc"), (IconLocation{"C:\\x.dll", 0}));
    // Paths are used exactly as stored, blanks included.
    EXPECT_EQ(parseDefaultIconLocation(" x.dll ,1"), (IconLocation{" x.dll ", 1}));
}

TEST(DefaultIconLocation, DoubleByteFileNamesStayWhole) {
    EXPECT_EQ(parseDefaultIconLocation("C:\\表示\\ソフト.exe,2"), (IconLocation{"C:\\表示\\ソフト.exe", 2}));
    // A lead byte right before the comma: 0x2C is no trail byte, so it still separates.
    EXPECT_EQ(parseDefaultIconLocation("C:\\x\x95,1"), (IconLocation{"C:\\x\x95", 1}));
}

TEST(DefaultIconLocation, LocationsTheProgramCannotUseGiveNone) {
    EXPECT_EQ(parseDefaultIconLocation("%1"), std::nullopt);
    EXPECT_EQ(parseDefaultIconLocation("C:\\Windows\\notepad.exe"), std::nullopt);
    EXPECT_EQ(parseDefaultIconLocation("\"C:\\Program Files\\x.exe\",0"), std::nullopt);
    EXPECT_EQ(parseDefaultIconLocation("\"C:\\Program Files\\x.exe\""), std::nullopt);
    EXPECT_EQ(parseDefaultIconLocation("%SystemRoot%\\System32\\imageres.dll,-102"), std::nullopt);
    EXPECT_EQ(parseDefaultIconLocation("C:\\%1,0"), std::nullopt);
}

TEST(DefaultIconLocation, HostileValuesGiveNoneOrABoundedLocation) {
    EXPECT_EQ(parseDefaultIconLocation(""), std::nullopt);
    EXPECT_EQ(parseDefaultIconLocation(","), std::nullopt);
    EXPECT_EQ(parseDefaultIconLocation(",5"), std::nullopt);
    EXPECT_EQ(parseDefaultIconLocation(",,"), (IconLocation{",", 0}));
    EXPECT_EQ(parseDefaultIconLocation(std::string(100000, 'x')), std::nullopt);
    EXPECT_EQ(parseDefaultIconLocation(std::string(100000, ',')), std::nullopt);
}

TEST(DefaultIconLocation, FilePartMustFitThePathBuffer) {
    const std::string longest(kIconTextCapacity - 1, 'f');
    EXPECT_EQ(parseDefaultIconLocation(longest + ",1"), (IconLocation{longest, 1}));
    EXPECT_EQ(parseDefaultIconLocation(longest + "f,1"), std::nullopt);
    EXPECT_EQ(parseDefaultIconLocation(std::string(100000, 'f') + ",1"), std::nullopt);
}

TEST(DefaultIconLocation, IndexOutOfRangeIsClampedOrRefused) {
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(parseDefaultIconLocation("x.dll,99999999999999999999"), (IconLocation{"x.dll", kMax}));
    EXPECT_EQ(parseDefaultIconLocation("x.dll,-65535"), (IconLocation{"x.dll", -65535}));
    EXPECT_EQ(parseDefaultIconLocation("x.dll,-65536"), std::nullopt);
    EXPECT_EQ(parseDefaultIconLocation("x.dll,-2147483648"), std::nullopt);
    EXPECT_EQ(parseDefaultIconLocation("x.dll,-99999999999999999999"), std::nullopt);
}

TEST(DefaultIconLocation, TextEndsAtAnEmbeddedTerminator) {
    EXPECT_EQ(parseDefaultIconLocation("x.dll,1\0,9"sv), (IconLocation{"x.dll", 1}));
    EXPECT_EQ(parseDefaultIconLocation("x.dll\0,9"sv), std::nullopt);
}

}  // namespace
}  // namespace zek::launch
