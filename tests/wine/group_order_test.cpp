#include "group_order.h"

#include <gtest/gtest.h>

#include "accelerator.h"
#include "test_files.h"

namespace lx {
namespace {

constexpr char kGroupFile[] = R"(<accelerators>
  <group id="g" hotkey="578">
    <accelerator id="ctrl-a" name="alpha" hotkey="577"/>
    <accelerator id="alt-b" name="Zeta" hotkey="1090"/>
    <accelerator id="none" name="beta"/>
    <group id="nested" name="Nested">
      <accelerator id="n2" name="b" hotkey="66"/>
      <accelerator id="n1" name="a" hotkey="65"/>
    </group>
    <accelerator id="shift-b" name="Éclair" hotkey="322"/>
  </group>
  <accelerator id="single" hotkey="578"/>
</accelerators>
)";

std::vector<std::wstring> Ids(const CAccelerator& group) {
    std::vector<std::wstring> ids;
    for (const auto& entry : group.entries)
        ids.push_back(entry->id);
    return ids;
}

class GroupOrder : public testing::Test {
protected:
    void SetUp() override { test::WriteUtf8File(folder / L"accelerators.xml", kGroupFile); }
    void WriteSettings(std::string_view xml) { test::WriteUtf8File(folder / L"settings.xml", xml); }
    std::unique_ptr<CAccelerator> LoadGroup() {
        auto group = LoadAcceleratorById(L"g", folder.path());
        EXPECT_TRUE(group);
        return group;
    }
    test::TempFolder folder;
};

TEST_F(GroupOrder, OrderBySettingWithFallbacks) {
    struct Case { const char* settings; unsigned expected; } cases[] = {
        {nullptr, 0},
        {"<settings><appearance orderby=\"1\"/></settings>", 1},
        {"<settings><appearance orderby=\"7\"/></settings>", 7},
        {"<settings><appearance orderby=\"x\"/></settings>", 0},
        {"<settings><other orderby=\"1\"/></settings>", 0},
        {"<config><appearance orderby=\"1\"/></config>", 0},
        {"<settings><appearance orderby=\"1\">", 0},
    };
    for (const Case& c : cases) {
        if (c.settings)
            WriteSettings(c.settings);
        EXPECT_EQ(ReadOrderBy(folder.path()), c.expected) << (c.settings ? c.settings : "no file");
    }
}

TEST_F(GroupOrder, ByHotkeyTextIsTheDefault) {
    // Entries without hotkey have the empty text and lead; then "Alt + B",
    // "Ctrl + A", "Shift + B".
    auto group = LoadGroup();
    const auto ids = Ids(*group);
    ASSERT_EQ(ids.size(), 5u);
    const std::vector<std::wstring> tail(ids.begin() + 2, ids.end());
    EXPECT_EQ(tail, (std::vector<std::wstring>{L"alt-b", L"ctrl-a", L"shift-b"}));
    // The two entries without hotkey share the empty text and lead in either order.
    EXPECT_TRUE((ids[0] == L"none" && ids[1] == L"nested") || (ids[0] == L"nested" && ids[1] == L"none"));
}

TEST_F(GroupOrder, ByNameComparesCodeUnitsAndLeavesNestedGroupsAlone) {
    WriteSettings("<settings><appearance orderby=\"1\"/></settings>");
    auto group = LoadGroup();
    EXPECT_EQ(Ids(*group), (std::vector<std::wstring>{L"nested", L"alt-b", L"ctrl-a", L"none", L"shift-b"}));
    const CAccelerator& nested = *group->entries[0];
    EXPECT_EQ(Ids(nested), (std::vector<std::wstring>{L"n2", L"n1"}));
}

TEST_F(GroupOrder, FindEntryByKeyUsesTheKeyByteOnly) {
    WriteSettings("<settings><appearance orderby=\"1\"/></settings>");
    auto group = LoadGroup();
    struct Case { unsigned key; const wchar_t* id; } cases[] = {
        {'B', L"alt-b"},   // Alt+B and Shift+B share the key byte; the first in order wins
        {'A', L"ctrl-a"},
        {0, L"nested"},    // key 0 finds the first entry without hotkey
        {'Z', nullptr},
    };
    for (const Case& c : cases) {
        CAccelerator* found = FindEntryByKey(c.key, *group);
        if (c.id) {
            ASSERT_NE(found, nullptr) << c.key;
            EXPECT_EQ(found->id, c.id);
        } else {
            EXPECT_EQ(found, nullptr) << c.key;
        }
    }

    auto single = LoadAcceleratorById(L"single", folder.path());
    ASSERT_TRUE(single);
    EXPECT_EQ(FindEntryByKey('Q', *single), single.get());
    EXPECT_EQ(FindEntryByKey(0, *single), single.get());
}

TEST(GroupOrderEmpty, EmptyGroupFindsNothing) {
    CAccelerator group;
    group.isGroup = true;
    SortEntries(group, 0);
    EXPECT_EQ(FindEntryByKey(0, group), nullptr);
}

}  // namespace
}  // namespace lx
