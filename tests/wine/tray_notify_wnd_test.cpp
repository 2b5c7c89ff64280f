#include "tray_notify_wnd.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "accelerator.h"

namespace lx {
namespace {

std::unique_ptr<CAccelerator> Group(const wchar_t* name, int entries) {
    auto group = std::make_unique<CAccelerator>();
    group->isGroup = true;
    group->name = name;
    for (int i = 0; i < entries; ++i) {
        auto entry = std::make_unique<CAccelerator>();
        entry->hotkey = static_cast<HotkeyValue>(kHotkeyCtrl | ('A' + i));
        entry->name = L"Entry number " + std::to_wstring(i + 1);
        group->entries.push_back(std::move(entry));
    }
    return group;
}

RECT WindowRect(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return rect;
}

RECT Screen() {
    RECT rect{};
    ::GetClientRect(::GetDesktopWindow(), &rect);
    return rect;
}

// A stand-in for the shell's taskbar: a window of its class, where a test
// puts it. Hidden windows are found by class all the same.
class FakeTaskbar {
public:
    explicit FakeTaskbar(const RECT& rect) {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = ::DefWindowProcW;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"Shell_TrayWnd";
        ::RegisterClassW(&windowClass);
        window_ = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"Shell_TrayWnd", nullptr, WS_POPUP, rect.left, rect.top,
                                    rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                                    windowClass.hInstance, nullptr);
    }
    ~FakeTaskbar() { ::DestroyWindow(window_); }
    FakeTaskbar(const FakeTaskbar&) = delete;
    FakeTaskbar& operator=(const FakeTaskbar&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_ = nullptr;
};

// Looks at the finished image before it goes to the screen.
class InspectedPopup : public CTrayNotifyWnd {
public:
    using CTrayNotifyWnd::CTrayNotifyWnd;
    std::function<void(HDC)> inspect;

protected:
    void Draw(HDC dc, const RECT& rectangle) override {
        CTrayNotifyWnd::Draw(dc, rectangle);
        if (inspect)
            inspect(dc);
    }
};

DIBSECTION SurfaceOf(HDC dc) {
    DIBSECTION section{};
    ::GetObjectW(::GetCurrentObject(dc, OBJ_BITMAP), sizeof section, &section);
    return section;
}

TEST(TrayNotifyWnd, StandsBesideTheTaskbarOnEveryEdge) {
    const RECT screen = Screen();
    // Two edges of the popup and where each must be.
    struct Case {
        const char* edge;
        RECT taskbar;
        LONG RECT::*alongEdge;
        LONG alongAt;
        LONG RECT::*besideEdge;
        LONG besideAt;
    } cases[] = {
        {"bottom", {0, screen.bottom - 30, screen.right, screen.bottom}, &RECT::right, screen.right, &RECT::bottom,
         screen.bottom - 30},
        {"top", {0, 0, screen.right, 30}, &RECT::right, screen.right, &RECT::top, 30},
        {"left", {0, 0, 60, screen.bottom}, &RECT::bottom, screen.bottom, &RECT::left, 60},
        {"right", {screen.right - 60, 0, screen.right, screen.bottom}, &RECT::bottom, screen.bottom, &RECT::right,
         screen.right - 60},
    };
    const auto group = Group(L"Transform", 3);
    for (const Case& c : cases) {
        const FakeTaskbar taskbar(c.taskbar);
        ASSERT_EQ(::FindWindowW(L"Shell_TrayWnd", nullptr), taskbar.get()) << "another taskbar window is present";
        CTrayNotifyWnd popup(::GetModuleHandleW(nullptr));
        ASSERT_TRUE(popup.Show(group.get(), nullptr)) << c.edge;
        const RECT at = WindowRect(popup.Handle());
        EXPECT_EQ(at.*c.alongEdge, c.alongAt) << c.edge;
        EXPECT_EQ(at.*c.besideEdge, c.besideAt) << c.edge;
        EXPECT_GT(at.bottom - at.top, 65) << c.edge << ": three rows below the title band";
    }
}

TEST(TrayNotifyWnd, IsALayeredTopmostWindowThatNeverActivates) {
    const auto group = Group(L"Transform", 2);
    CTrayNotifyWnd popup(::GetModuleHandleW(nullptr));
    ASSERT_TRUE(popup.Show(group.get(), nullptr));
    const HWND window = popup.Handle();
    wchar_t className[64] = L"";
    ::GetClassNameW(window, className, 64);
    EXPECT_STREQ(className, L"LEXORANT_TRAY");
    constexpr LONG kStyles = WS_EX_TOPMOST | WS_EX_LAYERED | WS_EX_NOACTIVATE;
    EXPECT_EQ(::GetWindowLongW(window, GWL_EXSTYLE) & kStyles, kStyles);
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongW(window, GWL_STYLE)) & WS_POPUP, static_cast<DWORD>(WS_POPUP));
    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_NE(::GetForegroundWindow(), window);
    popup.Close();
    EXPECT_EQ(popup.Handle(), nullptr);
    EXPECT_FALSE(::IsWindow(window));
}

