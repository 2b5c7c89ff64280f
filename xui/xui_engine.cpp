#include "xui_engine.h"

#include "text_compare.h"

namespace lx {

void CXUIEngine::AddString(std::wstring id, std::optional<std::wstring> attribute, std::wstring text) {
    strings_.push_back({std::move(id), std::move(attribute), std::move(text)});
}

const wchar_t* CXUIEngine::FindString(std::wstring_view id, const wchar_t* attribute) const {
    for (const Entry& entry : strings_) {
        if (!EqualsIgnoringCase(entry.id, id) || entry.attribute.has_value() != (attribute != nullptr))
            continue;
        if (!attribute || EqualsIgnoringCase(*entry.attribute, attribute))
            return entry.text.c_str();
    }
    return nullptr;
}

const wchar_t* CXUIEngine::GetString(std::wstring_view id, const wchar_t* attribute, const wchar_t* defaultText) const {
    const wchar_t* found = FindString(id, attribute);
    return found ? found : defaultText;
}

}  // namespace lx
