#pragma once
// The import program's command line: an optional silent switch and a package
// path. Platform-free.
#include <string>
#include <string_view>

#include "command_line.h"

namespace lx {

struct ImportArguments {
    bool silent = false;
    // The last token that is not a switch, quotes removed; empty when none.
    std::wstring packagePath;
};

inline ImportArguments ParseImportArguments(std::wstring_view argumentText) {
    ImportArguments arguments;
    for (const std::wstring& token : SplitCommandLine(argumentText, L"", L"\"", L" ", L"*")) {
        if (token[0] != L'/')
            arguments.packagePath = token;
        else if (token.size() > 1 && (token[1] == L'S' || token[1] == L's'))
            arguments.silent = true;
    }
    return arguments;
}

}  // namespace lx