TEST(TrayNotifyWnd, AnEmptyGroupIsTitleBandHigh) {
    const auto group = Group(L"Nothing here", 0);
    CTrayNotifyWnd popup(::GetModuleHandleW(nullptr));
    ASSERT_TRUE(popup.Show(group.get(), nullptr));
    const RECT at = WindowRect(popup.Handle());
    EXPECT_EQ(at.bottom - at.top, 65);
}

TEST(TrayNotifyWnd, ALongerTitleWidensThePopup) {
    const auto shortTitle = Group(L"T", 1);
    const auto longTitle = Group(L"A group name far wider than any of its rows", 1);
    CTrayNotifyWnd popup(::GetModuleHandleW(nullptr));
    ASSERT_TRUE(popup.Show(shortTitle.get(), nullptr));
    const RECT narrow = WindowRect(popup.Handle());
    ASSERT_TRUE(popup.Show(longTitle.get(), nullptr));
    const RECT wide = WindowRect(popup.Handle());
    EXPECT_GT(wide.right - wide.left, narrow.right - narrow.left);
    EXPECT_EQ(wide.bottom - wide.top, narrow.bottom - narrow.top);
}

TEST(TrayNotifyWnd, TextsLeaveAlphaOnTheImageAndTheRestStaysTransparent) {
    // The test program has no skin resource: only the texts are drawn.
    const auto group = Group(L"Transform", 1);
    InspectedPopup popup(::GetModuleHandleW(nullptr));
    int titleOpaque = -1, rowOpaque = -1, corner = -1;
    popup.inspect = [&](HDC dc) {
        const DIBSECTION section = SurfaceOf(dc);
        ASSERT_NE(section.dsBm.bmBits, nullptr);
        ASSERT_EQ(section.dsBm.bmBitsPixel, 32);
        const int width = section.dsBm.bmWidth, height = section.dsBm.bmHeight;
        const auto* pixels = static_cast<const std::uint8_t*>(section.dsBm.bmBits);
        // Top-down rows; the fourth byte of each pixel is its alpha.
        const auto opaqueIn = [&](int top, int bottom) {
            int count = 0;
            for (int y = top; y < bottom; ++y)
                for (int x = 0; x < width; ++x)
                    count += pixels[(y * width + x) * 4 + 3] != 0;
            return count;
        };
        titleOpaque = opaqueIn(10, 50);
        rowOpaque = opaqueIn(55, height - 10);
        corner = opaqueIn(height - 5, height) + opaqueIn(0, 5);
    };
    ASSERT_TRUE(popup.Show(group.get(), nullptr));
    EXPECT_GT(titleOpaque, 0);
    EXPECT_GT(rowOpaque, 0);
    EXPECT_EQ(corner, 0);
}

}  // namespace
}  // namespace lx
