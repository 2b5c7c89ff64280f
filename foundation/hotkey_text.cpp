#include "hotkey_text.h"

#include <windows.h>

#include <cwchar>

namespace lx {

std::wstring HotkeyText(HotkeyValue value) {
    if (value == 0)
        return {};
    std::wstring text;
    if (value & kHotkeyCtrl) text += L"Ctrl + ";
    if (value & kHotkeyShift) text += L"Shift + ";
    if (value & kHotkeyAlt) text += L"Alt + ";
    if (value & kHotkeyWin) text += L"Win + ";

    const UINT virtualKey = HotkeyKeyCode(value);
    UINT scanCode = ::MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC) & 0xFFFF;
    if (value & kHotkeyExtended)
        scanCode |= 0x100;
    wchar_t name[256] = L"";
    if (::GetKeyNameTextW(static_cast<LONG>(scanCode << 16), name, 255) > 0)
        text += name;
    else if (virtualKey != 0)
        text += L"#" + std::to_wstring(virtualKey);
    return text;
}

}  // namespace lx
