#include "platform/gui/KeyboardLayout.h"
#include "ui/common/KeyboardLayoutCheck.h"

#include <gtest/gtest.h>

using namespace telvo;

namespace {

struct SymbolsCase {
    const char* symbols;
    int group;
    const char* layout;
};

class XkbSymbolsTest : public ::testing::TestWithParam<SymbolsCase> {};

TEST_P(XkbSymbolsTest, LayoutOfTheGroup) {
    const SymbolsCase& c = GetParam();
    EXPECT_EQ(platform::xkbLayoutOfGroup(QString::fromLatin1(c.symbols), c.group),
              QString::fromLatin1(c.layout));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, XkbSymbolsTest,
    ::testing::Values(SymbolsCase{"pc+us+ru:2+inet(evdev)", 0, "us"},
                      SymbolsCase{"pc+us+ru:2+inet(evdev)", 1, "ru"},
                      SymbolsCase{"pc+us+ru:2+inet(evdev)", 2, ""},
                      SymbolsCase{"pc+gb+us:2", 0, "gb"}, SymbolsCase{"pc+gb+us:2", 1, "us"},
                      SymbolsCase{"pc+us+inet(evdev)", 0, "us"},
                      SymbolsCase{"pc+ru+us:2+inet(evdev)+group(alt_shift_toggle)", 0, "ru"},
                      SymbolsCase{"pc+ru+us:2+inet(evdev)+group(alt_shift_toggle)", 1, "us"},
                      SymbolsCase{"pc+gb+us(intl):2+inet(evdev)", 1, "us"},
                      SymbolsCase{"pc(pc105)+de(nodeadkeys)+ru(phonetic):2+level3(ralt_switch)", 1,
                                  "ru"},
                      SymbolsCase{"pc+us+ru:2+ua:3+inet(evdev)", 2, "ua"},
                      SymbolsCase{"pc+macintosh_vndr/us+inet(evdev)", 0, "us"},
                      SymbolsCase{"pc+inet(evdev)", 0, ""}, SymbolsCase{"", 0, ""}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

struct LayoutCase {
    const char* layout;
    bool english;
};

class LayoutOverrideTest : public ::testing::TestWithParam<LayoutCase> {
protected:
    ~LayoutOverrideTest() override { platform::setKeyboardLayoutOverride({}); }
};

TEST_P(LayoutOverrideTest, OnlyUsIsEnglish) {
    const QString layout = QString::fromLatin1(GetParam().layout);
    platform::setKeyboardLayoutOverride([layout] { return layout; });
    EXPECT_EQ(Raskladka_klaviatury(), GetParam().english);
    EXPECT_EQ(platform::activeXkbLayout(), layout);
}

INSTANTIATE_TEST_SUITE_P(Cases, LayoutOverrideTest,
                         ::testing::Values(LayoutCase{"us", true}, LayoutCase{"ru", false},
                                           LayoutCase{"gb", false}, LayoutCase{"", false}),
                         [](const auto& info) {
                             return std::string(*info.param.layout ? info.param.layout : "none");
                         });

TEST(KeyboardLayout, WithoutDisplayOrApplicationIsNotEnglish) {
    // No QGuiApplication in this test program: nothing says the layout is English (US).
    EXPECT_FALSE(Raskladka_klaviatury());
}

} // namespace
