// The sources of default.lxpack: every script run through the real script
// host, every group entry expanded as the processor would, and the data
// checked the way lx-cli checks a user's data.
#include <windows.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>
#include <set>

#include "accelerator.h"
#include "group_order.h"
#include "lx_cli_fixture.h"
#include "lx_core.h"
#include "platform_character_set.h"
#include "script_file_runner.h"
#include "script_host.h"
#include "wide_text.h"
#include "xml_props.h"

namespace lx {
namespace {

// The package sources as Wine sees them, with a trailing backslash.
const std::wstring kPackageFolder = LX_DEFAULT_PACKAGE_FOLDER;
const std::wstring kScriptsFolder = kPackageFolder + L"scripts\\";

std::wstring Unit(unsigned code) { return std::wstring(1, static_cast<wchar_t>(code)); }

struct ScriptCase {
    std::wstring input;  // a modifier's text; unused by a source
    std::vector<std::wstring> arguments;
    std::wstring expected;
};

struct ScriptCases {
    const wchar_t* script;
    bool isSource;
    std::vector<ScriptCase> cases;
};

const std::vector<ScriptCases>& AllScriptCases() {
    static const std::vector<ScriptCases> all = {
        {L"upper", false, {
            {L"", {}, L""},
            {L"straße été Ünïcode", {}, L"STRAßE ÉTÉ ÜNÏCODE"},
            {L"αβγ σοφος ά ώ", {}, L"ΑΒΓ ΣΟΦΟΣ Ά Ώ"},
            {L"ёж łódź ơ ư ạ ı", {}, L"ЁЖ ŁÓDŹ Ơ Ư Ạ I"},
            {L"line one\r\nline 2 😀", {}, L"LINE ONE\r\nLINE 2 😀"},
        }},
        {L"lower", false, {
            {L"", {}, L""},
            {L"STRASSE ẞ ÉTÉ ÜNÏCODE", {}, L"strasse ß été ünïcode"},
            {L"ΣΟΦΟΣ ΆΈ Ώ", {}, L"σοφοσ άέ ώ"},
            {L"ЁЖ ŁÓDŹ İI", {}, L"ёж łódź ii"},
            {L"A\r\nB 😀", {}, L"a\r\nb 😀"},
        }},
        {L"sentence", false, {
            {L"", {}, L""},
            {L"HELLO WORLD. THIS IS FINE! is it? yes.", {}, L"Hello world. This is fine! Is it? Yes."},
            {L"version 1.5 of example.com works", {}, L"Version 1.5 of example.com works"},
            {L"“quoted.” next\r\nline. «ÉLAN» ok", {}, L"“Quoted.” Next\r\nline. «Élan» ok"},
            {L"what?!  no. 2nd place", {}, L"What?!  No. 2nd place"},
            {L"end.\r\nstart\nΑΛΦΑ. ΒΗΤΑ", {}, L"End.\r\nStart\nαλφα. Βητα"},
            {L"ßa. ok", {}, L"ßa. Ok"},
            {L"END." + Unit(0xA0) + L"NEXT", {}, L"End." + Unit(0xA0) + L"Next"},
        }},
        {L"trim", false, {
            {L"", {}, L""},
            {L"   ", {}, L""},
            {L"  \t\r\n text with  inner  space \r\n", {}, L"text with  inner  space"},
            {Unit(0xA0) + Unit(0x3000) + L"é" + Unit(0xFEFF) + Unit(0x2028), {}, L"é"},
            {L"a\r\nb", {}, L"a\r\nb"},
        }},
        {L"sortlines", false, {
            {L"", {}, L""},
            {L"pear\r\napple\r\nBanana", {}, L"apple\r\nBanana\r\npear"},
            {L"b\na\n", {}, L"a\nb\n"},
            {L"b\ra", {}, L"a\rb"},
            {L"zebra\nÉclair\neclair\napple", {}, L"apple\neclair\nÉclair\nzebra"},
            {L"b\nB\na", {}, L"a\nB\nb"},
            {L"b\r\na\nc", {}, L"a\r\nb\r\nc"},
            {L"b\r\n\r\na", {}, L"\r\na\r\nb"},
            {L"β\nα", {}, L"α\nβ"},
        }},
        {L"uniquelines", false, {
            {L"", {}, L""},
            {L"a\r\nb\r\na\r\nc\r\nb", {}, L"a\r\nb\r\nc"},
            {L"x\ny\nx\n", {}, L"x\ny\n"},
            {L"A\na\nä\nä", {}, L"A\na\nä"},
            {L"hasOwnProperty\nconstructor\nhasOwnProperty\n__proto__\n__proto__", {}, L"hasOwnProperty\nconstructor\n__proto__"},
            {L"\r\n\r\na\r\n", {}, L"\r\na\r\n"},
        }},
        {L"reverselines", false, {
            {L"", {}, L""},
            {L"1\r\n2\r\n3", {}, L"3\r\n2\r\n1"},
            {L"1\n2\n", {}, L"2\n1\n"},
            {L"a\rb", {}, L"b\ra"},
            {L"one line", {}, L"one line"},
        }},
        {L"urlencode", false, {
            {L"", {}, L""},
            {L"a b&c=d/é?", {}, L"a%20b%26c%3Dd%2F%C3%A9%3F"},
            {L"-_.!~*'()AZaz09", {}, L"-_.!~*'()AZaz09"},
            {L"Ω€😀", {}, L"%CE%A9%E2%82%AC%F0%9F%98%80"},
            {Unit(0xD800) + L"x" + Unit(0xDC00), {}, L"%EF%BF%BDx%EF%BF%BD"},
            {L"line\r\n", {}, L"line%0D%0A"},
        }},
        {L"urldecode", false, {
            {L"", {}, L""},
            {L"a%20b%26c%3Dd%2F%C3%A9", {}, L"a b&c=d/é"},
            {L"%c3%a9%CE%A9%E2%82%AC%F0%9F%98%80", {}, L"éΩ€😀"},
            {L"a+b", {}, L"a+b"},
            {L"100%", {}, L"100%"},
            {L"%zz%2", {}, L"%zz%2"},
            {L"%E0%A4%A", {}, L"%E0%A4%A"},
            {L"%C3", {}, L"%C3"},
            {L"%C0%AF %ED%A0%80 %F4%90%80%80", {}, L"%C0%AF %ED%A0%80 %F4%90%80%80"},
            {L"50% off%20now %41%FF%42", {}, L"50% off now A%FFB"},
        }},
        {L"htmlescape", false, {
            {L"", {}, L""},
            {L"<a href=\"x\">Tom & Jerry's</a>", {}, L"&lt;a href=&quot;x&quot;&gt;Tom &amp; Jerry&#39;s&lt;/a&gt;"},
            {L"&amp;", {}, L"&amp;amp;"},
            {L"élan 😀\r\n", {}, L"élan 😀\r\n"},
        }},
        {L"jsonescape", false, {
            {L"", {}, L""},
            {L"say \"hi\" \\ /", {}, L"say \\\"hi\\\" \\\\ /"},
            {L"a\r\nb\tc", {}, L"a\\r\\nb\\tc"},
            {Unit(1) + Unit(0x1F) + L"\b\f" + Unit(0x7F), {}, L"\\u0001\\u001f\\b\\f\\u007f"},
            {Unit(0x2028) + Unit(0x2029), {}, L"\\u2028\\u2029"},
            {L"é😀東京", {}, L"é😀東京"},
            {Unit(0xDC00) + L"x" + Unit(0xD83D), {}, L"\\udc00x\\ud83d"},
        }},
        {L"wrap", false, {
            {L"x", {L"<", L">"}, L"<x>"},
            {L"x", {L"*"}, L"*x*"},
            {L"x", {L"("}, L"(x)"},
            {L"x", {L"“"}, L"“x”"},
            {L"x", {}, L"x"},
            {L"", {L"[", L"]"}, L"[]"},
            {L"x", {L"", L">"}, L"x>"},
            {L"a\r\nb", {L"/* ", L" */"}, L"/* a\r\nb */"},
        }},
        {L"count", true, {
            {L"", {}, L"0 words, 0 characters, 0 lines"},
            {L"", {L""}, L"0 words, 0 characters, 0 lines"},
            {L"", {L"one"}, L"1 word, 3 characters, 1 line"},
            {L"", {L"Hello, wide world!\r\nSecond line\r\n"}, L"5 words, 29 characters, 2 lines"},
            {L"", {L"grüße 😀 東京"}, L"3 words, 10 characters, 1 line"},
            {L"", {L"a" + Unit(0xA0) + L"b\tc\n\nd"}, L"4 words, 6 characters, 3 lines"},
        }},
    };
    return all;
}

void PrintTo(const ScriptCases& script, std::ostream* out) { *out << testing::PrintToString(std::wstring(script.script)); }

std::optional<std::wstring> RunScript(const ScriptCases& script, const ScriptCase& c) {
    CScriptHost host;
    std::wstring text = script.isSource ? std::wstring() : c.input;
    if (!host.Load(kScriptsFolder + script.script + L".lxscript") || !host.Call(text, c.arguments, !script.isSource))
        return std::nullopt;
    return text;
}

std::vector<std::wstring> PackageScriptNames() {
    std::vector<std::wstring> names;
    for (const auto& item : std::filesystem::directory_iterator(kScriptsFolder))
        if (item.path().extension() == L".lxscript")
            names.push_back(item.path().stem().wstring());
    return names;
}

class DefaultPackageScript : public testing::TestWithParam<ScriptCases> {};

TEST_P(DefaultPackageScript, GivesTheExpectedText) {
    const ScriptCases& script = GetParam();
    for (const ScriptCase& c : script.cases) {
        EXPECT_EQ(RunScript(script, c), std::optional<std::wstring>(c.expected))
            << testing::PrintToString(std::wstring(script.script)) << " on " << testing::PrintToString(c.input)
            << " with " << testing::PrintToString(c.arguments);
    }
}

INSTANTIATE_TEST_SUITE_P(All, DefaultPackageScript, testing::ValuesIn(AllScriptCases()),
                         [](const testing::TestParamInfo<ScriptCases>& info) {
                             return std::string(info.param.script, info.param.script + wcslen(info.param.script));
                         });

TEST(DefaultPackage, EveryScriptHasCases) {
    std::set<std::wstring> tested;
    for (const ScriptCases& script : AllScriptCases())
        tested.insert(script.script);
    const std::vector<std::wstring> names = PackageScriptNames();
    EXPECT_EQ(std::set<std::wstring>(names.begin(), names.end()), tested);
}

// What the import tool and the settings editor show of each script.
TEST(DefaultPackage, ScriptsDescribeThemselvesAndTheirParameters) {
    for (const std::wstring& name : PackageScriptNames()) {
        SCOPED_TRACE(testing::PrintToString(name));
        CXMLProps props;
        ASSERT_TRUE(props.Open(kScriptsFolder + name + L".lxscript", L"lxscript"));
        EXPECT_EQ(props.GetStringAttribute(L"function", std::nullopt), name);
        EXPECT_FALSE(props.GetChildText(L"description").value_or(L"").empty());
        ASSERT_TRUE(props.SelectChild(L"params"));
        ASSERT_TRUE(props.FirstChild());
        int position = 0;
        do {
            if (props.GetName() != L"param")
                continue;
            EXPECT_TRUE(props.GetStringAttribute(L"id", std::nullopt).has_value());
            EXPECT_FALSE(props.GetChildText(L"description").value_or(L"").empty());
            if (position == 0) {
                // Only a modifier's first parameter takes the input text.
                const bool isSource = name == L"count";
                EXPECT_EQ(props.GetStringAttribute(L"input", L"true"), isSource ? L"false" : L"true");
            }
            ++position;
        } while (props.NextSibling());
        EXPECT_GE(position, 1);
    }
}

TEST(DefaultPackage, InfoDescribesThePackage) {
    CXMLProps props;
    ASSERT_TRUE(props.Open(kPackageFolder + L"info.xml", L"lexorantpackage"));
    EXPECT_FALSE(props.GetChildText(L"description").value_or(L"").empty());
    EXPECT_FALSE(props.GetChildText(L"author").value_or(L"").empty());
}

struct EntryCase {
    const wchar_t* group;
    wchar_t key;
    std::u16string selection;
    std::u16string expected;
};

// Each group entry as the processor runs it: the group loaded and ordered,
// the entry found by its key, its body expanded over the package's scripts.
TEST(DefaultPackage, GroupEntriesTransformTheSelection) {
    const EntryCase cases[] = {
        {L"default-text", L'A', u"Straße é", u"STRAßE É"},
        {L"default-text", L'B', u"ÉTÉ Σ", u"été σ"},
        {L"default-text", L'C', u"HELLO. WORLD", u"Hello. World"},
        {L"default-text", L'D', u"hELLO wORLD-wide ÉLAN", u"Hello World-Wide Élan"},
        {L"default-text", L'E', u" \r\n x \r\n", u"x"},
        {L"default-text", L'F', u"x", u"\"x\""},
        {L"default-text", L'G', u"x", u"(x)"},
        {L"default-text", L'H', u"two words", u"two words (2 words, 9 characters, 1 line)"},
        {L"default-lines", L'A', u"b\r\na\r\n", u"a\r\nb\r\n"},
        {L"default-lines", L'B', u"a\r\nb\r\na", u"a\r\nb"},
        {L"default-lines", L'C', u"1\r\n2", u"2\r\n1"},
        {L"default-lines", L'D', u"a b", u"a%20b"},
        {L"default-lines", L'E', u"a%20b", u"a b"},
        {L"default-lines", L'F', u"<&>", u"&lt;&amp;&gt;"},
        {L"default-lines", L'G', u"\"\n", u"\\\"\\n"},
    };
    PlatformCharacterSet characters;
    ScriptFileRunner scripts(kScriptsFolder);
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.group) + L" " + c.key));
        const auto group = LoadAcceleratorById(c.group, kPackageFolder);
        ASSERT_NE(group, nullptr);
        const CAccelerator* entry = FindEntryByKey(c.key, *group);
        ASSERT_NE(entry, nullptr);
        CLXCore core(characters, scripts);
        const Text clipboard = u"clipboard";
        core.SetInputs(&c.selection, &clipboard);
        Text text;
        EXPECT_EQ(core.Expand(text, entry), 1);
        EXPECT_EQ(ToWide(text), ToWide(c.expected));
    }
}

