#pragma once
// The dialog library's engine object. For now: its string table, through
// which every localisable text is looked up with its default.
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lx {

class CXUIEngine {
public:
    explicit CXUIEngine(HMODULE module) : module_(module) {}
    virtual ~CXUIEngine() = default;
    CXUIEngine(const CXUIEngine&) = delete;
    CXUIEngine& operator=(const CXUIEngine&) = delete;

    HMODULE Module() const { return module_; }

    // Adds a translation; earlier entries win on lookup.
    void AddString(std::wstring id, std::optional<std::wstring> attribute, std::wstring text);
    // The first entry whose id matches ignoring case and whose attribute
    // matches ignoring case, or is absent on both sides; null when none.
    const wchar_t* FindString(std::wstring_view id, const wchar_t* attribute) const;
    const wchar_t* GetString(std::wstring_view id, const wchar_t* attribute, const wchar_t* defaultText) const;

private:
    struct Entry {
        std::wstring id;
        std::optional<std::wstring> attribute;
        std::wstring text;
    };

    HMODULE module_;
    std::vector<Entry> strings_;
};

}  // namespace lx
