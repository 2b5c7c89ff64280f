// Command-line splitting on arbitrary text: never an empty token, never more
// text out than went in, and the import program's reading of it never fails.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "command_line.h"
#include "import_arguments.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::wstring text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text += static_cast<wchar_t>(data[i] | (data[i + 1] << 8));

    size_t produced = 0;
    for (const std::wstring& token : lx::SplitCommandLine(text, L"=,", L"\"([{", L" \t", L"*")) {
        if (token.empty())
            std::abort();
        produced += token.size();
    }
    if (produced > text.size())
        std::abort();

    const lx::ImportArguments arguments = lx::ParseImportArguments(text);
    if (arguments.packagePath.size() > text.size() || (!arguments.packagePath.empty() && arguments.packagePath[0] == L'/'))
        std::abort();
    return 0;
}
