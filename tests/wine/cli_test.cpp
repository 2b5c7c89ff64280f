#include <windows.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "lx_cli_fixture.h"

namespace lx {
namespace {

constexpr char kAccelerators[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<accelerators>
  <accelerator id="upper" name="Upper Ünïcode" hotkey="578" input="1" output="1">{{sel:ucwords}} 東京</accelerator>
  <!-- the loader skips comments -->
  <group id="tools" name="Tools" description="Handy" hotkey="1090">
    <accelerator id="b" name="Bee" hotkey="66">{{clp}}</accelerator>
    <accelerator id="a" name="Ay" hotkey="65" output="0">{{sel}}</accelerator>
  </group>
  <accelerator name="rejected without id"/>
</accelerators>
)";

class LxCli : public test::LxCliFixture {
protected:
    void SetUp() override {
        InstallWith(kAccelerators);
    }
};

TEST_F(LxCli, ListShowsTopLevelEntriesAsText) {
    const auto result = Run(L"list");
    EXPECT_EQ(result.exitCode, 0u) << result.err;
    EXPECT_EQ(result.out,
              "upper\t578\tCtrl + B\taccelerator\tUpper \xC3\x9Cn\xC3\xAF" "code\n"
              "tools\t1090\tAlt + B\tgroup\tTools\n");
}

TEST_F(LxCli, ListJsonIsAnArrayOfSummaries) {
    const auto result = Run(L"list --json");
    ASSERT_EQ(result.exitCode, 0u) << result.err;
    const auto json = nlohmann::json::parse(result.out);
    ASSERT_TRUE(json.is_array());
    ASSERT_EQ(json.size(), 2u);
    EXPECT_EQ(json[0]["kind"], "accelerator");
    EXPECT_EQ(json[0]["name"], "Upper \xC3\x9Cn\xC3\xAF" "code");
    EXPECT_EQ(json[0]["description"], nullptr);
    EXPECT_EQ(json[0]["hotkey"], 578);
    EXPECT_EQ(json[0]["hotkeyText"], "Ctrl + B");
    EXPECT_EQ(json[0]["input"], 1);
    EXPECT_FALSE(json[0].contains("body"));
    EXPECT_EQ(json[1]["kind"], "group");
    EXPECT_EQ(json[1]["description"], "Handy");
    EXPECT_FALSE(json[1].contains("entries"));
}

TEST_F(LxCli, ShowPrintsTheEntryTheProcessorWouldLoad) {
    const auto text = Run(L"show upper");
    EXPECT_EQ(text.exitCode, 0u) << text.err;
    EXPECT_NE(text.out.find("body:\n{{sel:ucwords}} \xE6\x9D\xB1\xE4\xBA\xAC\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("hotkey: 578 (Ctrl + B)\n"), std::string::npos) << text.out;

    const auto group = Run(L"show tools --json");
    ASSERT_EQ(group.exitCode, 0u) << group.err;
    const auto json = nlohmann::json::parse(group.out);
    EXPECT_EQ(json["kind"], "group");
    ASSERT_EQ(json["entries"].size(), 2u);
    // Popup order: by hotkey text, so "A" before "B".
    EXPECT_EQ(json["entries"][0]["id"], "a");
    EXPECT_EQ(json["entries"][0]["output"], 0);
    EXPECT_EQ(json["entries"][0]["body"], "{{sel}}");
    EXPECT_EQ(json["entries"][1]["id"], "b");
}

TEST_F(LxCli, ExitCodesForNotFoundUsageAndUnreadableFiles) {
    const auto missing = Run(L"show nowhere");
    EXPECT_EQ(missing.exitCode, 1u);
    EXPECT_NE(missing.err.find("nowhere"), std::string::npos);
    EXPECT_EQ(Run(L"show b").exitCode, 1u) << "group members cannot be started by id";

    EXPECT_EQ(Run(L"").exitCode, 2u);
    EXPECT_EQ(Run(L"frobnicate").exitCode, 2u);
    EXPECT_EQ(Run(L"show").exitCode, 2u);

    test::WriteUtf8File(folder / L"accelerators.xml", "<accelerators>\n<accelerator id=\"x\">\n</accelerators>\n");
    const auto broken = Run(L"list");
    EXPECT_EQ(broken.exitCode, 2u);
    EXPECT_NE(broken.err.find("accelerators.xml: line "), std::string::npos) << broken.err;
    EXPECT_EQ(broken.err.find("line 0:"), std::string::npos) << broken.err;
    EXPECT_EQ(Run(L"show x").exitCode, 2u);

    ::DeleteFileW((folder / L"accelerators.xml").c_str());
    const auto absent = Run(L"list --json");
    EXPECT_EQ(absent.exitCode, 2u);
    EXPECT_NE(absent.err.find("accelerators.xml: file not found"), std::string::npos) << absent.err;
}

}  // namespace
}  // namespace lx
