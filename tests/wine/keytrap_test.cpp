// keytrap.dll, beside the test program, driven through its two exports the
// way the processor and the platform call them.
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "signals.h"
#include "unique_resource.h"

namespace lx {
namespace {

using InitHookFunction = HHOOK* (*)(HWND);

// A message-only window that the hook reports to.
class Receiver {
public:
    Receiver() : window_(::CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    ~Receiver() { ::DestroyWindow(window_); }
    Receiver(const Receiver&) = delete;
    Receiver& operator=(const Receiver&) = delete;
    HWND get() const { return window_; }

    // The key codes of the WM_GROUP_KEY messages waiting for the window.
    std::vector<WPARAM> TakeReportedKeys() const {
        std::vector<WPARAM> keys;
        MSG message;
        while (::PeekMessageW(&message, window_, WM_GROUP_KEY, WM_GROUP_KEY, PM_REMOVE))
            keys.push_back(message.wParam);
        return keys;
    }

private:
    HWND window_;
};

class KeyTrap : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(library) << "keytrap.dll is not beside the tests";
        initHook = reinterpret_cast<InitHookFunction>(reinterpret_cast<void*>(::GetProcAddress(library.get(), "initHook")));
        hookProcedure =
            reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(::GetProcAddress(library.get(), "KeyboardHookProc")));
        ASSERT_NE(initHook, nullptr);
        ASSERT_NE(hookProcedure, nullptr);
    }

    LRESULT Deliver(WPARAM message, DWORD key, int code = HC_ACTION) const {
        KBDLLHOOKSTRUCT event{};
        event.vkCode = key;
        return hookProcedure(code, message, reinterpret_cast<LPARAM>(&event));
    }

    UniqueLibrary library{::LoadLibraryW(L"keytrap.dll")};
    InitHookFunction initHook = nullptr;
    HOOKPROC hookProcedure = nullptr;
};

TEST_F(KeyTrap, ReportsAndSwallowsKeyPressesOnly) {
    Receiver receiver;
    HHOOK* const hookLocation = initHook(receiver.get());
    ASSERT_NE(hookLocation, nullptr);
    struct Case {
        const char* what;
        WPARAM message;
        DWORD key;
        int code;
        bool reported;
    } cases[] = {
        {"a letter", WM_KEYDOWN, 'B', HC_ACTION, true},
        {"a letter with Alt held", WM_SYSKEYDOWN, 'C', HC_ACTION, true},
        {"a function key", WM_KEYDOWN, VK_F5, HC_ACTION, true},
        {"escape", WM_KEYDOWN, VK_ESCAPE, HC_ACTION, true},
        {"a release", WM_KEYUP, 'B', HC_ACTION, false},
        {"a release with Alt held", WM_SYSKEYUP, 'B', HC_ACTION, false},
        {"shift", WM_KEYDOWN, VK_SHIFT, HC_ACTION, false},
        {"left control", WM_KEYDOWN, VK_LCONTROL, HC_ACTION, false},
        {"right alt", WM_SYSKEYDOWN, VK_RMENU, HC_ACTION, false},
        {"the Windows key", WM_KEYDOWN, VK_LWIN, HC_ACTION, false},
        {"caps lock", WM_KEYDOWN, VK_CAPITAL, HC_ACTION, false},
        {"not an action", WM_KEYDOWN, 'B', -1, false},
    };
    for (const Case& c : cases) {
        const LRESULT result = Deliver(c.message, c.key, c.code);
        const std::vector<WPARAM> reported = receiver.TakeReportedKeys();
        if (c.reported) {
            EXPECT_EQ(result, 1) << c.what << ": swallowed";
            EXPECT_EQ(reported, std::vector<WPARAM>{c.key}) << c.what;
        } else {
            EXPECT_EQ(result, 0) << c.what << ": passed on";
            EXPECT_TRUE(reported.empty()) << c.what;
        }
    }
}

TEST_F(KeyTrap, ReportsToTheLatestWindowAndPassesOnWithoutOne) {
    Receiver first, second;
    (void)initHook(first.get());
    (void)initHook(second.get());
    EXPECT_EQ(Deliver(WM_KEYDOWN, 'A'), 1);
    EXPECT_TRUE(first.TakeReportedKeys().empty());
    EXPECT_EQ(second.TakeReportedKeys(), std::vector<WPARAM>{'A'});
    // A report that cannot be posted does not swallow the key.
    (void)initHook(nullptr);
    EXPECT_EQ(Deliver(WM_KEYDOWN, 'A'), 0);
}

TEST_F(KeyTrap, InstalledAsALowLevelHookFromItsOwnModule) {
    Receiver receiver;
    HHOOK* const hookLocation = initHook(receiver.get());
    const UniqueHook hook(::SetWindowsHookExW(WH_KEYBOARD_LL, hookProcedure, library.get(), 0));
    ASSERT_TRUE(hook);
    *hookLocation = hook.get();
    // The same location on every call: the processor stores the handle once.
    EXPECT_EQ(initHook(receiver.get()), hookLocation);
}

}  // namespace
}  // namespace lx
