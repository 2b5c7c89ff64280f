#pragma once
// Owning wrappers for the COM value types the DOM hands across: BSTR and
// VARIANT. Allocation failure raises std::bad_alloc, the one exception the
// system allows.
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>

namespace lx {

class Bstr {
public:
    Bstr() = default;
    explicit Bstr(std::wstring_view text);
    ~Bstr() { ::SysFreeString(value_); }
    // Takes ownership of a string the platform handed out.
    static Bstr Adopt(BSTR value) {
        Bstr result;
        result.value_ = value;
        return result;
    }
    Bstr(Bstr&& other) noexcept : value_(other.value_) { other.value_ = nullptr; }
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;

    BSTR get() const { return value_; }
    BSTR* put() { ::SysFreeString(value_); value_ = nullptr; return &value_; }
    std::wstring str() const { return value_ ? std::wstring(value_, ::SysStringLen(value_)) : std::wstring(); }
    explicit operator bool() const { return value_ != nullptr; }

private:
    BSTR value_ = nullptr;
};

class Variant {
public:
    Variant() { ::VariantInit(&value_); }
    explicit Variant(std::wstring_view text);
    explicit Variant(LONG number) : Variant() { value_.vt = VT_I4; value_.lVal = number; }
    static Variant Boolean(bool value) {
        Variant result;
        result.value_.vt = VT_BOOL;
        result.value_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
        return result;
    }
    ~Variant() { ::VariantClear(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    Variant(Variant&& other) noexcept : value_(other.value_) { ::VariantInit(&other.value_); }

    const VARIANT& get() const { return value_; }
    VARIANT& get() { return value_; }
    VARIANT* put() { ::VariantClear(&value_); return &value_; }

private:
    VARIANT value_;
};

}  // namespace lx
