#include "platform_character_set.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

namespace lx {
namespace {

// The batch answers must be those of the platform's one-unit calls, for
// every UTF-16 unit.
TEST(PlatformCharacterSet, BatchAnswersMatchOneUnitCallsForEveryUnit) {
    Text units(0x10000, u'\0');
    for (size_t i = 0; i < units.size(); ++i)
        units[i] = static_cast<char16_t>(i);
    const PlatformCharacterSet characters;
    const auto isAlphaNumeric = std::make_unique<bool[]>(units.size());
    characters.ClassifyAlphaNumeric(units, isAlphaNumeric.get());
    Text upper = units;
    characters.ToUpper(upper);
    int mismatches = 0;
    for (size_t i = 0; i < units.size() && mismatches < 5; ++i) {
        WCHAR single = static_cast<WCHAR>(units[i]);
        ::CharUpperBuffW(&single, 1);
        const bool alphaNumeric = ::IsCharAlphaNumericW(static_cast<WCHAR>(units[i])) != FALSE;
        if (isAlphaNumeric[i] != alphaNumeric || upper[i] != single) {
            ++mismatches;
            ADD_FAILURE() << "unit " << std::hex << i;
        }
    }
    EXPECT_TRUE(isAlphaNumeric[u'\u00E9']);
    EXPECT_EQ(upper[u'\u00E9'], u'\u00C9');
}

}  // namespace
}  // namespace lx
