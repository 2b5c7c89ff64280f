#include "platform_character_set.h"

#include <windows.h>

#include <algorithm>
#include <cstddef>
#include <cwctype>

namespace lx {

bool PlatformCharacterSet::IsSpace(char16_t c) const { return std::iswspace(static_cast<wint_t>(c)) != 0; }

// The test of IsCharAlphaNumericW, asked for a run of units in one call.
void PlatformCharacterSet::ClassifyAlphaNumeric(TextView units, bool* isAlphaNumeric) const {
    constexpr std::size_t kBatch = 4096;
    WORD types[kBatch];
    for (std::size_t begin = 0; begin < units.size(); begin += kBatch) {
        const std::size_t count = std::min(kBatch, units.size() - begin);
        const auto* batch = reinterpret_cast<const WCHAR*>(units.data() + begin);
        bool* out = isAlphaNumeric + begin;
        if (::GetStringTypeW(CT_CTYPE1, batch, static_cast<int>(count), types)) {
            for (std::size_t i = 0; i < count; ++i)
                out[i] = (types[i] & (C1_ALPHA | C1_DIGIT)) != 0;
        } else {
            for (std::size_t i = 0; i < count; ++i)
                out[i] = ::IsCharAlphaNumericW(batch[i]) != FALSE;
        }
    }
}

// CharUpperBuffW maps each unit on its own, so the units need not be adjacent
// in the text.
void PlatformCharacterSet::ToUpper(std::span<char16_t> units) const {
    if (!units.empty())
        ::CharUpperBuffW(reinterpret_cast<WCHAR*>(units.data()), static_cast<DWORD>(units.size()));
}

}  // namespace lx
