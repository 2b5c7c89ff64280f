#include "entry_name_safety.h"

#include <array>

namespace lx::zip {
namespace {

bool IsSeparator(char16_t c) { return c == u'/' || c == u'\\'; }

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - u'a' + u'A') : c; }

bool EqualsUpper(std::u16string_view text, std::u16string_view upper) {
    if (text.size() != upper.size())
        return false;
    for (size_t i = 0; i < text.size(); ++i)
        if (Upper(text[i]) != upper[i])
            return false;
    return true;
}

// Windows opens the device for "CON", "con.txt", "NUL " and so on, in any folder.
bool IsDeviceName(std::u16string_view component) {
    std::u16string_view stem = component.substr(0, component.find(u'.'));
    while (!stem.empty() && stem.back() == u' ')
        stem.remove_suffix(1);
    static constexpr std::array<std::u16string_view, 4> kPlain = {u"CON", u"PRN", u"AUX", u"NUL"};
    for (const auto name : kPlain)
        if (EqualsUpper(stem, name))
            return true;
    if (stem.size() == 4 && (EqualsUpper(stem.substr(0, 3), u"COM") || EqualsUpper(stem.substr(0, 3), u"LPT")) &&
        stem[3] >= u'0' && stem[3] <= u'9')
        return true;
    return EqualsUpper(stem, u"CONIN$") || EqualsUpper(stem, u"CONOUT$");
}

bool IsUnsafeComponent(std::u16string_view component) {
    if (component.empty() || component == u".")
        return false;
    // Windows trims trailing dots and spaces, so ". ." or "..." may end up as "..".
    bool onlyDotsAndSpaces = true;
    for (const char16_t c : component)
        if (c != u'.' && c != u' ')
            onlyDotsAndSpaces = false;
    return onlyDotsAndSpaces || IsDeviceName(component);
}

}  // namespace

bool IsSafeEntryName(std::u16string_view name) {
    if (name.empty() || IsSeparator(name.front()))
        return false;
    for (const char16_t c : name)
        if (c < 0x20 || c == u':')
            return false;
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = start;
        while (end < name.size() && !IsSeparator(name[end]))
            ++end;
        if (IsUnsafeComponent(name.substr(start, end - start)))
            return false;
        start = end + 1;
    }
    return true;
}

}  // namespace lx::zip
