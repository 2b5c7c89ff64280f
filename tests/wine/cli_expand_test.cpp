#include <windows.h>

#include <gtest/gtest.h>

#include "lx_cli_fixture.h"
#include "utf8.h"

namespace lx {
namespace {

constexpr char kAccelerators[] = R"(<?xml version="1.0" encoding="UTF-8"?>
<accelerators>
  <accelerator id="title" hotkey="578">{{sel:ucwords}}</accelerator>
  <accelerator id="paste-clip" input="0">[{{sel}}|{{clp}}]</accelerator>
  <accelerator id="wrapped">{{sel:wrap({{clp}};!)}}</accelerator>
  <accelerator id="silent" output="0">{{sel}}</accelerator>
  <group id="tools" hotkey="1090"><accelerator id="a" hotkey="65">x</accelerator></group>
</accelerators>
)";

constexpr char kWrapScript[] = R"(<lxscript function="wrap"><script>function wrap(t, l, r) { return l + t + r; }</script></lxscript>)";

std::wstring Utf8Argument(const char* utf8) { return L"\"" + FromUtf8(utf8) + L"\""; }

class LxCliExpand : public test::LxCliFixture {
protected:
    void SetUp() override {
        InstallWith(kAccelerators);
        ASSERT_TRUE(::CreateDirectoryW((folder / L"scripts").c_str(), nullptr));
        test::WriteUtf8File(folder / L"scripts\\wrap.lxscript", kWrapScript);
    }
};

TEST_F(LxCliExpand, PrintsExactlyWhatTheProcessorWouldPaste) {
    struct Case { std::wstring arguments; std::string out; unsigned long exitCode; } cases[] = {
        {L"expand title --sel " + Utf8Argument("élan über 2nd"), "\xC3\x89lan \xC3\x9C" "ber 2nd", 0},
        {L"expand title", "", 0},
        {L"expand paste-clip --sel S --clp C", "[|C]", 0},  // input 0 captures nothing
        {L"expand wrapped --sel mid --clp <", "<mid!", 0},
        {L"expand silent --sel ignored", "", 0},
        {L"expand tools", "", 1},
        {L"expand a", "", 1},
        {L"expand nowhere", "", 1},
        {L"template \"{{clp:wrap(( ; ))}} {{missing}}{{sel:missing}}\" --sel s --clp " + Utf8Argument("東京 😀"),
         "( \xE6\x9D\xB1\xE4\xBA\xAC \xF0\x9F\x98\x80 ) s", 0},
        {L"template \"no placeholders {{ unclosed\"", "no placeholders {{ unclosed", 0},
    };
    for (const Case& c : cases) {
        const auto result = Run(c.arguments);
        EXPECT_EQ(result.out, c.out) << testing::PrintToString(c.arguments);
        EXPECT_EQ(result.exitCode, c.exitCode) << testing::PrintToString(c.arguments) << result.err;
    }
}

TEST_F(LxCliExpand, CheckFindsNothingInCleanData) {
    const auto result = Run(L"check");
    EXPECT_EQ(result.out, "no problems found\n");
    EXPECT_EQ(result.exitCode, 0u) << result.err;
}

TEST_F(LxCliExpand, CheckReportsEveryProblemOnItsOwnLine) {
    test::WriteUtf8File(folder / L"accelerators.xml", R"(<accelerators>
  <accelerator hotkey="1">no id</accelerator>
  <accelerator id="one" hotkey="578">{{sel:nosuch}} {{ghost({{sel:nosuch}})}} {{sel:ucwords}}</accelerator>
  <accelerator id="one">again</accelerator>
  <accelerator id="two" hotkey="578">{{sel}}</accelerator>
  <group id="g"><accelerator name="member without id"/><accelerator id="m">{{absent}}</accelerator></group>
</accelerators>
)");
    test::WriteUtf8File(folder / L"settings.xml", "<settings>\n<appearance>\n</settings>\n");
    test::WriteUtf8File(folder / L"scripts\\syntax.lxscript",
                        "<lxscript function=\"f\"><script>var a = 1;\nvar b = ;</script></lxscript>");
    test::WriteUtf8File(folder / L"scripts\\incomplete.lxscript",
                        "<lxscript language=\"NoSuchLanguage\"><include file=\"gone.js\"/></lxscript>");
    const auto result = Run(L"check");
    EXPECT_EQ(result.exitCode, 1u) << result.err;
    const char* expected[] = {
        "settings.xml: line ",
        "top-level <accelerator> number 1 has no id",
        "number 3 repeats the id \"one\" of number 2",
        "(\"two\") has the hotkey Ctrl + B of \"one\"",
        "\"one\" names the script \"nosuch\"",
        "\"one\" names the script \"ghost\"",
        "a <accelerator> in group \"g\" has no id",
        "\"m\" names the script \"absent\"",
        "incomplete.lxscript: the root has no function attribute",
        "incomplete.lxscript: there is no <script> element",
        "incomplete.lxscript: no scripting engine is installed for the language \"NoSuchLanguage\"",
        "incomplete.lxscript: the include file \"gone.js\" is missing",
        "syntax.lxscript: the script fails to load: line 2: ",
    };
    for (const char* line : expected)
        EXPECT_NE(result.out.find(line), std::string::npos) << line << "\n--- output:\n" << result.out;
    size_t lines = 0;
    for (char c : result.out)
        lines += c == '\n';
    EXPECT_EQ(lines, std::size(expected)) << result.out;
}

}  // namespace
}  // namespace lx
