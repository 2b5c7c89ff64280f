#include "command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lx {
namespace {

TEST(ArgumentText, IsTheVerbatimTextAfterTheProgramName) {
    struct Case { const wchar_t* commandLine; const wchar_t* argument; } cases[] = {
        {L"lx-processor.exe upper", L"upper"},
        {L"\"C:\\Program Files\\Lexorant\\lx-processor.exe\" upper", L"upper"},
        {L"lx-processor.exe \t  two words  ", L"two words  "},
        {L"lx-processor.exe \"quoted id\"", L"\"quoted id\""},
        {L"lx-processor.exe", L""},
        {L"lx-processor.exe   ", L""},
        {L"\"unclosed quote id", L""},
        {L"\"C:\\a b\\p.exe\"id", L""},
        {L"", L""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ArgumentText(c.commandLine), c.argument) << testing::PrintToString(std::wstring(c.commandLine));
}

}  // namespace
}  // namespace lx

namespace lx {
namespace {

using Tokens = std::vector<std::wstring>;

TEST(SplitCommandLine, WithTheImportSetsHandlesQuotesEscapesAndSpaces) {
    struct Case { const wchar_t* text; Tokens tokens; } cases[] = {
        {L"/S \"C:\\my files\\p.lxpack\"", {L"/S", L"C:\\my files\\p.lxpack"}},
        {L"\"unclosed quote runs to the end", {L"unclosed quote runs to the end"}},
        {L"a*\"b", {L"a\"b"}},
        {L"a* b", {L"a b"}},
        {L"\"a*\"b\" c", {L"a\"b", L"c"}},
        {L"trailing escape*", {L"trailing", L"escape"}},
        {L"  a   b  ", {L"a", L"b"}},
        {L"\"\" \"\"", {}},
        {L"\"a\"b\"c d\"", {L"abc d"}},
        {L"**", {L"*"}},
        {L"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitCommandLine(c.text, L"", L"\"", L" ", L"*"), c.tokens)
            << testing::PrintToString(std::wstring(c.text));
}

TEST(SplitCommandLine, KeepsDelimitersAndBracketsOutsideQuotedSections) {
    struct Case { const wchar_t* text; const wchar_t* kept; const wchar_t* quotes; Tokens tokens; } cases[] = {
        {L"key=(a b) x,y", L"=,", L"(\"", {L"key", L"=", L"(a b)", L"x", L",", L"y"}},
        {L"\"a=b\"=c", L"=", L"\"", {L"a=b", L"=", L"c"}},
        {L"[a (b] c)", L"", L"[(", {L"[a (b]", L"c)"}},
        {L"{x} 'y z'", L"", L"{'", {L"{x}", L"y z"}},
        {L"a==b", L"=", L"", {L"a", L"=", L"=", L"b"}},
        {L"a*=b", L"=", L"", {L"a=b"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitCommandLine(c.text, c.kept, c.quotes, L" ", L"*"), c.tokens)
            << testing::PrintToString(std::wstring(c.text));
}

}  // namespace
}  // namespace lx
