#include "accelerator.h"

#include <gtest/gtest.h>

#include "test_files.h"

namespace lx {
namespace {

constexpr char kAccelerators[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<accelerators>
  <accelerator id="upper" name="Upper" description="Capitalise words" hotkey="578" input="0" output="1">{{sel:ucwords}}</accelerator>
  <ACCELERATOR id="caps" hotkey="66113" input="2" output="0">x</ACCELERATOR>
  <accelerator id="nohotkey">plain</accelerator>
  <accelerator name="no id">lost</accelerator>
  <accelerator id="outer">a<accelerator id="inner">b</accelerator></accelerator>
  <script id="other"/>
  <accelerator id='say "hi"'>quoted</accelerator>
  <group id="tools" name="Tools" hotkey="1090">
    <group id="leading"><accelerator id="deep"/></group>
    <note id="skipped-before"/>
    <accelerator id="first" name="First" hotkey="65"/>
    <!-- comment -->
    <script id="not-an-entry"/>
    <accelerator name="no id"/>
    <Group id="sub"><accelerator id="subentry"/></Group>
    <accelerator id="input-ignored" input="0" output="0">{{clp}}</accelerator>
  </group>
  <group id="empty" input="0" output="0">text only</group>
</accelerators>
)";

class AcceleratorFile : public testing::Test {
protected:
    void SetUp() override { test::WriteUtf8File(folder / L"accelerators.xml", kAccelerators); }
    std::unique_ptr<CAccelerator> Load(std::wstring_view id) { return LoadAcceleratorById(id, folder.path()); }
    test::TempFolder folder;
};

TEST_F(AcceleratorFile, ReadsEveryFieldOfAnAccelerator) {
    auto upper = Load(L"upper");
    ASSERT_TRUE(upper);
    EXPECT_FALSE(upper->isGroup);
    EXPECT_EQ(upper->id, L"upper");
    EXPECT_EQ(upper->name, L"Upper");
    EXPECT_EQ(upper->description, L"Capitalise words");
    EXPECT_EQ(upper->hotkey, 578);
    EXPECT_EQ(upper->input, 0);
    EXPECT_EQ(upper->output, 1);
    EXPECT_EQ(upper->body, L"{{sel:ucwords}}");

    auto caps = Load(L"caps");
    ASSERT_TRUE(caps);
    EXPECT_EQ(caps->hotkey, 577) << "only the low 16 bits are kept";
    EXPECT_EQ(caps->input, 2);
    EXPECT_EQ(caps->output, 0);

    auto plain = Load(L"nohotkey");
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->hotkey, 0);
    EXPECT_EQ(plain->name, std::nullopt);
    EXPECT_EQ(plain->description, std::nullopt);
    EXPECT_EQ(plain->input, 1);
    EXPECT_EQ(plain->output, 1);
}

TEST_F(AcceleratorFile, LoadsOnlyTopLevelAcceleratorsAndGroups) {
    struct Case { const wchar_t* id; bool found; } cases[] = {
        {L"upper", true}, {L"tools", true},     {L"inner", false},        {L"first", false},
        {L"other", false}, {L"missing", false}, {L"say \"hi\"", false},   {L"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Load(c.id) != nullptr, c.found) << testing::PrintToString(std::wstring(c.id));
}

TEST_F(AcceleratorFile, GroupEntriesStartAtFirstAcceleratorAndKeepNestedGroups) {
    auto tools = Load(L"tools");
    ASSERT_TRUE(tools);
    EXPECT_TRUE(tools->isGroup);
    EXPECT_EQ(tools->body, std::nullopt);
    std::vector<std::wstring> ids;
    for (const auto& entry : tools->entries)
        ids.push_back(entry->id);
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (std::vector<std::wstring>{L"first", L"input-ignored", L"sub"}));
    for (const auto& entry : tools->entries) {
        if (entry->id == L"sub") {
            EXPECT_TRUE(entry->isGroup);
            ASSERT_EQ(entry->entries.size(), 1u);
            EXPECT_EQ(entry->entries[0]->id, L"subentry");
        }
        if (entry->id == L"input-ignored") {
            EXPECT_EQ(entry->input, 0);
            EXPECT_EQ(entry->body, L"{{clp}}");
        }
    }

    auto empty = Load(L"empty");
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->isGroup);
    EXPECT_TRUE(empty->entries.empty());
    EXPECT_EQ(empty->body, std::nullopt);
}

TEST(AcceleratorFileMissing, MissingOrForeignFileLoadsNothing) {
    test::TempFolder folder;
    EXPECT_EQ(LoadAcceleratorById(L"upper", folder.path()), nullptr);
    test::WriteUtf8File(folder / L"accelerators.xml", R"(<settings><accelerator id="upper"/></settings>)");
    EXPECT_EQ(LoadAcceleratorById(L"upper", folder.path()), nullptr);
}

TEST(AcceleratorIdQuery, TakesTheIdVerbatimUnlessItHoldsAQuote) {
    EXPECT_EQ(IdQuery(L"a b]'"), L"*[@id=\"a b]'\"]");
    EXPECT_EQ(IdQuery(L"say \"hi\""), std::nullopt);
}

}  // namespace
}  // namespace lx
