#include "tray_notify_wnd.h"

#include <string>
#include <vector>

#include "accelerator.h"
#include "glow_text.h"
#include "hotkey_text.h"
#include "popup_placement.h"

namespace lx {

namespace {

constexpr wchar_t kObjectProperty[] = L"CTrayNotifyWnd_this";
constexpr wchar_t kSkinName[] = L"bg.png";
constexpr wchar_t kSkinType[] = L"SKIN";
constexpr SkinMargins kSkinMargins{16, 16, 55, 16};

constexpr int kTitleCellHeight = 35;
constexpr int kKeyPoints = 15;
constexpr int kNamePoints = 10;
constexpr COLORREF kWhite = 0x00FFFFFF;
constexpr COLORREF kBlack = 0;
constexpr int kGlowSize = 2;

constexpr UINT kTitleFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
constexpr UINT kKeyFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX;
constexpr UINT kNameFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
constexpr UINT kMeasureTitleFormat = DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE | DT_VCENTER;
constexpr UINT kMeasureRowFormat = DT_CALCRECT | DT_NOPREFIX | DT_SINGLELINE;

UniqueFont CreatePopupFont(int height, int weight) {
    LOGFONTW description{};
    description.lfHeight = height;
    description.lfWeight = weight;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfQuality = CLEARTYPE_QUALITY;
    return UniqueFont(::CreateFontIndirectW(&description));
}

RECT ToRECT(const popup::Rect& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }
popup::Rect ToRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

std::wstring NameOf(const CAccelerator& entry) { return entry.name.value_or(std::wstring()); }

// The full rectangle of the monitor holding `window`; the desktop's when
// there is only one monitor or it cannot be found.
popup::Rect MonitorRect(HWND window) {
    RECT desktop{};
    ::GetClientRect(::GetDesktopWindow(), &desktop);
    if (::GetSystemMetrics(SM_CMONITORS) <= 1)
        return ToRect(desktop);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    const HMONITOR monitor = ::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
    return monitor && ::GetMonitorInfoW(monitor, &info) ? ToRect(info.rcMonitor) : ToRect(desktop);
}

}  // namespace

CTrayNotifyWnd::CTrayNotifyWnd(HINSTANCE instance)
    : instance_(instance),
      themeLibrary_(::LoadLibraryExW(L"uxtheme.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    {
        CVnDIB source;
        if (source.LoadFromResource(::FindResourceW(instance, kSkinName, kSkinType), instance))
            (void)skin_.SetSkin(&source, kSkinMargins, false, false);
    }

    const WindowDC screen;
    const int dotsPerInch = screen ? ::GetDeviceCaps(screen.get(), LOGPIXELSY) : USER_DEFAULT_SCREEN_DPI;
    titleStyle_ = {CreatePopupFont(kTitleCellHeight, FW_BOLD), kWhite, kBlack, kGlowSize, true};
    keyStyle_ = {CreatePopupFont(popup::FontHeightForPoints(kKeyPoints, dotsPerInch), FW_BOLD), kWhite, kBlack,
                 kGlowSize, true};
    nameStyle_ = {CreatePopupFont(popup::FontHeightForPoints(kNamePoints, dotsPerInch), FW_NORMAL), kBlack, kBlack,
                  0, false};

    WNDCLASSW windowClass{};
    if (!::GetClassInfoW(instance, kTrayNotifyClass, &windowClass)) {
        windowClass = WNDCLASSW{};
        windowClass.style = CS_HREDRAW | CS_VREDRAW;
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        windowClass.lpszClassName = kTrayNotifyClass;
        // A failed registration shows as a failed creation in Show.
        ::RegisterClassW(&windowClass);
    }
}

CTrayNotifyWnd::~CTrayNotifyWnd() { Close(); }

bool CTrayNotifyWnd::Show(const CAccelerator* group, HWND owner) {
    Close();
    group_ = group;
    const HWND window = ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_NOACTIVATE, kTrayNotifyClass, L"",
                                          WS_POPUP, CW_USEDEFAULT, 0, CW_USEDEFAULT, 0, owner, nullptr, instance_,
                                          this);
    if (!window)
        return false;
    Layout();
    position_ = Position();
    Update();
    ::ShowWindow(window_, SW_SHOWNA);
    return window_ != nullptr;
}

void CTrayNotifyWnd::Close() {
    if (window_)
        ::DestroyWindow(window_);
    window_ = nullptr;
}

