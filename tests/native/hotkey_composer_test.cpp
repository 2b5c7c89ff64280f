#include "hotkey_composer.h"

#include <gtest/gtest.h>

#include <vector>

namespace lx {
namespace {

struct KeyEvent {
    bool down;
    unsigned virtualKey;
    bool extended = false;
};

struct CompositionCase {
    const char* name;
    std::vector<KeyEvent> events;
    HotkeyValue expected;
    friend void PrintTo(const CompositionCase& c, std::ostream* out) { *out << c.name; }
};

constexpr unsigned kShift = 16, kCtrl = 17, kAlt = 18, kLeftWin = 91, kK = 75, kInsert = 45;

class HotkeyComposition : public testing::TestWithParam<CompositionCase> {};

TEST_P(HotkeyComposition, ProducesValue) {
    HotkeyComposer composer;
    for (const KeyEvent& event : GetParam().events)
        event.down ? composer.KeyDown(event.virtualKey, event.extended) : composer.KeyUp(event.virtualKey);
    EXPECT_EQ(composer.Value(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, HotkeyComposition,
    testing::Values(
        CompositionCase{"CtrlShiftKSurvivesRelease",
                        {{true, kCtrl}, {true, kShift}, {true, kK}, {false, kK}, {false, kShift}, {false, kCtrl}},
                        843},
        CompositionCase{"ModifierAfterCompleteComboStartsOver",
                        {{true, kCtrl}, {true, kK}, {false, kK}, {false, kCtrl}, {true, kAlt}},
                        kHotkeyAlt},
        CompositionCase{"ReleasingModifierBeforeMainKeyClearsIt",
                        {{true, kCtrl}, {true, kShift}, {false, kShift}, {true, kK}},
                        kHotkeyCtrl | kK},
        CompositionCase{"WinKeysAndOemWinCodes",
                        {{true, kLeftWin}, {true, 234}, {true, 241}, {true, 92}, {true, kK}},
                        kHotkeyWin | kK},
        CompositionCase{"ExtendedFlagFollowsLastMainKey",
                        {{true, kCtrl}, {true, kInsert, true}, {true, kK, false}},
                        kHotkeyCtrl | kK},
        CompositionCase{"ExtendedMainKey", {{true, kAlt}, {true, kInsert, true}}, kHotkeyAlt | kHotkeyExtended | kInsert},
        CompositionCase{"UnmappedKeyChangesNothing", {{true, kCtrl}, {true, 0}}, kHotkeyCtrl},
        CompositionCase{"ModifiersAloneThenRelease", {{true, kCtrl}, {true, kAlt}, {false, kCtrl}, {false, kAlt}}, 0}),
    [](const testing::TestParamInfo<CompositionCase>& info) { return info.param.name; });

TEST(HotkeyComposer, ReportsChangeForModifierAndMainKeysOnly) {
    HotkeyComposer composer;
    EXPECT_TRUE(composer.KeyDown(kCtrl, false));
    EXPECT_TRUE(composer.KeyDown(kK, false));
    EXPECT_FALSE(composer.KeyUp(kK));
    EXPECT_TRUE(composer.KeyUp(kCtrl));
    EXPECT_FALSE(composer.KeyDown(0, false));
}

}  // namespace
}  // namespace lx
