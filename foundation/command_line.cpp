#include "command_line.h"

namespace lx {

namespace {

wchar_t ClosingQuote(wchar_t opening) {
    switch (opening) {
    case L'(':
        return L')';
    case L'[':
        return L']';
    case L'{':
        return L'}';
    default:
        return opening;
    }
}

bool IsBracket(wchar_t quote) { return quote != ClosingQuote(quote); }

bool Contains(std::wstring_view set, wchar_t c) { return set.find(c) != std::wstring_view::npos; }

}  // namespace

std::wstring_view ArgumentText(std::wstring_view commandLine) {
    size_t i = 0;
    if (!commandLine.empty() && commandLine[0] == L'"') {
        const size_t closing = commandLine.find(L'"', 1);
        i = closing == std::wstring_view::npos ? commandLine.size() : closing + 1;
    }
    while (i < commandLine.size() && commandLine[i] != L' ' && commandLine[i] != L'\t')
        ++i;
    while (i < commandLine.size() && (commandLine[i] == L' ' || commandLine[i] == L'\t'))
        ++i;
    return commandLine.substr(i);
}

std::vector<std::wstring> SplitCommandLine(std::wstring_view text, std::wstring_view kept, std::wstring_view quotes,
                                           std::wstring_view separators, std::wstring_view escapes) {
    std::vector<std::wstring> tokens;
    std::wstring token;
    const auto endToken = [&] {
        if (!token.empty())
            tokens.push_back(std::move(token));
        token.clear();
    };
    bool quoted = false;
    bool bracketed = false;
    wchar_t closing = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const wchar_t c = text[i];
        if (Contains(escapes, c)) {
            if (++i < text.size())
                token += text[i];
            continue;
        }
        if (quoted) {
            if (c == closing) {
                quoted = false;
                if (bracketed)
                    token += c;
            } else {
                token += c;
            }
            continue;
        }
        if (Contains(quotes, c)) {
            quoted = true;
            closing = ClosingQuote(c);
            bracketed = IsBracket(c);
            if (bracketed)
                token += c;
            continue;
        }
        if (Contains(separators, c)) {
            endToken();
            continue;
        }
        if (Contains(kept, c)) {
            endToken();
            tokens.emplace_back(1, c);
            continue;
        }
        token += c;
    }
    endToken();
    return tokens;
}

}  // namespace lx
