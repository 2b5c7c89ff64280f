#include "xui_engine.h"

#include <gtest/gtest.h>

namespace lx {
namespace {

TEST(XuiStrings, LookupMatchesIdAndAttributeIgnoringCaseFirstEntryWins) {
    CXUIEngine engine(::GetModuleHandleW(nullptr));
    const wchar_t* kDefault = L"Lexorant";
    EXPECT_EQ(engine.GetString(L"appname", nullptr, kDefault), kDefault) << "an empty table gives the default pointer";

    engine.AddString(L"AppName", L"caption", L"with attribute");
    engine.AddString(L"backup-1", L"Caption", L"first");
    engine.AddString(L"BACKUP-1", L"caption", L"second");
    engine.AddString(L"backup-1", std::nullopt, L"plain");
    struct Case { const wchar_t* id; const wchar_t* attribute; const wchar_t* expected; } cases[] = {
        {L"appname", nullptr, nullptr},             // an entry with an attribute never matches without one
        {L"APPNAME", L"CAPTION", L"with attribute"},
        {L"backup-1", L"caption", L"first"},
        {L"backup-1", nullptr, L"plain"},
        {L"backup-1", L"tooltip", nullptr},
        {L"backup", L"caption", nullptr},
    };
    for (const Case& c : cases) {
        const wchar_t* found = engine.FindString(c.id, c.attribute);
        if (c.expected)
            EXPECT_STREQ(found, c.expected) << c.id;
        else
            EXPECT_EQ(found, nullptr) << c.id;
        EXPECT_STREQ(engine.GetString(c.id, c.attribute, L"default"), c.expected ? c.expected : L"default");
    }
}

}  // namespace
}  // namespace lx
