#pragma once
// The names, events and private messages through which the programs
// coordinate. The names are part of the protocol: exact, case included.
#include <windows.h>

namespace lx {

inline constexpr wchar_t MUTEX_LOADER_INSTANCE[] = L"D8EF9A51-CB96-4779-8939-0C32576E9675";
// Held by an import while it reads, changes and replaces the accelerator
// file, so that two imports at once cannot lose each other's entries.
inline constexpr wchar_t MUTEX_ACCELERATOR_FILE[] = L"92B53DBE-F618-46FC-93FB-17BF518048D8";
inline constexpr wchar_t EVT_UNREGISTER_HOTKEYS[] = L"CC878926-45BA-40ed-801D-79372CEF2AEF";
inline constexpr wchar_t EVT_REGISTER_HOTKEYS[] = L"9160357F-9A93-4a15-B8C0-213447CB139D";
inline constexpr wchar_t EVT_RELOAD_ACCELERATORS[] = L"A2A33013-11DC-4722-96E6-A6B6EF4429D5";
inline constexpr wchar_t EVT_SOUND_GROUP[] = L"B2F3DDB8-7A34-4d40-A373-31C4981358EF";
inline constexpr wchar_t EVT_SOUND_ACCELERATOR[] = L"64B8FF3E-E00E-4001-8C62-3427F74A920F";
inline constexpr wchar_t EVT_SOUND_ERROR[] = L"34C10579-56B4-4122-9D8E-022A20F48EAF";
inline constexpr wchar_t EVT_ACCELERATORS_IMPORTED[] = L"34BDD223-91D0-4b86-8D6A-606088587ACA";

inline constexpr UINT WM_TRAY_NOTIFY = WM_USER + 100;
inline constexpr UINT WM_CAPTURE_DONE = WM_USER + 101;
inline constexpr UINT WM_REGISTER_HOTKEYS = WM_USER + 110;
inline constexpr UINT WM_UNREGISTER_HOTKEYS = WM_USER + 111;
inline constexpr UINT WM_RELOAD_HOTKEYS = WM_USER + 112;
inline constexpr UINT WM_SOUND_GROUP = WM_USER + 114;
inline constexpr UINT WM_SOUND_ACCELERATOR = WM_USER + 115;
inline constexpr UINT WM_SOUND_ERROR = WM_USER + 116;
inline constexpr UINT WM_GROUP_KEY = WM_USER + 200;

// Sets the named auto-reset event, creating it when nobody holds it (then
// the signal is lost, by design). Failures are ignored.
void SignalEvent(const wchar_t* name);

}  // namespace lx
