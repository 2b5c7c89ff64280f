#pragma once
// The group popup: a borderless, always-on-top layered window beside the
// taskbar listing a group's entries with their keys. It never takes the
// focus; it is painted once and handles no input.
#include <windows.h>

#include <optional>

#include "gdi_handles.h"
#include "popup_layout.h"
#include "unique_resource.h"
#include "vn_skin_dib.h"
#include "wnd_dc.h"

namespace lx {

class CAccelerator;

inline constexpr wchar_t kTrayNotifyClass[] = L"LEXORANT_TRAY";

class CTrayNotifyWnd {
public:
    // Loads the skin, creates the fonts and registers the window class.
    explicit CTrayNotifyWnd(HINSTANCE instance);
    virtual ~CTrayNotifyWnd();
    CTrayNotifyWnd(const CTrayNotifyWnd&) = delete;
    CTrayNotifyWnd& operator=(const CTrayNotifyWnd&) = delete;

    // Shows `group` without activating; false when no window could be made.
    bool Show(const CAccelerator* group, HWND owner);
    void Close();
    HWND Handle() const { return window_; }

protected:
    virtual void OnCreate() {}
    virtual void OnDestroy() {}
    virtual void Draw(HDC dc, const RECT& rectangle);

private:
    struct TextStyle {
        UniqueFont font;
        COLORREF color = 0;
        COLORREF glowColor = 0;
        int glowSize = 0;
        bool glow = false;
    };

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Layout();
    POINT Position() const;
    void Update();
    void DrawStyledText(HDC dc, const wchar_t* text, RECT rectangle, UINT format, const TextStyle& style) const;
    popup::Size MeasureText(HDC dc, const wchar_t* text, UINT format, const TextStyle& style) const;

    HWND window_ = nullptr;
    HINSTANCE instance_;
    const CAccelerator* group_ = nullptr;
    CWndDC surface_;
    POINT position_{};
    CVnSkinDIB skin_;
    TextStyle titleStyle_, keyStyle_, nameStyle_;
    popup::Margins listMargins_;
    popup::RowSpacing rowSpacing_;
    std::optional<popup::Layout> layout_;
    // Keeps the theme library loaded: composited text comes from it.
    UniqueLibrary themeLibrary_;
};

}  // namespace lx
