#include "command_line.h"

#include <gtest/gtest.h>

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
