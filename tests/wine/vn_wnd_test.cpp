#include "vn_wnd.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace lx {
namespace {

constexpr UINT kProbe = WM_APP + 7;

class RecordingWnd : public CVnWnd {
public:
    int preRegisterCalls = 0;
    std::vector<UINT> messages;

    bool Create() { return CVnWnd::Create(::GetModuleHandleW(nullptr), L"test", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT); }

protected:
    void PreRegisterClass(WNDCLASSEXW& windowClass) override {
        ++preRegisterCalls;
        CVnWnd::PreRegisterClass(windowClass);
    }
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        messages.push_back(message);
        return message == kProbe ? 42 : CVnWnd::WindowProc(window, message, wParam, lParam);
    }
};

class OtherWnd : public RecordingWnd {};

bool ClassRegistered() {
    WNDCLASSEXW info{};
    info.cbSize = sizeof info;
    return ::GetClassInfoExW(::GetModuleHandleW(nullptr), L"VARNEL_WINDOW", &info) != FALSE;
}

TEST(CVnWnd, ObjectsShareOneClassRegisteredOnce) {
    const bool registeredBefore = ClassRegistered();
    RecordingWnd first;
    OtherWnd second;
    ASSERT_TRUE(first.Create());
    ASSERT_TRUE(second.Create());
    EXPECT_EQ(first.preRegisterCalls, registeredBefore ? 0 : 1);
    EXPECT_EQ(second.preRegisterCalls, 0);
    wchar_t className[64] = L"";
    ::GetClassNameW(second.Handle(), className, 64);
    EXPECT_STREQ(className, L"VARNEL_WINDOW");
}

TEST(CVnWnd, WindowProcSeesCreateFirstAndOwnMessages) {
    RecordingWnd window;
    ASSERT_TRUE(window.Create());
    ASSERT_FALSE(window.messages.empty());
    EXPECT_EQ(window.messages.front(), static_cast<UINT>(WM_CREATE)) << "messages before WM_CREATE go to the default procedure";
    EXPECT_EQ(::SendMessageW(window.Handle(), kProbe, 0, 0), 42);
}

TEST(CVnWnd, StalePropertyIsIgnored) {
    RecordingWnd a, b;
    ASSERT_TRUE(a.Create());
    ASSERT_TRUE(b.Create());
    ASSERT_TRUE(::SetPropW(b.Handle(), L"CVnWnd_this", static_cast<CVnWnd*>(&a)));
    const size_t aBefore = a.messages.size(), bBefore = b.messages.size();
    EXPECT_EQ(::SendMessageW(b.Handle(), kProbe, 0, 0), 0);
    EXPECT_EQ(a.messages.size(), aBefore);
    EXPECT_EQ(b.messages.size(), bBefore);
}

TEST(CVnWnd, DestroyedElsewhereLeavesNoHandle) {
    RecordingWnd window;
    ASSERT_TRUE(window.Create());
    const HWND handle = window.Handle();
    ASSERT_TRUE(::DestroyWindow(handle));
    EXPECT_EQ(window.Handle(), nullptr);
    // WM_DESTROY is the last message the object sees; WM_NCDESTROY after it
    // goes to the default procedure.
    EXPECT_EQ(window.messages.back(), static_cast<UINT>(WM_DESTROY));
}

}  // namespace
}  // namespace lx
