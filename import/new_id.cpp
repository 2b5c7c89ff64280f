#include "new_id.h"

#include <objbase.h>

namespace lx {

std::wstring NewId() {
    GUID guid{};
    ::CoCreateGuid(&guid);
    wchar_t text[100] = L"";
    ::StringFromGUID2(guid, text, static_cast<int>(std::size(text)));
    return text;
}

}  // namespace lx