LRESULT CALLBACK CTrayNotifyWnd::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* object = ::IsWindow(window) ? static_cast<CTrayNotifyWnd*>(::GetPropW(window, kObjectProperty)) : nullptr;
    if (message == WM_CREATE) {
        object = static_cast<CTrayNotifyWnd*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        ::SetPropW(window, kObjectProperty, object);
        object->window_ = window;
        object->OnCreate();
    } else if (object && message == WM_DESTROY) {
        object->OnDestroy();
        ::RemovePropW(window, kObjectProperty);
        object->window_ = nullptr;
    } else if (message == WM_MOUSEACTIVATE) {
        // Not every platform honours WS_EX_NOACTIVATE on a click: the
        // application the user works in must keep the focus.
        return MA_NOACTIVATE;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

popup::Size CTrayNotifyWnd::MeasureText(HDC dc, const wchar_t* text, UINT format, const TextStyle& style) const {
    RECT rectangle{0, 0, 1, 1};
    DrawGlowText(dc, text, -1, &rectangle, format, style.font.get(), style.color, style.glow, style.glowColor,
                 style.glowSize, true);
    return {rectangle.right - rectangle.left, rectangle.bottom - rectangle.top};
}

void CTrayNotifyWnd::Layout() {
    const WindowDC dc(window_);
    const popup::Size title =
        group_ ? MeasureText(dc.get(), NameOf(*group_).c_str(), kMeasureTitleFormat, titleStyle_) : popup::Size{};
    std::vector<popup::MemberTexts> members;
    if (group_) {
        for (const auto& entry : group_->entries) {
            members.push_back({MeasureText(dc.get(), HotkeyText(entry->hotkey).c_str(), kMeasureRowFormat, keyStyle_),
                               MeasureText(dc.get(), NameOf(*entry).c_str(), kMeasureRowFormat, nameStyle_)});
        }
    }
    layout_.emplace(title, members, listMargins_, rowSpacing_);
    surface_.Resize(layout_->PopupSize().width, layout_->PopupSize().height);
}

POINT CTrayNotifyWnd::Position() const {
    const HWND taskbar = ::FindWindowW(L"Shell_TrayWnd", nullptr);
    std::optional<popup::Rect> taskbarRect;
    RECT rect{};
    if (taskbar && ::GetWindowRect(taskbar, &rect))
        taskbarRect = ToRect(rect);
    const popup::Size size{surface_.Width(), surface_.Height()};
    const popup::Point at = popup::PlacePopup(MonitorRect(taskbar), taskbarRect, size);
    return {at.x, at.y};
}

void CTrayNotifyWnd::Update() {
    const int width = surface_.Width(), height = surface_.Height();
    const HDC dc = surface_.Context();
    if (width <= 0 || height <= 0 || !dc)
        return;
    RECT all{0, 0, width, height};
    {
        const UniqueRegion clip(::CreateRectRgn(0, 0, width, height));
        ::SelectClipRgn(dc, clip.get());
        // Black with alpha 0: every pixel starts transparent.
        ::FillRect(dc, &all, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        Draw(dc, all);
        ::SelectClipRgn(dc, nullptr);
    }
    const WindowDC screen;
    SIZE size{width, height};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::UpdateLayeredWindow(window_, screen.get(), &position_, &size, dc, &source, 0, &blend, ULW_ALPHA);
}

void CTrayNotifyWnd::DrawStyledText(HDC dc, const wchar_t* text, RECT rectangle, UINT format,
                                    const TextStyle& style) const {
    DrawGlowText(dc, text, -1, &rectangle, format, style.font.get(), style.color, style.glow, style.glowColor,
                 style.glowSize, true);
}

void CTrayNotifyWnd::Draw(HDC dc, const RECT& rectangle) {
    if (!layout_)
        return;
    skin_.Draw(dc, RECT{0, 0, surface_.Width(), surface_.Height()}, &rectangle);
    if (!group_)
        return;
    DrawStyledText(dc, NameOf(*group_).c_str(), ToRECT(layout_->TitleRect()), kTitleFormat, titleStyle_);
    for (std::size_t row = 0; row < group_->entries.size(); ++row) {
        const CAccelerator& entry = *group_->entries[row];
        DrawStyledText(dc, HotkeyText(entry.hotkey).c_str(), ToRECT(layout_->KeyRect(row)), kKeyFormat, keyStyle_);
        DrawStyledText(dc, NameOf(entry).c_str(), ToRECT(layout_->NameRect(row)), kNameFormat, nameStyle_);
    }
}

}  // namespace lx
