#pragma once
// Command-line text after the program name. Platform-free.
#include <string>
#include <string_view>
#include <vector>

namespace lx {

// The text after the program name (quoted or not) and the spaces or tabs
// that follow it, verbatim: no quotes removed, nothing trimmed at the end.
std::wstring_view ArgumentText(std::wstring_view commandLine);

// Splits `text` into tokens in one pass. An escape character takes the next
// character literally. A quote character opens a section that the same
// character closes ("(", "[" and "{" are closed by their partners and, unlike
// other quotes, stay in the token); separators inside it are plain text.
// Separators end a token and are dropped; kept delimiters end a token and
// become tokens of their own. Empty tokens never arise.
std::vector<std::wstring> SplitCommandLine(std::wstring_view text, std::wstring_view kept, std::wstring_view quotes,
                                           std::wstring_view separators, std::wstring_view escapes);

}  // namespace lx
