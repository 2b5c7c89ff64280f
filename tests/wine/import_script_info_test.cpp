#include "script_info.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "test_files.h"

namespace lx::script {
namespace {

using test::TempFolder;
using test::WriteUtf8File;

TEST(ScriptInfo, ReadsDescriptionAndParametersWithTheirDefaults) {
    TempFolder folder;
    WriteUtf8File(folder / L"my.tool.lxscript", R"(<lxscript function="f">
  <description>Wraps the text</description>
  <params>
    <param><description>the text</description></param>
    <!-- between -->
    <other/>
    <param def="&lt;" input="yes"/>
    <PARAM id="after" input="TRUE"/>
    <param input="1"/>
  </params>
  <script>function f(t, a, b) { return a + t + b; }</script>
</lxscript>)");
    script_info info;
    ASSERT_TRUE(info.Read(folder / L"my.tool.lxscript"));
    EXPECT_EQ(info.name, L"my.tool");
    EXPECT_EQ(info.description, L"Wraps the text");
    ASSERT_EQ(info.parameterCount, 4);
    ASSERT_EQ(info.parameters.size(), 4u);
    struct Expected { const wchar_t* id; const wchar_t* def; bool input; const wchar_t* description; } expected[] = {
        {L"param0", L"", true, L"the text"},
        {L"param1", L"<", false, L""},
        {L"after", L"", true, L""},
        {L"param3", L"", false, L""},
    };
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(info.parameters[i].id, expected[i].id) << i;
        EXPECT_EQ(info.parameters[i].def, expected[i].def) << i;
        EXPECT_EQ(info.parameters[i].input, expected[i].input) << i;
        EXPECT_EQ(info.parameters[i].description, expected[i].description) << i;
    }
}

TEST(ScriptInfo, SecondParameterWithoutInputIsNotTheInput) {
    TempFolder folder;
    WriteUtf8File(folder / L"upper.LXSCRIPT", "<lxscript><params><param/><param/></params></lxscript>");
    script_info info;
    ASSERT_TRUE(info.Read(folder / L"upper.LXSCRIPT"));
    EXPECT_EQ(info.name, L"upper");
    EXPECT_EQ(info.description, L"");
    ASSERT_EQ(info.parameters.size(), 2u);
    EXPECT_TRUE(info.parameters[0].input);
    EXPECT_FALSE(info.parameters[1].input);
}

TEST(ScriptInfo, FilesThatAreNotScriptsLeaveTheRecordAsItWas) {
    TempFolder folder;
    WriteUtf8File(folder / L"other-root.lxscript", "<script><description>x</description></script>");
    WriteUtf8File(folder / L"broken.lxscript", "<lxscript><description>x</lxscript>");
    for (const wchar_t* file : {L"other-root.lxscript", L"broken.lxscript", L"missing.lxscript"}) {
        script_info info;
        info.name = L"kept";
        EXPECT_FALSE(info.Read(folder / file)) << file;
        EXPECT_EQ(info.name, L"kept") << file;
    }
}

TEST(ListScripts, ListsReadableScriptsDirectlyInTheFolderOnly) {
    TempFolder folder;
    WriteUtf8File(folder / L"Upper.LXSCRIPT", "<lxscript><description>up</description></lxscript>");
    WriteUtf8File(folder / L"lower.lxscript", "<lxscript/>");
    WriteUtf8File(folder / L"not-a-script.lxscript", "<script/>");
    WriteUtf8File(folder / L"notes.txt", "<lxscript/>");
    WriteUtf8File(folder / L"lower.lxscript.bak", "<lxscript/>");
    ASSERT_TRUE(::CreateDirectoryW((folder / L"lib").c_str(), nullptr));
    WriteUtf8File(folder / L"lib\\deep.lxscript", "<lxscript/>");

    std::vector<script_info> list;
    ListScripts(folder.path(), list);
    std::vector<std::wstring> names;
    for (const script_info& info : list)
        names.push_back(info.name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"Upper", L"lower"}));
}

}  // namespace
}  // namespace lx::script