// Inside a group only a letter picks an entry: the letters run A, B, ... in
// popup order, with no modifiers, and every entry captures and pastes.
TEST(DefaultPackage, GroupEntriesArePickedByConsecutiveLetters) {
    for (const wchar_t* id : {L"default-text", L"default-lines"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(id)));
        const auto group = LoadAcceleratorById(id, kPackageFolder);
        ASSERT_NE(group, nullptr);
        ASSERT_TRUE(group->isGroup);
        ASSERT_FALSE(group->entries.empty());
        for (size_t i = 0; i < group->entries.size(); ++i) {
            const CAccelerator& entry = *group->entries[i];
            EXPECT_EQ(entry.hotkey, 'A' + i) << testing::PrintToString(entry.id);
            EXPECT_FALSE(entry.isGroup);
            EXPECT_FALSE(entry.name.value_or(L"").empty());
            EXPECT_FALSE(entry.description.value_or(L"").empty());
            EXPECT_EQ(entry.input, 1);
            EXPECT_EQ(entry.output, 1);
        }
        EXPECT_EQ(FindEntryByKey('A' + group->entries.size(), *group), nullptr);
    }
}

// The package's data installed in a portable folder, as the first run
// leaves it, and examined by lx-cli.
class DefaultPackageData : public test::LxCliFixture {
protected:
    void SetUp() override {
        InstallWith(test::ReadBytes(kPackageFolder + L"accelerators.xml"));
        std::filesystem::copy(kPackageFolder + L"scripts", folder / L"scripts", std::filesystem::copy_options::recursive);
    }
};

TEST_F(DefaultPackageData, HasNoProblems) {
    const auto result = Run(L"check");
    EXPECT_EQ(result.out, "no problems found\n");
    EXPECT_EQ(result.exitCode, 0u) << result.err;
}

TEST_F(DefaultPackageData, OnlyTwoGroupsHaveGlobalHotkeys) {
    const auto result = Run(L"list --json");
    ASSERT_EQ(result.exitCode, 0u) << result.err;
    const auto entries = nlohmann::json::parse(result.out);
    ASSERT_EQ(entries.size(), 2u) << result.out;
    EXPECT_EQ(entries[0]["kind"], "group");
    EXPECT_EQ(entries[1]["kind"], "group");
    EXPECT_EQ(entries[0]["hotkeyText"], "Ctrl + Shift + Alt + F10");
    EXPECT_EQ(entries[1]["hotkeyText"], "Ctrl + Shift + Alt + F11");
    EXPECT_NE(entries[0]["hotkey"], entries[1]["hotkey"]);
}

}  // namespace
}  // namespace lx
