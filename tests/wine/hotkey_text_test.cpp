#include "hotkey_text.h"

#include <gtest/gtest.h>

namespace lx {
namespace {

TEST(HotkeyText, ModifiersInFixedOrderThenKeyName) {
    struct Case { HotkeyValue value; const wchar_t* text; } cases[] = {
        {0, L""},
        {578, L"Ctrl + B"},
        {1090, L"Alt + B"},
        {10049, L"Ctrl + Shift + Alt + Win + A"},
        {kHotkeyCtrl | kHotkeyShift, L"Ctrl + Shift + "},
        {kHotkeyWin | 0x70, L"Win + F1"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HotkeyText(c.value), c.text) << c.value;
}

TEST(HotkeyText, ExtendedFlagPicksTheNavigationKeyName) {
    constexpr HotkeyValue kInsert = 0x2D;
    EXPECT_NE(HotkeyText(kInsert | kHotkeyExtended), HotkeyText(kInsert));
    EXPECT_EQ(HotkeyText(kInsert | kHotkeyExtended), L"Insert");
}

TEST(HotkeyText, KeyWithoutNameShowsItsCode) {
    EXPECT_EQ(HotkeyText(kHotkeyAlt | 0x07), L"Alt + #7");
}

}  // namespace
}  // namespace lx
