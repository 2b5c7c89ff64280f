#include "xui_engine.h"

namespace lx {

namespace {

bool EqualIgnoringCase(std::wstring_view a, std::wstring_view b) {
    return ::CompareStringOrdinal(a.data(), static_cast<int>(a.size()), b.data(), static_cast<int>(b.size()), TRUE) ==
           CSTR_EQUAL;
}

}  // namespace

void CXUIEngine::AddString(std::wstring id, std::optional<std::wstring> attribute, std::wstring text) {
    strings_.push_back({std::move(id), std::move(attribute), std::move(text)});
}

const wchar_t* CXUIEngine::FindString(std::wstring_view id, const wchar_t* attribute) const {
    for (const Entry& entry : strings_) {
        if (!EqualIgnoringCase(entry.id, id) || entry.attribute.has_value() != (attribute != nullptr))
            continue;
        if (!attribute || EqualIgnoringCase(*entry.attribute, attribute))
            return entry.text.c_str();
    }
    return nullptr;
}

const wchar_t* CXUIEngine::GetString(std::wstring_view id, const wchar_t* attribute, const wchar_t* defaultText) const {
    const wchar_t* found = FindString(id, attribute);
    return found ? found : defaultText;
}

}  // namespace lx
