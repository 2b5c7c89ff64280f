#include "script_host.h"

#include <gtest/gtest.h>

#include "lx_core.h"
#include "platform_character_set.h"
#include "script_file_runner.h"
#include "test_files.h"
#include "wide_text.h"

namespace lx {
namespace {

std::string ScriptFile(std::string_view function, std::string_view source, std::string_view extra = "",
                       std::string_view rootAttributes = "") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<lxscript function=\"" + std::string(function) + "\"" +
           std::string(rootAttributes) + ">\n" + std::string(extra) + "<script><![CDATA[" + std::string(source) +
           "]]></script>\n</lxscript>\n";
}

class ScriptHostTest : public testing::Test {
protected:
    std::wstring Write(std::wstring_view name, const std::string& content) {
        const std::wstring path = folder / name;
        test::WriteUtf8File(path, content);
        return path;
    }
    // Loads and calls; nothing when either fails.
    std::optional<std::wstring> Run(const std::wstring& path, std::wstring text = L"",
                                    const std::vector<std::wstring>& arguments = {}, bool passText = true) {
        CScriptHost host;
        if (!host.Load(path) || !host.Call(text, arguments, passText))
            return std::nullopt;
        return text;
    }
    test::TempFolder folder;
};

TEST_F(ScriptHostTest, CallsTheFunctionWithTextFirstThenArguments) {
    const auto path = Write(L"join.lxscript", ScriptFile("join", "function join(){return Array.prototype.join.call(arguments,'|');}"));
    EXPECT_EQ(Run(path, L"grüße 東京 😀", {L"a", L" b", L""}), L"grüße 東京 😀|a| b|");
    EXPECT_EQ(Run(path, L"ignored", {L"x", L"y"}, false), L"x|y");
}

TEST_F(ScriptHostTest, LanguageDefaultsToJavaScriptAndEmptyNamesNoEngine) {
    const std::string body = "function f(t){return t+'!';}";
    EXPECT_EQ(Run(Write(L"default.lxscript", ScriptFile("f", body)), L"a"), L"a!");
    EXPECT_EQ(Run(Write(L"named.lxscript", ScriptFile("f", body, "", " language=\"JScript\"")), L"a"), L"a!");
    EXPECT_EQ(Run(Write(L"empty.lxscript", ScriptFile("f", body, "", " language=\"\"")), L"a"), std::nullopt);
    EXPECT_EQ(Run(Write(L"bogus.lxscript", ScriptFile("f", body, "", " language=\"NoSuchScript\"")), L"a"), std::nullopt);
}

TEST_F(ScriptHostTest, ResultsBecomeText) {
    struct Case { const char* source; std::optional<std::wstring> expected; } cases[] = {
        {"function f(){return 42;}", L"42"},
        {"function f(){return 1.5;}", L"1.5"},
        {"function f(){return true;}", L"-1"},  // the platform's conversion without flags
        {"function f(){}", L""},
        {"function f(){return null;}", L""},
        {"function f(){return undefined;}", L""},
        {"function f(){return {a:1};}", L"[object Object]"},  // through its default value
        {"function f(){return 'ab\\u0000cd';}", L"ab"},
        {"function f(){throw new Error('boom');}", std::nullopt},
        {"function f(){return missing.name;}", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto path = Write(L"f.lxscript", ScriptFile("f", c.source));
        EXPECT_EQ(Run(path, L"unchanged"), c.expected) << c.source;
    }
}

TEST_F(ScriptHostTest, LoadFailures) {
    struct Case { const wchar_t* name; std::string content; } cases[] = {
        {L"nofunction.lxscript", "<lxscript><script>function f(){}</script></lxscript>"},
        {L"noscript.lxscript", "<lxscript function=\"f\"/>"},
        {L"wrongroot.lxscript", "<script function=\"f\"><script>function f(){}</script></script>"},
        {L"syntax.lxscript", ScriptFile("f", "function f( {")},
        {L"malformed.lxscript", "<lxscript function=\"f\"><script>"},
    };
    for (const Case& c : cases) {
        CScriptHost host;
        EXPECT_FALSE(host.Load(Write(c.name, c.content))) << testing::PrintToString(std::wstring(c.name));
    }
    CScriptHost missing;
    EXPECT_FALSE(missing.Load(folder / L"absent.lxscript"));
    std::wstring text = L"kept";
    EXPECT_FALSE(missing.Call(text, {}, true));
    EXPECT_EQ(text, L"kept");

    CScriptHost wrongFunction;
    ASSERT_TRUE(wrongFunction.Load(Write(L"other.lxscript", ScriptFile("g", "function f(){return 1;}"))));
    EXPECT_FALSE(wrongFunction.Call(text, {}, true));
    EXPECT_EQ(text, L"kept");
}

TEST_F(ScriptHostTest, SyntaxErrorIsRecordedWithItsLine) {
    CScriptHost host;
    ASSERT_FALSE(host.Load(Write(L"broken.lxscript", ScriptFile("f", "var a = 1;\nvar b = ;\nfunction f() {}"))));
    ASSERT_TRUE(host.LastError().has_value());
    EXPECT_EQ(host.LastError()->line, 2u);
    EXPECT_FALSE(host.LastError()->message.empty());
}

TEST_F(ScriptHostTest, IncludesLoadInDocumentOrderBeforeTheScript) {
    Write(L"one.js", "var order = ['one']; function shout(t){ return t.toUpperCase(); }");
    Write(L"two.js", "order.push('two'); var mark = '\xC2\xB7';");  // UTF-8 middle dot
    Write(L"broken.js", "this is not ( script");
    Write(L"empty.js", "");
    const std::string includes =
        "<include file=\"one.js\"/>\n<include/>\n<include file=\"missing.js\"/>\n<include file=\"broken.js\"/>\n"
        "<include file=\"empty.js\"/>\n<include file=\"two.js\"/>\n";
    const auto path = Write(L"uses.lxscript", ScriptFile("f", "function f(t){return order.join(mark) + ':' + shout(t);}", includes));
    EXPECT_EQ(Run(path, L"hi"), L"one·two:HI");

    const std::wstring absolute = folder / L"one.js";
    const std::string absoluteInclude = "<include file=\"" + std::string(absolute.begin(), absolute.end()) + "\"/>\n";
    const auto absolutePath = Write(L"absolute.lxscript", ScriptFile("f", "function f(t){return typeof shout;}", absoluteInclude));
    EXPECT_EQ(Run(absolutePath), L"undefined");
}

TEST_F(ScriptHostTest, TemplateItemsRunScriptFilesWithFallbacks) {
    Write(L"wrap.lxscript", ScriptFile("wrap", "function wrap(t,l,r){return l+t+r;}"));
    Write(L"hello.lxscript", ScriptFile("hello", "function hello(n){return 'hello '+n;}"));
    Write(L"fails.lxscript", ScriptFile("fails", "function fails(){throw 1;}"));
    Write(L"ucwords.lxscript", ScriptFile("ucwords", "function ucwords(){return 'script';}"));
    PlatformCharacterSet characters;
    ScriptFileRunner runner(folder.path());
    CLXCore core(characters, runner);
    const Text selection = u"élan über", clipboard = u"clip";
    core.SetInputs(&selection, &clipboard);
    struct Case { const char16_t* body; const char16_t* expected; } cases[] = {
        {u"{{sel:ucwords}}", u"Élan Über"},
        {u"{{sel:wrap([;])}}", u"[élan über]"},
        {u"{{hello({{clp}})}}", u"hello clip"},
        {u"<{{fails}}>", u"<>"},
        {u"{{clp:fails}}", u"clip"},
        {u"{{missing}}|{{clp:missing}}", u"|clip"},
        {u"{{ucwords:ucwords}}", u"Script"},
    };
    for (const Case& c : cases) {
        Text text = c.body;
        core.Expand(text);
        EXPECT_EQ(ToWide(text), ToWide(c.expected)) << ToWide(c.body);
    }
}

}  // namespace
}  // namespace lx
