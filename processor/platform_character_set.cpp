#include "platform_character_set.h"

#include <windows.h>

#include <cwctype>

namespace lx {

bool PlatformCharacterSet::IsSpace(char16_t c) const { return std::iswspace(static_cast<wint_t>(c)) != 0; }

bool PlatformCharacterSet::IsAlphaNumeric(char16_t c) const { return ::IsCharAlphaNumericW(static_cast<WCHAR>(c)) != FALSE; }

char16_t PlatformCharacterSet::ToUpper(char16_t c) const {
    WCHAR unit = static_cast<WCHAR>(c);
    ::CharUpperBuffW(&unit, 1);
    return static_cast<char16_t>(unit);
}

}  // namespace lx
