#include "com_variant.h"

#include <new>

namespace lx {

Bstr::Bstr(std::wstring_view text) : value_(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {
    if (!value_)
        throw std::bad_alloc();
}

Variant::Variant(std::wstring_view text) : Variant() {
    value_.bstrVal = ::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!value_.bstrVal)
        throw std::bad_alloc();
    value_.vt = VT_BSTR;
}

}  // namespace lx
